#include "recorder/dialogs/search/ComboBoxPick.h"

#include <QComboBox>
#include <QLineEdit>

ComboBoxPick::ComboBoxPick(QComboBox* box) : QObject(box)
{
    auto* edit = new QLineEdit(box);
    // Connected before the box connects its own handler, and again after it, so the flag
    // brackets the box's handling of the same signal.
    connect(edit, &QLineEdit::editingFinished, this, [this] { m_typingEnds = true; });
    box->setLineEdit(edit);
    connect(edit, &QLineEdit::editingFinished, this, [this] { m_typingEnds = false; });
    connect(box, &QComboBox::activated, this, [this](int picked) {
        if (!m_typingEnds)
            m_index = picked;
    });
    connect(edit, &QLineEdit::textEdited, this, [this] { m_index = -1; });
}
