#include "lockd/slot_table.h"

#include <gtest/gtest.h>

using namespace orv::lockd;

TEST(SlotRequest, ParsesTheFixedLayout) {
  struct Case { const char* line; bool ok; const char* company; int slot; bool take; };
  const Case cases[] = {
      {"LOCK_:003001FIRMA1  =1@10.0.0.5@Ali Veli", true, "FIRMA1", 1, true},
      {"LOCK_:003002UZUNFIRM=0@@\r", true, "UZUNFIRM", 2, false},
      {"LOCK_:003001ŞİRKET  =1@a@b", true, "ŞİRKET", 1, true},
      {"LOCK_:003001        =1@@", true, "", 1, true},
      {"LOCK_:003001FIRMA1 =1@@", false, "", 0, false},      // company not 8 characters
      {"LOCK_:003001FIRMA1  =2@@", false, "", 0, false},     // mode
      {"LOCK_:003001FIRMA1  =1", false, "", 0, false},       // no "@"
      {"LOCK_:0030A1FIRMA1  =1@@", false, "", 0, false},     // slot digits
      {"LOCK_:004001FIRMA1  =1@@", false, "", 0, false},     // fixed text
      {"", false, "", 0, false},
  };
  for (const auto& c : cases) {
    ParsedRequest r;
    ASSERT_EQ(parseRequest(c.line, r), c.ok) << c.line;
    if (!c.ok) continue;
    EXPECT_EQ(r.company, c.company) << c.line;
    EXPECT_EQ(r.slot, c.slot) << c.line;
    EXPECT_EQ(r.take, c.take) << c.line;
  }
}

TEST(SlotTable, SlotsBelongToTheConnectionThatTookThem) {
  SlotTable t;
  const auto take = [](const char* company, int slot) {
    return std::string("LOCK_:00300") + std::to_string(slot) + company + "=1@ip@ad";
  };
  const auto give = [](const char* company, int slot) {
    return std::string("LOCK_:00300") + std::to_string(slot) + company + "=0@ip@ad";
  };
  EXPECT_EQ(t.handleLine(1, take("FIRMA1  ", 1)), "R:1");
  EXPECT_EQ(t.handleLine(1, take("FIRMA1  ", 1)), "R:1");  // again by its holder
  EXPECT_EQ(t.handleLine(2, take("FIRMA1  ", 1)), "R:0");
  EXPECT_EQ(t.handleLine(2, take("FIRMA1  ", 2)), "R:1");  // another slot
  EXPECT_EQ(t.handleLine(2, take("FIRMA2  ", 1)), "R:1");  // another company
  EXPECT_EQ(t.handleLine(2, give("FIRMA1  ", 1)), "R:0");  // not its slot: stays held
  EXPECT_EQ(t.handleLine(3, take("FIRMA1  ", 1)), "R:0");
  EXPECT_EQ(t.handleLine(1, give("FIRMA1  ", 1)), "R:1");
  EXPECT_EQ(t.handleLine(3, take("FIRMA1  ", 1)), "R:1");
  EXPECT_EQ(t.handleLine(3, "GARBAGE"), "R:0");
  EXPECT_EQ(t.heldCount(), 3u);
  t.disconnect(2);
  EXPECT_EQ(t.heldCount(), 1u);
  EXPECT_EQ(t.handleLine(1, take("FIRMA2  ", 1)), "R:1");
  EXPECT_EQ(t.handleLine(1, give("FIRMA9  ", 1)), "R:1");  // giving back a free slot
}
