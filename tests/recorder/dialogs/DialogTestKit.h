#pragma once

#include "common/Clock.h"
#include "recorder/data/TipCollection.h"
#include "tests/support/ScriptedMessages.h"

#include <QComboBox>
#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

// Drives the real dialog widgets the way a user does, on the offscreen platform.

// Noon local time of the given day, so the date choices do not depend on the zone.
std::time_t LocalNoon(int year, int month, int day);

// A collection whose Tips carry the given categories (each gets its "\n").
TipCollection TipsWithCategories(const QStringList& categories);

// Shows the dialog (not modally: the test keeps control) and waits until it is active.
void ShowAndActivate(QDialog& dialog);

template <class T> T* Child(QWidget& parent, const char* name)
{
    T* child = parent.findChild<T*>(QString::fromLatin1(name));
    if (!child)
        throw std::runtime_error(std::string("no child ") + name);
    return child;
}

QComboBox* DateBox(QWidget& dialog);
QComboBox* CategoryBox(QWidget& dialog);
QPlainTextEdit* TextBox(QWidget& dialog);

// Replaces what a box holds by typing, as a user selecting all and typing over it.
void TypeInto(QComboBox* box, const QString& text);
void TypeInto(QPlainTextEdit* box, const QString& text);

// A key on whatever widget has the focus; Alt+letter reaches the mnemonics.
void PressKey(QDialog& dialog, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Waits for the button's animated click (Alt+letter) or any queued event to land.
bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = 2000);

QStringList Items(const QComboBox* box);
