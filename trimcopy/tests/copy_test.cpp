// The trimming copy through its function: the acceptance table, the refusals that keep the
// source safe, errors of the files, and 64-bit counts.
#include "edge_cases.h"
#include "temp_folder.h"
#include "trim_copy.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <vector>

#ifdef __linux__
#include <unistd.h>
#endif

namespace trimcopy::testing {
namespace {

namespace fs = std::filesystem;

// Records every count the loop reports; the wanted size may change after a given block.
class RecordingProgress : public CopyProgress {
 public:
  explicit RecordingProgress(std::int64_t wanted) : wanted_(wanted) {}
  std::int64_t wantedSize() override { return wanted_; }
  void blockCopied(std::int64_t bytesCopied) override {
    counts.push_back(bytesCopied);
    bars.push_back(progressPercent(bytesCopied, wanted_));
    if (onBlock) onBlock(bytesCopied, wanted_);
  }
  std::vector<std::int64_t> counts;
  std::vector<int> bars;
  std::function<void(std::int64_t, std::int64_t&)> onBlock;

 private:
  std::int64_t wanted_;
};

class EdgeCaseTest : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(EdgeCaseTest, NewFileHoldsTheLeadingWholeBlocks) {
  const EdgeCase& c = GetParam();
  TempFolder dir;
  const std::string source = patternBytes(c.sourceSize);
  writeFile(dir / "source.bin", source);
  RecordingProgress progress(c.wantedSize);

  const CopyResult result = copyLeadingBlocks(dir / "source.bin", dir / "new.bin", progress);

