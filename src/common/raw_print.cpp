// Printer text conversion and the raw print job's state machine.
#include "common/raw_print.h"

#include <cstdio>

#include "common/platform.h"
#include "common/turkish.h"

namespace orv {
namespace {

struct LetterBytes {
  char32_t letter;
  unsigned char cp857;
  char plain;
};

const LetterBytes kLetters[] = {
    {U'Ç', 0x80, 'C'}, {U'Ğ', 0xA6, 'G'}, {U'Ö', 0x99, 'O'}, {U'Ü', 0x9A, 'U'}, {U'İ', 0x98, 'I'},
    {U'Ş', 0x9E, 'S'}, {U'ç', 0x87, 'c'}, {U'ğ', 0xA7, 'g'}, {U'ö', 0x94, 'o'}, {U'ü', 0x81, 'u'},
    {U'ı', 0x8D, 'i'}, {U'ş', 0x9F, 's'}, {U'â', 0x83, 'a'}, {U'Â', 0xB6, 'A'}, {U'î', 0x8C, 'i'},
    {U'Î', 0xD7, 'I'}, {U'û', 0x96, 'u'}, {U'Û', 0xEA, 'U'},
};

}  // namespace

std::string printerText(std::string_view utf8, bool codePage857) {
  std::string out;
  out.reserve(utf8.size());
  for (char32_t c : toU32(utf8)) {
    bool mapped = false;
    for (const LetterBytes& l : kLetters) {
      if (l.letter != c) continue;
      out.push_back(codePage857 ? static_cast<char>(l.cp857) : l.plain);
      mapped = true;
      break;
    }
    if (!mapped) out.push_back(c <= 0xFF ? static_cast<char>(c) : '?');
  }
  return out;
}

// ---- the job ---------------------------------------------------------------------------------

RawPrintJob::RawPrintJob(bool codePage857) : codePage857_(codePage857) {}

RawPrintJob::~RawPrintJob() { abort(); }

void RawPrintJob::reset() {
  abort();
  documentName_.clear();
  printerName_.clear();
  outputFile_.clear();
}

Status RawPrintJob::fail(std::string message) {
  abort();
  return Status::error(std::move(message));
}

Status RawPrintJob::start() {
  if (state_ != 0) return Status::error("Önceki yazdırma işi henüz bitmedi.");
  state_ = 1;   // printer chosen: a file, a named queue or the default queue
  auto opened = outputFile_.empty() ? openPrinterOutput(printerName_, documentName_, spoolCommand_)
                                    : openFileOutput(outputFile_);
  if (!opened) return fail(opened.message());
  output_ = std::move(opened).value();
  state_ = 3;   // document and page started
  return Status::ok();
}

Result<size_t> RawPrintJob::writeBytes(std::string_view bytes) {
  if (state_ != 3) return Result<size_t>::error("Yazdırma işi başlatılmadı.");
  const Status written = output_->write(bytes);
  if (!written) return fail(written.message());
  return bytes.size();
}

Status RawPrintJob::writeLine(std::string_view text) {
  const auto written = writeBytes(printerText(text, codePage857_) + "\r\n");
  return written ? Status::ok() : written.status();
}

Status RawPrintJob::formFeed() {
  const auto written = writeBytes("\f\r\n");
  return written ? Status::ok() : written.status();
}

Status RawPrintJob::end() {
  if (state_ == 0) return Status::error("Yazdırma işi başlatılmadı.");
  if (state_ == 3) state_ = 2;   // page ended
  if (state_ == 2) {             // document ended: the output is handed over
    const Status finished = output_->finish();
    output_.reset();
    if (!finished) return fail(finished.message());
    state_ = 1;
  }
  state_ = 0;                    // printer closed
  return Status::ok();
}

void RawPrintJob::abort() {
  if (output_) output_->abort();
  output_.reset();
  state_ = 0;
}

// ---- file output (the same on every platform) ------------------------------------------------

namespace {

class FileOutput : public RawOutput {
 public:
  FileOutput(std::FILE* file, std::string path) : file_(file), path_(std::move(path)) {}
  ~FileOutput() override { if (file_) std::fclose(file_); }

  Status write(std::string_view bytes) override {
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size())
      return Status::error("Çıktı dosyasına yazılamadı: " + path_);
    return Status::ok();
  }
  Status finish() override {
    const bool ok = std::fclose(file_) == 0;
    file_ = nullptr;
    return ok ? Status::ok() : Status::error("Çıktı dosyası kapatılamadı: " + path_);
  }
  void abort() override {
    if (file_) std::fclose(file_);
    file_ = nullptr;
  }

 private:
  std::FILE* file_;
  std::string path_;
};

}  // namespace

Result<std::unique_ptr<RawOutput>> openFileOutput(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return Result<std::unique_ptr<RawOutput>>::error("Çıktı dosyası açılamadı: " + path);
  return std::unique_ptr<RawOutput>(std::make_unique<FileOutput>(file, path));
}

}  // namespace orv
