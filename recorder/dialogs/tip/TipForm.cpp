#include "recorder/dialogs/tip/TipForm.h"

#include "common/fields/TipFieldText.h"
#include "platform/Messages.h"
#include "recorder/dialogs/tip/TipDialogTexts.h"
#include "recorder/dialogs/tip/VisibleLengthValidator.h"
#include "recorder/dialogs/widgets/AccessibleLabels.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScopedValueRollback>

TipForm::TipForm(QWidget* parent) : QWidget(parent)
{
    m_number = InformationLine({}, "numberLabel", this);
    m_number->setMaximumWidth(
        m_number->fontMetrics().horizontalAdvance(QStringLiteral("Tip #00000000")) + 12);
    m_number->setWhatsThis(tr("The number this Tip has in your collection."));

    m_date = makeLineBox(QStringLiteral("dateBox"));
    m_date->setWhatsThis(tr("The date of the Tip: pick today's date in one of four forms or "
                            "type any date of up to 20 characters."));
    m_category = makeLineBox(QStringLiteral("categoryBox"));
    m_category->setWhatsThis(tr("The category of the Tip: pick one you have used or type a "
                                "new one of up to 20 characters."));

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("textBox"));
    m_text->setTabChangesFocus(true);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setWhatsThis(tr("The text of the Tip. Enter starts a new line."));
    NameBox(m_text, tr("Text"));
    connect(m_text, &QPlainTextEdit::textChanged, this, &TipForm::reportChange);

    auto* layout = new QFormLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addRow(m_number);
    auto* dateLabel = new QLabel(tr("&Date:"), this);
    dateLabel->setWhatsThis(m_date->whatsThis());
    LabelBox(dateLabel, m_date);
    layout->addRow(dateLabel, m_date);
    auto* categoryLabel = new QLabel(tr("&Category:"), this);
    categoryLabel->setWhatsThis(m_category->whatsThis());
    LabelBox(categoryLabel, m_category);
    layout->addRow(categoryLabel, m_category);
    layout->addRow(m_text);
    setMinimumWidth(320);
    setTabOrder(m_date, m_category);
    setTabOrder(m_category, m_text);
}

QComboBox* TipForm::makeLineBox(const QString& name)
{
    auto* box = new QComboBox(this);
    box->setObjectName(name);
    box->setEditable(true);
    // The list is ours to fill: Enter must reach the dialog's default button instead of
    // adding the typed text, and typing must not be completed behind the user's back.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->lineEdit()->setValidator(
        new VisibleLengthValidator(TipDialogTexts::kLineLimit, box->lineEdit()));
    connect(box, &QComboBox::editTextChanged, this, &TipForm::reportChange);
    return box;
}

void TipForm::reportChange()
{
    if (!m_loading)
        emit changedByUser();
}

void TipForm::setNumberLabel(const QString& label)
{
    m_number->setText(label);
}

void TipForm::setDateChoices(const QStringList& choices)
{
    fillList(m_date, choices);
}

void TipForm::setCategoryChoices(const QStringList& choices)
{
    fillList(m_category, choices);
}

void TipForm::fillList(QComboBox* box, const QStringList& choices)
{
    QScopedValueRollback loading(m_loading, true);
    const QString typed = box->currentText();
    box->clear();
    box->addItems(choices);
    box->setCurrentIndex(-1);
    box->setEditText(typed);
}

void TipForm::insertCategoryChoice(int index, const QString& category)
{
    QScopedValueRollback loading(m_loading, true);
    const QString typed = m_category->currentText();
    m_category->insertItem(index, category);
    m_category->setEditText(typed);
}

void TipForm::selectDateChoice(int index)
{
    QScopedValueRollback loading(m_loading, true);
    if (index >= 0 && index < m_date->count()) {
        m_date->setCurrentIndex(index);
    } else {
        m_date->setCurrentIndex(-1);
        m_date->clearEditText();
    }
}

void TipForm::load(const QString& date, const QString& category, const QString& text)
{
    QScopedValueRollback loading(m_loading, true);
    m_date->setEditText(date);
    m_category->setEditText(category);
    if (m_text->toPlainText() != text)
        m_text->setPlainText(text);
}

QString TipForm::date() const
{
    return SingleLine(m_date->currentText());
}
QString TipForm::category() const
{
    return SingleLine(m_category->currentText());
}
QString TipForm::text() const
{
    return m_text->toPlainText();
}

bool TipForm::linesWithinLimit(Messages& messages)
{
    for (QComboBox* box : {m_date, m_category}) {
        if (VisibleLength(box->currentText()) > TipDialogTexts::kLineLimit ||
            !FitsTipsFileLine(box->currentText())) {
            messages.show(TipDialogTexts::LineTooLong(), MessageIcon::Exclamation);
            box->setFocus();
            box->lineEdit()->selectAll();
            return false;
        }
    }
    return true;
}
