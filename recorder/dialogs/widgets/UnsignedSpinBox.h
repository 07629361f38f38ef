#pragma once

#include <QAbstractSpinBox>
#include <cstdint>
#include <optional>

// A digits-only box with up-down arrows for an unsigned 32-bit number. The arrows, the
// arrow keys and the wheel stay within the range; typing may go beyond it (the dialog's
// OK explains the range) and an emptied box has no value at all.
class UnsignedSpinBox : public QAbstractSpinBox {
  public:
    explicit UnsignedSpinBox(QWidget* parent);

    void setRange(std::uint32_t minimum, std::uint32_t maximum);
    void setValue(std::uint32_t value);
    std::optional<std::uint32_t> value() const;

    void stepBy(int steps) override;
    // Wide enough for the largest number of the range (at least three digits).
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
    QValidator::State validate(QString& input, int& pos) const override;

  protected:
    StepEnabled stepEnabled() const override;

  private:
    std::uint32_t m_minimum = 0;
    std::uint32_t m_maximum = UINT32_MAX;
};
