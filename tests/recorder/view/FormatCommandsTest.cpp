#include "tests/recorder/view/ViewRig.h"

#include "recorder/dialogs/format/CColorListBox.h"
#include "recorder/view/FormatCommands.h"
#include "recorder/view/QtFormatDialogs.h"

#include <QBrush>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

LogFont Picked(int height, int weight, bool italic, const char* face)
{
    LogFont font;
    font.lfHeight = height;
    font.lfWeight = weight;
    font.lfItalic = italic ? 1 : 0;
    font.setFaceName(QString::fromLatin1(face));
    return font;
}

void Trigger(ViewRig& rig, CommandId id)
{
    rig.frame.action(id)->trigger();
}

} // namespace

TEST(FormatCommands, FontStoresHeightWeightFaceAndItalic)
{
    ViewRig rig;
    rig.dialogs->fonts.push_back(Picked(-32, 700, true, "Liberation Sans"));
    Trigger(rig, CommandId::Font);
    EXPECT_EQ(rig.settings().read(Key::FontHeight), -32);
    EXPECT_EQ(rig.settings().read(Key::FontWeight), 700);
    EXPECT_EQ(rig.settings().read(Key::FontFaceName), "Liberation Sans");
    EXPECT_EQ(rig.settings().read(Key::FontItalic), "y");
    EXPECT_EQ(rig.doc().m_nFontHeight, -32);
    EXPECT_EQ(rig.doc().m_pFont->pixelSize(), 32);
    EXPECT_TRUE(rig.doc().m_pFont->italic());

    rig.dialogs->fonts.push_back(Picked(-20, 400, false, "Liberation Serif"));
    Trigger(rig, CommandId::Font);
    EXPECT_EQ(rig.settings().read(Key::FontItalic), "");
    EXPECT_TRUE(rig.settings().contains(Key::FontHeight));
}

TEST(FormatCommands, ColoursAreStoredAsDecimalText)
{
    ViewRig rig;
    rig.dialogs->colors.push_back(ColorRef{255});
    Trigger(rig, CommandId::FontColor);
    EXPECT_EQ(rig.settings().read(Key::Color), "255");
    EXPECT_EQ(rig.doc().m_Color, ColorRef{255});

    rig.dialogs->colors.push_back(ColorRef{0xFFFF00});
    Trigger(rig, CommandId::Background);
    EXPECT_EQ(rig.settings().read(Key::ColorBackground), "16776960");
    EXPECT_EQ(rig.doc().m_pBackgroundBrush->color(), QColor(0, 255, 255));
    const QImage image = rig.grab();
    EXPECT_EQ(image.pixelColor(1, image.height() - 2), QColor(0, 255, 255));
}

TEST(FormatCommands, CancelChangesNeitherWindowNorSettings)
{
    ViewRig rig;
    const QImage before = rig.grab();
    for (CommandId id : {CommandId::Font, CommandId::FontColor, CommandId::Background})
        Trigger(rig, id);
    EXPECT_EQ(rig.dialogs->runs, 3);
    EXPECT_FALSE(rig.settings().contains(Key::FontHeight));
    EXPECT_FALSE(rig.settings().contains(Key::FontWeight));
    EXPECT_EQ(rig.settings().read(Key::Color), "0");
    EXPECT_EQ(rig.settings().read(Key::ColorBackground), "12615935");
    EXPECT_EQ(rig.doc().m_nFontHeight, -64);
    EXPECT_EQ(rig.grab(), before);
}

TEST(FormatCommands, AlignmentTipNumberAndClickWriteAtOnce)
{
    ViewRig rig;
    Trigger(rig, CommandId::AlignLeft);
    EXPECT_EQ(rig.settings().read(Key::Alignment), 0);
    EXPECT_TRUE(rig.frame.action(CommandId::AlignLeft)->isChecked());
    EXPECT_FALSE(rig.frame.action(CommandId::AlignCenter)->isChecked());
    Trigger(rig, CommandId::AlignCenter);
    EXPECT_EQ(rig.settings().read(Key::Alignment), 1);
    EXPECT_TRUE(rig.frame.action(CommandId::AlignCenter)->isChecked());

    EXPECT_TRUE(rig.frame.action(CommandId::ShowTipNumber)->isChecked());
    Trigger(rig, CommandId::ShowTipNumber);
    EXPECT_EQ(rig.settings().read(Key::InfoAlwaysTip), 0);
    EXPECT_FALSE(rig.frame.action(CommandId::ShowTipNumber)->isChecked());
    Trigger(rig, CommandId::ShowTipNumber);
    EXPECT_EQ(rig.settings().read(Key::InfoAlwaysTip), 1);

    EXPECT_TRUE(rig.frame.action(CommandId::EnableClick)->isChecked());
    Trigger(rig, CommandId::EnableClick);
    EXPECT_EQ(rig.settings().read(Key::DisableScreen), 1);
    EXPECT_FALSE(rig.frame.action(CommandId::EnableClick)->isChecked());
    Trigger(rig, CommandId::EnableClick);
    EXPECT_EQ(rig.settings().read(Key::DisableScreen), 0);
}

TEST(FormatCommands, DoubleClickOnPinkStoresItsDecimalValue)
{
    ViewRig rig;
    rig.settings().write(Key::ColorBackground, "255");
    QtFormatDialogs real(&rig.frame, rig.recorder.messages);
    FormatCommands commands(rig.doc(), rig.settings(), rig.recorder.messages, real, [] {});
    QTimer::singleShot(0, [] {
        auto* list = qobject_cast<CColorListBox*>(
            QApplication::activeModalWidget()->findChild<CColorListBox*>("colorList"));
        const QPoint at =
            list->visualItemRect(list->item(list->rowOf(ColorRef{12615935}))).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    });
    commands.OnBackground();
    EXPECT_EQ(rig.settings().read(Key::ColorBackground), "12615935");
}
