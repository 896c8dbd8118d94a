// ledger extend --all against a plain SQLite insert of the same number of ledger rows.
//
//   bench_ledger_extend_bench [--assets N] [--years Y] [--keep]
//
// Generates N monthly assets whose life is Y years (rate 100 / Y), runs extendLedgers over
// all of them (what `orvdemirbas-cli ledger extend --all` runs), then inserts the same number
// of KartAmortisman rows with one prepared statement into a fresh database, in transactions
// of the same size. Prints both times, their ratio (target: at most 1.5) and the peak memory.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#ifdef _WIN32
#include <psapi.h>
#include <windows.h>
#else
#include <sys/resource.h>
#endif

#include "app/session.h"
#include "data/catalogue.h"
#include "data/kart_repository.h"
#include "depreciation/ledger_batch.h"

namespace fs = std::filesystem;
using namespace orv;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kCardsPerTransaction = 500;

long peakMemoryKiB() {
#ifdef _WIN32
  PROCESS_MEMORY_COUNTERS pmc{};
  GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc);
  return static_cast<long>(pmc.PeakWorkingSetSize / 1024);
#else
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
#endif
}

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

std::unique_ptr<db::Database> freshDatabase(const fs::path& folder, db::FolderKind kind) {
  fs::create_directories(folder);
  auto db = std::move(db::Database::open(folder.string())).value();
  db::createTables(*db, kind);
  return db;
}

void generateCards(db::Database& db, long long count, int years) {
  db::KartRepository repo(db);
  db::Transaction tx(db);
  for (long long i = 0; i < count; ++i) {
    db::KartRow k;
    k.Bolum = "B" + std::to_string(i % 10);
    k.SabitKiymet = std::to_string(100000 + i);
    k.Adi = "Demirbaş " + std::to_string(i);
    k.Alis_Tarihi = Date::fromYMD(2010, 1 + static_cast<int>(i % 12), 15);
    k.Alis_Tutari = 1000 + static_cast<double>(i % 997) * 13.7;
    k.Amortisman_Donemi = 2;  // monthly
    k.Amortisman_Orani = 100.0 / years;
    repo.insert(k);
  }
  tx.commit();
}

long long countRows(db::Database& db) {
  auto st = db.prepare("SELECT COUNT(*) FROM \"KartAmortisman\"");
  st.step();
  return st.getInt(0);
}

// The baseline: the same number of rows through one prepared INSERT, same batch size.
double plainInsert(db::Database& db, long long rows, long long rowsPerTransaction) {
  const auto start = Clock::now();
  auto st = db.prepare(
      "INSERT INTO \"KartAmortisman\" (\"UlasKart\", \"Tarih\", \"IlkDeger\", \"DOrani\","
      " \"DTutar\", \"DAmortisman\", \"DBirikmisAmortisman\", \"NetDegerArtisi\","
      " \"AmortismanOrani\", \"AmortismanTutari\", \"BirikmisAmortisman\", \"KasaDegeri\","
      " \"MuhFisNo\", \"MuhFisTarih\", \"CreateBy\", \"CreateDate\", \"ModifiedBy\","
      " \"ModifiedDate\") VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14,"
      " ?15, ?16, ?17, ?18)");
  long long done = 0;
  while (done < rows) {
    db::Transaction tx(db);
    for (long long i = 0; i < rowsPerTransaction && done < rows; ++i, ++done) {
      const double v = 1000 + static_cast<double>(done % 997) * 13.7;
      st.bind(1, done / 120 + 1)
          .bind(2, Date::fromYMD(2010, 1, 31).addMonths(static_cast<int>(done % 120)).endOfMonth());
      st.bind(3, v).bind(4, 0.0).bind(5, 0.0).bind(6, 0.0).bind(7, 0.0).bind(8, 0.0);
      st.bind(9, 10.0 / 12).bind(10, v / 120).bind(11, v * (done % 120) / 120).bind(12, v / 2);
      st.bind(13, std::string_view()).bind(14, Date()).bind(15, 1LL).bind(16, "1112261200");
      st.bind(17, 0LL).bind(18, std::string_view());
      st.run();
    }
    tx.commit();
  }
  return secondsSince(start);
}

}  // namespace

int main(int argc, char** argv) {
  long long assets = 10000;
  int years = 10;
  bool keep = false;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--assets" && i + 1 < argc)
      assets = std::atoll(argv[++i]);
    else if (a == "--years" && i + 1 < argc)
      years = std::atoi(argv[++i]);
    else if (a == "--keep")
      keep = true;
    else {
      std::fprintf(stderr, "usage: %s [--assets N] [--years Y] [--keep]\n", argv[0]);
      return 2;
    }
  }
  const fs::path dir =
      fs::temp_directory_path() / ("orv-ledger-bench-" + std::to_string(std::rand()));
  Session session;
  session.company.name = "BENCH";
  session.companyDb = freshDatabase(dir / "company", db::FolderKind::Company);
  session.parameterDb = freshDatabase(dir / "param", db::FolderKind::Parameter);
  session.rights = {50};
  session.values.depreciationYear = 2010 + years + 1;
  generateCards(*session.companyDb, assets, years);
  const long memoryBefore = peakMemoryKiB();

  auto start = Clock::now();
  long long cards = 0;
  depreciation::UzatmaSecenekleri options;
  options.cardsPerTransaction = kCardsPerTransaction;
  const Status s = depreciation::extendLedgers(session, options, [&](const auto&) { ++cards; });
  const double extendSeconds = secondsSince(start);
  if (!s) {
    std::fprintf(stderr, "%s\n", s.message().c_str());
    return 1;
  }
  const long memoryAfterExtend = peakMemoryKiB();
  const long long rows = countRows(*session.companyDb);

  auto baselineDb = freshDatabase(dir / "baseline", db::FolderKind::Company);
  const long long rowsPerTransaction =
      std::max(1LL, rows * kCardsPerTransaction / std::max(1LL, assets));
  const double insertSeconds = plainInsert(*baselineDb, rows, rowsPerTransaction);

  std::printf("assets: %lld (monthly, %d years), cards extended: %lld, ledger rows: %lld\n", assets,
              years, cards, rows);
  std::printf("ledger extend --all: %.3f s\n", extendSeconds);
  std::printf("plain SQLite insert of %lld rows: %.3f s\n", rows, insertSeconds);
  std::printf("ratio extend / insert: %.2f (target <= 1.5)\n", extendSeconds / insertSeconds);
  std::printf(
      "peak memory: %ld KiB before extend, %ld KiB after extend (+%ld KiB), %ld KiB at end\n",
      memoryBefore, memoryAfterExtend, memoryAfterExtend - memoryBefore, peakMemoryKiB());
  baselineDb.reset();
  session.companyDb.reset();
  session.parameterDb.reset();
  if (!keep) fs::remove_all(dir);
  return 0;
}
