// trimcopy on a 256 MiB file beside `dd bs=1024` of the same bytes: the copy function (what
// the command-line form runs), the window's copy (counter, bar and pending events after
// every block, on the offscreen platform) and dd. Each is run three times; the best counts.
#include "trim_copy.h"
#include "trim_window.h"

#include <QApplication>
#include <QDoubleSpinBox>
#include <QLineEdit>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr std::int64_t kFileSize = std::int64_t{256} << 20;
constexpr int kRounds = 3;

void writeSource(const fs::path& path) {
  std::vector<char> chunk(1 << 20);
  std::mt19937 random(1024);
  for (char& c : chunk) c = static_cast<char>(random());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (std::int64_t written = 0; written < kFileSize; written += std::int64_t(chunk.size())) {
    chunk[0] = static_cast<char>(written >> 20);   // no two megabytes alike
    out.write(chunk.data(), std::streamsize(chunk.size()));
  }
}

bool sameBytes(const fs::path& a, const fs::path& b) {
  std::ifstream ina(a, std::ios::binary), inb(b, std::ios::binary);
  std::vector<char> ba(1 << 20), bb(1 << 20);
  while (ina && inb) {
    ina.read(ba.data(), std::streamsize(ba.size()));
    inb.read(bb.data(), std::streamsize(bb.size()));
    if (ina.gcount() != inb.gcount() || !std::equal(ba.begin(), ba.begin() + ina.gcount(), bb.begin()))
      return false;
  }
  return ina.eof() && inb.eof();
}

// Best wall time of a few runs, in seconds; negative when a run failed.
double bestSeconds(const std::function<bool()>& run) {
  double best = -1;
  for (int i = 0; i < kRounds; ++i) {
    const auto start = std::chrono::steady_clock::now();
    if (!run()) return -1;
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    if (best < 0 || took.count() < best) best = took.count();
  }
  return best;
}

void report(const char* what, double seconds, double ddSeconds) {
  if (seconds < 0) {
    std::printf("  %-34s başarısız\n", what);
    return;
  }
  std::printf("  %-34s %7.3f s  %8.1f MiB/s", what, seconds, 256.0 / seconds);
  if (ddSeconds > 0) std::printf("  dd'ye oran %.2f", seconds / ddSeconds);
  std::printf("\n");
}

bool windowCopy(trimcopy::TrimCopyWindow& window) {
  bool failed = false;
  window.reportError = [&failed](const QString&) { failed = true; };
  window.startCopy();
  return !failed;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const fs::path dir = fs::temp_directory_path() / "trimcopy-bench";
  fs::create_directories(dir);
  const fs::path source = dir / "source.bin";
  writeSource(source);

  trimcopy::FixedSize wanted(kFileSize);
  const double ours = bestSeconds([&] {
    return trimcopy::copyLeadingBlocks(source, dir / "trimcopy.bin", wanted).ok();
  });

  trimcopy::TrimCopyWindow window;
  window.sourceEdit()->setText(QString::fromStdString(source.string()));
  window.newFileEdit()->setText(QString::fromStdString((dir / "window.bin").string()));
  window.sizeEdit()->setValue(double(kFileSize));
  window.show();
  const double windowed = bestSeconds([&] { return windowCopy(window); });

  const std::string ddCommand = "dd if='" + source.string() + "' of='" + (dir / "dd.bin").string() +
                                "' bs=1024 status=none";
  const double dd = bestSeconds([&] { return std::system(ddCommand.c_str()) == 0; });

  std::printf("trimcopy, 256 MiB, 1024 baytlık bloklar (en iyi %d çalıştırma):\n", kRounds);
  report("dd bs=1024", dd, -1);
  report("kopyalama işlevi (komut satırı)", ours, dd);
  report("pencere (sayaç, çubuk, olaylar)", windowed, dd);
  const bool same = dd > 0 && sameBytes(dir / "dd.bin", dir / "trimcopy.bin") &&
                    sameBytes(dir / "dd.bin", dir / "window.bin");
  std::printf("  çıktılar dd ile aynı: %s\n", same ? "evet" : "HAYIR");
  fs::remove_all(dir);
  return same ? 0 : 1;
}
