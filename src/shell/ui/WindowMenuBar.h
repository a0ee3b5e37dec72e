#pragma once
// Builds a window's own menu bar from its menu table (base/MenuTable.h).

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <array>
#include <cstddef>
#include <span>
#include <vector>

#include "base/MenuTable.h"

namespace orv {

// Adds the menus and commands of `entries` to `bar`. Each Item and
// BarCommand runs `run(id)` when triggered, in the lifetime of `context`.
// Returns the action of every id, indexed by id (a menu's is the action
// that opens it).
template <class Id, int Count, class Run>
std::array<QAction*, Count> BuildWindowMenuBar(QMenuBar& bar,
                                               std::span<const WindowMenuEntry<Id>> entries,
                                               QObject& context, Run run) {
  std::array<QAction*, Count> actions{};
  std::vector<QMenu*> open;  // the menu being filled is the last one
  for (const WindowMenuEntry<Id>& entry : entries) {
    const QString caption =
        QString::fromUtf8(entry.caption.data(), qsizetype(entry.caption.size()));
    QAction* action = nullptr;
    switch (entry.kind) {
      case MenuEntryKind::Menu: {
        QMenu* menu = open.empty() ? bar.addMenu(caption) : open.back()->addMenu(caption);
        open.push_back(menu);
        action = menu->menuAction();
        break;
      }
      case MenuEntryKind::EndMenu:
        open.pop_back();
        continue;
      case MenuEntryKind::Separator:
        open.back()->addSeparator();
        continue;
      case MenuEntryKind::Item:
      case MenuEntryKind::BarCommand: {
        action = entry.kind == MenuEntryKind::Item ? open.back()->addAction(caption)
                                                   : bar.addAction(caption);
        if (!entry.shortcut.empty())
          action->setShortcut(QKeySequence(
              QString::fromUtf8(entry.shortcut.data(), qsizetype(entry.shortcut.size())),
              QKeySequence::PortableText));
        action->setCheckable(entry.checkable);
        QObject::connect(action, &QAction::triggered, &context, [run, id = entry.id] { run(id); });
        break;
      }
    }
    actions[static_cast<std::size_t>(entry.id)] = action;
  }
  return actions;
}

}  // namespace orv
