// The commands of the main window: every bar item with its caption, sub-menu, shortcut and
// the right codes a user must all hold for it to be enabled; the two tool bars and the side
// bar as lists of item names.
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace orv::app {

struct MenuItem {
  std::string name;       // the bar item's name, e.g. "dxKart"
  std::string caption;
  std::string menu;       // name of its sub-menu item; "" for the sub-menus themselves
  std::string shortcut;   // "F3", "Alt+H", or ""
  std::vector<int> rights;
};

// In menu order: each sub-menu followed by its items.
const std::vector<MenuItem>& menuItems();
const MenuItem* findMenuItem(std::string_view name);
// The sub-menus of the menu bar, in order.
std::vector<const MenuItem*> subMenus();
std::vector<const MenuItem*> itemsOf(std::string_view menu);
// Items that appear in a second sub-menu too ("Firma Kartları" and "Firma  Değiştirme" also
// stand under "Parametreler").
std::vector<std::string> alsoUnder(std::string_view menu);

// Enabled when the user holds every code of the item (an item without codes always).
bool itemAllowed(const MenuItem& item, const std::set<int>& rights);

// Tool bar contents; "|" marks a group separator.
const std::vector<std::string>& toolBar1();
const std::vector<std::string>& toolBar2();

struct SideBarEntry {
  std::string caption;
  std::string item;  // the bar item it stands for (copies its enabled state)
};
struct SideBarGroup {
  std::string caption;
  std::vector<SideBarEntry> entries;
};
const std::vector<SideBarGroup>& sideBarGroups();

}  // namespace orv::app
