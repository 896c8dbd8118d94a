// orvlockd: the lock server of the record locks. Usage:
//   orvlockd [--address ADDRESS] [--port PORT]
// ADDRESS defaults to 127.0.0.1, PORT (a number or a service name) to telnet; port 0 takes any
// free port. The line "orvlockd dinliyor: ADDRESS:PORT" on stdout tells where it listens.
#include <atomic>
#include <csignal>
#include <iostream>
#include <string>

#include "lockd/lock_server.h"

namespace {

std::atomic<bool> stopRequested{false};

extern "C" void onStopSignal(int) { stopRequested.store(true); }

int usage() {
  std::cerr << "Kullanım: orvlockd [--address ADRES] [--port PORT]\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string address = "127.0.0.1";
  std::string port = "telnet";
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if ((arg == "--address" || arg == "--port") && i + 1 < argc)
      (arg == "--address" ? address : port) = argv[++i];
    else
      return usage();
  }
  auto server = orv::lockd::LockServer::listen(address, port);
  if (!server) {
    std::cerr << server.message() << "\n";
    return 1;
  }
  std::signal(SIGINT, onStopSignal);
  std::signal(SIGTERM, onStopSignal);
  std::cout << "orvlockd dinliyor: " << address << ":" << server.value()->port() << std::endl;
  server.value()->serve(stopRequested);
  return 0;
}
