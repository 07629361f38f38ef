#include "recorder/view/QtPrintDialogs.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>

bool QtPrintDialogs::runPrintSetup(QPrinter& printer)
{
    return MakePrintDialog(printer, m_parent, true)->exec() == QDialog::Accepted;
}

bool QtPrintDialogs::runPrintDialog(QPrinter& printer)
{
    return MakePrintDialog(printer, m_parent, false)->exec() == QDialog::Accepted;
}

void QtPrintDialogs::runPreview(QPrinter& printer, const std::function<void(QPrinter&)>& paint)
{
    MakePrintPreviewDialog(printer, m_parent, paint)->exec();
}

std::unique_ptr<QPrintDialog> MakePrintDialog(QPrinter& printer, QWidget* parent, bool setup)
{
    auto dialog = std::make_unique<QPrintDialog>(&printer, parent);
    dialog->setObjectName(setup ? QStringLiteral("printSetupDialog")
                                : QStringLiteral("printDialog"));
    // The Tip is always one page, so there is no range to choose.
    dialog->setMinMax(1, 1);
    dialog->setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog->setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog->setOption(QAbstractPrintDialog::PrintSelection, false);
    if (setup) {
        dialog->setWindowTitle(QObject::tr("Print Setup"));
        if (auto* buttons = dialog->findChild<QDialogButtonBox*>())
            if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
                ok->setText(QObject::tr("OK"));
    }
    return dialog;
}

std::unique_ptr<QPrintPreviewDialog>
MakePrintPreviewDialog(QPrinter& printer, QWidget* parent,
                       const std::function<void(QPrinter&)>& paint)
{
    auto dialog = std::make_unique<QPrintPreviewDialog>(&printer, parent);
    dialog->setObjectName(QStringLiteral("printPreviewDialog"));
    dialog->setWindowTitle(QObject::tr("Print Preview"));
    QObject::connect(dialog.get(), &QPrintPreviewDialog::paintRequested, dialog.get(),
                     [paint](QPrinter* target) { paint(*target); });
    // Large enough to read the page: most of the screen's height, in A4 proportions.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const int height = screen->availableGeometry().height() * 9 / 10;
        dialog->resize(std::max(640, height * 3 / 4), height);
    }
    return dialog;
}
