#include "wheels/ui/UpdateMenu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "wheels/ui/Wheels.h"

namespace orv {

namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void AddUpdateMenu(Wheels& window, const std::function<void(const UpdateStep&)>& step) {
  auto* menu = new QMenu("&Update", &window);
  window.MenuBar()->insertMenu(window.Command(WheelsWindowItem::Aspects), menu);
  for (const UpdateStep& s : UpdateSteps) {
    if (&s == &UpdateSteps[12]) menu->addSeparator();
    QAction* item = menu->addAction(Text(s.caption));
    item->setShortcut(QKeySequence(Text(s.key)));
    window.addAction(item);
    QObject::connect(item, &QAction::triggered, &window, [step, &s] { step(s); });
  }
}

}  // namespace orv
