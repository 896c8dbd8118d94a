// The right codes of every command of the main window.
#include "app/menu_items.h"

#include <gtest/gtest.h>

#include <map>

using namespace orv::app;

namespace {

const std::map<std::string, std::vector<int>> kExpectedRights = {
    {"dxIslemler", {10}},         {"dxKart", {10, 20}},          {"dxAmortisman", {10, 500}},
    {"dxSayim", {10, 700}},       {"dxMuhasebelesme", {10, 750}}, {"dxFirmaKarti", {10, 800}},
    {"btfirmasecimi", {}},        {"dxAmortismanYil", {10, 60}}, {"dxKapat", {}},
    {"dxListeDokum", {1000}},     {"dxliste001", {1000, 1010}},  {"dxliste002", {1000, 1030}},
    {"dxliste003", {1000, 1050}}, {"dxliste004", {1000, 1070}},  {"dxliste006", {1000, 1090}},
    {"dxliste005", {1000, 1110}}, {"dxdemirtansferlist", {}},    {"sistem1", {2000}},
    {"meParametreler", {2000, 2010}}, {"dxDoviz", {2000, 2020}}, {"dxKodTanimi", {2000, 2030}},
    {"dxYeniTablo", {2000, 2040}}, {"dxTanimliForm", {2000, 2050}}, {"dxHizmet", {3000}},
    {"dxhizmet01", {3000, 3010}}, {"dxhizmet02", {3000, 3020}},  {"dxBarSubItem1", {3500}},
    {"dxEkranAyar", {3500, 3510}}, {"meDuzenle", {3500, 3520}},  {"dxServis01", {3500, 3530}},
    {"dxServis02", {3500, 3540}}, {"dxServis03", {3500, 3550}},  {"dxTarihOnay", {3500, 3560}},
    {"mnYtlCevrim", {}},          {"dxservis08", {}},            {"dxYardim", {}},
    {"dxyardimkul", {}},          {"dxicindekiler", {}},         {"dxkonutarama", {}},
    {"dxgoruntuluhelp", {}},      {"dxprghakkinda", {}},
};

TEST(MenuItemsTest, EveryItemAsksForExactlyItsRightCodes) {
  ASSERT_EQ(menuItems().size(), kExpectedRights.size());
  for (const auto& [name, codes] : kExpectedRights) {
    const MenuItem* item = findMenuItem(name);
    ASSERT_NE(item, nullptr) << name;
    EXPECT_EQ(item->rights, codes) << name;
  }
}

TEST(MenuItemsTest, EachItemNeedsAllItsCodesAndNoMore) {
  for (const MenuItem& item : menuItems()) {
    const std::set<int> all(item.rights.begin(), item.rights.end());
    EXPECT_TRUE(itemAllowed(item, all)) << item.name;
    for (int missing : item.rights) {
      std::set<int> fewer = all;
      fewer.erase(missing);
      EXPECT_FALSE(itemAllowed(item, fewer)) << item.name << " without " << missing;
    }
  }
}

TEST(MenuItemsTest, UserWithoutRightsKeepsOnlyTheUnguardedItems) {
  std::vector<std::string> open;
  for (const MenuItem& item : menuItems())
    if (itemAllowed(item, {})) open.push_back(item.name);
  EXPECT_EQ(open, (std::vector<std::string>{"btfirmasecimi", "dxKapat", "dxdemirtansferlist",
                                            "mnYtlCevrim", "dxservis08", "dxYardim",
                                            "dxyardimkul", "dxicindekiler", "dxkonutarama",
                                            "dxgoruntuluhelp", "dxprghakkinda"}));
}

TEST(MenuItemsTest, ShortcutsAndBarsNameRealItems) {
  EXPECT_EQ(findMenuItem("dxKart")->shortcut, "F3");
  EXPECT_EQ(findMenuItem("dxMuhasebelesme")->shortcut, "F6");
  EXPECT_EQ(findMenuItem("dxhizmet01")->shortcut, "Alt+H");
  EXPECT_EQ(findMenuItem("btfirmasecimi")->caption, "Firma  Değiştirme");
  EXPECT_EQ(subMenus().size(), 6u);
  for (const auto* bar : {&toolBar1(), &toolBar2()})
    for (const std::string& name : *bar)
      EXPECT_TRUE(name == "|" || findMenuItem(name)) << name;
  for (const SideBarGroup& g : sideBarGroups())
    for (const SideBarEntry& e : g.entries) EXPECT_TRUE(findMenuItem(e.item)) << e.caption;
  EXPECT_EQ(sideBarGroups()[1].entries[3].item, "dxliste004");  // opens the inventory list
}

}  // namespace
