#include "tests/recorder/view/PdfPage.h"
#include "tests/recorder/view/ReportPrintRig.h"

#include <QFile>
#include <QPrinterInfo>
#include <QProcess>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// A CUPS server of the test's own, reached through a socket in a temporary directory,
// whose one printer (the default) writes each job, unchanged, into `output`.
class PrivateCups {
  public:
    PrivateCups()
    {
        fs::create_directories(m_dir.file("etc"));
        fs::create_directories(m_dir.file("spool/tmp"));
        fs::create_directories(m_dir.file("bin/filter"));
        fs::create_directories(m_dir.file("bin/backend"));
        fs::create_directories(m_dir.file("out"));
        // The server starts every filter and backend through its own helper.
        fs::create_directory_symlink("/usr/lib/cups/daemon", m_dir.file("bin/daemon"));
        // Filters and the backend run as the server's own user: it must reach the spool
        // and write the output.
        fs::permissions(m_dir.path(),
                        fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
        fs::permissions(m_dir.file("out"), fs::perms::all);
        // A printer without a driver takes the job as it is: the filter passes the PDF
        // through and the backend puts it into the file its address names.
        writeScript("bin/filter/gziptoany", "exec cat \"${6:-/dev/stdin}\"");
        writeScript("bin/backend/tofile", "[ $# -eq 0 ] && exit 0\ncat \"${6:-/dev/stdin}\" > "
                                          "\"${DEVICE_URI#tofile:}\"");
        std::ofstream(m_dir.file("etc/cupsd.conf"))
            << "Listen " << socket() << "\nLogLevel info\nBrowsing No\nDefaultAuthType None\n"
            << "<Location />\nOrder allow,deny\nAllow all\n</Location>\n";
        std::ofstream(m_dir.file("etc/cups-files.conf"))
            << "ServerRoot " << m_dir.file("etc") << "\nRequestRoot " << m_dir.file("spool")
            << "\nTempDir " << m_dir.file("spool/tmp") << "\nCacheDir " << m_dir.file("spool")
            << "\nStateDir " << m_dir.file("spool") << "\nErrorLog " << m_dir.file("error_log")
            << "\nServerBin " << m_dir.file("bin") << "\nPrintcap " << m_dir.file("printcap")
            << "\n";
        std::ofstream(m_dir.file("etc/printers.conf"))
            << "<DefaultPrinter PennivelTest>\nDeviceURI tofile:" << output()
            << "\nState Idle\nAccepting Yes\n</DefaultPrinter>\n";
        m_server.start(QStringLiteral("/usr/sbin/cupsd"),
                       {QStringLiteral("-f"), QStringLiteral("-c"),
                        QString::fromStdString(m_dir.file("etc/cupsd.conf")), QStringLiteral("-s"),
                        QString::fromStdString(m_dir.file("etc/cups-files.conf"))});
    }
    ~PrivateCups()
    {
        m_server.terminate();
        m_server.waitForFinished(5000);
    }

    std::string socket() const { return m_dir.file("cups.sock"); }
    std::string output() const { return m_dir.file("out/page.pdf"); }
    bool listening() const { return fs::exists(socket()); }
    std::string log() const { return ReadBytes(m_dir.file("error_log")); }

  private:
    void writeScript(const std::string& name, const std::string& script)
    {
        std::ofstream(m_dir.file(name)) << "#!/bin/sh\n" << script << "\n";
        fs::permissions(m_dir.file(name), fs::perms::owner_all | fs::perms::group_read |
                                              fs::perms::group_exec | fs::perms::others_read |
                                              fs::perms::others_exec);
    }

    TempDir m_dir;
    QProcess m_server;
};

} // namespace

TEST(PrintThroughCups, PrintNowReachesTheDefaultPrinter)
{
    if (!fs::exists("/usr/sbin/cupsd"))
        GTEST_SKIP() << "no CUPS server here (Debian package cups-daemon)";
    PrivateCups cups;
    if (!QTest::qWaitFor([&] { return cups.listening(); }, 10000))
        GTEST_SKIP() << "the test's own CUPS server did not start";
    qputenv("CUPS_SERVER", QByteArray::fromStdString(cups.socket()));
    if (QPrinterInfo::defaultPrinterName() != QStringLiteral("PennivelTest"))
        GTEST_SKIP() << "this process talked to another CUPS server before; run the test on its "
                        "own, as ctest does";

    ViewRig rig;
    rig.frame.runCommand(CommandId::Next);
    PrintCommands printing(rig.doc(), rig.recorder.messages,
                           std::make_unique<ScriptedPrintDialogs>(), {[] { return 3.0f; }, [] {}});
    ASSERT_EQ(printing.printer().printerName(), QStringLiteral("PennivelTest"));
    printing.PrintNow();
    EXPECT_TRUE(rig.recorder.messages.shown().empty());
    // The job is complete when the whole PDF, up to its end marker, has arrived.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return fs::exists(cups.output()) &&
                   ReadBytes(cups.output()).find("%%EOF") != std::string::npos;
        },
        30000))
        << "no job arrived at the printer; the server said:\n"
        << cups.log();
    const std::vector<bool> ink = InkRows(RenderPdfPage(cups.output()));
    EXPECT_NE(std::ranges::find(ink, true), ink.end()) << "the printed page is blank";
}
