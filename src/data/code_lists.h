// The code lists behind the drop-down boxes: entries "code=description" from the code
// definitions 001 to 009 (KodTop/KodAlt) and the currency list (DOVIZTOP).
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "data/database.h"

namespace orv::db {

using CodeEntries = std::vector<std::string>;

// The values of the header `code` in their stored order. A header without a value "000"
// gets the empty choice "000=" at the top; a missing header gives an empty list.
CodeEntries fillCodeList(Database& params, std::string_view code);
// Every currency as "KOD=DOVIZ (SEMBOL)"; no empty choice.
CodeEntries fillCurrencyList(Database& params);
// Code lists 001 .. 009.
std::array<CodeEntries, 9> fillCodeLists(Database& params);

}  // namespace orv::db
