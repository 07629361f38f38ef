#include "recorder/view/TipViewAccessible.h"

#include <QAccessibleWidget>
#include <QWidget>
#include <algorithm>

namespace {

class TipViewInterface : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    TipViewInterface(QWidget* view, const ShowsText& source)
        : QAccessibleWidget(view, QAccessible::EditableText), m_source(source)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return QStringLiteral("Tip");
        if (kind == QAccessible::Value)
            return shown();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.multiLine = true;
        return s;
    }

    // No selection and no caret: the view only shows.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}

    QString text(int start, int end) const override
    {
        const QString all = shown();
        start = std::clamp(start, 0, static_cast<int>(all.size()));
        end = end < 0 ? static_cast<int>(all.size()) : std::clamp(end, start, int(all.size()));
        return all.mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(shown().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override
    {
        *start = *end = offset;
        return {};
    }

  private:
    QString shown() const { return m_source.shownText(); }

    const ShowsText& m_source;
};

QAccessibleInterface* TipViewFactory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    const auto* source = dynamic_cast<const ShowsText*>(object);
    if (!widget || !source)
        return nullptr;
    return new TipViewInterface(widget, *source);
}

} // namespace

void MakeTipViewAccessible()
{
    static const bool installed = [] {
        QAccessible::installFactory(TipViewFactory);
        return true;
    }();
    (void)installed;
}

void AnnounceTipViewText(QWidget* view, const QString& before, const QString& now)
{
    if (before == now)
        return;
    QAccessibleTextUpdateEvent event(view, 0, before, now);
    QAccessible::updateAccessibility(&event);
}
