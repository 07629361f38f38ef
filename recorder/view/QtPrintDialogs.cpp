#include "recorder/view/QtPrintDialogs.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QToolBar>

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
    const auto dialog = MakePrintPreviewDialog(printer, m_parent, paint, m_previewSize);
    dialog->exec();
    m_previewSize = dialog->size();
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
                       const std::function<void(QPrinter&)>& paint, QSize size)
{
    auto dialog = std::make_unique<QPrintPreviewDialog>(&printer, parent);
    dialog->setObjectName(QStringLiteral("printPreviewDialog"));
    dialog->setWindowTitle(QObject::tr("Print Preview"));
    QObject::connect(dialog.get(), &QPrintPreviewDialog::paintRequested, dialog.get(),
                     [paint](QPrinter* target) { paint(*target); });
    if (!size.isValid())
        size = FirstPreviewSize(*dialog);
    dialog->resize(size);
    return dialog;
}

QSize FirstPreviewSize(const QPrintPreviewDialog& dialog)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {640, 800};
    const QRect available = screen->availableGeometry();
    // Large enough to read the page: most of the screen's height, in A4 proportions, and
    // wide enough for the whole toolbar, whose Print and Page Setup buttons would
    // otherwise hide behind its overflow menu, out of the keyboard's reach.
    const int height = available.height() * 9 / 10;
    int width = std::max(640, height * 3 / 4);
    if (const auto* toolBar = dialog.findChild<QToolBar*>()) {
        const int margins = dialog.width() - dialog.contentsRect().width() + 2 * 12;
        width = std::max(width, toolBar->sizeHint().width() + margins);
    }
    return {std::min(width, available.width()), height};
}
