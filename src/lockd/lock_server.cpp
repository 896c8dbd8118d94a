// The server loop of orvlockd.
#include "lockd/lock_server.h"

#include <vector>

namespace orv::lockd {
namespace {

constexpr size_t kLineLimit = 1024;  // a longer line without its end is discarded

}  // namespace

Result<std::unique_ptr<LockServer>> LockServer::listen(const std::string& address,
                                                       const std::string& port) {
  auto listener = net::TcpListener::listen(address, port);
  if (!listener) return Result<std::unique_ptr<LockServer>>(listener.status());
  return std::unique_ptr<LockServer>(new LockServer(std::move(listener).value()));
}

void LockServer::serve(const std::atomic<bool>& stop) {
  while (!stop.load()) serveOnce(std::chrono::milliseconds(200));
}

void LockServer::serveOnce(std::chrono::milliseconds timeout) {
  std::vector<net::SocketHandle> handles{listener_.handle()};
  for (const auto& [handle, client] : clients_) handles.push_back(handle);
  for (net::SocketHandle ready : net::waitReadable(handles, timeout)) {
    if (ready == listener_.handle()) {
      acceptClient();
      continue;
    }
    auto it = clients_.find(ready);
    if (it != clients_.end() && !readClient(it->second)) {
      slots_.disconnect(it->second.id);
      clients_.erase(it);
    }
  }
}

void LockServer::acceptClient() {
  net::TcpSocket socket = listener_.accept();
  if (!socket.isOpen()) return;
  const net::SocketHandle handle = socket.handle();
  clients_.emplace(handle, Client{nextId_++, std::move(socket), {}});
}

bool LockServer::readClient(Client& client) {
  if (client.socket.receive(client.buffer, std::chrono::milliseconds(0),
                            kLineLimit - client.buffer.size()) == net::TcpSocket::Read::Closed)
    return false;
  std::string replies;
  for (size_t end; (end = client.buffer.find('\n')) != std::string::npos;) {
    std::string line = client.buffer.substr(0, end);
    client.buffer.erase(0, end + 1);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) replies += slots_.handleLine(client.id, line) + "\r\n";
  }
  if (client.buffer.size() >= kLineLimit) client.buffer.clear();
  return replies.empty() || client.socket.sendAll(replies);
}

}  // namespace orv::lockd
