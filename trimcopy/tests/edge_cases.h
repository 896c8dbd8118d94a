// The acceptance table of the trimming copy, shared by the tests of the copy function, the
// command line and the window.
#pragma once

#include <cstdint>
#include <ostream>

namespace trimcopy::testing {

struct EdgeCase {
  const char* name;
  std::int64_t sourceSize;
  std::int64_t wantedSize;
  std::int64_t expectedSize;   // of the new file, which holds the source's leading bytes
  int expectedBar;             // the bar after the last block (0 when no block was copied)
};

inline constexpr EdgeCase kEdgeCases[] = {
    {"WantedMultipleOfBlock", 10240, 4096, 4096, 100},
    {"WantedNotMultipleCopiesAll", 10240, 3000, 10240, 100},
    {"ShortTailNotCopied", 2500, 8192, 2048, 25},
    {"EmptySource", 0, 4096, 0, 0},
    {"WantedLargerThanSource", 8192, 1000000, 8192, 1},
    {"WantedEqualsSource", 5120, 5120, 5120, 100},
};

inline void PrintTo(const EdgeCase& c, std::ostream* os) { *os << c.name; }

}  // namespace trimcopy::testing
