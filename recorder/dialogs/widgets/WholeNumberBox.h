#pragma once

#include <QSpinBox>
#include <optional>

class Messages;

// The number box of the dialogs that ask for a Tip by its number: digits only, arrows
// that step within 1..`highest`. Typing may go beyond that range, so the dialog can name
// the range itself. An emptied box holds no number at all; reading it then tells the
// user a whole number is needed, as any number field of a dialog does.
class WholeNumberBox : public QSpinBox {
  public:
    WholeNumberBox(int highest, QWidget* parent);

    // The number in the box; or, for an empty box, nothing after the message, with the
    // box focused for typing again.
    std::optional<int> readNumber(Messages& messages);
    // Focuses the box with its text selected, for typing over it.
    void retype();

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;

  protected:
    StepEnabled stepEnabled() const override;
    QString textFromValue(int value) const override;
    int valueFromText(const QString& text) const override;

  private:
    int m_highest;
};
