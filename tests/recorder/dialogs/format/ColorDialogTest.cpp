#include "recorder/dialogs/format/CColorDlg.h"
#include "recorder/dialogs/format/CColorListBox.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QPoint CentreOfRow(const CColorListBox& list, int row)
{
    return list.visualItemRect(list.item(row)).center();
}

// Runs the dialog modally and lets `act` drive it once it is up.
int RunWith(QDialog& dialog, std::function<void()> act)
{
    QTimer::singleShot(0, &dialog, std::move(act));
    return dialog.exec();
}

} // namespace

TEST(ColorListBox, RunsFromWhiteToBlackByBrightness)
{
    CBackgroundColorDlg dialog;
    const CColorListBox& list = *dialog.list();
    ASSERT_EQ(list.count(), 16);
    EXPECT_EQ(list.colorAt(0).value, 0xFFFFFFu);
    EXPECT_EQ(list.colorAt(1).value, 0xC0C0C0u);
    EXPECT_EQ(list.colorAt(2).value, 0xC080FFu);
    EXPECT_EQ(list.colorAt(3).value, 0xFF8080u);
    EXPECT_EQ(list.colorAt(15).value, 0u);
    for (int row = 1; row < list.count(); ++row) {
        const ColorRef a = list.colorAt(row - 1), b = list.colorAt(row);
        EXPECT_GE(a.red() + a.green() + a.blue(), b.red() + b.green() + b.blue()) << row;
    }
}

TEST(ColorListBox, OrderDoesNotDependOnTheOrderOfAdding)
{
    CColorListBox reversed;
    const auto palette = PaletteColors();
    for (auto c = palette.rbegin(); c != palette.rend(); ++c)
        reversed.addColor(c->color);
    EXPECT_EQ(reversed.colorAt(0).value, 0xFFFFFFu);
    EXPECT_EQ(reversed.colorAt(15).value, 0u);
}

TEST(ColorListBox, ComparesByComponentSum)
{
    const ColorRef white{0xFFFFFF}, black{0}, red{0x0000FF}, green{0x00FF00};
    EXPECT_EQ(CColorListBox::compare(white, white), 0);
    EXPECT_EQ(CColorListBox::compare(white, black), -1);
    EXPECT_EQ(CColorListBox::compare(black, white), 1);
    EXPECT_EQ(CColorListBox::compare(red, green), -1);
    EXPECT_EQ(CColorListBox::compare(green, red), -1);
}

TEST(ColorListBox, BarsAreEighteenPixelsHigh)
{
    CFontColorDlg dialog;
    dialog.show();
    const CColorListBox& list = *dialog.list();
    for (int row = 0; row < list.count(); ++row)
        EXPECT_EQ(list.visualItemRect(list.item(row)).height(), 18) << row;
}

TEST(ColorListBox, SelectedBarIsFramedInTheInverseColour)
{
    CBackgroundColorDlg dialog;
    dialog.show();
    CColorListBox& list = *dialog.list();
    const int pink = list.rowOf(ColorRef{12615935});
    list.setCurrentRow(pink);
    const QImage image = list.viewport()->grab().toImage();
    const QRect bar = list.visualItemRect(list.item(pink));
    const QColor inverse = ColorRef{12615935}.inverse().toQColor();
    EXPECT_EQ(image.pixelColor(bar.left(), bar.center().y()), inverse);
    EXPECT_EQ(image.pixelColor(bar.center().x(), bar.top()), inverse);
    EXPECT_EQ(image.pixelColor(bar.center()), QColor(255, 128, 192));
    const QRect other = list.visualItemRect(list.item(0));
    EXPECT_EQ(image.pixelColor(other.left(), other.center().y()), QColor(Qt::white));
}

TEST(ColorDialog, CarriesItsLabelAndTitle)
{
    CFontColorDlg font;
    CBackgroundColorDlg background;
    EXPECT_EQ(font.windowTitle(), "Colors");
    EXPECT_EQ(background.windowTitle(), "Colors");
    EXPECT_EQ(font.findChild<QLabel*>("colorLabel")->text(), "Font Color:");
    EXPECT_EQ(background.findChild<QLabel*>("colorLabel")->text(), "Background Color:");
    EXPECT_EQ(font.list()->selectedItems().size(), 0);
}

TEST(ColorDialog, DoubleClickOnPinkHandsBackItsValue)
{
    CBackgroundColorDlg dialog;
    const int result = RunWith(dialog, [&] {
        CColorListBox& list = *dialog.list();
        const QPoint at = CentreOfRow(list, list.rowOf(ColorRef{12615935}));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(dialog.color.value, 12615935u);
}

TEST(ColorDialog, OkWithoutAPickStaysOpen)
{
    CFontColorDlg dialog;
    bool stillOpen = false;
    const int result = RunWith(dialog, [&] {
        dialog.findChild<QPushButton*>("okButton")->click();
        stillOpen = dialog.isVisible();
        dialog.reject();
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(result, QDialog::Rejected);
}

TEST(ColorDialog, OkHandsBackThePickedColour)
{
    CFontColorDlg dialog;
    const int result = RunWith(dialog, [&] {
        dialog.list()->setCurrentRow(dialog.list()->rowOf(ColorRef{255}));
        dialog.findChild<QPushButton*>("okButton")->click();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(dialog.color.value, 255u);
}

TEST(ColorDialog, EscapeCancels)
{
    CFontColorDlg dialog;
    dialog.color = ColorRef{7};
    const int result = RunWith(dialog, [&] {
        dialog.list()->setCurrentRow(0);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(dialog.color.value, 7u);
}
