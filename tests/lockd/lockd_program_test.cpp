// orvlockd as a real process on a free loopback port.
#include <gtest/gtest.h>

#include <thread>

#include "data/lock_socket.h"
#include "fixtures/process.h"

using namespace orv;
using namespace std::chrono_literals;

#ifdef ORVLOCKD_PATH

namespace {

// orvlockd on 127.0.0.1 with a free port; port() is 0 when it did not start.
class RunningLockd {
 public:
  RunningLockd() : process_({ORVLOCKD_PATH, "--address", "127.0.0.1", "--port", "0"}) {
    const std::string line = process_.readLine();
    const std::string prefix = "orvlockd dinliyor: 127.0.0.1:";
    if (line.rfind(prefix, 0) == 0) port_ = std::stoi(line.substr(prefix.size()));
  }
  int port() const { return port_; }

 private:
  test::BackgroundProcess process_;
  int port_ = 0;
};

net::TcpSocket connectTo(int port) {
  auto s = net::TcpSocket::connect("127.0.0.1", std::to_string(port), 5s);
  EXPECT_TRUE(s.isOk()) << s.message();
  return s.isOk() ? std::move(s).value() : net::TcpSocket();
}

// Sends TEXT and reads until COUNT lines have come (or 10 s passed).
std::string exchange(net::TcpSocket& s, const std::string& text, int count = 1) {
  EXPECT_TRUE(s.sendAll(text));
  std::string got;
  for (int i = 0; i < 100; ++i) {
    if (std::count(got.begin(), got.end(), '\n') >= count) break;
    if (s.receive(got, 100ms) == net::TcpSocket::Read::Closed) break;
  }
  return got;
}

const std::string kTake = "LOCK_:003001FIRMA1  =1@10.0.0.5@Ali Veli\r\n";

}  // namespace

TEST(Orvlockd, AnswersEveryRequestLineInOrder) {
#ifdef _WIN32
  GTEST_SKIP();
#endif
  RunningLockd lockd;
  ASSERT_NE(lockd.port(), 0);
  auto a = connectTo(lockd.port());
  EXPECT_EQ(exchange(a, kTake + "NONSENSE\r\n" + "LOCK_:003001FIRMA1  =0@@\r\n", 3),
            "R:1\r\nR:0\r\nR:1\r\n");
  // a request split over two sends is one line
  EXPECT_TRUE(a.sendAll("LOCK_:003002FIR"));
  std::this_thread::sleep_for(20ms);
  EXPECT_EQ(exchange(a, "MA1  =1@@\r\n"), "R:1\r\n");
  // an over-long line without its end is dropped, the next request is still answered
  EXPECT_TRUE(a.sendAll(std::string(3000, 'x')));
  EXPECT_EQ(exchange(a, "\r\n" + kTake, 1).substr(0, 5), "R:0\r\n");
}

TEST(Orvlockd, FreesTheSlotsOfAConnectionThatEnds) {
#ifdef _WIN32
  GTEST_SKIP();
#endif
  RunningLockd lockd;
  ASSERT_NE(lockd.port(), 0);
  auto a = connectTo(lockd.port());
  auto b = connectTo(lockd.port());
  EXPECT_EQ(exchange(a, kTake), "R:1\r\n");
  EXPECT_EQ(exchange(b, kTake), "R:0\r\n");
  a.close();
  std::string reply;
  for (int i = 0; i < 100 && reply != "R:1\r\n"; ++i) {
    std::this_thread::sleep_for(20ms);
    reply = exchange(b, kTake);
  }
  EXPECT_EQ(reply, "R:1\r\n");
}

TEST(Orvlockd, RefusesABadCommandLine) {
#ifdef _WIN32
  GTEST_SKIP();
#endif
  const auto r = test::runProcess({ORVLOCKD_PATH, "--port"});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_NE(r.err.find("Kullanım"), std::string::npos);
}

#endif  // ORVLOCKD_PATH
