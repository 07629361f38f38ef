#pragma once

#include "recorder/dialogs/report/ReportDialogs.h"

#include <vector>

// Records the reports shown and answers the save dialog with `textFile` (none = Cancel).
class ScriptedReportDialogs : public ReportDialogs {
  public:
    void showReport(const std::string& report) override { reports.push_back(report); }
    std::optional<std::string> chooseTextFile() override { return textFile; }

    std::vector<std::string> reports;
    std::optional<std::string> textFile;
};
