// The trimming copy: writes the leading whole 1024-byte blocks of a file into a new file,
// stopping when the count of copied bytes equals the wanted size. Plain C++, no Qt, so the
// window, the command line, the tests and the benchmark all run the same loop.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace trimcopy {

constexpr std::int64_t kBlockSize = 1024;

// What the loop asks its caller between blocks. The window reads the wanted size from its
// box afresh on every call and lets pending events run in blockCopied().
class CopyProgress {
 public:
  virtual ~CopyProgress() = default;
  virtual std::int64_t wantedSize() = 0;
  virtual void blockCopied(std::int64_t bytesCopied) = 0;
};

// A progress that always wants the same size and shows nothing (command line, benchmark).
class FixedSize : public CopyProgress {
 public:
  explicit FixedSize(std::int64_t wanted) : wanted_(wanted) {}
  std::int64_t wantedSize() override { return wanted_; }
  void blockCopied(std::int64_t) override {}

 private:
  std::int64_t wanted_;
};

enum class ReadOutcome { FullBlock, End, Error };   // End: fewer than 1024 bytes were left

class BlockSource {
 public:
  virtual ~BlockSource() = default;
  virtual ReadOutcome readBlock(char* block) = 0;   // block holds kBlockSize bytes
};

class BlockSink {
 public:
  virtual ~BlockSink() = default;
  virtual bool writeBlock(const char* block) = 0;
  virtual bool finish() = 0;                        // flush and close; false on error
};

enum class CopyStatus {
  Done,
  NewFileNameEmpty,
  WantedSizeNotPositive,
  SourceMissing,
  SameFile,
  SourceOpenFailed,
  TargetOpenFailed,
  ReadFailed,
  WriteFailed,
};

struct CopyResult {
  CopyStatus status = CopyStatus::Done;
  std::int64_t bytesCopied = 0;
  std::string message;                              // Turkish, UTF-8; empty when Done
  bool ok() const { return status == CopyStatus::Done; }
};

// The block loop over any source and sink. A short or empty tail ends the copy normally;
// the sink is finished in every case, so the blocks already written stay.
CopyResult copyBlocks(BlockSource& source, BlockSink& sink, CopyProgress& progress);

// The whole operation on files: checks the names and the wanted size, refuses the source
// itself as the new file, opens the source read-only, replaces the new file, copies.
CopyResult copyLeadingBlocks(const std::filesystem::path& source,
                             const std::filesystem::path& newFile, CopyProgress& progress);

// The bar's figure: count x 100 / wanted, rounded to nearest (ties to even, the platform's
// default), held within 0..100. A wanted size of 0 or less gives 0.
int progressPercent(std::int64_t bytesCopied, std::int64_t wantedSize);

// A UTF-8 file name as a path on every platform.
std::filesystem::path pathFromUtf8(const std::string& utf8);
std::string utf8FromPath(const std::filesystem::path& path);

}  // namespace trimcopy
