#pragma once

#include <QObject>

class QComboBox;

// Which entry of an editable combo box the user picked, from its list or with the arrow
// keys; -1 once the user types. The box itself takes a typed text that equals one of its
// entries for a pick of that entry when the typing ends (Enter, or the focus leaving) and
// reports that end as an activation; such a text must still count as typed, so the
// activations reported while the typing ends are not picks.
class ComboBoxPick : public QObject {
  public:
    // Gives `box` the edit field whose end of typing it watches; lives as long as `box`.
    explicit ComboBoxPick(QComboBox* box);

    int index() const { return m_index; }
    void set(int index) { m_index = index; }

  private:
    int m_index = -1;
    bool m_typingEnds = false;
};
