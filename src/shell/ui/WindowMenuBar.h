#pragma once
// Builds a window's own menu bar from its menu table (base/MenuTable.h).

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "base/MenuTable.h"

namespace orv {

// Adds the menus and commands of `entries` to `bar` in order: rows with a
// kind, a caption, a shortcut (portable text) and whether they are checkable.
// Each Menu row's new menu goes to `menuMade(entry, menu)`, each Item's and
// BarCommand's new action to `actionMade(entry, action)`.
template <class Entry, class MenuMade, class ActionMade>
void AddMenuRows(QMenuBar& bar, std::span<const Entry> entries, MenuMade menuMade,
                 ActionMade actionMade) {
  const auto q = [](std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
  };
  std::vector<QMenu*> open;  // the menu being filled is the last one
  for (const Entry& entry : entries) {
    switch (entry.kind) {
      case MenuEntryKind::Menu: {
        QMenu* menu =
            open.empty() ? bar.addMenu(q(entry.caption)) : open.back()->addMenu(q(entry.caption));
        open.push_back(menu);
        menuMade(entry, *menu);
        break;
      }
      case MenuEntryKind::EndMenu:
        open.pop_back();
        break;
      case MenuEntryKind::Separator:
        open.back()->addSeparator();
        break;
      case MenuEntryKind::Item:
      case MenuEntryKind::BarCommand: {
        QAction* action = entry.kind == MenuEntryKind::Item
                              ? open.back()->addAction(q(entry.caption))
                              : bar.addAction(q(entry.caption));
        if (!entry.shortcut.empty())
          action->setShortcut(QKeySequence(q(entry.shortcut), QKeySequence::PortableText));
        action->setCheckable(entry.checkable);
        actionMade(entry, *action);
        break;
      }
    }
  }
}

// A window's own menu bar from its table. Each Item and BarCommand runs
// `run(id)` when triggered, in the lifetime of `context`. Returns the action
// of every id, indexed by id (a menu's is the action that opens it).
template <class Id, int Count, class Run>
std::array<QAction*, Count> BuildWindowMenuBar(QMenuBar& bar,
                                               std::span<const WindowMenuEntry<Id>> entries,
                                               QObject& context, Run run) {
  std::array<QAction*, Count> actions{};
  const auto slot = [&](Id id) -> QAction*& { return actions[static_cast<std::size_t>(id)]; };
  AddMenuRows(
      bar, entries,
      [&](const WindowMenuEntry<Id>& entry, QMenu& menu) { slot(entry.id) = menu.menuAction(); },
      [&](const WindowMenuEntry<Id>& entry, QAction& action) {
        QObject::connect(&action, &QAction::triggered, &context, [run, id = entry.id] { run(id); });
        slot(entry.id) = &action;
      });
  return actions;
}

}  // namespace orv
