#include "common/Clock.h"
#include "common/MsRandom.h"
#include "saver/CSaverApp.h"
#include "saver/CSaverWnd.h"
#include "tests/saver/SaverDataDir.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/TempDir.h"

#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct InputCase {
    const char* name;
    std::function<void(QWidget&)> input;
    bool ends;
};

void Move(QWidget& w, QPoint p)
{
    QMouseEvent event(QEvent::MouseMove, p, w.mapToGlobal(p), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&w, &event);
}

void Wheel(QWidget& w)
{
    QWheelEvent event(QPointF(5, 5), w.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&w, &event);
}

class SaverInput : public testing::TestWithParam<InputCase> {};

TEST_P(SaverInput, EndsOnlyOnPressesAndRealMoves)
{
    TempDir dir;
    ScriptedMessages messages;
    MsRandom random;
    FixedClock clock(0);
    SaverInputWatch watch;
    CSaverWnd window(
        std::make_shared<const SaverContent>(LoadSaverContent(dir.path(), random, clock)), random,
        clock, messages, watch);
    window.resize(200, 150);
    window.show();
    QSignalSpy ended(&window, &CSaverWnd::endRequested);
    GetParam().input(window);
    EXPECT_EQ(ended.count() > 0, GetParam().ends);
    QCloseEvent close;
    QApplication::sendEvent(&window, &close);
    EXPECT_FALSE(close.isAccepted()) << "a close from the window system is refused";
}

const InputCase kInputs[] = {
    {"FirstMoveOnlyRemembered",
     [](QWidget& w) {
         Move(w, {10, 10});
     },
     false},
    {"SecondMoveAtTheSamePlace",
     [](QWidget& w) {
         Move(w, {10, 10}), Move(w, {10, 10});
     },
     false},
    {"OnePixelAway",
     [](QWidget& w) {
         Move(w, {10, 10}), Move(w, {11, 10});
     },
     true},
    {"OnePixelDown",
     [](QWidget& w) {
         Move(w, {10, 10}), Move(w, {10, 9});
     },
     true},
    {"KeyPress", [](QWidget& w) { QTest::keyClick(&w, Qt::Key_Space); }, true},
    {"AltKey", [](QWidget& w) { QTest::keyClick(&w, Qt::Key_F, Qt::AltModifier); }, true},
    {"LeftButton", [](QWidget& w) { QTest::mousePress(&w, Qt::LeftButton); }, true},
    {"MiddleButton", [](QWidget& w) { QTest::mousePress(&w, Qt::MiddleButton); }, true},
    {"RightButton", [](QWidget& w) { QTest::mousePress(&w, Qt::RightButton); }, true},
    {"KeyUp", [](QWidget& w) { QTest::keyRelease(&w, Qt::Key_A); }, false},
    {"ButtonUp", [](QWidget& w) { QTest::mouseRelease(&w, Qt::LeftButton); }, false},
    {"Wheel", Wheel, false},
};

INSTANTIATE_TEST_SUITE_P(Table, SaverInput, testing::ValuesIn(kInputs),
                         [](const auto& info) { return info.param.name; });

struct StartCase {
    const char* name;
    SaverLaunch launch;
    std::optional<int> status;
    QString message;
};

class SaverStart : public testing::TestWithParam<StartCase> {};

TEST_P(SaverStart, NoticesAndFailuresEndAtOnce)
{
    TempDir dir;
    ScriptedMessages messages;
    MsRandom random;
    FixedClock clock(0);
    CSaverApp app({messages, random, clock}, dir.path());
    EXPECT_EQ(app.InitInstance(GetParam().launch), GetParam().status);
    if (GetParam().message.isEmpty()) {
        EXPECT_TRUE(messages.texts().isEmpty());
    } else {
        ASSERT_EQ(messages.texts(), QStringList{GetParam().message});
        EXPECT_EQ(messages.shown()[0].icon, MessageIcon::Information);
        EXPECT_EQ(messages.shown()[0].options.caption, "Pennivel");
        EXPECT_TRUE(messages.shown()[0].options.noOwner);
    }
    EXPECT_TRUE(app.windows().empty());
}

const StartCase kStarts[] = {
    {"Configure",
     {SaverMode::Configure, 0, {}},
     0,
     "To change settings go to\nthe Pennivel program."},
    {"Password", {SaverMode::Password, 0, {}}, 0, "Screen Saver password-protection unavailable."},
    {"OtherLetter", {SaverMode::Nothing, 0, {}}, 0, {}},
    {"PreviewWithoutId", {SaverMode::Invalid, 0, "preview needs a window id"}, 1, {}},
    // The offscreen platform has no windows of other programs.
    {"PreviewOfNoWindow", {SaverMode::Preview, 0x400001, {}}, 1, {}},
    {"HostWindowOfNoWindow", {SaverMode::HostWindow, 0x400001, {}}, 1, {}},
};

INSTANTIATE_TEST_SUITE_P(Table, SaverStart, testing::ValuesIn(kStarts),
                         [](const auto& info) { return info.param.name; });

TEST(SaverStart, FullScreenCoversEveryScreen)
{
    TempDir dir;
    ScriptedMessages messages;
    MsRandom random;
    FixedClock clock(0);
    CSaverApp app({messages, random, clock}, dir.path());
    EXPECT_EQ(app.InitInstance({SaverMode::FullScreen, 0, {}}), std::nullopt);
    const QList<QScreen*> screens = QGuiApplication::screens();
    ASSERT_EQ(app.windows().size(), static_cast<std::size_t>(screens.size()));
    for (qsizetype i = 0; i < screens.size(); ++i) {
        EXPECT_EQ(app.windows()[static_cast<std::size_t>(i)]->geometry(), screens[i]->geometry());
        EXPECT_GT(app.windows()[static_cast<std::size_t>(i)]->timerId(), 0);
    }
    EXPECT_TRUE(messages.texts().isEmpty());
}

} // namespace

namespace {

// With the timer off outside Clock mode the period is the longest a timer takes; it must
// still start, or every such saver would greet the user with "Cannot install Timer.".
TEST(SaverStart, TimerOffStillStartsItsTimer)
{
    DataDir data;
    SaverSettings settings = AllTips();
    settings.timerCheck = false;
    data.settings(settings);
    ScriptedMessages messages;
    CTipWnd window(data.load(), data.random, data.clock, messages);
    window.startTicking();
    EXPECT_GT(window.timerId(), 0);
    EXPECT_TRUE(messages.texts().isEmpty());
}

} // namespace

namespace {

// The window system repaints the window as it maps it and makes it full screen; those
// paints must not move on, or the first Tip flashes and is replaced at once.
TEST(SaverStart, OnlyTheTimerMovesOnToTheNextTip)
{
    DataDir data;
    data.settings(AllTips());
    data.tips(3);
    ScriptedMessages messages;
    CTipWnd window(data.load(), data.random, data.clock, messages);
    window.resize(400, 300);
    window.show();
    const QImage first = window.grab().toImage();
    window.repaint();
    EXPECT_EQ(window.grab().toImage(), first);

    window.startTicking();
    QTimerEvent tick(window.timerId());
    QApplication::sendEvent(&window, &tick);
    window.repaint();
    EXPECT_NE(window.grab().toImage(), first);
}

} // namespace
