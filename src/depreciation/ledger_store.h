// Loading a card's stored ledger into a working ledger and writing it back.
#pragma once

#include "common/result.h"
#include "data/database.h"
#include "data/kart_repository.h"
#include "depreciation/engine.h"

namespace orv::depreciation {

// Empties the working ledger and copies the card's stored rows into it in date order; each
// working row remembers the stored row it came from.
Status DefterYukle(db::Database& companyDb, long long ulasKart, CalismaDefteri& defter);

// Writes the card summary from the last row and the rows back, in one transaction: a row
// loaded from a stored row overwrites that row (its voucher marks stay), a new row is
// appended (and remembers its new identity), and stored rows no longer in the working ledger
// are deleted. A missing card skips the summary; the rows are written all the same.
Status DefterKaydet(db::Database& companyDb, CalismaDefteri& defter);

// The same without a transaction of its own, for batch work that commits many cards at once.
// Throws db::DbError.
void defterYaz(db::KartRepository& repo, CalismaDefteri& defter);

DefterSatiri toWorkingRow(const db::LedgerRow& row);
db::LedgerRow toStoredRow(const DefterSatiri& row, long long ulasKart);

}  // namespace orv::depreciation
