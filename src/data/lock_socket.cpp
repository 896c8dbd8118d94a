// Socket calls of the record locks: POSIX sockets, and Windows sockets under _WIN32.
#include "data/lock_socket.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
using NativeSocket = SOCKET;
using PollFd = WSAPOLLFD;
#else
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
using NativeSocket = int;
using PollFd = pollfd;
#endif

namespace orv::net {
namespace {

#ifdef _WIN32
struct WinsockStart {
  WinsockStart() { WSADATA data; WSAStartup(MAKEWORD(2, 2), &data); }
};
void startSockets() { static WinsockStart started; }
void closeNative(NativeSocket s) { closesocket(s); }
bool setBlocking(NativeSocket s, bool blocking) {
  u_long nonBlocking = blocking ? 0 : 1;
  return ioctlsocket(s, FIONBIO, &nonBlocking) == 0;
}
int pollSockets(PollFd* fds, size_t count, int ms) { return WSAPoll(fds, static_cast<ULONG>(count), ms); }
bool connectPending() { return WSAGetLastError() == WSAEWOULDBLOCK; }
constexpr int kSendFlags = 0;
bool isValid(NativeSocket s) { return s != INVALID_SOCKET; }
#else
void startSockets() {}
void closeNative(NativeSocket s) { ::close(s); }
bool setBlocking(NativeSocket s, bool blocking) {
  const int flags = fcntl(s, F_GETFL, 0);
  if (flags < 0) return false;
  return fcntl(s, F_SETFL, blocking ? (flags & ~O_NONBLOCK) : (flags | O_NONBLOCK)) == 0;
}
int pollSockets(PollFd* fds, size_t count, int ms) { return ::poll(fds, count, ms); }
bool connectPending() { return errno == EINPROGRESS; }
constexpr int kSendFlags = MSG_NOSIGNAL;
bool isValid(NativeSocket s) { return s >= 0; }
#endif

NativeSocket native(SocketHandle h) { return static_cast<NativeSocket>(h); }

int toMs(std::chrono::milliseconds d) {
  return static_cast<int>(std::clamp<long long>(d.count(), 0, 24LL * 3600 * 1000));
}

std::string lowerAscii(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// Addresses of HOST:PORT; nullptr when they cannot be resolved.
addrinfo* resolve(const std::string& host, const std::string& port, bool passive) {
  startSockets();
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_flags = passive ? AI_PASSIVE : 0;
  addrinfo* list = nullptr;
  // "Telnet" (the default port) by number: a machine without a services file knows no names.
  std::string service = lowerAscii(port.empty() ? "telnet" : port);
  if (service == "telnet") service = "23";
  if (getaddrinfo(host.empty() ? nullptr : host.c_str(), service.c_str(), &hints, &list) != 0)
    return nullptr;
  return list;
}

// Waits until the pending connect of S ends, in steps that let WAITING run; false on time-out.
bool waitConnected(NativeSocket s, std::chrono::milliseconds timeout,
                   const std::function<void()>& waiting) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    PollFd fd{};
    fd.fd = s;
    fd.events = POLLOUT;
    const int ready = pollSockets(&fd, 1, toMs(std::min(left, std::chrono::milliseconds(100))));
    if (ready != 0) return ready == 1;
    if (waiting) waiting();
  }
}

// A connected socket to one address within the time, or an invalid one.
NativeSocket connectOne(const addrinfo* a, std::chrono::milliseconds timeout,
                        const std::function<void()>& waiting) {
  NativeSocket s = ::socket(a->ai_family, a->ai_socktype, a->ai_protocol);
  if (!isValid(s)) return s;
  setBlocking(s, false);
  if (::connect(s, a->ai_addr, static_cast<int>(a->ai_addrlen)) != 0 && !connectPending()) {
    closeNative(s);
    return static_cast<NativeSocket>(kNoSocket);
  }
  int error = 0;
  socklen_t length = sizeof error;
  if (!waitConnected(s, timeout, waiting) ||
      getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length) != 0 || error != 0) {
    closeNative(s);
    return static_cast<NativeSocket>(kNoSocket);
  }
  setBlocking(s, true);
  int one = 1;
  setsockopt(s, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&one), sizeof one);
  return s;
}

}  // namespace

TcpSocket& TcpSocket::operator=(TcpSocket&& other) noexcept {
  if (this != &other) {
    close();
    handle_ = other.handle_;
    other.handle_ = kNoSocket;
  }
  return *this;
}

