#include "recorder/app/TipWindow.h"

#include "platform/FirstPaint.h"
#include "recorder/app/CBrevantDoc.h"
#include "recorder/app/TipsSaving.h"

#include <QBrush>
#include <QCloseEvent>
#include <QFont>
#include <QLabel>
#include <QScrollArea>

TipWindow::TipWindow(CBrevantDoc& doc) : m_doc(doc)
{
    setWindowTitle(QStringLiteral("Pennivel - Tips"));
    setObjectName(QStringLiteral("mainWindow"));
    m_text = new QLabel(QString::fromLocal8Bit(doc.m_CurrentText.c_str()));
    m_text->setObjectName(QStringLiteral("tipText"));
    m_text->setWordWrap(true);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setAlignment((doc.m_Alignment == 1 ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    m_text->setFont(*doc.m_pFont);
    QPalette palette = m_text->palette();
    palette.setBrush(QPalette::Window, *doc.m_pBackgroundBrush);
    palette.setColor(QPalette::WindowText, doc.m_Color.toQColor());
    m_text->setPalette(palette);
    m_text->setAutoFillBackground(true);
    auto* scroll = new QScrollArea;
    scroll->setWidget(m_text);
    scroll->setWidgetResizable(true);
    setCentralWidget(scroll);
    resize(800, 600);
}

std::unique_ptr<QWidget> TipWindow::Create(CBrevantDoc& doc)
{
    return std::make_unique<TipWindow>(doc);
}

void TipWindow::closeEvent(QCloseEvent* event)
{
    if (RunClosingSteps(m_doc, m_bModified))
        event->accept();
    else
        event->ignore();
}

void TipWindow::paintEvent(QPaintEvent* event)
{
    QMainWindow::paintEvent(event);
    NoteFirstPaint();
}
