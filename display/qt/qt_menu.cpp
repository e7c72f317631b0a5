// Menu check marks over QActions.
#include "display/qt/qt_menu.h"

#include <QAction>

namespace zelkora {

void QtMenu::add(const std::string& name, QAction* action) { actions_[name] = action; }

QAction* QtMenu::action(const std::string& name) const {
    const auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

void QtMenu::setChecked(const std::string& item, bool checked) {
    QAction* a = action(item);
    if (!a) return;
    a->setCheckable(true);
    a->setChecked(checked);
}

bool QtMenu::isChecked(const std::string& item) const {
    const QAction* a = action(item);
    return a && a->isChecked();
}

void QtMenu::setEnabled(const std::string& item, bool enabled) {
    if (QAction* a = action(item)) a->setEnabled(enabled);
}

}  // namespace zelkora