Result<TcpSocket> TcpSocket::connect(const std::string& host, const std::string& port,
                                     std::chrono::milliseconds timeout,
                                     const std::function<void()>& waiting) {
  addrinfo* list = resolve(host, port, false);
  if (!list) return Result<TcpSocket>::error("Ana makina adresi çözülemedi: " + host + ":" + port);
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  NativeSocket s = static_cast<NativeSocket>(kNoSocket);
  for (const addrinfo* a = list; a && !isValid(s); a = a->ai_next) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) break;
    s = connectOne(a, left, waiting);
  }
  freeaddrinfo(list);
  if (!isValid(s)) return Result<TcpSocket>::error("Ana makinaya bağlanılamadı: " + host + ":" + port);
  return TcpSocket(static_cast<SocketHandle>(s));
}

bool TcpSocket::sendAll(std::string_view data) {
  while (isOpen() && !data.empty()) {
    const auto sent = ::send(native(handle_), data.data(), static_cast<int>(data.size()), kSendFlags);
    if (sent <= 0) return false;
    data.remove_prefix(static_cast<size_t>(sent));
  }
  return isOpen();
}

TcpSocket::Read TcpSocket::receive(std::string& appendTo, std::chrono::milliseconds timeout,
                                   size_t max) {
  if (!isOpen()) return Read::Closed;
  PollFd fd{};
  fd.fd = native(handle_);
  fd.events = POLLIN;
  const int ready = pollSockets(&fd, 1, toMs(timeout));
  if (ready == 0) return Read::Timeout;
  if (ready < 0) return Read::Closed;
  char buffer[1024];
  const auto got = ::recv(native(handle_), buffer, static_cast<int>(std::min(max, sizeof buffer)), 0);
  if (got <= 0) return Read::Closed;
  appendTo.append(buffer, static_cast<size_t>(got));
  return Read::Data;
}

void TcpSocket::close() {
  if (isOpen()) closeNative(native(handle_));
  handle_ = kNoSocket;
}

TcpListener& TcpListener::operator=(TcpListener&& other) noexcept {
  if (this != &other) {
    if (handle_ != kNoSocket) closeNative(native(handle_));
    handle_ = other.handle_;
    port_ = other.port_;
    other.handle_ = kNoSocket;
  }
  return *this;
}

TcpListener::~TcpListener() {
  if (handle_ != kNoSocket) closeNative(native(handle_));
}

Result<TcpListener> TcpListener::listen(const std::string& address, const std::string& port) {
  addrinfo* list = resolve(address, port, true);
  if (!list) return Result<TcpListener>::error("Adres çözülemedi: " + address + ":" + port);
  NativeSocket s = ::socket(list->ai_family, list->ai_socktype, list->ai_protocol);
  int one = 1;
  if (isValid(s)) setsockopt(s, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&one), sizeof one);
  const bool bound = isValid(s) && ::bind(s, list->ai_addr, static_cast<int>(list->ai_addrlen)) == 0 &&
                     ::listen(s, 16) == 0;
  freeaddrinfo(list);
  if (!bound) {
    if (isValid(s)) closeNative(s);
    return Result<TcpListener>::error("Dinlenemiyor: " + address + ":" + port);
  }
  sockaddr_storage local{};
  socklen_t length = sizeof local;
  getsockname(s, reinterpret_cast<sockaddr*>(&local), &length);
  TcpListener listener;
  listener.handle_ = static_cast<SocketHandle>(s);
  listener.port_ = ntohs(local.ss_family == AF_INET6
                             ? reinterpret_cast<sockaddr_in6*>(&local)->sin6_port
                             : reinterpret_cast<sockaddr_in*>(&local)->sin_port);
  return listener;
}

TcpSocket TcpListener::accept() {
  NativeSocket s = ::accept(native(handle_), nullptr, nullptr);
  if (!isValid(s)) return TcpSocket();
  int one = 1;
  setsockopt(s, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&one), sizeof one);
  return TcpSocket(static_cast<SocketHandle>(s));
}

std::vector<SocketHandle> waitReadable(const std::vector<SocketHandle>& handles,
                                       std::chrono::milliseconds timeout) {
  std::vector<PollFd> fds(handles.size());
  for (size_t i = 0; i < handles.size(); ++i) {
    fds[i].fd = native(handles[i]);
    fds[i].events = POLLIN;
  }
  std::vector<SocketHandle> ready;
  if (pollSockets(fds.data(), fds.size(), toMs(timeout)) <= 0) return ready;
  for (size_t i = 0; i < fds.size(); ++i)
    if (fds[i].revents != 0) ready.push_back(handles[i]);
  return ready;
}

}  // namespace orv::net
