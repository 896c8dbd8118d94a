// Raw text printing for dot-matrix printers: Turkish letters in code page 857 (or as plain
// letters), and a print job that sends bytes unchanged to a print queue or into a file.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/result.h"

namespace orv {

// UTF-8 text as printer bytes. With `codePage857` (the parameter "Çıktılarda Türkçe Harf
// Basılsın" is 1) Turkish letters become their code page 857 bytes, otherwise plain letters
// (Ç -> C, ı -> i ...). Other characters up to U+00FF pass as that byte (control codes of the
// printer definition included); anything else becomes "?".
std::string printerText(std::string_view utf8, bool codePage857);

class RawOutput;   // where the bytes of a started job go (platform.h)

// One raw print job. State 0 closed, 1 printer open, 2 document started, 3 page started.
// Every step that fails closes what was opened, returns the job to state 0 and reports why:
// a job never stays open after a failure.
class RawPrintJob {
 public:
  explicit RawPrintJob(bool codePage857 = true);
  ~RawPrintJob();
  RawPrintJob(const RawPrintJob&) = delete;
  RawPrintJob& operator=(const RawPrintJob&) = delete;

  void reset();                                       // aborts an open job, clears the names
  void setDocumentName(std::string name) { documentName_ = std::move(name); }
  void setPrinterName(std::string name) { printerName_ = std::move(name); }   // empty: default
  void setOutputFile(std::string path) { outputFile_ = std::move(path); }     // set: no printer
  // Replaces the print command ("lp", "-d", queue, "-o", "raw", "-t", document) on POSIX.
  void setSpoolCommand(std::vector<std::string> command) { spoolCommand_ = std::move(command); }

  int state() const { return state_; }
  bool isOpen() const { return state_ > 0; }

  Status start();                                     // 0 -> 3
  Result<size_t> writeBytes(std::string_view bytes);  // only in state 3
  Status writeLine(std::string_view text);            // printer text + CR LF
  Status formFeed();                                  // FF CR LF
  Status end();                                       // 3 -> 0; the job is handed over
  void abort();                                       // discards the job, state 0

 private:
  Status fail(std::string message);

  bool codePage857_;
  int state_ = 0;
  std::string documentName_, printerName_, outputFile_;
  std::vector<std::string> spoolCommand_;
  std::unique_ptr<RawOutput> output_;
};

}  // namespace orv
