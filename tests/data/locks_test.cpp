#include "data/locks.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <thread>

#include "data/catalogue.h"
#include "fixtures/process.h"
#include "fixtures/temp_dir.h"
#include "lock_test_support.h"
#include "lockd/lock_server.h"

using namespace orv;
using namespace orv::locks;
using namespace std::chrono_literals;

namespace {

constexpr int k10h = 10 * 3600000;

class TableLocks : public ::testing::Test {
 protected:
  void SetUp() override {
    auto opened = db::Database::open(dir.str());
    ASSERT_TRUE(opened.isOk()) << opened.message();
    root = std::move(opened).value();
    db::createTables(*root, db::FolderKind::Root);
  }
  void setSlot(int slot, bool held, const std::string& saat) {
    root->prepare("DELETE FROM LOCK WHERE SIRA = ?1").bind(1, slot).run();
    root->prepare("INSERT INTO LOCK (SIRA, DURUM, SAAT) VALUES (?1, ?2, ?3)")
        .bind(1, slot).bind(2, held).bind(3, saat).run();
  }
  std::pair<bool, std::string> slotRow(int slot) {
    auto st = root->prepare("SELECT DURUM, SAAT FROM LOCK WHERE SIRA = ?1");
    st.bind(1, slot);
    EXPECT_TRUE(st.step());
    return {st.getBool(0), st.getText(1)};
  }
  RecordLocks locks(LockOptions options = {}) {
    return RecordLocks(*root, {"127.0.0.1", "", "FIRMA1", "10.0.0.5", "Ali Veli"}, prompter, clock,
                       options);
  }

  test::TempDir dir;
  std::unique_ptr<db::Database> root;
  test::FakeLockClock clock{k10h + 11 * 60000 + 12345};  // 10:11:12.345
  test::RecordingPrompter prompter{Answer::Yes};
};

}  // namespace

