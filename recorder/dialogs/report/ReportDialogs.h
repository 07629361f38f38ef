#pragma once

#include <optional>
#include <string>

// The dialogs of Info > Report and Tip > Save Tips As Text, behind one interface so the
// commands run from a test with scripted answers. Each call waits until its dialog closed.
class ReportDialogs {
  public:
    virtual ~ReportDialogs() = default;

    // Shows the report text (bytes, lines joined by CR LF) until the user closes it.
    virtual void showReport(const std::string& report) = 0;

    // The file the user chose to save the Tips as text in, already confirmed when it
    // exists; nothing on Cancel.
    virtual std::optional<std::string> chooseTextFile() = 0;
};
