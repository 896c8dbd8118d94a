// Workstation identity: the texts kept in the login table.
#include "common/workstation.h"

#include <gtest/gtest.h>

#include <regex>

namespace orv {
namespace {

TEST(Workstation, IpAddressIsDottedIPv4) {
  const std::string ip = workstationIpAddress();
  EXPECT_TRUE(std::regex_match(ip, std::regex(R"(\d{1,3}\.\d{1,3}\.\d{1,3}\.\d{1,3})"))) << ip;
}

TEST(Workstation, MacAddressIsLowerCaseHexOrTheUnknownText) {
  const std::string mac = workstationMacAddress();
  EXPECT_TRUE(mac == "??:??:??:??:??:??" ||
              std::regex_match(mac, std::regex("([0-9a-f]{2}:){5}[0-9a-f]{2}")))
      << mac;
  EXPECT_NE(mac, "00:00:00:00:00:00");
  EXPECT_EQ(workstationMacAddress(), mac);   // the same interface every time
}

}  // namespace
}  // namespace orv