TEST(LockWire, RequestLineHasTheFixedLayout) {
  struct Case { LockRequest request; const char* line; };
  const Case cases[] = {
      {{1, true, "FIRMA1", "10.0.0.5", "Ali Veli"}, "LOCK_:003001FIRMA1  =1@10.0.0.5@Ali Veli\r\n"},
      {{2, false, "UZUNFIRMAADI", "", ""}, "LOCK_:003002UZUNFIRM=0@@\r\n"},
      {{1, true, "ŞİRKET", "a@b", "Ad\r\nSoyad@"}, "LOCK_:003001ŞİRKET  =1@a b@Ad  Soyad \r\n"},
      {{1, true, "", "x", "y"}, "LOCK_:003001        =1@x@y\r\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(requestLine(c.request), c.line);
}

TEST(LockWire, OnlyRLinesAreReplies) {
  EXPECT_EQ(replyDigit("R:1"), '1');
  EXPECT_EQ(replyDigit("R:0\r"), '0');
  EXPECT_EQ(replyDigit("R:7"), '7');
  EXPECT_FALSE(replyDigit("R:").has_value());
  EXPECT_FALSE(replyDigit("X:1").has_value());
  EXPECT_FALSE(replyDigit("").has_value());
}

TEST(LockWire, NoHostOrTheLocalAddressMeansTheTable) {
  EXPECT_TRUE(usesLockTable(""));
  EXPECT_TRUE(usesLockTable("  "));
  EXPECT_TRUE(usesLockTable(" 127.0.0.1 "));
  EXPECT_FALSE(usesLockTable("localhost"));
  EXPECT_FALSE(usesLockTable("10.0.0.1"));
}

TEST_F(TableLocks, TakingAFreeSlotRecordsTheTimeAndGivingBackClearsIt) {
  setSlot(1, false, "");
  auto l = locks();
  ASSERT_TRUE(l.acquire(1).isOk());
  EXPECT_EQ(slotRow(1), (std::pair<bool, std::string>{true, "10:11:12:345"}));
  l.release(1);
  EXPECT_EQ(slotRow(1), (std::pair<bool, std::string>{false, ""}));
}

TEST_F(TableLocks, AMissingSlotRowIsCreatedAndTaken) {
  auto l = locks();
  ASSERT_TRUE(l.acquire(2).isOk());
  EXPECT_TRUE(slotRow(2).first);
  auto count = root->prepare("SELECT COUNT(*) FROM LOCK WHERE SIRA = 2");
  count.step();
  EXPECT_EQ(count.getInt(0), 1);
}

TEST_F(TableLocks, StaleOrTimelessSlotsAreClearedAndTakenAtOnce) {
  struct Case { const char* saat; int nowMs; };
  const Case cases[] = {
      {"10:10:51:000", k10h + 11 * 60000 + 12345},   // 21 s old
      {"23:59:58:000", 3000},                         // taken before midnight, now 00:00:03
      {"", k10h},                                     // held without a time
      {"10:12:10:000", k10h + 11 * 60000 + 12345},   // 58 s ahead
  };
  for (const auto& c : cases) {
    setSlot(1, true, c.saat);
    test::FakeLockClock at(c.nowMs);
    RecordLocks l(*root, {"", "", "F", "", ""}, prompter, at);
    EXPECT_TRUE(l.acquire(1).isOk()) << c.saat;
    EXPECT_EQ(at.elapsed(), 0ms) << c.saat;
    EXPECT_TRUE(slotRow(1).first);
  }
}

TEST_F(TableLocks, ASlotHeldTenSecondsAgoIsTakenWhenItTurnsStale) {
  setSlot(1, true, "10:11:02:345");  // 10 s before the clock
  auto l = locks();
  ASSERT_TRUE(l.acquire(1).isOk());
  EXPECT_GE(clock.elapsed(), 10s);
  EXPECT_LE(clock.elapsed(), 12s);
  EXPECT_TRUE(prompter.questions.size() <= 1);
}

TEST_F(TableLocks, ASlotHeldWithATimeAheadGivesTimeOutAfterThirtySeconds) {
  setSlot(1, true, "10:11:52:000");  // 40 s ahead: never stale within the wait
  LockOptions options;
  options.askAfter = 60s;
  auto l = locks(options);
  const Status s = l.acquire(1);
  EXPECT_EQ(s.message(), kTimeOutText);
  EXPECT_GE(clock.elapsed(), 30s);
  EXPECT_LE(clock.elapsed(), 34s);
  EXPECT_EQ(slotRow(1).second, "10:11:52:000");
  EXPECT_TRUE(prompter.questions.empty());
}

TEST_F(TableLocks, TheWaitingQuestionComesByTimeAndNoAbandons) {
  setSlot(1, true, "10:11:52:000");
  test::RecordingPrompter no(Answer::No);
  LockOptions options;
  options.askAfter = 5s;
  RecordLocks l(*root, {"", "", "F", "", ""}, no, clock, options);
  const Status s = l.acquire(1);
  EXPECT_EQ(s.message(), kAbandonedText);
  ASSERT_EQ(no.questions.size(), 1u);
  EXPECT_EQ(no.questions[0], kSlotBusyQuestion);
  EXPECT_GE(clock.elapsed(), 5s);
  EXPECT_LT(clock.elapsed(), 6s);
}

TEST_F(TableLocks, AnsweringYesKeepsWaitingUntilTheTimeOut) {
  setSlot(1, true, "10:11:52:000");
  LockOptions options;
  options.askAfter = 5s;
  auto l = locks(options);
  EXPECT_EQ(l.acquire(1).message(), kTimeOutText);
  EXPECT_GE(prompter.questions.size(), 5u);
  EXPECT_LE(prompter.questions.size(), 6u);
}

TEST_F(TableLocks, AFailingWriteIsNotAGrant) {
  setSlot(1, false, "");
  db::Database::setWriteFaultHook([](std::string_view sql) { return sql.find("UPDATE LOCK") != sql.npos; });
  auto l = locks();
  const Status s = l.acquire(1);
  db::Database::setWriteFaultHook(nullptr);
  EXPECT_EQ(s.message(), kTimeOutText);
  EXPECT_FALSE(slotRow(1).first);
}

TEST_F(TableLocks, TheWaitPumpsTheScreenAtShortIntervals) {
  setSlot(1, true, "10:11:52:000");
  LockOptions options;
  options.askAfter = 60s;
  auto l = locks(options);
  int pumps = 0;
  l.setPump([&] { ++pumps; });
  EXPECT_FALSE(l.acquire(1).isOk());
  EXPECT_GE(pumps, 30000 / 100);
}

// --- the lock server path -------------------------------------------------------------------

namespace {

LockSettings serverAt(int port, const std::string& company = "FIRMA1") {
  return {"localhost", std::to_string(port), company, "10.0.0.5", "Ali Veli"};
}

struct ServerThread {
  ServerThread() {
    auto s = lockd::LockServer::listen("127.0.0.1", "0");
    EXPECT_TRUE(s.isOk()) << s.message();
    server = std::move(s).value();
    thread = std::thread([this] { server->serve(stop); });
  }
  ~ServerThread() {
    stop = true;
    thread.join();
  }
  std::unique_ptr<lockd::LockServer> server;
  std::atomic<bool> stop{false};
  std::thread thread;
};

class ServerLocks : public TableLocks {};

}  // namespace

TEST_F(ServerLocks, GrantsRefusesAndFreesSlotsByOwner) {
  ServerThread server;
  const int port = server.server->port();
  RecordLocks a(*root, serverAt(port), prompter);
  auto b = std::make_unique<RecordLocks>(*root, serverAt(port), prompter);
  RecordLocks other(*root, serverAt(port, "FIRMA2"), prompter);
  ASSERT_TRUE(a.usesServer());
  EXPECT_EQ(a.lock(1, true), LockAnswer::Granted);
  EXPECT_EQ(b->lock(1, true), LockAnswer::Refused);
  EXPECT_EQ(b->lock(2, true), LockAnswer::Granted);
  EXPECT_EQ(other.lock(1, true), LockAnswer::Granted);
  a.release(1);
  EXPECT_EQ(b->lock(1, true), LockAnswer::Granted);
  EXPECT_EQ(a.lock(1, true), LockAnswer::Refused);
  b.reset();  // the connection ends: its slots are freed
  bool granted = false;
  for (int i = 0; i < 100 && !granted; ++i) {
    granted = a.lock(1, true) == LockAnswer::Granted;
    if (!granted) std::this_thread::sleep_for(20ms);
  }
  EXPECT_TRUE(granted);
  auto rows = root->prepare("SELECT COUNT(*) FROM LOCK");
  rows.step();
  EXPECT_EQ(rows.getInt(0), 0) << "the table is not touched on the server path";
}

TEST_F(ServerLocks, RepliesOtherThanROneAreRefusals) {
  struct Case { std::string reply; bool close; LockAnswer expected; };
  const Case cases[] = {
      {"R:1\r\n", false, LockAnswer::Granted},
      {"R:0\r\n", false, LockAnswer::Refused},
      {"R:7\r\n", false, LockAnswer::Refused},
      {"MERHABA\r\nR:1\n", false, LockAnswer::Granted},
      {std::string(1023, 'x') + "R:1\r\n", false, LockAnswer::Granted},  // full buffer discarded
      {"", true, LockAnswer::Refused},                                   // dropped connection
  };
  for (const auto& c : cases) {
    test::FakeLockServer fake(c.reply, c.close);
    RecordLocks l(*root, serverAt(fake.port()), prompter);
    EXPECT_EQ(l.lock(1, true), c.expected) << c.reply.substr(0, 20);
    const auto lines = fake.lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "LOCK_:003001FIRMA1  =1@10.0.0.5@Ali Veli\r\n");
  }
}

TEST_F(ServerLocks, NoReplyInTimeIsARefusalAndResetsTheConnection) {
  test::FakeLockServer silent("");
  clock.advancePerRead = 2s;
  RecordLocks l(*root, serverAt(silent.port()), prompter, clock);
  EXPECT_EQ(l.lock(1, true), LockAnswer::Refused);
  EXPECT_EQ(l.lock(1, true), LockAnswer::Refused);
  EXPECT_EQ(silent.accepted(), 2);
}

TEST_F(ServerLocks, GivingBackWithoutAConnectionSendsNothing) {
  test::FakeLockServer fake("R:1\r\n");
  RecordLocks l(*root, serverAt(fake.port()), prompter);
  l.release(1);
  EXPECT_EQ(l.lock(1, true), LockAnswer::Granted);
  l.release(1);
  const auto lines = fake.lines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1], "LOCK_:003001FIRMA1  =0@10.0.0.5@Ali Veli\r\n");
  EXPECT_EQ(fake.accepted(), 1);
}

