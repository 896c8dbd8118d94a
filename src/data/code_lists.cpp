// Filling the code lists from the code and currency tables of a parameter folder.
#include "data/code_lists.h"

#include <cstdio>

namespace orv::db {

CodeEntries fillCodeList(Database& db, std::string_view code) {
  CodeEntries list;
  Statement head = db.prepare("SELECT Ulas FROM KodTop WHERE Kodu = ?1 ORDER BY rowid LIMIT 1");
  head.bind(1, code);
  if (!head.step()) return list;
  Statement st = db.prepare("SELECT Kodu, Aciklama FROM KodAlt WHERE UlasKodTop = ?1 ORDER BY UlasKodTop, Ulas");
  st.bind(1, head.getInt(0));
  bool hasEmptyChoice = false;
  while (st.step()) {
    const std::string k = st.getText(0);
    hasEmptyChoice = hasEmptyChoice || k == "000";
    list.push_back(k + "=" + st.getText(1));
  }
  if (!hasEmptyChoice) list.insert(list.begin(), "000=");
  return list;
}

CodeEntries fillCurrencyList(Database& db) {
  CodeEntries list;
  Statement st = db.prepare("SELECT KOD, DOVIZ, SEMBOL FROM DOVIZTOP ORDER BY ULAS");
  while (st.step()) list.push_back(st.getText(0) + "=" + st.getText(1) + " (" + st.getText(2) + ")");
  return list;
}

std::array<CodeEntries, 9> fillCodeLists(Database& db) {
  std::array<CodeEntries, 9> lists;
  for (int i = 0; i < 9; ++i) {
    char code[4];
    std::snprintf(code, sizeof code, "%03d", i + 1);
    lists[i] = fillCodeList(db, code);
  }
  return lists;
}

}  // namespace orv::db
