#include "recorder/dialogs/widgets/RadioGroupFocus.h"

#include <QFocusEvent>
#include <QRadioButton>
#include <vector>

namespace {

class CheckedRadioFocus : public QObject {
  public:
    CheckedRadioFocus(std::vector<QRadioButton*> group, QObject* parent)
        : QObject(parent), m_group(std::move(group))
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::FocusIn)
            return false;
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason)
            return false;
        for (QRadioButton* button : m_group) {
            if (button != watched && button->isChecked() && button->isEnabled()) {
                button->setFocus(reason);
                return true;
            }
        }
        return false;
    }

  private:
    std::vector<QRadioButton*> m_group;
};

} // namespace

void TabToCheckedRadio(std::initializer_list<QRadioButton*> group)
{
    if (group.size() == 0)
        return;
    auto* filter = new CheckedRadioFocus(group, *group.begin());
    for (QRadioButton* button : group)
        button->installEventFilter(filter);
}
