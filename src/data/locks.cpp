// Record locks: the lock server exchange, the LOCK table slots and the callers' retry pattern.
#include "data/locks.h"

#include <cstdio>
#include <ctime>
#include <mutex>
#include <algorithm>
#include <random>
#include <thread>

#include "common/turkish.h"

namespace orv::locks {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr size_t kReceiveBufferSize = 1024;
constexpr int kSecondsPerDay = 24 * 3600;

std::string blanked(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c == '@' || c == '\r' || c == '\n') c = ' ';
  return out;
}

std::string padOrCut(std::string_view text, size_t width) {
  std::string out = leftChars(text, width);
  out.append(width - std::min(width, charLength(out)), ' ');
  return out;
}

std::string timeText(int msOfDay) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d:%03d", msOfDay / 3600000, msOfDay / 60000 % 60,
                msOfDay / 1000 % 60, msOfDay % 1000);
  return text;
}

// Seconds of the day from "hh:nn:ss..."; a part that is no number counts as 0.
int secondsOfDay(const std::string& saat) {
  auto part = [&](size_t at) {
    if (saat.size() < at + 2) return 0;
    const char a = saat[at], b = saat[at + 1];
    return (a >= '0' && a <= '9' && b >= '0' && b <= '9') ? (a - '0') * 10 + (b - '0') : 0;
  };
  return part(0) * 3600 + part(3) * 60 + part(6);
}

class SystemClock : public LockClock {
 public:
  Clock::time_point now() override { return Clock::now(); }
  void sleep(milliseconds d) override { std::this_thread::sleep_for(d); }
  int millisecondsOfDay() override {
    const auto wall = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(wall);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &t);
#else
    localtime_r(&t, &local);
#endif
    const auto ms = std::chrono::duration_cast<milliseconds>(wall.time_since_epoch()).count() % 1000;
    return ((local.tm_hour * 60 + local.tm_min) * 60 + local.tm_sec) * 1000 + static_cast<int>(ms);
  }
  int randomBetween(int low, int high) override {
    std::lock_guard<std::mutex> guard(mutex_);
    return std::uniform_int_distribution<int>(low, high)(engine_);
  }

 private:
  std::mutex mutex_;
  std::mt19937 engine_{std::random_device{}()};
};

}  // namespace

std::string requestLine(const LockRequest& request) {
  char slot[8];
  std::snprintf(slot, sizeof slot, "%03d", std::clamp(request.slot, 0, 255));
  return std::string("LOCK_:003") + slot + padOrCut(blanked(request.company), 8) + "=" +
         (request.take ? "1" : "0") + "@" + blanked(request.address) + "@" +
         blanked(request.fullName) + "\r\n";
}

std::optional<char> replyDigit(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (line.size() < 3 || line.substr(0, 2) != "R:") return std::nullopt;
  return line[2];
}

LockClock& systemLockClock() {
  static SystemClock clock;
  return clock;
}

bool usesLockTable(const std::string& hostAddress) {
  const std::string address = trim(hostAddress);
  return address.empty() || address == "127.0.0.1";
}

LockSettings lockSettingsFor(const Session& session) {
  return {session.values.hostAddress, session.values.hostPort, session.company.name,
          session.user.address, session.user.fullName};
}

RecordLocks::RecordLocks(db::Database& root, LockSettings settings, Prompter& prompter,
                         LockClock& clock, LockOptions options)
    : root_(root), settings_(std::move(settings)), prompter_(prompter), clock_(clock), options_(options) {}

LockAnswer RecordLocks::lock(int slot, bool take) {
  if (usesServer()) {
    // Without a connection this workstation holds nothing on the server: the server freed
    // its slots when the connection ended.
    if (!take && !socket_.isOpen()) return LockAnswer::Granted;
    const LockRequest request{slot, take, settings_.company, settings_.address, settings_.fullName};
    return serverExchange(requestLine(request));
  }
  if (!take) {
    tableClear(slot);
    return LockAnswer::Granted;
  }
  return tableTake(slot, clock_.now() + options_.acquireTimeout);
}

Status RecordLocks::acquire(int slot) {
  const auto start = clock_.now();
  for (;;) {
    const LockAnswer answer = usesServer()
                                  ? lock(slot, true)
                                  : tableTake(slot, start + options_.acquireTimeout);
    if (answer == LockAnswer::Granted) return Status::ok();
    if (answer == LockAnswer::Abandoned) return Status::error(kAbandonedText);
    if (clock_.now() - start > options_.acquireTimeout) return Status::error(kTimeOutText);
    pause(options_.pauseStep * clock_.randomBetween(0, options_.maxPauseSteps));
  }
}

void RecordLocks::release(int slot) { lock(slot, false); }

void RecordLocks::pause(milliseconds duration) {
  while (duration.count() > 0) {
    const milliseconds step = std::min(duration, options_.pumpInterval);
    clock_.sleep(step);
    duration -= step;
    if (pump_) pump_();
  }
}

void RecordLocks::resetConnection() {
  socket_.close();
  received_.clear();
}