TEST_F(ServerLocks, AnUnreachableServerEndsInTimeOut) {
  int port = 0;
  {
    auto listener = net::TcpListener::listen("127.0.0.1", "0");
    ASSERT_TRUE(listener.isOk());
    port = listener->port();
  }  // closed: nothing listens there now
  RecordLocks l(*root, serverAt(port), prompter, clock);
  EXPECT_EQ(l.acquire(1).message(), kTimeOutText);
  EXPECT_GE(clock.elapsed(), 30s);
}

// --- two processes contending for slot 1 -------------------------------------------------------

namespace orv::test {

void runLockContender() {
  const std::string rootFolder = std::getenv(kChildRootVar);
  const std::string name = std::getenv(kChildNameVar);
  auto opened = db::Database::open(rootFolder, db::Database::Mode::MustExist);
  ASSERT_TRUE(opened.isOk()) << opened.message();
  auto root = std::move(opened).value();
  SilentPrompter prompter;
  LockOptions fast;
  fast.pauseStep = 5ms;
  fast.pollInterval = 5ms;
  fast.pumpInterval = 5ms;
  const char* port = std::getenv(kChildPortVar);
  RecordLocks locks(*root, {std::getenv(kChildHostVar), port ? port : "", "FIRMA1", name, name},
                    prompter, systemLockClock(), fast);
  const auto folder = std::filesystem::path(rootFolder);
  for (int round = 0; round < kChildRounds; ++round) {
    SlotGuard guard(locks, kAssetSlot);
    ASSERT_TRUE(guard.status().isOk()) << guard.status().message();
    FILE* marker = std::fopen((folder / "inside.marker").string().c_str(), "wx");
    ASSERT_NE(marker, nullptr) << "two holders of slot 1 at once";
    std::fclose(marker);
    int counter = 0;
    std::ifstream(folder / "counter.txt") >> counter;
    std::this_thread::sleep_for(3ms);
    std::ofstream(folder / "counter.txt") << counter + 1;
    std::filesystem::remove(folder / "inside.marker");
  }
}

int contendTwice(const std::string& rootFolder, const std::string& host, const std::string& port) {
  std::ofstream(std::filesystem::path(rootFolder) / "counter.txt") << 0;
  const std::vector<std::string> argv{selfExecutable(), "--gtest_filter=LockChild.Contends"};
  std::map<std::string, std::string> env{{kChildRootVar, rootFolder}, {kChildHostVar, host},
                                         {kChildPortVar, port}};
  env[kChildNameVar] = "A";
  auto first = std::async(std::launch::async, [&, env] { return runProcess(argv, {}, env); });
  env[kChildNameVar] = "B";
  const ProcessResult second = runProcess(argv, {}, env);
  const ProcessResult one = first.get();
  EXPECT_EQ(one.exitCode, 0) << one.out;
  EXPECT_EQ(second.exitCode, 0) << second.out;
  int counter = -1;
  std::ifstream(std::filesystem::path(rootFolder) / "counter.txt") >> counter;
  return counter;
}

}  // namespace orv::test

