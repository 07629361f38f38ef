#include "recorder/dialogs/report/CReportDlg.h"

#include "recorder/dialogs/widgets/MnemonicButton.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

// Lines per paragraph of the box's document: a document of 100,000 paragraphs takes a
// quarter of a second to fill, one of 1,600 a tenth of that, and the box lays out only
// the paragraphs it shows.
constexpr int kLinesPerParagraph = 64;

// The report's lines, CR LF as one break, the breaks inside each group of lines made
// line separators: they show, select and copy as line breaks.
QString GroupedLines(const std::string& report)
{
    QString text =
        QString::fromLocal8Bit(report).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    int lines = 0;
    for (QChar& c : text)
        if (c == u'\n' && ++lines % kLinesPerParagraph != 0)
            c = QChar::LineSeparator;
    return text;
}

} // namespace

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
    // Every line is a count and a name: it reads from the left whatever script the name is
    // in, or a group of lines led by a right-to-left name would show its counts on the right.
    QTextOption option = m_text->document()->defaultTextOption();
    option.setTextDirection(Qt::LeftToRight);
    m_text->document()->setDefaultTextOption(option);
    m_text->setPlainText(GroupedLines(report));

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
