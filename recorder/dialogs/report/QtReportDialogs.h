#pragma once

#include "recorder/dialogs/report/ReportDialogs.h"

#include <QString>
#include <memory>

class QFileDialog;
class QWidget;

// The real Report dialog and the save-file dialog of Save Tips As Text.
class QtReportDialogs : public ReportDialogs {
  public:
    explicit QtReportDialogs(QWidget* parent);

    void showReport(const std::string& report) override;
    std::optional<std::string> chooseTextFile() override;

  private:
    QWidget* m_parent;
    QString m_folder; // where the last export went, for the next one in this run
};

// "Save All Tips As Text", proposing "Pennivel.txt" in `folder`; it asks before an
// existing file is replaced.
std::unique_ptr<QFileDialog> MakeTextFileDialog(QWidget* parent, const QString& folder);