  ASSERT_TRUE(result.ok()) << result.message;
  EXPECT_EQ(result.bytesCopied, c.expectedSize);
  EXPECT_EQ(readFile(dir / "new.bin"), source.substr(0, c.expectedSize));
  EXPECT_EQ(readFile(dir / "source.bin"), source);
  std::vector<std::int64_t> everyBlock;
  for (std::int64_t n = kBlockSize; n <= c.expectedSize; n += kBlockSize) everyBlock.push_back(n);
  EXPECT_EQ(progress.counts, everyBlock);
  EXPECT_EQ(progress.bars.empty() ? 0 : progress.bars.back(), c.expectedBar);
}

INSTANTIATE_TEST_SUITE_P(Table, EdgeCaseTest, ::testing::ValuesIn(kEdgeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CopyTest, ExistingNewFileIsReplaced) {
  TempFolder dir;
  writeFile(dir / "source.bin", patternBytes(4096));
  writeFile(dir / "new.bin", std::string(20000, 'x'));
  FixedSize progress(4096);
  ASSERT_TRUE(copyLeadingBlocks(dir / "source.bin", dir / "new.bin", progress).ok());
  EXPECT_EQ(readFile(dir / "new.bin"), patternBytes(4096));
}

TEST(CopyTest, WantedSizeIsReadAfreshAtEveryBlock) {
  TempFolder dir;
  writeFile(dir / "source.bin", patternBytes(10240));
  RecordingProgress progress(3000);   // never reached on its own
  progress.onBlock = [](std::int64_t count, std::int64_t& wanted) {
    if (count == 2048) wanted = 4096;
  };
  const CopyResult result = copyLeadingBlocks(dir / "source.bin", dir / "new.bin", progress);
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(fs::file_size(dir / "new.bin"), 4096u);
}

TEST(CopyTest, BarFigureRoundsToNearestAndStopsAtFull) {
  struct Row { std::int64_t count, wanted; int bar; };
  const Row rows[] = {
      {1024, 3000, 34}, {2048, 3000, 68}, {3072, 3000, 100}, {10240, 3000, 100},
      {1024, 40960, 2},   // 2.5: ties go to the even neighbour
      {3072, 40960, 8},   // 7.5
      {0, 4096, 0}, {1024, 0, 0}, {1024, -5, 0},
      {std::int64_t{1} << 32, std::int64_t{1} << 33, 50},
  };
  for (const Row& r : rows)
    EXPECT_EQ(progressPercent(r.count, r.wanted), r.bar) << r.count << " / " << r.wanted;
}

// --- refusals: the source is never touched -------------------------------------------------

class SameFileTest : public ::testing::TestWithParam<const char*> {};

TEST_P(SameFileTest, SourceItselfIsRefusedAndKept) {
  TempFolder dir;
  fs::create_directories(dir / "sub");
  const std::string source = patternBytes(10240);
  writeFile(dir / "source.bin", source);
  const std::string how = GetParam();
  fs::path newFile = dir / "source.bin";
  if (how == "dotted") newFile = dir / "sub" / ".." / "." / "source.bin";
  if (how == "relative") newFile = fs::relative(dir / "source.bin");
  if (how == "symlink" || how == "hardlink") {
    newFile = dir / "sub" / "link.bin";
    std::error_code ec;
    if (how == "symlink") fs::create_symlink(dir / "source.bin", newFile, ec);
    else fs::create_hard_link(dir / "source.bin", newFile, ec);
    if (ec) GTEST_SKIP() << "links cannot be made here: " << ec.message();
  }
  FixedSize progress(4096);
  const CopyResult result = copyLeadingBlocks(dir / "source.bin", newFile, progress);
  EXPECT_EQ(result.status, CopyStatus::SameFile);
  EXPECT_NE(result.message.find("işlem yapılacak dosyanın kendisi olamaz"), std::string::npos);
  EXPECT_EQ(readFile(dir / "source.bin"), source);
}

INSTANTIATE_TEST_SUITE_P(Ways, SameFileTest,
                         ::testing::Values("samePath", "dotted", "relative", "symlink",
                                           "hardlink"));

TEST(CopyTest, WantedSizeOfZeroOrLessIsRefused) {
  TempFolder dir;
  writeFile(dir / "source.bin", patternBytes(4096));
  for (std::int64_t wanted : {std::int64_t{0}, std::int64_t{-5}, std::int64_t{-1024}}) {
    FixedSize progress(wanted);
    const CopyResult result = copyLeadingBlocks(dir / "source.bin", dir / "new.bin", progress);
    EXPECT_EQ(result.status, CopyStatus::WantedSizeNotPositive) << wanted;
    EXPECT_EQ(result.message, "İstenilen dosya boyu sıfırdan büyük olmalıdır.");
    EXPECT_FALSE(fs::exists(dir / "new.bin"));
  }
}

TEST(CopyTest, MissingSourceAndEmptyNameAreReportedWithoutCreatingAFile) {
  TempFolder dir;
  FixedSize progress(4096);
  CopyResult result = copyLeadingBlocks(dir / "none.bin", dir / "new.bin", progress);
  EXPECT_EQ(result.status, CopyStatus::SourceMissing);
  EXPECT_NE(result.message.find("none.bin"), std::string::npos);
  EXPECT_FALSE(fs::exists(dir / "new.bin"));

  writeFile(dir / "source.bin", patternBytes(4096));
  result = copyLeadingBlocks(dir / "source.bin", fs::path(), progress);
  EXPECT_EQ(result.status, CopyStatus::NewFileNameEmpty);
  EXPECT_EQ(result.message, "Yeni dosya adı boş olamaz.");
}

TEST(CopyTest, NewFileThatCannotBeCreatedIsReported) {
  TempFolder dir;
  writeFile(dir / "source.bin", patternBytes(4096));
  FixedSize progress(4096);
  const CopyResult result =
      copyLeadingBlocks(dir / "source.bin", dir / "no-such-folder" / "new.bin", progress);
  EXPECT_EQ(result.status, CopyStatus::TargetOpenFailed);
  EXPECT_NE(result.message.find("Yeni dosya oluşturulamadı"), std::string::npos);
}

// A source the program may not write to still copies: it is opened for reading only. As the
// superuser permissions do not bind, so the file is also made immutable where that works.
TEST(CopyTest, WriteProtectedSourceCopies) {
  TempFolder dir;
  const fs::path source = dir / "source.bin";
  writeFile(source, patternBytes(4096));
  fs::permissions(source, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  bool immutable = false;
#ifdef __linux__
  if (geteuid() == 0)
    immutable = std::system(("chattr +i '" + source.string() + "' 2>/dev/null").c_str()) == 0;
#endif
  FixedSize progress(4096);
  const CopyResult result = copyLeadingBlocks(source, dir / "new.bin", progress);
  if (immutable) std::system(("chattr -i '" + source.string() + "'").c_str());
  ASSERT_TRUE(result.ok()) << result.message;
  EXPECT_EQ(readFile(dir / "new.bin"), patternBytes(4096));
}

#ifdef __linux__
TEST(CopyTest, WriteErrorIsReported) {
  TempFolder dir;
  writeFile(dir / "source.bin", patternBytes(65536));
  FixedSize progress(65536);
  const CopyResult result = copyLeadingBlocks(dir / "source.bin", "/dev/full", progress);
  EXPECT_EQ(result.status, CopyStatus::WriteFailed);
  EXPECT_EQ(result.message, "Yeni dosyaya yazılamadı: \"/dev/full\"");
}
#endif

// --- the block loop over fakes: errors mid-way and counts beyond 32 bits --------------------

class CountingSource : public BlockSource {
 public:
  CountingSource(std::int64_t blocks, std::int64_t failAtBlock = -1)
      : blocks_(blocks), failAt_(failAtBlock) {}
  ReadOutcome readBlock(char*) override {
    if (read_ == failAt_) return ReadOutcome::Error;
    if (read_ == blocks_) return ReadOutcome::End;
    ++read_;
    return ReadOutcome::FullBlock;
  }

 private:
  std::int64_t blocks_, failAt_, read_ = 0;
};

class CountingSink : public BlockSink {
 public:
  explicit CountingSink(std::int64_t failAtBlock = -1) : failAt_(failAtBlock) {}
  bool writeBlock(const char*) override {
    if (written == failAt_) return false;
    ++written;
    return true;
  }
  bool finish() override {
    finished = true;
    return true;
  }
  std::int64_t written = 0;
  bool finished = false;

 private:
  std::int64_t failAt_;
};

TEST(CopyBlocksTest, ErrorsEndTheCopyAndKeepTheBlocksWritten) {
  {
    CountingSource source(10, /*failAtBlock=*/3);
    CountingSink sink;
    FixedSize progress(10240);
    const CopyResult result = copyBlocks(source, sink, progress);
    EXPECT_EQ(result.status, CopyStatus::ReadFailed);
    EXPECT_EQ(result.bytesCopied, 3072);
    EXPECT_EQ(sink.written, 3);
    EXPECT_TRUE(sink.finished);
  }
  {
    CountingSource source(10);
    CountingSink sink(/*failAtBlock=*/2);
    FixedSize progress(10240);
    const CopyResult result = copyBlocks(source, sink, progress);
    EXPECT_EQ(result.status, CopyStatus::WriteFailed);
    EXPECT_EQ(result.bytesCopied, 2048);
    EXPECT_TRUE(sink.finished);
  }
}

TEST(CopyBlocksTest, CountsGoBeyondTwoGibibytes) {
  const std::int64_t twoGiB = std::int64_t{1} << 31;
  const std::int64_t wanted = twoGiB + 3 * kBlockSize;
  CountingSource source(wanted / kBlockSize + 100);
  CountingSink sink;
  RecordingProgress progress(wanted);
  const CopyResult result = copyBlocks(source, sink, progress);
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(result.bytesCopied, wanted);
  EXPECT_EQ(sink.written, wanted / kBlockSize);
  EXPECT_EQ(progress.bars.back(), 100);
}

}  // namespace
}  // namespace trimcopy::testing
