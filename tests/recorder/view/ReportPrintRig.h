#pragma once

#include "recorder/view/PrintCommands.h"
#include "recorder/view/ReportCommands.h"
#include "tests/recorder/view/ViewRig.h"
#include "tests/support/ScriptedPrintDialogs.h"
#include "tests/support/ScriptedReportDialogs.h"

#include <QAction>

// The recorder's window with the report, export and print commands on its menus, their
// dialogs scripted, a 96-dpi screen measure, and a system that knows no printer.
struct ReportPrintRig : ViewRig {
    ScriptedReportDialogs* reportDialogs;
    ScriptedPrintDialogs* printDialogs;
    PrintCommands* printing;
    int repaints = 0;
    TempDir out;

    ReportPrintRig()
    {
        auto report = std::make_unique<ScriptedReportDialogs>();
        reportDialogs = report.get();
        (new ReportCommands(doc().app().m_Tips, recorder.messages, std::move(report), &frame))
            ->attach(frame.commands());
        auto print = std::make_unique<ScriptedPrintDialogs>();
        printDialogs = print.get();
        printing = new PrintCommands(doc(), recorder.messages, std::move(print),
                                     {[] { return 3.0f; }, [this] { ++repaints; }}, &frame);
        printing->attach(frame.commands());
        printing->printer().setOutputFormat(QPrinter::PdfFormat);
        printing->printer().setOutputFileName({});
    }

    bool enabled(CommandId id)
    {
        frame.refreshCommandStates();
        return frame.action(id)->isEnabled();
    }
};
