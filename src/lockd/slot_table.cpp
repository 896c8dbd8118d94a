// Request parsing and slot ownership of the lock server.
#include "lockd/slot_table.h"

#include "common/turkish.h"

namespace orv::lockd {

bool parseRequest(std::string_view line, ParsedRequest& out) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  constexpr std::string_view prefix = "LOCK_:003";
  if (line.substr(0, prefix.size()) != prefix) return false;
  line.remove_prefix(prefix.size());
  if (line.size() < 3) return false;
  int slot = 0;
  for (char c : line.substr(0, 3)) {
    if (c < '0' || c > '9') return false;
    slot = slot * 10 + (c - '0');
  }
  line.remove_prefix(3);
  const std::string company = leftChars(line, 8);
  if (charLength(company) != 8) return false;
  line.remove_prefix(company.size());
  if (line.size() < 3 || line[0] != '=' || (line[1] != '0' && line[1] != '1') || line[2] != '@')
    return false;
  out.company = company.substr(0, company.find_last_not_of(' ') + 1);
  out.slot = slot;
  out.take = line[1] == '1';
  return true;
}

std::string SlotTable::handleLine(ConnectionId connection, std::string_view line) {
  ParsedRequest request;
  if (!parseRequest(line, request)) return "R:0";
  const Key key{request.company, request.slot};
  const auto held = holders_.find(key);
  if (request.take) {
    if (held != holders_.end() && held->second != connection) return "R:0";
    holders_[key] = connection;
    return "R:1";
  }
  if (held == holders_.end()) return "R:1";
  if (held->second != connection) return "R:0";
  holders_.erase(held);
  return "R:1";
}

void SlotTable::disconnect(ConnectionId connection) {
  for (auto it = holders_.begin(); it != holders_.end();)
    it = it->second == connection ? holders_.erase(it) : std::next(it);
}

}  // namespace orv::lockd
