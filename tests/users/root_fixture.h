// A root data folder with its tables in a temporary folder, for the users tests.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "data/catalogue.h"
#include "data/database.h"
#include "fixtures/temp_dir.h"
#include "users/user_admin.h"

namespace orv::test {

class RootTables : public ::testing::Test {
 protected:
  void SetUp() override {
    auto opened = db::Database::open(dir.str());
    ASSERT_TRUE(opened.isOk()) << opened.message();
    root = std::move(opened).value();
    db::createTables(*root, db::FolderKind::Root);
  }

  long long addUser(const std::string& name, const std::string& password,
                    const std::string& fullName = "Test Kullanıcı") {
    auto id = users::addUser(*root, {name, fullName, password});
    EXPECT_TRUE(id.isOk()) << id.message();
    return id.isOk() ? id.value() : 0;
  }

  TempDir dir;
  std::unique_ptr<db::Database> root;
};

}  // namespace orv::test
