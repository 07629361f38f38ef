// A long run of navigation commands checked against a small, separately written model
// of the rules: plain vectors, linear scans, its own copy of the generator.
#include "NavigatorFixture.h"

#include <algorithm>
#include <random>

namespace {

// Answers Yes to every question except each third one.
bool ModelAnswer(int questionIndex)
{
    return questionIndex % 3 != 2;
}

class PatternMessages : public Messages {
  public:
    MessageAnswer show(const QString& text, MessageIcon, MessageButtons buttons,
                       const MessageOptions&) override
    {
        texts << text;
        if (buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        return ModelAnswer(m_questions++) ? MessageAnswer::Yes : MessageAnswer::No;
    }
    QStringList texts;

  private:
    int m_questions = 0;
};

struct Model {
    explicit Model(int tipCount, std::uint32_t seed) : count(tipCount), state(seed) {}

    int count;
    std::uint32_t state;
    bool random = true;
    int current = 0, previous = 0;
    std::vector<int> cycle, history{0};
    int historyPos = 0;
    bool lastWasPrevious = false, noticeOff = false, screenCleared = false;
    int questions = 0;
    std::vector<int> shown;
    QStringList texts;

    int draw()
    {
        state = state * 214013u + 2531011u;
        return static_cast<int>(state >> 16 & 0x7FFF);
    }
    int pick() { return std::min(static_cast<int>(draw() / 32767.0 * count) + 1, count); }
    bool inCycle(int n) const { return std::find(cycle.begin(), cycle.end(), n) != cycle.end(); }
    bool ask(const char* text)
    {
        texts << QString::fromUtf8(text);
        return ModelAnswer(questions++);
    }
    void record(int n, bool fresh)
    {
        if (fresh || n != history.back()) {
            history.push_back(n);
            historyPos = static_cast<int>(history.size()) - 1;
            lastWasPrevious = false;
        }
    }

    void next()
    {
        previous = current;
        const bool wasEmpty = cycle.empty();
        if (wasEmpty) {
            current = random ? pick() : (current >= count ? 1 : current + 1);
            cycle.push_back(current);
        } else if (static_cast<int>(cycle.size()) < count || !random) {
            if (random) {
                for (std::size_t i = 0; i < cycle.size(); ++i) {
                    if (cycle[i] == current || current > count) {
                        current = pick();
                        i = static_cast<std::size_t>(-1);
                    }
                }
                cycle.push_back(current);
            } else {
                if (current < count) {
                    ++current;
                } else {
                    current = 1;
                    if (count == 1 && !noticeOff)
                        texts << "This is the only Tip.";
                    noticeOff = false;
                }
                if (!inCycle(current))
                    cycle.push_back(current);
            }
        } else if (count == 1 && !noticeOff) {
            texts << "This is the only Tip.";
        } else {
            if (!ask("All the Tips have been viewed.\n\nStart over?"))
                return;
            noticeOff = false;
            cycle.clear();
            do
                current = pick();
            while (count >= 2 && current == previous);
            cycle.push_back(current);
        }
        shown.push_back(current);
        record(current, wasEmpty && cycle.size() == 1);
        screenCleared = false;
    }

    void back()
    {
        const int historyCount = static_cast<int>(history.size()) - 1;
        if (historyCount < 1)
            return;
        if (historyPos == 1) {
            if (historyCount > 1 &&
                ask("You have cycled back through all previously read Tips.\n\nStart over?")) {
                historyPos = historyCount;
                current = history[static_cast<std::size_t>(historyPos)];
                shown.push_back(current);
            } else if (historyCount == 1) {
                texts << "You have cycled back through all previously read Tips.";
            }
        } else {
            if (!screenCleared)
                --historyPos;
            current = history[static_cast<std::size_t>(historyPos)];
            shown.push_back(current);
        }
        lastWasPrevious = true;
        screenCleared = false;
    }

    void latest()
    {
        const bool wasEmpty = cycle.empty();
        current = count;
        shown.push_back(current);
        if (!inCycle(current))
            cycle.push_back(current);
        record(current, wasEmpty && cycle.size() == 1);
        screenCleared = false;
    }

    void order(bool atRandom)
    {
        cycle.clear();
        random = atRandom;
    }

    void showAll() { screenCleared = true; }
};

struct RunCase {
    int tipCount;
    std::uint32_t seed;
};

class NavigationModel : public ::testing::TestWithParam<RunCase> {};

TEST_P(NavigationModel, LongScriptedRunMatchesTheModel)
{
    const RunCase& c = GetParam();
    NavigationState state;
    TipCollection tips = NumberedTips(c.tipCount);
    PatternMessages messages;
    MsRandom random;
    random.seed(c.seed);
    RecordingDisplay display(state, tips);
    TipNavigator navigator(state, tips, messages, random, display);
    Model model(c.tipCount, c.seed);

    std::mt19937 script(c.seed + 99);
    for (int step = 0; step < 1500; ++step) {
        switch (script() % 12) {
        case 0:
            navigator.ShowPreviousTip();
            model.back();
            break;
        case 1:
            navigator.ShowPreviousTip();
            model.back();
            break;
        case 2:
            navigator.ShowLatestTip();
            model.latest();
            break;
        case 3:
            navigator.SetRandomOrder(!state.m_RandomOrder);
            model.order(state.m_RandomOrder);
            break;
        case 4:
            navigator.ShowAll();
            model.showAll();
            break;
        default:
            navigator.ShowNextTip();
            model.next();
            break;
        }
        ASSERT_EQ(display.shown, model.shown) << "step " << step;
        ASSERT_EQ(state.m_CurrentTip, model.current) << "step " << step;
    }
    EXPECT_EQ(messages.texts, model.texts);
    EXPECT_EQ(state.m_HistoryCount, static_cast<int>(model.history.size()) - 1);
    EXPECT_GT(display.shown.size(), 1000u);
}

INSTANTIATE_TEST_SUITE_P(Runs, NavigationModel,
                         ::testing::Values(RunCase{1, 5}, RunCase{2, 17}, RunCase{5, 1234},
                                           RunCase{9, 20261207}, RunCase{40, 3}));

} // namespace
