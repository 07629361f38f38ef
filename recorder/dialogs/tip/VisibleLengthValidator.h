#pragma once

#include <QValidator>

class QLineEdit;

// Keeps typing and pasting in a line box within a number of visible characters, and
// within what one line of the Tips file holds (a few characters with hundreds of accents
// each would not fit). A box that already holds more (a Tip loaded from a file with a
// longer line) may still be shortened, so the user can bring it back within the limit.
class VisibleLengthValidator : public QValidator {
  public:
    VisibleLengthValidator(int limit, QLineEdit* box);

    State validate(QString& input, int& pos) const override;

  private:
    int m_limit;
    QLineEdit* m_box;
};
