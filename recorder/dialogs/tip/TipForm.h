#pragma once

#include <QStringList>
#include <QWidget>

class Messages;
class QComboBox;
class QLabel;
class QPlainTextEdit;

// The boxes the Add and Edit dialogs share: the read-only number display, the Date and
// Category boxes with their lists, and the multi-line Text box. It reports every change
// the user makes, never the ones the dialog makes while loading the boxes.
class TipForm : public QWidget {
    Q_OBJECT
  public:
    explicit TipForm(QWidget* parent = nullptr);

    void setNumberLabel(const QString& label);
    void setDateChoices(const QStringList& choices);
    void setCategoryChoices(const QStringList& choices);
    void insertCategoryChoice(int index, const QString& category);
    // -1 or a position outside the list leaves the Date box empty.
    void selectDateChoice(int index);

    void load(const QString& date, const QString& category, const QString& text);
    QString date() const;
    QString category() const;
    QString text() const;

    // The 20-character rule of the Date and Category boxes, checked when the dialog reads
    // its boxes; a breach is reported and the offending box gets the focus.
    bool linesWithinLimit(Messages& messages);

    QComboBox* dateBox() const { return m_date; }
    QComboBox* categoryBox() const { return m_category; }
    QPlainTextEdit* textBox() const { return m_text; }

  signals:
    void changedByUser();

  private:
    QComboBox* makeLineBox(const QString& name);
    void fillList(QComboBox* box, const QStringList& choices);
    void reportChange();

    QLabel* m_number;
    QComboBox* m_date;
    QComboBox* m_category;
    QPlainTextEdit* m_text;
    bool m_loading = false;
};
