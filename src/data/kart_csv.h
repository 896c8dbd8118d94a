// Asset cards as CSV for the batch commands: the header names Kart fields (every field but
// Ulas on export), dates yyyy-mm-dd or dd.mm.yyyy, decimals with ".", logicals 0/1.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "common/result.h"
#include "data/database.h"
#include "data/kart_repository.h"

namespace orv::db {

// Every card in department and code order.
void exportKartCsv(Database& companyDb, std::ostream& out);

// Reads a CSV of new cards: every row is checked (field values, widths, the card checks of
// saving a new card, codes unused in the table and in the file); the first error names its
// line and field. The cards in file order, not yet saved.
Result<std::vector<KartRow>> readKartCsv(Database& companyDb, const std::string& path);

// readKartCsv, then every card inserted in one transaction: nothing of a faulty file is saved.
// Cards without CreateBy/CreateDate get the given user and stamp. The number of cards saved.
// The command line saves through the card operations' batch save instead (lock slot 1).
Result<int> importKartCsv(Database& companyDb, const std::string& path, long long userId,
                          const std::string& stamp);

}  // namespace orv::db
