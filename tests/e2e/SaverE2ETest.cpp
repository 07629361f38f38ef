#include "common/Clock.h"
#include "common/DataFilePath.h"
#include "common/MsRandom.h"
#include "common/SaverSettingsFile.h"
#include "common/TipsFormat.h"
#include "tests/e2e/RecorderProcess.h"
#include "tests/e2e/XSession.h"

#include <QSize>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <xcb/xcb.h>

namespace {

constexpr std::uint32_t kHostBackground = 0x808080;

// A window of the test's own, as a saver host makes one: the saver must draw inside it.
class HostWindow {
  public:
    HostWindow(const QString& display, QSize size)
        : m_connection(xcb_connect(display.toLocal8Bit().constData(), nullptr))
    {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
        m_id = xcb_generate_id(m_connection);
        const std::uint32_t values[] = {kHostBackground};
        xcb_create_window(
            m_connection, XCB_COPY_FROM_PARENT, m_id, screen->root, 0, 0,
            static_cast<std::uint16_t>(size.width()), static_cast<std::uint16_t>(size.height()), 0,
            XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, XCB_CW_BACK_PIXEL, values);
        xcb_map_window(m_connection, m_id);
        xcb_flush(m_connection);
    }
    ~HostWindow() { xcb_disconnect(m_connection); }

    QString id() const { return QStringLiteral("0x%1").arg(m_id, 0, 16); }

    void resize(QSize size)
    {
        const std::uint32_t values[] = {static_cast<std::uint32_t>(size.width()),
                                        static_cast<std::uint32_t>(size.height())};
        xcb_configure_window(m_connection, m_id, XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT,
                             values);
        xcb_flush(m_connection);
    }

    // Size of the first window inside this one; empty while there is none.
    QSize childSize()
    {
        xcb_query_tree_reply_t* tree =
            xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, m_id), nullptr);
        QSize size;
        if (tree && xcb_query_tree_children_length(tree) > 0) {
            const xcb_window_t child = xcb_query_tree_children(tree)[0];
            if (auto* geometry = xcb_get_geometry_reply(
                    m_connection, xcb_get_geometry(m_connection, child), nullptr)) {
                size = QSize(geometry->width, geometry->height);
                std::free(geometry);
            }
        }
        std::free(tree);
        return size;
    }

    // The colours on screen inside this window, as 0xRRGGBB.
    std::set<std::uint32_t> colours(QSize size)
    {
        std::set<std::uint32_t> found;
        auto* image =
            xcb_get_image_reply(m_connection,
                                xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, m_id, 0, 0,
                                              static_cast<std::uint16_t>(size.width()),
                                              static_cast<std::uint16_t>(size.height()), ~0u),
                                nullptr);
        if (!image)
            return found;
        const auto* data = reinterpret_cast<const std::uint32_t*>(xcb_get_image_data(image));
        const int pixels = xcb_get_image_data_length(image) / 4;
        for (int i = 0; i < pixels; ++i)
            found.insert(data[i] & 0xFFFFFF);
        std::free(image);
        return found;
    }

  private:
    xcb_connection_t* m_connection;
    xcb_window_t m_id = 0;
};

class SaverE2E : public ::testing::Test {
  protected:
    void SetUp() override
    {
        if (!m_x.isRunning())
            GTEST_SKIP() << "no X server could be started (Xvfb missing?)";
        std::filesystem::create_directories(m_home.dataDir());
        // All Tips, a new one every second.
        const SaverSettings settings{true, false, 1, true, 1, true, false};
        std::string error;
        ASSERT_EQ(CreateSaverSettingsFile(DataFilePath(m_home.dataDir(), kSaverSettingsFileName),
                                          settings, error),
                  CreateResult::Created)
            << error;
        MsRandom random;
        ASSERT_TRUE(SaveTipsFile(DataFilePath(m_home.dataDir(), kTipsFileName), DefaultTips(),
                                 random, SystemClock())
                        .ok);
    }

    std::unique_ptr<QProcess> start(const QStringList& args, const QStringList& env = {})
    {
        return m_home.startSaver(
            args, QStringList{"QT_QPA_PLATFORM=xcb", "DISPLAY=" + m_x.display()} + env);
    }

