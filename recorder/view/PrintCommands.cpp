#include "recorder/view/PrintCommands.h"

#include "platform/DeviceResolution.h"
#include "platform/Messages.h"
#include "recorder/app/CBrevantDoc.h"
#include "recorder/commands/CommandRegistry.h"
#include "recorder/view/PrintDialogs.h"
#include "recorder/view/PrintedPage.h"

#include <QPainter>
#include <QPrinter>

namespace {

// Qt sets a printer up for PDF output when the system knows no printer; without a file
// name nothing could be printed there.
bool HasSomewhereToPrint(const QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return !printer.outputFileName().isEmpty();
    return !printer.printerName().isEmpty();
}

QString PrinterDescription(const QPrinter& printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName()
                                                         : printer.printerName();
}

} // namespace

PrintCommands::PrintCommands(const CBrevantDoc& doc, Messages& messages,
                             std::unique_ptr<PrintDialogs> dialogs, Window window, QObject* owner)
    : QObject(owner), m_doc(doc), m_messages(messages), m_dialogs(std::move(dialogs)),
      m_window(std::move(window))
{
}

PrintCommands::~PrintCommands() = default;

QPrinter& PrintCommands::printer()
{
    // Made when first needed: the printing system it starts (CUPS, with its TLS and
    // Kerberos libraries) would cost every start-up several megabytes and milliseconds.
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setDocName(QStringLiteral("Pennivel"));
    }
    return *m_printer;
}

void PrintCommands::PrintNow()
{
    if (!HasSomewhereToPrint(printer())) {
        const MessageAnswer answer =
            m_messages.show(QStringLiteral("No printer is installed.\n\nDo you want to open the "
                                           "print dialog, where you can print to a PDF file?"),
                            MessageIcon::Question, MessageButtons::YesNo);
        if (answer != MessageAnswer::Yes || !m_dialogs->runPrintDialog(printer()))
            return;
    }
    printOn(printer());
    m_window.repaint();
}

void PrintCommands::PrintPreview()
{
    m_dialogs->runPreview(printer(), [this](QPrinter& target) { printOn(target); });
    m_window.repaint();
}

void PrintCommands::PrintSetup()
{
    m_dialogs->runPrintSetup(printer());
}

void PrintCommands::printOn(QPrinter& printer)
{
    const auto failed = [&] {
        m_messages.stop(
            QStringLiteral("The Tip could not be printed on %1.").arg(PrinterDescription(printer)));
    };
    QPainter painter;
    if (!painter.begin(&printer)) {
        failed();
        return;
    }
    const int scale =
        PrintScale(static_cast<float>(VerticalPixelsPerMm(printer)), m_window.screenPxPerMm());
    PaintPrintedTip(painter, PrintedTipOf(m_doc), scale,
                    QRect(0, 0, printer.width(), printer.height()));
    if (!painter.end())
        failed();
}

void PrintCommands::attach(CommandRegistry& commands)
{
    const auto withTipShown = [this] { return CommandState{m_doc.m_bTipCommandsEnabled}; };
    commands.setHandler(CommandId::PrintNow, [this] { PrintNow(); });
    commands.setStateRule(CommandId::PrintNow, withTipShown);
    commands.setHandler(CommandId::PrintPreview, [this] { PrintPreview(); });
    commands.setStateRule(CommandId::PrintPreview, withTipShown);
    commands.setHandler(CommandId::PrintSetup, [this] { PrintSetup(); });
}
