#include "recorder/app/TipWindow.h"
#include "tests/recorder/app/RecorderRig.h"

#include <QLabel>
#include <QPixmap>
#include <gtest/gtest.h>

TEST(TipWindow, ShowsTheFirstTipAndRemembersItAtClosing)
{
    RecorderRig rig;
    rig.install();
    ASSERT_TRUE(rig.start());
    auto window = TipWindow::Create(rig.doc());
    window->show();
    auto* text = window->findChild<QLabel*>(QStringLiteral("tipText"));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text().toStdString(), rig.doc().m_CurrentText);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(rig.settings.read(Key::TipAtClosing), rig.doc().m_CurrentTip);
    EXPECT_EQ(rig.settings.read(Key::TipClosing), 1);
}