    // A visible window of the saver process, found by its process id.
    bool saverWindowShown(const QProcess& saver)
    {
        return WaitFor([&] {
            int status = 1;
            m_x.xdotool({"search", "--onlyvisible", "--pid", QString::number(saver.processId())},
                        &status);
            return status == 0;
        });
    }

    static bool endedWith(QProcess& process, int status)
    {
        const bool ended = WaitFor([&] { return process.state() == QProcess::NotRunning; });
        return ended && process.exitStatus() == QProcess::NormalExit &&
               process.exitCode() == status;
    }

    RecorderHome m_home;
    XSession m_x;
};

TEST_F(SaverE2E, FullScreenEndsOnAKeyPress)
{
    auto saver = start({"/s"});
    ASSERT_TRUE(saverWindowShown(*saver)) << m_x.serverState().toStdString();
    m_x.keys({"space"});
    EXPECT_TRUE(endedWith(*saver, 0));
}

TEST_F(SaverE2E, FullScreenEndsOnAMouseMove)
{
    auto saver = start({"-s"});
    ASSERT_TRUE(saverWindowShown(*saver));
    // A hand on the mouse: a few moves, as the window may still be settling at the first.
    int moves = 0;
    EXPECT_TRUE(WaitFor([&] {
        ++moves;
        m_x.xdotool({"mousemove", QString::number(100 + moves * 50), "200"});
        return saver->waitForFinished(300);
    }));
    EXPECT_GE(moves, 2) << "the first move only marks where the pointer is";
    EXPECT_TRUE(endedWith(*saver, 0));
}

TEST_F(SaverE2E, UpperCaseOptionEndsAtOnceWithoutAWindow)
{
    auto saver = start({"/S"});
    EXPECT_TRUE(endedWith(*saver, 0));
    EXPECT_TRUE(saver->readAllStandardOutput().isEmpty());
}

TEST_F(SaverE2E, DrawsIntoTheHostWindowFollowsItsSizeAndEndsOnSigterm)
{
    struct Host {
        const char* name;
        QStringList args;
        bool throughEnvironment;
    };
    for (const Host& host :
         {Host{"window-id", {"-window-id"}, false},
          Host{"root with XSCREENSAVER_WINDOW", {"-root"}, true}, Host{"xsecurelock", {}, true}}) {
        SCOPED_TRACE(host.name);
        HostWindow window(m_x.display(), QSize(400, 300));
        auto saver = host.throughEnvironment
                         ? start(host.args, {"XSCREENSAVER_WINDOW=" + window.id()})
                         : start(host.args + QStringList{window.id()});
        EXPECT_TRUE(WaitFor([&] { return window.childSize() == QSize(400, 300); }));
        EXPECT_TRUE(WaitFor([&] {
            const std::set<std::uint32_t> shown = window.colours(QSize(400, 300));
            return shown.count(0x000000) && !shown.count(kHostBackground) &&
                   (shown.count(0xFF00FF) || shown.count(0x00FFFF) || shown.count(0x00FF00) ||
                    shown.count(0xFFFF00) || shown.count(0xFF0000) || shown.count(0xFFFFFF));
        })) << "the whole window black with a Tip in one of the six colours";
        window.resize(QSize(500, 350));
        EXPECT_TRUE(WaitFor([&] { return window.childSize() == QSize(500, 350); }));
        m_x.keys({"space"});
        EXPECT_EQ(saver->state(), QProcess::Running) << "input is the host's business";
        saver->terminate();
        EXPECT_TRUE(endedWith(*saver, 0));
    }
}

TEST_F(SaverE2E, AWindowIdThatIsNoWindowEndsWithStatusOne)
{
    for (const QStringList& args : {QStringList{"/p", "123456789"}, QStringList{"/p"},
                                    QStringList{"-window-id", "0x7fffff0"}}) {
        auto saver = start(args);
        EXPECT_TRUE(endedWith(*saver, 1)) << args.join(' ').toStdString();
        const QString reason = QString::fromLocal8Bit(saver->readAllStandardError()).trimmed();
        EXPECT_TRUE(reason.startsWith("Pennivel.scr: ")) << reason.toStdString();
        EXPECT_FALSE(reason.contains('\n')) << reason.toStdString();
    }
}

} // namespace
