#pragma once

#include "platform/LogFont.h"

#include <QFontDialog>

class Messages;
class QGroupBox;

// The font dialog of the Format command: scalable fonts only, sizes of 8 to 72 points,
// no effects, a sample in the chosen face, size and style. OK with a size outside the
// range says so and keeps the dialog open. After OK the caller reads `logFont`.
class CFontSizeDlg : public QFontDialog {
    Q_OBJECT
  public:
    static constexpr int kMinPoints = 8;
    static constexpr int kMaxPoints = 72;

    CFontSizeDlg(const LogFont& current, int dpiY, Messages& messages, QWidget* parent = nullptr);

    LogFont logFont;

  public slots:
    void accept() override;

  private:
    void showSampleIn(QGroupBox* box);

    int m_dpiY;
    Messages& m_messages;
};
