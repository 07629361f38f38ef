#include "recorder/app/CommandMenus.h"

#include "recorder/app/InkIconEngine.h"
#include "recorder/commands/CommandRegistry.h"
#include "recorder/commands/CommandTable.h"

#include <QAction>
#include <QActionGroup>
#include <QIcon>
#include <QMenuBar>
#include <QToolBar>
#include <map>

namespace {

QList<QKeySequence> KeysOf(const CommandRow& row)
{
    QList<QKeySequence> keys;
    if (!row.keys)
        return keys;
    for (const QString& key : QString::fromLatin1(row.keys).split(u';'))
        keys << QKeySequence::fromString(key, QKeySequence::PortableText);
    return keys;
}

QString ObjectName(const char* name)
{
    QString text = QString::fromLatin1(name);
    text[0] = text[0].toUpper();
    return QStringLiteral("action") + text;
}

QMenu* MenuFor(QMenuBar& menuBar, std::map<QString, QMenu*>& menus, const CommandRow& row)
{
    const QString top = QString::fromLatin1(row.menu);
    QMenu*& topMenu = menus[top];
    if (!topMenu)
        topMenu = menuBar.addMenu(top);
    if (!row.submenu)
        return topMenu;
    QMenu*& subMenu = menus[top + u'>' + QString::fromLatin1(row.submenu)];
    if (!subMenu)
        subMenu = topMenu->addMenu(QString::fromLatin1(row.submenu));
    return subMenu;
}

} // namespace

CommandMenus::CommandMenus(QObject* owner, const CommandRegistry& registry) : m_registry(registry)
{
    // Radio items of one menu are shown as one group of choices; their marks still come
    // from the state rules.
    std::map<QString, QActionGroup*> radioGroups;
    for (const CommandRow& row : CommandTable()) {
        if (row.id == CommandId::None)
            continue;
        // The key label after the tab is Qt's to draw from the shortcut: in the text it
        // would also be read out by screen readers as part of the item's name.
        auto* action = new QAction(QString::fromLatin1(row.caption).section(u'\t', 0, 0), owner);
        action->setObjectName(ObjectName(row.name));
        action->setStatusTip(QString::fromLatin1(row.prompt));
        action->setWhatsThis(QString::fromLatin1(row.prompt));
        if (row.tooltip)
            action->setToolTip(QString::fromLatin1(row.tooltip));
        action->setShortcuts(KeysOf(row));
        action->setShortcutContext(Qt::WindowShortcut);
        if (row.toolbarSlot != 0)
            action->setIcon(InkIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(row.name))));
        if (row.mark != CommandMark::None) {
            action->setCheckable(true);
            // Beside an icon the styles show a checked item only as a faint frame around
            // the icon; without it the menu shows a clear check or radio mark. The
            // toolbar button keeps the icon and shows the state by staying pressed.
            action->setIconVisibleInMenu(false);
        }
        if (row.mark == CommandMark::Radio) {
            const QString key =
                QString::fromLatin1(row.menu) + QString::fromLatin1(row.submenu ? row.submenu : "");
            QActionGroup*& group = radioGroups[key];
            if (!group) {
                group = new QActionGroup(owner);
                group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
            }
            group->addAction(action);
        }
        const CommandId id = row.id;
        QObject::connect(action, &QAction::triggered, owner, [this, id] {
            m_registry.run(id);
            refresh();
        });
        m_actions.insert(id, action);
    }
}

void CommandMenus::fillMenuBar(QMenuBar& menuBar) const
{
    std::map<QString, QMenu*> menus;
    for (const CommandRow& row : CommandTable()) {
        QMenu* menu = MenuFor(menuBar, menus, row);
        if (row.id == CommandId::None)
            menu->addSeparator();
        else
            menu->addAction(m_actions.value(row.id));
    }
    for (const auto& [name, menu] : menus)
        QObject::connect(menu, &QMenu::aboutToShow, menu, [this] { refresh(); });
}

void CommandMenus::fillToolBar(QToolBar& toolBar) const
{
    std::map<int, CommandId> placed;
    for (const CommandRow& row : CommandTable())
        if (row.toolbarSlot != 0)
            placed.emplace(row.toolbarSlot, row.id);
    int group = -1;
    for (const auto& [slot, id] : placed) {
        if (group != -1 && slot / 10 != group)
            toolBar.addSeparator();
        group = slot / 10;
        QAction* action = m_actions.value(id);
        toolBar.addAction(action);
        // A button shows only its icon; its name is the tooltip the user sees on it
        // ("Delete Tip"), not the menu item's words ("Current Tip").
        if (QWidget* button = toolBar.widgetForAction(action))
            button->setAccessibleName(action->toolTip());
    }
}

void CommandMenus::refresh() const
{
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        const CommandState state = m_registry.state(it.key());
        it.value()->setEnabled(state.enabled);
        if (it.value()->isCheckable())
            it.value()->setChecked(state.checked);
    }
}
