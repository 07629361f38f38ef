#pragma once

#include <QSpinBox>

class Messages;

// The box that asks for a Tip number: digits only, right-aligned, with arrows that stay
// within 1..tipCount. Typing may go beyond the Tips so the user hears which numbers there
// are; an emptied box reads as 0, a number of no Tip, so the check explains the range
// instead of quietly going back to the last number.
class TipNumberBox : public QSpinBox {
  public:
    TipNumberBox(int tipCount, QWidget* parent);

    // Takes in what was typed; when it names no Tip, says which numbers there are and
    // selects the box for another try.
    bool namesATip(Messages& messages);

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;
    int valueFromText(const QString& text) const override;

  protected:
    StepEnabled stepEnabled() const override;

  private:
    int m_tipCount;
};