// Sends one request and waits for its reply line; anything but "R:1" is a refusal.
LockAnswer RecordLocks::serverExchange(const std::string& line) {
  const auto deadline = clock_.now() + options_.replyTimeout;
  if (!socket_.isOpen()) {
    auto connected = net::TcpSocket::connect(trim(settings_.hostAddress), trim(settings_.hostPort),
                                             options_.replyTimeout, pump_);
    if (!connected) return LockAnswer::Refused;
    socket_ = std::move(connected).value();
    received_.clear();
  }
  if (!socket_.sendAll(line)) {
    resetConnection();
    return LockAnswer::Refused;
  }
  while (clock_.now() < deadline) {
    const auto read = socket_.receive(received_, options_.pumpInterval,
                                      kReceiveBufferSize - 1 - received_.size());
    if (read == net::TcpSocket::Read::Closed) break;
    for (size_t end; (end = received_.find('\n')) != std::string::npos;) {
      const auto digit = replyDigit(std::string_view(received_).substr(0, end));
      received_.erase(0, end + 1);
      if (digit) return *digit == '1' ? LockAnswer::Granted : LockAnswer::Refused;
    }
    if (received_.size() >= kReceiveBufferSize - 1) received_.clear();  // no line end: discard
    if (pump_) pump_();
  }
  resetConnection();
  return LockAnswer::Refused;
}

// --- the LOCK table ------------------------------------------------------------------------

namespace {

enum class SlotWait { Free, GaveUp, Abandoned };

struct SlotRow {
  bool held = false;
  std::string saat;
};

// The slot's row; nullopt when there is none (a missing row is created when taken).
std::optional<SlotRow> readSlot(db::Database& root, int slot) {
  auto st = root.prepare("SELECT DURUM, SAAT FROM LOCK WHERE SIRA = ?1 LIMIT 1");
  st.bind(1, slot);
  if (!st.step()) return std::nullopt;
  return SlotRow{!st.isNull(0) && st.getInt(0) != 0, st.getText(1)};
}

// Clears a held slot unless someone changed it since it was read as SAAT.
void clearStale(db::Database& root, int slot, const std::string& saat) {
  try {
    root.prepare("UPDATE LOCK SET DURUM = 0, SAAT = NULL WHERE SIRA = ?1 AND DURUM <> 0 "
                 "AND IFNULL(SAAT, '') = IFNULL(?2, '')")
        .bind(1, slot).bind(2, saat).run();
  } catch (const db::DbError&) {
    // The take that follows decides; a failed clear only means waiting on.
  }
}

// A slot whose time is more than 20 s past or more than 50 s ahead is left by a workstation
// that ended without giving it back.
bool isStale(const std::string& saat, int nowMs) {
  const std::string trimmed = trim(saat);
  if (trimmed.empty()) return true;
  const int d = nowMs / 1000 - secondsOfDay(trimmed);
  return d < -50 || d > 20;
}

}  // namespace

LockAnswer RecordLocks::tableTake(int slot, Clock::time_point deadline) {
  auto askAt = clock_.now() + options_.askAfter;
  for (;;) {
    std::optional<SlotRow> row;
    bool readFailed = false;
    try {
      row = readSlot(root_, slot);
    } catch (const db::DbError&) {
      readFailed = true;
    }
    if (!readFailed && (!row || !row->held)) break;
    if (!readFailed && isStale(row->saat, clock_.millisecondsOfDay())) {
      clearStale(root_, slot, row->saat);
      break;
    }
    if (clock_.now() >= deadline) return LockAnswer::Refused;
    if (clock_.now() >= askAt) {
      if (prompter_.confirm(MessageKind::Confirmation, kSlotBusyQuestion) != Answer::Yes)
        return LockAnswer::Abandoned;
      askAt = clock_.now() + options_.askAfter;
    }
    pause(options_.pollInterval);
  }
  try {
    db::Transaction tx(root_);
    root_.prepare("INSERT INTO LOCK (SIRA, DURUM) SELECT ?1, 0 WHERE NOT EXISTS "
                  "(SELECT 1 FROM LOCK WHERE SIRA = ?1)")
        .bind(1, slot).run();
    root_.prepare("UPDATE LOCK SET DURUM = 1, SAAT = ?1 WHERE SIRA = ?2 AND (DURUM = 0 OR DURUM IS NULL)")
        .bind(1, timeText(clock_.millisecondsOfDay())).bind(2, slot).run();
    const bool taken = root_.changes() == 1;
    tx.commit();
    return taken ? LockAnswer::Granted : LockAnswer::Refused;
  } catch (const db::DbError&) {
    return LockAnswer::Refused;  // busy or failing database: not granted, the caller retries
  }
}

void RecordLocks::tableClear(int slot) {
  try {
    root_.prepare("UPDATE LOCK SET DURUM = 0, SAAT = NULL WHERE SIRA = ?1").bind(1, slot).run();
  } catch (const db::DbError&) {
    // Errors are ignored: a slot left held is cleared by the next waiter as stale.
  }
}

}  // namespace orv::locks
