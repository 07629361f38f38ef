#include "common/TipsFormat.h"
#include "tests/e2e/RecorderProcess.h"
#include "tests/e2e/XSession.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <ctime>
#include <gtest/gtest.h>

namespace {

const QString kMainWindow = QStringLiteral("Pennivel - Tips");

struct DumpedTip {
    QString date, category, text;
    bool operator==(const DumpedTip&) const = default;
};

void PrintTo(const DumpedTip& tip, std::ostream* os)
{
    *os << tip.date.toStdString() << " | " << tip.category.toStdString() << " | "
        << tip.text.toStdString();
}

std::vector<DumpedTip> Dump(const RecorderHome& home)
{
    QString output;
    EXPECT_EQ(home.runTool({"dump"}, &output), 0);
    std::vector<DumpedTip> tips;
    for (const QString& line : output.split('\n', Qt::SkipEmptyParts)) {
        const QJsonObject tip = QJsonDocument::fromJson(line.toUtf8()).object();
        tips.push_back(
            {tip["date"].toString(), tip["category"].toString(), tip["text"].toString()});
    }
    return tips;
}

DumpedTip Default(std::size_t index)
{
    const Tip tip = DefaultTips().at(index);
    const auto strip = [](const std::string& part) {
        return QString::fromStdString(part.substr(0, part.size() - 1));
    };
    return {strip(tip.date), strip(tip.category), strip(tip.text)};
}

QString Today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buffer[16];
    std::strftime(buffer, sizeof buffer, "%m/%d/%y", &local);
    return QString::fromLatin1(buffer);
}

class TipCommandsE2E : public ::testing::Test {
  protected:
    void SetUp() override
    {
        if (!x.isRunning())
            GTEST_SKIP() << "Xvfb could not be started";
    }

    std::unique_ptr<QProcess> start()
    {
        auto recorder = home.startRecorder({"QT_QPA_PLATFORM=xcb", "DISPLAY=" + x.display()});
        EXPECT_TRUE(x.focusWindow(kMainWindow))
            << "the main window never appeared; " << x.serverState().toStdString();
        return recorder;
    }

    // Waits for the dialog to close and gives the main window the keyboard again.
    void backToMainWindow(const QString& dialog)
    {
        EXPECT_TRUE(WaitFor([&] { return !x.windowExists(dialog); })) << dialog.toStdString();
        EXPECT_TRUE(x.focusWindow(kMainWindow));
    }

    void exitAndWait(QProcess& recorder)
    {
        x.keys({"alt+t", "x"});
        ASSERT_TRUE(recorder.waitForFinished(20000)) << "the recorder did not close";
        EXPECT_EQ(recorder.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(recorder.exitCode(), 0);
    }

    XSession x;
    RecorderHome home;
};

TEST_F(TipCommandsE2E, AddTwoEditOneDeleteOneThenTheFileHoldsExactlyThoseTips)
{
    auto recorder = start();

    x.keys({"ctrl+a"});
    ASSERT_TRUE(x.focusWindow("Add a Tip"));
    x.type("Fourth Tip");
    x.keys({"alt+a"});
    x.type("Fifth Tip");
    x.keys({"alt+a", "Escape"});
    backToMainWindow("Add a Tip");

    x.keys({"alt+t", "l"}); // Latest: the fifth Tip
    x.keys({"ctrl+e"});
    ASSERT_TRUE(x.focusWindow("Edit a Tip"));
    x.keys({"ctrl+a"});
    x.type("Fifth Tip, edited");
    x.keys({"alt+s"});
    backToMainWindow("Edit a Tip");

    x.keys({"alt+d", "t"}); // Delete > Tip #
    ASSERT_TRUE(x.focusWindow("Delete Tip #"));
    x.keys({"ctrl+a"});
    x.type("2");
    x.keys({"Return"});
    ASSERT_TRUE(x.focusWindow("Pennivel")) << "no delete question";
    x.keys({"alt+y"});
    backToMainWindow("Pennivel");

    exitAndWait(*recorder); // unsaved changes are saved at exit without a question

    const std::vector<DumpedTip> expected{Default(0),
                                          Default(2),
                                          {Today(), "General", "Fourth Tip"},
                                          {Today(), "General", "Fifth Tip, edited"}};
    EXPECT_EQ(Dump(home), expected);

    // A second start reads them back: what it adds lands after them.
    auto second = start();
    x.keys({"ctrl+a"});
    ASSERT_TRUE(x.focusWindow("Add a Tip"));
    x.type("Sixth Tip");
    x.keys({"alt+a", "alt+x"});
    backToMainWindow("Add a Tip");
    exitAndWait(*second);
    std::vector<DumpedTip> withSixth = expected;
    withSixth.push_back({Today(), "General", "Sixth Tip"});
    EXPECT_EQ(Dump(home), withSixth);
}

} // namespace
