#include "recorder/dialogs/report/CReportDlg.h"

#include "recorder/dialogs/widgets/MnemonicButton.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QVBoxLayout>

CReportDlg::CReportDlg(QWidget* parent, const std::string& report) : QDialog(parent)
{
    setObjectName(QStringLiteral("CReportDlg"));
    setWindowTitle(tr("Report"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("reportText"));
    m_text->setAccessibleName(tr("Report"));
    m_text->setReadOnly(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Tab stops every eight average characters, so counts line up before the names.
    m_text->setTabStopDistance(8 * m_text->fontMetrics().averageCharWidth());
    // The box shows lines, not line-end characters: CR LF becomes one break.
    m_text->setPlainText(
        QString::fromLocal8Bit(report).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    auto* exit = new MnemonicButton(tr("E&xit"), this);
    exit->setObjectName(QStringLiteral("exitButton"));
    exit->setDefault(true);
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(exit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text, 1);
    layout->addLayout(row);

    // About the size the dialog was designed at; it can be made larger for long reports.
    const QFontMetrics metrics = fontMetrics();
    resize(std::max(360, 236 * metrics.averageCharWidth() / 4 + 60),
           std::max(240, 122 * metrics.height() / 8 + 60));
    m_text->setFocus();
}
