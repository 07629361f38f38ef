#pragma once

#include "platform/ColorRef.h"

#include <QDialog>

class CColorListBox;
class QLabel;

// The palette dialog both colour commands run: the user picks one of the sixteen bars
// and the caller reads `color` after OK. OK with nothing picked keeps the dialog open;
// a double click on a bar counts as picking it and pressing OK.
class CColorDlg : public QDialog {
    Q_OBJECT
  public:
    ColorRef color;

    CColorListBox* list() const { return m_list; }

  public slots:
    void accept() override;

  protected:
    CColorDlg(const QString& label, QWidget* parent);

  private:
    CColorListBox* m_list;
};

// "Font Color:" - the colour of the Tip text.
class CFontColorDlg : public CColorDlg {
    Q_OBJECT
  public:
    explicit CFontColorDlg(QWidget* parent = nullptr);
};

// "Background Color:" - the colour behind the Tip.
class CBackgroundColorDlg : public CColorDlg {
    Q_OBJECT
  public:
    explicit CBackgroundColorDlg(QWidget* parent = nullptr);
};
