// POSIX side of the workstation identity and of raw printing through "lp -o raw".
#ifndef _WIN32

#include <arpa/inet.h>
#include <fcntl.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netdb.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#ifdef __linux__
#include <linux/if_packet.h>
#else
#include <net/if_dl.h>
#endif

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>

#include "common/platform.h"
#include "common/turkish.h"
#include "common/workstation.h"

extern char** environ;

namespace orv {

std::string workstationIpAddress() {
  char host[256] = {};
  if (gethostname(host, sizeof host - 1) != 0) return "127.0.0.1";
  addrinfo hints{};
  hints.ai_family = AF_INET;
  addrinfo* found = nullptr;
  if (getaddrinfo(host, nullptr, &hints, &found) != 0 || !found) return "127.0.0.1";
  char text[INET_ADDRSTRLEN] = {};
  const auto* address = reinterpret_cast<const sockaddr_in*>(found->ai_addr);
  const bool ok = inet_ntop(AF_INET, &address->sin_addr, text, sizeof text) != nullptr;
  freeaddrinfo(found);
  return ok ? text : "127.0.0.1";
}

std::string workstationMacAddress() {
  ifaddrs* list = nullptr;
  if (getifaddrs(&list) != 0) return "??:??:??:??:??:??";
  std::map<std::string, std::string> byName;   // ordered by interface name
  for (const ifaddrs* i = list; i; i = i->ifa_next) {
    if (!i->ifa_addr || (i->ifa_flags & IFF_LOOPBACK)) continue;
    const unsigned char* bytes = nullptr;
#ifdef __linux__
    if (i->ifa_addr->sa_family != AF_PACKET) continue;
    const auto* link = reinterpret_cast<const sockaddr_ll*>(i->ifa_addr);
    if (link->sll_halen != 6) continue;
    bytes = link->sll_addr;
#else
    if (i->ifa_addr->sa_family != AF_LINK) continue;
    const auto* link = reinterpret_cast<const sockaddr_dl*>(i->ifa_addr);
    if (link->sdl_alen != 6) continue;
    bytes = reinterpret_cast<const unsigned char*>(LLADDR(link));
#endif
    bool allZero = true;
    for (int k = 0; k < 6; ++k) allZero = allZero && bytes[k] == 0;
    if (allZero) continue;
    char text[18];
    std::snprintf(text, sizeof text, "%2.2x:%2.2x:%2.2x:%2.2x:%2.2x:%2.2x", bytes[0], bytes[1],
                  bytes[2], bytes[3], bytes[4], bytes[5]);
    byName.emplace(i->ifa_name, text);
  }
  freeifaddrs(list);
  return byName.empty() ? "??:??:??:??:??:??" : byName.begin()->second;
}

namespace {

// The print command as a child process reading the document from a pipe.
class SpoolProcess : public RawOutput {
 public:
  SpoolProcess(pid_t pid, int input, int errors, std::string name)
      : pid_(pid), input_(input), errors_(errors), name_(std::move(name)) {}
  ~SpoolProcess() override { abort(); }

  Status write(std::string_view bytes) override {
    // A closed pipe must give an error, not the signal that ends the process.
    sigset_t pipeSignal, previous;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, &previous);
    bool ok = true;
    for (size_t done = 0; done < bytes.size();) {
      const ssize_t n = ::write(input_, bytes.data() + done, bytes.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) { ok = false; break; }
      done += static_cast<size_t>(n);
    }
    if (!ok) {
      const timespec noWait{};
      sigtimedwait(&pipeSignal, nullptr, &noWait);   // drop the pending SIGPIPE
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    return ok ? Status::ok() : Status::error(name_ + " yazdırma komutu veriyi kabul etmedi.");
  }

  Status finish() override {
    closeFd(input_);
    const int status = wait();
    const std::string said = trim(readErrors());
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return Status::ok();
    if (WIFEXITED(status) && WEXITSTATUS(status) == 127)   // the shell's "command not found"
      return Status::error("Yazdırma komutu çalıştırılamadı: " + name_);
    return Status::error(name_ + " yazdırma komutu işi kabul etmedi" + (said.empty() ? "." : ": " + said));
  }

  void abort() override {
    if (pid_ > 0) kill(pid_, SIGTERM);   // before the end of input, so nothing is submitted
    closeFd(input_);
    wait();
    closeFd(errors_);
  }

 private:
  static void closeFd(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
  }
  int wait() {
    int status = -1;
    if (pid_ > 0) {
      while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {}
      pid_ = -1;
    }
    return status;
  }
  std::string readErrors() {
    std::string text;
    char buf[512];
    for (ssize_t n; errors_ >= 0 && (n = ::read(errors_, buf, sizeof buf)) != 0;) {
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) break;
      text.append(buf, static_cast<size_t>(n));
    }
    closeFd(errors_);
    return text;
  }

  pid_t pid_;
  int input_, errors_;
  std::string name_;
};

std::vector<std::string> defaultCommand(const std::string& printer, const std::string& document) {
  std::vector<std::string> command{"lp"};
  if (!printer.empty()) command.insert(command.end(), {"-d", printer});
  command.insert(command.end(), {"-o", "raw"});
  if (!document.empty()) command.insert(command.end(), {"-t", document});
  return command;
}

}  // namespace

Result<std::unique_ptr<RawOutput>> openPrinterOutput(const std::string& printer,
                                                     const std::string& document,
                                                     const std::vector<std::string>& given) {
  using R = Result<std::unique_ptr<RawOutput>>;
  const std::vector<std::string> command = given.empty() ? defaultCommand(printer, document) : given;
  int input[2], errors[2];
  if (pipe(input) != 0) return R::error("Yazdırma için kanal açılamadı.");
  if (pipe(errors) != 0) {
    ::close(input[0]);
    ::close(input[1]);
    return R::error("Yazdırma için kanal açılamadı.");
  }
  fcntl(input[1], F_SETFD, FD_CLOEXEC);
  fcntl(errors[0], F_SETFD, FD_CLOEXEC);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, input[0], 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, errors[1], 2);
  posix_spawn_file_actions_addclose(&actions, input[0]);
  posix_spawn_file_actions_addclose(&actions, errors[1]);
  std::vector<char*> argv;
  for (const std::string& a : command) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_t pid = -1;
  const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(input[0]);
  ::close(errors[1]);
  if (spawned != 0) {
    ::close(input[1]);
    ::close(errors[0]);
    return R::error("Yazdırma komutu çalıştırılamadı: " + command[0] + " (" + std::strerror(spawned) + ")");
  }
  return std::unique_ptr<RawOutput>(std::make_unique<SpoolProcess>(pid, input[1], errors[0], command[0]));
}

}  // namespace orv

#endif  // !_WIN32
