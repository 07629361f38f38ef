// Add and Delete Current Tip on a collection of 1,000,000 Tips whose cycle and history
// hold every Tip, so each deletion renumbers a million cycle and history entries; and
// the category list the Add and Edit dialogs build from such a collection.
#include "platform/Messages.h"
#include "recorder/data/NavigationState.h"
#include "recorder/data/TipCollection.h"
#include "recorder/dialogs/tip/CategoryChoices.h"
#include "recorder/dialogs/tip/TipDialogs.h"
#include "recorder/view/TipCommands.h"
#include "recorder/view/TipCommandsHost.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kTips = 1'000'000;

class AlwaysYes : public Messages {
  public:
    MessageAnswer show(const QString&, MessageIcon, MessageButtons, const MessageOptions&) override
    {
        return MessageAnswer::Yes;
    }
};

class OneTipAdded : public TipDialogs {
  public:
    std::vector<Tip> runAdd(int, const TipCollection&) override
    {
        return {{"12/07/26\n", "General\n", "A Tip added while a million wait.\n"}};
    }
    std::optional<Tip> runEdit(int, const Tip&, int, const TipCollection&) override { return {}; }
    std::optional<int> runDeleteNumber(int) override { return {}; }
    void runSaverSettings(int) override {}
};

class QuietHost : public TipCommandsHost {
  public:
    void ShowCurrentTip() override {}
    void clearShownTip() override {}
    Tip shownTip() const override { return {"d\n", "c\n", "shown\n"}; }
    void forceNewPick() override {}
    int storedTipAtClosing() const override { return kTips; }
    void storeTipAtClosing(int) override {}
    SaveReport saveTips() override { return {}; }
};

struct Setting {
    TipCollection tips;
    NavigationState state;
    AlwaysYes messages;
    OneTipAdded dialogs;
    QuietHost host;
    TipCommands commands{tips, state, messages, dialogs, host};

    Setting()
    {
        std::vector<Tip> all(kTips);
        for (int n = 1; n <= kTips; ++n)
            all[static_cast<std::size_t>(n - 1)] = {"12/07/26\n", "General\n",
                                                    "Tip " + std::to_string(n) + "\n"};
        tips = TipCollection(std::move(all));
        // Shown in a scattered order, as At Random leaves them.
        for (int n = 1; n <= kTips; ++n) {
            const int tip = static_cast<int>((static_cast<long long>(n) * 7919) % kTips) + 1;
            state.AddToCycle(tip);
            state.RecordInHistory(tip, false);
        }
    }
};

Setting& Shared()
{
    static Setting setting;
    return setting;
}

void BM_AddOneTip(benchmark::State& bench)
{
    Setting& s = Shared();
    for (auto _ : bench)
        s.commands.Add();
    bench.counters["tips"] = s.tips.count();
}

void BM_DeleteCurrentTip(benchmark::State& bench)
{
    Setting& s = Shared();
    for (auto _ : bench) {
        s.state.m_CurrentTip = s.tips.count() / 2;
        s.commands.DeleteCurrentTip();
    }
    bench.counters["tips"] = s.tips.count();
    bench.counters["history"] = s.state.m_HistoryCount;
}

// What the Add and Edit dialogs do before they open: one pass over every category.
void BM_CategoryListOfAMillionTips(benchmark::State& bench)
{
    const TipCollection& tips = Shared().tips;
    for (auto _ : bench)
        benchmark::DoNotOptimize(CategoryChoices(tips, tips.count()).entries().size());
}

BENCHMARK(BM_CategoryListOfAMillionTips)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddOneTip)->Unit(benchmark::kMillisecond)->Iterations(200);
BENCHMARK(BM_DeleteCurrentTip)->Unit(benchmark::kMillisecond)->Iterations(50)->Repetitions(3);

} // namespace
