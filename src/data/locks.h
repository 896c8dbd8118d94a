// Record locks between workstations: numbered slots taken through the lock server (orvlockd)
// over TCP, or, when no host machine is configured, through the LOCK table of the root data
// folder. Slot 1 guards saving an asset card and writing a voucher, slot 2 creating an account.
//
// Locks fail closed: an unreachable server, a dropped connection, no reply in time or any reply
// but "R:1" means the slot was not granted. One request is outstanding at a time; after a
// failed exchange the connection is reset.
//
// Errors of acquire(): "Time-out" when the slot was not granted within the waiting time, and
// kAbandonedText when the user answered "No" to the waiting question of the table path.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/prompter.h"
#include "app/session.h"
#include "common/result.h"
#include "data/database.h"
#include "data/lock_socket.h"

namespace orv::locks {

inline constexpr int kAssetSlot = 1;     // asset card save, voucher writing
inline constexpr int kAccountSlot = 2;   // new account

inline constexpr const char* kTimeOutText = "Time-out";
inline constexpr const char* kAbandonedText = "Kayıt işlemi iptal edildi.";
inline constexpr const char* kSlotBusyQuestion =
    "Kayıt işleminde dosya başka kullanıcı tarafından kullanılıyor...\r İşleme devam edeyim mi?";

// One request line to the lock server, with CR LF: "LOCK_:003" + slot as three digits +
// company (8 characters, blank-padded or cut) + "=" + mode + "@" + address + "@" + full name.
// "@", CR and LF inside the texts are sent as blanks.
struct LockRequest {
  int slot = kAssetSlot;
  bool take = true;
  std::string company;
  std::string address;
  std::string fullName;
};
std::string requestLine(const LockRequest& request);
// The digit of a reply line "R:d" (CR at the end ignored); nullopt for any other line.
std::optional<char> replyDigit(std::string_view line);

// Time for the waits; tests replace it.
class LockClock {
 public:
  virtual ~LockClock() = default;
  virtual std::chrono::steady_clock::time_point now() = 0;
  virtual void sleep(std::chrono::milliseconds duration) = 0;
  virtual int millisecondsOfDay() = 0;          // local time of day
  virtual int randomBetween(int low, int high) = 0;  // inclusive
};
LockClock& systemLockClock();

struct LockOptions {
  std::chrono::milliseconds acquireTimeout{30000};  // caller pattern: give up after this
  std::chrono::milliseconds replyTimeout{30000};    // server reply
  std::chrono::milliseconds pauseStep{500};         // pauses between tries: 0..5 steps
  int maxPauseSteps = 5;
  std::chrono::milliseconds pollInterval{250};      // table path: re-read of a held slot
  std::chrono::milliseconds askAfter{10000};        // table path: the waiting question
  std::chrono::milliseconds pumpInterval{100};      // longest pause without a pump call
};

struct LockSettings {
  std::string hostAddress;   // "Ana Makina IP Adresi"; blank or "127.0.0.1": the LOCK table
  std::string hostPort;      // "Ana Makina Port Adresi"; number or service name, "Telnet"
  std::string company;       // active company name
  std::string address;       // IP of the user's users row
  std::string fullName;      // user's full name
};
LockSettings lockSettingsFor(const Session& session);
bool usesLockTable(const std::string& hostAddress);

enum class LockAnswer { Granted, Refused, Abandoned };

class RecordLocks {
 public:
  RecordLocks(db::Database& root, LockSettings settings, Prompter& prompter,
              LockClock& clock = systemLockClock(), LockOptions options = {});
  RecordLocks(const RecordLocks&) = delete;
  RecordLocks& operator=(const RecordLocks&) = delete;

  // Called while waiting, at least every pumpInterval: the screen lets its paint and socket
  // events run there but takes no user input, so nothing re-enters.
  void setPump(std::function<void()> pump) { pump_ = std::move(pump); }
  void setCompany(const std::string& company) { settings_.company = company; }
  bool usesServer() const { return !usesLockTable(settings_.hostAddress); }

  // One try of the lock operation: take (true) or give back (false) the slot.
  LockAnswer lock(int slot, bool take);
  // The callers' pattern: tries with random pauses until granted or the waiting time is over.
  Status acquire(int slot);
  void release(int slot);

 private:
  LockAnswer serverExchange(const std::string& line);
  LockAnswer tableTake(int slot, std::chrono::steady_clock::time_point deadline);
  void tableClear(int slot);
  void pause(std::chrono::milliseconds duration);
  void resetConnection();

  db::Database& root_;
  LockSettings settings_;
  Prompter& prompter_;
  LockClock& clock_;
  LockOptions options_;
  std::function<void()> pump_;
  net::TcpSocket socket_;
  std::string received_;
};

// Takes a slot for the lifetime of the guard; check status() before the guarded work.
class SlotGuard {
 public:
  SlotGuard(RecordLocks& locks, int slot) : locks_(locks), slot_(slot), status_(locks.acquire(slot)) {}
  ~SlotGuard() {
    if (status_) locks_.release(slot_);
  }
  SlotGuard(const SlotGuard&) = delete;
  SlotGuard& operator=(const SlotGuard&) = delete;
  const Status& status() const { return status_; }

 private:
  RecordLocks& locks_;
  int slot_;
  Status status_;
};

}  // namespace orv::locks
