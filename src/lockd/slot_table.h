// The lock server's slots: keyed by company and slot number, each owned by the connection that
// took it. Every request line gets a reply line; a connection's slots are freed when it ends.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace orv::lockd {

using ConnectionId = std::uint64_t;

class SlotTable {
 public:
  // The reply to one request line (without its line end): "R:1" granted, "R:0" refused.
  // A take is granted when the slot is free or already held by this connection; a give-back
  // frees a slot held by this connection (or finds it free) and is refused for another's slot.
  // A line that is not a well-formed request is refused.
  std::string handleLine(ConnectionId connection, std::string_view line);
  void disconnect(ConnectionId connection);
  size_t heldCount() const { return holders_.size(); }

 private:
  using Key = std::pair<std::string, int>;  // company (trailing blanks dropped), slot
  std::map<Key, ConnectionId> holders_;
};

struct ParsedRequest {
  std::string company;
  int slot = 0;
  bool take = false;
};
// The parts of "LOCK_:003" + 3 digits + 8 characters + "=" + mode + "@" ...; false when malformed.
bool parseRequest(std::string_view line, ParsedRequest& out);

}  // namespace orv::lockd
