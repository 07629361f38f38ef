#pragma once

#include <QObject>
#include <functional>
#include <memory>

class CBrevantDoc;
class CommandRegistry;
class Messages;
class PrintDialogs;
class QPrinter;

// Tip > Print: Print Now, Print Preview and Print Setup. The page shows what the window
// shows, on one page, in the display font scaled to the printer and shrunk until it fits
// (PrintedPage). The printer chosen in Print Setup or the print dialog is kept for the
// rest of the run. With no printer to print on, Print Now says so and offers the print
// dialog, which can print to a PDF file; a page that cannot be started is reported.
class PrintCommands : public QObject {
  public:
    struct Window {
        std::function<float()> screenPxPerMm; // measured at the view's first paint
        std::function<void()> repaint;        // the window after printing or preview
    };

    PrintCommands(const CBrevantDoc& doc, Messages& messages, std::unique_ptr<PrintDialogs> dialogs,
                  Window window, QObject* owner = nullptr);
    ~PrintCommands() override;

    void PrintNow();
    void PrintPreview();
    void PrintSetup();

    // Attaches the three commands and their menu states.
    void attach(CommandRegistry& commands);

    // The printer chosen for this run, made at its first use.
    QPrinter& printer();

  private:
    // Prints the page on `printer`; a failure is reported to the user.
    void printOn(QPrinter& printer);

    const CBrevantDoc& m_doc;
    Messages& m_messages;
    std::unique_ptr<PrintDialogs> m_dialogs;
    Window m_window;
    std::unique_ptr<QPrinter> m_printer;
};
