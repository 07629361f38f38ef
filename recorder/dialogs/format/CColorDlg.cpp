#include "recorder/dialogs/format/CColorDlg.h"

#include "recorder/dialogs/format/CColorListBox.h"
#include "recorder/dialogs/widgets/AccessibleLabels.h"
#include "recorder/dialogs/widgets/DialogSize.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QString kFontColorLabel = QStringLiteral("Font Color:");
const QString kBackgroundColorLabel = QStringLiteral("Background Color:");

} // namespace

CColorDlg::CColorDlg(const QString& label, QWidget* parent)
    : QDialog(parent), m_list(new CColorListBox(this))
{
    setWindowTitle(QStringLiteral("Colors"));
    // These dialogs offer no context help.
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* caption = new QLabel(label, this);
    caption->setObjectName(QStringLiteral("colorLabel"));
    // Both dialogs are one design, so one size: room for the longer of the two labels.
    const QFontMetrics metrics = caption->fontMetrics();
    caption->setMinimumWidth(std::max(metrics.horizontalAdvance(kFontColorLabel),
                                      metrics.horizontalAdvance(kBackgroundColorLabel)));
    for (const PaletteColor& c : PaletteColors())
        m_list->addColor(c.color);
    LabelBox(caption, m_list);
    const int frame = 2 * m_list->frameWidth();
    m_list->setMinimumHeight(m_list->count() * CColorListBox::kItemHeight + frame);

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(ok, &QPushButton::clicked, this, &CColorDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CColorDlg::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &CColorDlg::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(m_list, 1);
    layout->addWidget(ok);
    layout->addWidget(cancel);
    SizeToDesign(*this, {58, 247});
    m_list->setFocus();
}

void CColorDlg::accept()
{
    const QList<QListWidgetItem*> picked = m_list->selectedItems();
    if (picked.isEmpty()) {
        m_list->setFocus();
        return;
    }
    color = m_list->colorAt(m_list->row(picked.front()));
    QDialog::accept();
}

CFontColorDlg::CFontColorDlg(QWidget* parent) : CColorDlg(kFontColorLabel, parent) {}

CBackgroundColorDlg::CBackgroundColorDlg(QWidget* parent) : CColorDlg(kBackgroundColorLabel, parent)
{
}
