#include "tests/recorder/dialogs/DialogTestKit.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

std::time_t LocalNoon(int year, int month, int day)
{
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = 12;
    local.tm_isdst = -1;
    return std::mktime(&local);
}

TipCollection TipsWithCategories(const QStringList& categories)
{
    TipCollection tips;
    for (const QString& category : categories)
        tips.append({"01/01/20\n", category.toStdString() + "\n", "text\n"});
    return tips;
}

void ShowAndActivate(QDialog& dialog)
{
    dialog.show();
    dialog.activateWindow();
    if (!QTest::qWaitForWindowActive(&dialog))
        throw std::runtime_error("dialog did not become active");
}

QComboBox* DateBox(QWidget& dialog)
{
    return Child<QComboBox>(dialog, "dateBox");
}
QComboBox* CategoryBox(QWidget& dialog)
{
    return Child<QComboBox>(dialog, "categoryBox");
}
QPlainTextEdit* TextBox(QWidget& dialog)
{
    return Child<QPlainTextEdit>(dialog, "textBox");
}

void TypeInto(QComboBox* box, const QString& text)
{
    box->setFocus();
    box->lineEdit()->selectAll();
    QTest::keyClick(box->lineEdit(), Qt::Key_Delete);
    QTest::keyClicks(box->lineEdit(), text);
}

void TypeInto(QPlainTextEdit* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    for (const QChar c : text) {
        if (c == QLatin1Char('\n'))
            QTest::keyClick(box, Qt::Key_Return);
        else
            QTest::keyClicks(box, QString(c));
    }
}

void PressKey(QDialog& dialog, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target ? target : &dialog, key, modifiers);
}

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs)
{
    for (int waited = 0; waited < timeoutMs; waited += 10) {
        if (condition())
            return true;
        QTest::qWait(10);
    }
    return condition();
}

QStringList Items(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}
