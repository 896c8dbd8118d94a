// Helpers of the record-lock tests: a clock that moves only when told, a prompter that
// records its questions, a fake lock server with a canned reply, and the child role that
// contends for slot 1 from another process.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/prompter.h"
#include "data/lock_socket.h"
#include "data/locks.h"

namespace orv::test {

class FakeLockClock : public locks::LockClock {
 public:
  explicit FakeLockClock(int startMsOfDay = 10 * 3600000) : startMs_(startMsOfDay) {}
  std::chrono::steady_clock::time_point now() override {
    elapsed_ += advancePerRead;
    return std::chrono::steady_clock::time_point() + elapsed_;
  }
  void sleep(std::chrono::milliseconds d) override { elapsed_ += d; }
  int millisecondsOfDay() override {
    return static_cast<int>((startMs_ + elapsed_.count()) % (24LL * 3600000));
  }
  int randomBetween(int low, int) override { return low + 1; }
  std::chrono::milliseconds elapsed() const { return elapsed_; }
  std::chrono::milliseconds advancePerRead{0};

 private:
  long long startMs_;
  std::chrono::milliseconds elapsed_{0};
};

class RecordingPrompter : public Prompter {
 public:
  explicit RecordingPrompter(Answer answer = Answer::Yes) : answer_(answer) {}
  void message(MessageKind, const std::string& text) override { messages.push_back(text); }
  Answer confirm(MessageKind, const std::string& text, bool) override {
    questions.push_back(text);
    return answer_;
  }
  std::vector<std::string> messages;
  std::vector<std::string> questions;

 private:
  Answer answer_;
};

// Accepts connections on 127.0.0.1, reads request lines and answers each with REPLY (sent as
// is); with closeAfterReply the connection is closed after the reply.
class FakeLockServer {
 public:
  explicit FakeLockServer(std::string reply, bool closeAfterReply = false)
      : reply_(std::move(reply)), closeAfterReply_(closeAfterReply) {
    auto listener = net::TcpListener::listen("127.0.0.1", "0");
    EXPECT_TRUE(listener.isOk()) << listener.message();
    listener_ = std::move(listener).value();
    thread_ = std::thread([this] { run(); });
  }
  ~FakeLockServer() {
    stop_ = true;
    thread_.join();
  }
  int port() const { return listener_.port(); }
  std::vector<std::string> lines() {
    std::lock_guard<std::mutex> guard(mutex_);
    return lines_;
  }
  int accepted() const { return accepted_; }

 private:
  void run() {
    std::vector<net::TcpSocket> clients;
    std::vector<std::string> buffers;
    for (int round = 0; round < 3000 && !stop_; ++round) {  // at most about 30 s
      std::vector<net::SocketHandle> handles{listener_.handle()};
      for (auto& c : clients)
        if (c.isOpen()) handles.push_back(c.handle());
      for (auto ready : net::waitReadable(handles, std::chrono::milliseconds(10))) {
        if (ready == listener_.handle()) {
          clients.push_back(listener_.accept());
          buffers.emplace_back();
          ++accepted_;
          continue;
        }
        for (size_t i = 0; i < clients.size(); ++i)
          if (clients[i].isOpen() && clients[i].handle() == ready) serve(clients[i], buffers[i]);
      }
    }
  }
  void serve(net::TcpSocket& client, std::string& buffer) {
    if (client.receive(buffer, std::chrono::milliseconds(0)) == net::TcpSocket::Read::Closed) {
      client.close();
      return;
    }
    for (size_t end; (end = buffer.find('\n')) != std::string::npos;) {
      {
        std::lock_guard<std::mutex> guard(mutex_);
        lines_.push_back(buffer.substr(0, end + 1));
      }
      buffer.erase(0, end + 1);
      if (!reply_.empty()) client.sendAll(reply_);
      if (closeAfterReply_) client.close();
    }
  }

  std::string reply_;
  bool closeAfterReply_;
  net::TcpListener listener_;
  std::thread thread_;
  std::atomic<bool> stop_{false};
  std::atomic<int> accepted_{0};
  std::mutex mutex_;
  std::vector<std::string> lines_;
};

// Environment of the child role (see runLockContender).
inline constexpr const char* kChildRootVar = "ORV_LOCK_CHILD_ROOT";
inline constexpr const char* kChildHostVar = "ORV_LOCK_CHILD_HOST";
inline constexpr const char* kChildPortVar = "ORV_LOCK_CHILD_PORT";
inline constexpr const char* kChildNameVar = "ORV_LOCK_CHILD_NAME";
inline constexpr int kChildRounds = 15;

// In a child process: takes slot 1 kChildRounds times through the root in kChildRootVar and
// the host in kChildHostVar, and each time increments the counter file beside the database
// with a pause between read and write; a marker file shows any overlap. Fails the child's
// test on overlap or time-out.
void runLockContender();

}  // namespace orv::test
