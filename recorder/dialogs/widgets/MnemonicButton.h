#pragma once

#include <QPushButton>

// A push button whose Alt+letter presses it at once, like a click, and leaves the
// keyboard focus where it was. Qt's own buttons animate the press and act 100 ms later,
// so keys typed quickly after Alt+A (the next Tip, or Esc) would overtake it.
class MnemonicButton : public QPushButton {
  public:
    MnemonicButton(const QString& text, QWidget* parent);

  protected:
    bool event(QEvent* event) override;
};
