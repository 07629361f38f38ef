#pragma once

#include <functional>

class QPrinter;

// The print, print setup and preview windows, behind one interface so the print commands
// run from a test with scripted answers. Each call waits until its window closed; a
// choice the user confirms stays in `printer`.
class PrintDialogs {
  public:
    virtual ~PrintDialogs() = default;

    // The printer, paper and orientation; true on OK.
    virtual bool runPrintSetup(QPrinter& printer) = 0;
    // Where to print (a printer or a PDF file); true when the user chose to print.
    virtual bool runPrintDialog(QPrinter& printer) = 0;
    // The preview of the page `paint` draws on the printer it is given, redrawn as often
    // as the window needs; printing from the window draws it once more on `printer`.
    virtual void runPreview(QPrinter& printer, const std::function<void(QPrinter&)>& paint) = 0;
};
