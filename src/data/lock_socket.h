// The TCP connections of the record locks: a client socket with time-limited connect and
// receive, a listening socket, and a wait for readable sockets. The operating system's
// socket calls live in lock_socket.cpp only (POSIX, and Windows sockets under _WIN32).
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/result.h"

namespace orv::net {

using SocketHandle = std::intptr_t;
inline constexpr SocketHandle kNoSocket = -1;

class TcpSocket {
 public:
  TcpSocket() = default;
  explicit TcpSocket(SocketHandle handle) : handle_(handle) {}
  TcpSocket(TcpSocket&& other) noexcept : handle_(other.handle_) { other.handle_ = kNoSocket; }
  TcpSocket& operator=(TcpSocket&& other) noexcept;
  TcpSocket(const TcpSocket&) = delete;
  TcpSocket& operator=(const TcpSocket&) = delete;
  ~TcpSocket() { close(); }

  // PORT is a number or a service name ("telnet"; compared without regard to case). Each
  // address of HOST is tried in turn until one answers or the time is up; WAITING (may be
  // empty) is called about every 100 ms while a connection is being made.
  static Result<TcpSocket> connect(const std::string& host, const std::string& port,
                                   std::chrono::milliseconds timeout,
                                   const std::function<void()>& waiting = {});

  bool isOpen() const { return handle_ != kNoSocket; }
  SocketHandle handle() const { return handle_; }
  bool sendAll(std::string_view data);

  enum class Read { Data, Timeout, Closed };
  // Appends what arrives within the time (at most MAX bytes); Closed on end or error.
  Read receive(std::string& appendTo, std::chrono::milliseconds timeout, size_t max = 1024);
  void close();

 private:
  SocketHandle handle_ = kNoSocket;
};

class TcpListener {
 public:
  TcpListener() = default;
  TcpListener(TcpListener&& other) noexcept : handle_(other.handle_), port_(other.port_) {
    other.handle_ = kNoSocket;
  }
  TcpListener& operator=(TcpListener&& other) noexcept;
  TcpListener(const TcpListener&) = delete;
  TcpListener& operator=(const TcpListener&) = delete;
  ~TcpListener();

  // Listens on ADDRESS (numeric or a host name) and PORT (number or service name; "0": any
  // free port, see port()).
  static Result<TcpListener> listen(const std::string& address, const std::string& port);
  SocketHandle handle() const { return handle_; }
  int port() const { return port_; }
  TcpSocket accept();  // a closed socket when no connection could be taken

 private:
  SocketHandle handle_ = kNoSocket;
  int port_ = 0;
};

// The handles among HANDLES that have data (or a connection, or an end) to read within the
// time; empty when none.
std::vector<SocketHandle> waitReadable(const std::vector<SocketHandle>& handles,
                                       std::chrono::milliseconds timeout);

}  // namespace orv::net
