#pragma once

#include "recorder/view/PrintDialogs.h"

#include <QMarginsF>
#include <QPageSize>
#include <QPrinter>
#include <string>

// A 300-dpi A4 page without margins, written as a PDF file: the printer a test prints on.
inline void PointAtPdf(QPrinter& printer, const std::string& path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path));
    printer.setResolution(300);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

// Every dialog the user confirms chooses the PDF file `pdfFile` (empty = the user
// cancels); the preview draws its page once into that file.
class ScriptedPrintDialogs : public PrintDialogs {
  public:
    bool runPrintSetup(QPrinter& printer) override { return choose(printer, setups); }
    bool runPrintDialog(QPrinter& printer) override { return choose(printer, printDialogs); }
    void runPreview(QPrinter& printer, const std::function<void(QPrinter&)>& paint) override
    {
        if (choose(printer, previews))
            paint(printer);
    }

    std::string pdfFile;
    int setups = 0;
    int printDialogs = 0;
    int previews = 0;

  private:
    bool choose(QPrinter& printer, int& runs)
    {
        ++runs;
        if (pdfFile.empty())
            return false;
        PointAtPdf(printer, pdfFile);
        return true;
    }
};
