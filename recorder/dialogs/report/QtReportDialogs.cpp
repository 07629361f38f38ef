#include "recorder/dialogs/report/QtReportDialogs.h"

#include "recorder/dialogs/report/CReportDlg.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

QtReportDialogs::QtReportDialogs(QWidget* parent) : m_parent(parent), m_folder(QDir::homePath()) {}

void QtReportDialogs::showReport(const std::string& report)
{
    CReportDlg dialog(m_parent, report);
    dialog.exec();
}

std::optional<std::string> QtReportDialogs::chooseTextFile()
{
    const std::unique_ptr<QFileDialog> dialog = MakeTextFileDialog(m_parent, m_folder);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog->selectedFiles().constFirst();
    m_folder = QFileInfo(chosen).absolutePath();
    return QFile::encodeName(chosen).toStdString();
}

std::unique_ptr<QFileDialog> MakeTextFileDialog(QWidget* parent, const QString& folder)
{
    auto dialog =
        std::make_unique<QFileDialog>(parent, QObject::tr("Save All Tips As Text"), folder);
    dialog->setObjectName(QStringLiteral("saveAsTextDialog"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilters({QObject::tr("Text Files (*.txt)"), QObject::tr("All Files (*)")});
    dialog->setDefaultSuffix(QStringLiteral("txt"));
    dialog->selectFile(QStringLiteral("Pennivel"));
    return dialog;
}
