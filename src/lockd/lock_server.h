// orvlockd's server loop: accepts connections on one address and port, reads request lines,
// answers every one, and frees a connection's slots when it ends. One thread, a wait on all
// sockets at once.
#pragma once

#include <atomic>
#include <chrono>
#include <map>
#include <memory>
#include <string>

#include "common/result.h"
#include "data/lock_socket.h"
#include "lockd/slot_table.h"

namespace orv::lockd {

class LockServer {
 public:
  // ADDRESS numeric or a host name; PORT a number or service name, "0" for any free port.
  static Result<std::unique_ptr<LockServer>> listen(const std::string& address,
                                                    const std::string& port);
  int port() const { return listener_.port(); }
  size_t connectionCount() const { return clients_.size(); }
  const SlotTable& slots() const { return slots_; }

  // Serves until STOP becomes true (looked at every 200 ms).
  void serve(const std::atomic<bool>& stop);
  // Waits up to TIMEOUT and handles whatever is ready.
  void serveOnce(std::chrono::milliseconds timeout);

 private:
  struct Client {
    ConnectionId id;
    net::TcpSocket socket;
    std::string buffer;
  };
  explicit LockServer(net::TcpListener listener) : listener_(std::move(listener)) {}
  void acceptClient();
  bool readClient(Client& client);  // false when the connection ended

  net::TcpListener listener_;
  std::map<net::SocketHandle, Client> clients_;
  SlotTable slots_;
  ConnectionId nextId_ = 1;
};

}  // namespace orv::lockd
