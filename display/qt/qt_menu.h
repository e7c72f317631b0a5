// Check marks of the menu items, by the items' upper-case names.
//
// The window registers each QAction under its name. Setting a mark makes the
// item checkable; Qt's own toggling on a click is undone by the window before
// the item's handler runs, so the marks are exactly what the game sets.
// Unknown names are ignored and read as unchecked. A menu's own action stands
// for the menu: disabling it disables the whole submenu.
#pragma once

#include <map>
#include <string>

#include "game/ports.h"

class QAction;

namespace zelkora {

class QtMenu : public Menu {
public:
    void add(const std::string& name, QAction* action);
    QAction* action(const std::string& name) const;

    void setChecked(const std::string& item, bool checked) override;
    bool isChecked(const std::string& item) const override;
    void setEnabled(const std::string& item, bool enabled) override;

private:
    std::map<std::string, QAction*> actions_;
};

}  // namespace zelkora
