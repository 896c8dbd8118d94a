#include "trim_copy.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <memory>
#include <system_error>

namespace trimcopy {

namespace fs = std::filesystem;

namespace {

class FileSource : public BlockSource {
 public:
  explicit FileSource(const fs::path& path) : in_(path, std::ios::binary) {}
  bool isOpen() const { return in_.is_open(); }

  ReadOutcome readBlock(char* block) override {
    in_.read(block, kBlockSize);
    if (in_.gcount() == kBlockSize) return ReadOutcome::FullBlock;
    return in_.bad() ? ReadOutcome::Error : ReadOutcome::End;
  }

 private:
  std::ifstream in_;   // an input stream only: a write-protected source copies too
};

class FileSink : public BlockSink {
 public:
  explicit FileSink(const fs::path& path)
      : out_(path, std::ios::binary | std::ios::out | std::ios::trunc) {}
  bool isOpen() const { return out_.is_open(); }

  bool writeBlock(const char* block) override {
    out_.write(block, kBlockSize);
    return out_.good();
  }
  bool finish() override {
    out_.flush();
    const bool flushed = out_.good();
    out_.close();
    return flushed && !out_.fail();
  }

 private:
  std::ofstream out_;
};

std::string quoted(const fs::path& path) {
  std::string text(1, '"');
  text += utf8FromPath(path);
  text += '"';
  return text;
}

CopyResult failure(CopyStatus status, std::string message, std::int64_t copied = 0) {
  return CopyResult{status, copied, std::move(message)};
}

// True when both names lead to one file: the same path, another spelling of it, a symbolic
// or a hard link. Opening the new file would empty the source.
bool sameFile(const fs::path& source, const fs::path& newFile) {
  std::error_code ec;
  return fs::equivalent(source, newFile, ec) && !ec;
}

}  // namespace

CopyResult copyBlocks(BlockSource& source, BlockSink& sink, CopyProgress& progress) {
  std::unique_ptr<char[]> block(new char[kBlockSize]);
  CopyResult result;
  for (;;) {
    const ReadOutcome read = source.readBlock(block.get());
    if (read == ReadOutcome::End) break;
    if (read == ReadOutcome::Error) {
      result.status = CopyStatus::ReadFailed;
      break;
    }
    if (!sink.writeBlock(block.get())) {
      result.status = CopyStatus::WriteFailed;
      break;
    }
    result.bytesCopied += kBlockSize;
    progress.blockCopied(result.bytesCopied);
    if (result.bytesCopied == progress.wantedSize()) break;
  }
  if (!sink.finish() && result.ok()) result.status = CopyStatus::WriteFailed;
  return result;
}

CopyResult copyLeadingBlocks(const fs::path& source, const fs::path& newFile,
                             CopyProgress& progress) {
  if (newFile.empty())
    return failure(CopyStatus::NewFileNameEmpty, "Yeni dosya adı boş olamaz.");
  if (progress.wantedSize() <= 0)
    return failure(CopyStatus::WantedSizeNotPositive,
                   "İstenilen dosya boyu sıfırdan büyük olmalıdır.");
  std::error_code ec;
  if (source.empty() || !fs::exists(source, ec))
    return failure(CopyStatus::SourceMissing, "İşlem yapılacak dosya bulunamadı: " + quoted(source));
  if (sameFile(source, newFile))
    return failure(CopyStatus::SameFile,
                   "Yeni dosya, işlem yapılacak dosyanın kendisi olamaz: " + quoted(newFile));
  if (fs::is_directory(source, ec))
    return failure(CopyStatus::SourceOpenFailed, "İşlem yapılacak dosya açılamadı: " + quoted(source));

  FileSource in(source);
  if (!in.isOpen())
    return failure(CopyStatus::SourceOpenFailed, "İşlem yapılacak dosya açılamadı: " + quoted(source));
  FileSink out(newFile);
  if (!out.isOpen())
    return failure(CopyStatus::TargetOpenFailed, "Yeni dosya oluşturulamadı: " + quoted(newFile));

  CopyResult result = copyBlocks(in, out, progress);
  if (result.status == CopyStatus::ReadFailed)
    result.message = "İşlem yapılacak dosyadan okunamadı: " + quoted(source);
  else if (result.status == CopyStatus::WriteFailed)
    result.message = "Yeni dosyaya yazılamadı: " + quoted(newFile);
  return result;
}

int progressPercent(std::int64_t bytesCopied, std::int64_t wantedSize) {
  if (wantedSize <= 0 || bytesCopied <= 0) return 0;
  const double exact = static_cast<double>(bytesCopied) * 100.0 / static_cast<double>(wantedSize);
  if (exact >= 100.0) return 100;
  return static_cast<int>(std::nearbyint(exact));
}

fs::path pathFromUtf8(const std::string& utf8) {
  return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string utf8FromPath(const fs::path& path) {
  const std::u8string u8 = path.u8string();
  return std::string(u8.begin(), u8.end());
}

}  // namespace trimcopy
