#include "platform/SingleInstance.h"
#include "tests/recorder/app/RecorderRig.h"
#include "tests/support/RunWhileProcessingEvents.h"

#include <QApplication>
#include <QDialog>
#include <QWidget>
#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(ComeForward, ALaterCopyRestoresTheMinimisedWindowAndKeepsItsDialogOnTop)
{
    RecorderRig rig;
    rig.install();
    const std::string runtime = rig.dir.file("run");
    ::mkdir(runtime.c_str(), 0700);
    const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime));
    {
        CBrevantApp app(rig.app.services(),
                        [](CBrevantDoc&) { return std::make_unique<QWidget>(); });
        ASSERT_EQ(app.InitInstance(QStringLiteral("PennivelForward")),
                  CBrevantApp::StartResult::Run);
        app.mainWindow()->showMinimized();
        QDialog dialog(app.mainWindow());
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();

        SingleInstance later(QStringLiteral("PennivelForward"));
        EXPECT_FALSE(later.claim());
        EXPECT_TRUE(RunWhileProcessingEvents([&] { return later.askFirstToComeForward(); }));
        EXPECT_FALSE(app.mainWindow()->isMinimized());
        EXPECT_TRUE(app.mainWindow()->isVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), &dialog);
        dialog.close();
    }
    qputenv("XDG_RUNTIME_DIR", oldRuntime);
}
