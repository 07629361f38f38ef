#pragma once

#include <QDialog>

class QPlainTextEdit;

// "Report": the report text in one read-only box that scrolls vertically, where it can be
// selected and copied, and "E&xit" (or Esc) to close. It has no context help.
class CReportDlg : public QDialog {
    Q_OBJECT
  public:
    // `report` as BuildReport gives it: bytes in the system encoding, lines joined by CR LF.
    CReportDlg(QWidget* parent, const std::string& report);

    QPlainTextEdit* textBox() const { return m_text; }

  private:
    QPlainTextEdit* m_text;
};