TEST(LockChild, Contends) {
  if (!std::getenv(test::kChildRootVar)) GTEST_SKIP() << "runs only as a child of the contention tests";
  test::runLockContender();
}

TEST_F(TableLocks, TwoProcessesTakeSlotOneInTurnThroughTheTable) {
#ifdef _WIN32
  GTEST_SKIP() << "child processes are started on POSIX only";
#endif
  setSlot(1, false, "");
  root.reset();
  EXPECT_EQ(test::contendTwice(dir.str(), "127.0.0.1", ""), 2 * test::kChildRounds);
}

#ifdef ORVLOCKD_PATH
TEST_F(TableLocks, TwoProcessesTakeSlotOneInTurnThroughOrvlockd) {
#ifdef _WIN32
  GTEST_SKIP() << "child processes are started on POSIX only";
#endif
  test::BackgroundProcess lockd({ORVLOCKD_PATH, "--address", "127.0.0.1", "--port", "0"});
  const std::string line = lockd.readLine();
  const std::string prefix = "orvlockd dinliyor: 127.0.0.1:";
  ASSERT_EQ(line.rfind(prefix, 0), 0u) << line;
  const std::string port = line.substr(prefix.size());
  root.reset();
  EXPECT_EQ(test::contendTwice(dir.str(), "localhost", port), 2 * test::kChildRounds);
  auto check = db::Database::open(dir.str());
  ASSERT_TRUE(check.isOk());
  auto held = check.value()->prepare("SELECT COUNT(*) FROM LOCK WHERE DURUM <> 0");
  held.step();
  EXPECT_EQ(held.getInt(0), 0) << "the server path leaves the table alone";
}
#endif
