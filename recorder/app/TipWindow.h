#pragma once

#include <QMainWindow>

class CBrevantDoc;
class QLabel;

// A plain main window that shows the current Tip's text in the user's font and
// colours, and runs the closing steps when it is closed.
class TipWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit TipWindow(CBrevantDoc& doc);

    static std::unique_ptr<QWidget> Create(CBrevantDoc& doc);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    CBrevantDoc& m_doc;
    QLabel* m_text;
    bool m_bModified = false;
};
