// The operating-system side of raw printing; one implementation per platform
// (platform_posix.cpp, platform_win.cpp).
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/result.h"

namespace orv {

// A started document: bytes go in, finish() hands it over, abort() discards it.
class RawOutput {
 public:
  virtual ~RawOutput() = default;
  virtual Status write(std::string_view bytes) = 0;
  virtual Status finish() = 0;
  virtual void abort() = 0;
};

// A file written as it is (replaced when it exists).
Result<std::unique_ptr<RawOutput>> openFileOutput(const std::string& path);

// A raw document on a print queue (empty name: the default queue). On POSIX the bytes go to
// the standard input of `command`, by default "lp -d QUEUE -o raw -t DOCUMENT"; Windows uses
// the spooler's RAW data type and ignores the command.
Result<std::unique_ptr<RawOutput>> openPrinterOutput(const std::string& printer,
                                                     const std::string& document,
                                                     const std::vector<std::string>& command);

}  // namespace orv
