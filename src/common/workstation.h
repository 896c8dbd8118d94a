// Identity of the workstation, kept in the login table of the root folder.
#pragma once

#include <string>

namespace orv {

// First IPv4 address of the host name in dotted form; "127.0.0.1" when the name does not
// resolve; empty when the socket layer cannot start.
std::string workstationIpAddress();

// Address of the first non-loopback network interface (interfaces ordered by name) as
// "xx:xx:xx:xx:xx:xx" in lower case; "??:??:??:??:??:??" when none can be read.
std::string workstationMacAddress();

}  // namespace orv
