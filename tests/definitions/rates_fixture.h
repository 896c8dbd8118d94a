// A session with a fresh parameter database and the rights of the rate screens.
#pragma once

#include "app/session.h"
#include "data/catalogue.h"
#include "fixtures/temp_dir.h"

namespace orv::test {

inline Session parameterSession(const TempDir& dir,
                                std::set<int> rights = {2020, 2023, 2040, 2043}) {
  Session s;
  s.parameterDb = std::move(db::Database::open(dir.str())).value();
  db::createTables(*s.parameterDb, db::FolderKind::Parameter);
  s.rights = std::move(rights);
  s.values.thousandSeparator = '.';
  s.values.decimalSeparator = ',';
  s.values.dateSeparator = '.';
  return s;
}

}  // namespace orv::test
