#pragma once

#include "recorder/view/PrintDialogs.h"

#include <QSize>
#include <memory>

class QPrintDialog;
class QPrintPreviewDialog;
class QWidget;

// Qt's print dialog, used for both Print Setup and printing, and its preview window.
class QtPrintDialogs : public PrintDialogs {
  public:
    explicit QtPrintDialogs(QWidget* parent) : m_parent(parent) {}

    bool runPrintSetup(QPrinter& printer) override;
    bool runPrintDialog(QPrinter& printer) override;
    void runPreview(QPrinter& printer, const std::function<void(QPrinter&)>& paint) override;

  private:
    QWidget* m_parent;
    // The preview keeps the size the user gave it for the rest of the session.
    QSize m_previewSize;
};

// The print dialog for one page; `setup` makes it the Print Setup dialog, whose OK keeps
// the choice without printing.
std::unique_ptr<QPrintDialog> MakePrintDialog(QPrinter& printer, QWidget* parent, bool setup);
// The preview window, at `size`, or when that is not valid at FirstPreviewSize.
std::unique_ptr<QPrintPreviewDialog>
MakePrintPreviewDialog(QPrinter& printer, QWidget* parent,
                       const std::function<void(QPrinter&)>& paint, QSize size = {});
QSize FirstPreviewSize(const QPrintPreviewDialog& dialog);
