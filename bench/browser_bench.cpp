// The asset browser's card source on many cards against bare indexed SQLite queries.
//
//   bench_browser_bench [--cards N] [--searches S]
//
// Generates N cards (default 100,000) in a fresh company database, then measures:
//   open    KartKaynagi::ac (ordered ids) plus the first page of rows, vs a bare
//           "SELECT Ulas FROM Kart ORDER BY Bolum, SabitKiymet" read to the end;
//   code    S nearest searches by department and code, vs the bare row-value query;
//   name    S nearest searches by name (Turkish collation), vs the bare query on Adi.
// Prints each pair of times and the ratio (ours / bare).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "assets/card_search.h"
#include "data/catalogue.h"
#include "data/kart_repository.h"

namespace fs = std::filesystem;
using namespace orv;
using Clock = std::chrono::steady_clock;

namespace {

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

const char* kWords[] = {"Masa", "Sandalye", "Dolap", "Bilgisayar", "Yazıcı", "Çekmece", "Şemsiye", "Ölçü aleti",
                        "Isıtıcı", "Kamyonet", "Forklift", "Klima"};

void generate(db::Database& db, int count) {
  db::KartRepository repo(db);
  db::Transaction tx(db);
  std::mt19937 rng(7);
  for (int i = 0; i < count; ++i) {
    db::KartRow k;
    k.Bolum = "0" + std::to_string(1 + i % 9);
    k.SabitKiymet = std::to_string(100000000 + i);
    k.Adi = std::string(kWords[rng() % 12]) + " " + std::to_string(rng() % 100000);
    k.Alis_Tutari = 1000 + i;
    k.Amortisman_Orani = 20;
    repo.insert(k);
  }
  tx.commit();
}

struct Pair {
  double ours = 0, bare = 0;
};

void print(const char* what, const Pair& p) {
  std::printf("%-6s ours %9.4f s   bare %9.4f s   ratio %.2f\n", what, p.ours, p.bare, p.bare > 0 ? p.ours / p.bare : 0.0);
}

}  // namespace

int main(int argc, char** argv) {
  int cards = 100000, searches = 1000;
  for (int i = 1; i + 1 < argc; ++i) {
    if (!std::strcmp(argv[i], "--cards")) cards = std::atoi(argv[++i]);
    else if (!std::strcmp(argv[i], "--searches")) searches = std::atoi(argv[++i]);
  }
  const fs::path folder = fs::temp_directory_path() / ("orv_browser_bench_" + std::to_string(std::random_device{}()));
  fs::create_directories(folder);
  {
    auto db = std::move(db::Database::open(folder.string())).value();
    db::createTables(*db, db::FolderKind::Company);
    auto t = Clock::now();
    generate(*db, cards);
    std::printf("%d cards generated in %.2f s\n", cards, secondsSince(t));

    Pair open;
    t = Clock::now();
    assets::KartKaynagi source(*db);
    source.ac();
    for (int r = 0; r < std::min(source.size(), 40); ++r) (void)source.row(r).Adi;
    open.ours = secondsSince(t);
    t = Clock::now();
    long long sum = 0;
    auto bare = db->prepare("SELECT Ulas FROM Kart ORDER BY Bolum, SabitKiymet");
    while (bare.step()) sum += bare.getInt(0);
    open.bare = secondsSince(t);
    print("open", open);

    std::mt19937 rng(11);
    Pair code, name;
    auto bareCode = db->prepare("SELECT Ulas FROM Kart WHERE (Bolum, SabitKiymet) >= (?, ?) ORDER BY Bolum, SabitKiymet LIMIT 1");
    auto bareName = db->prepare("SELECT Ulas FROM Kart WHERE Adi >= ? ORDER BY Adi LIMIT 1");
    std::vector<std::pair<std::string, std::string>> codes;
    std::vector<std::string> names;
    for (int s = 0; s < searches; ++s) {
      const int i = static_cast<int>(rng() % static_cast<unsigned>(cards));
      codes.push_back({"0" + std::to_string(1 + i % 9), std::to_string(100000000 + i)});
      names.push_back(std::string(kWords[rng() % 12]) + " " + std::to_string(rng() % 1000));
    }
    for (const auto& [bolum, kod] : codes) {
      t = Clock::now();
      sum += source.enYakinKod(bolum, kod);
      code.ours += secondsSince(t);
      t = Clock::now();
      bareCode.reset();
      bareCode.bind(1, bolum).bind(2, kod);
      if (bareCode.step()) sum += bareCode.getInt(0);
      code.bare += secondsSince(t);
    }
    source.ac(assets::KartSirasi::Ad);
    for (const auto& adi : names) {
      t = Clock::now();
      sum += source.enYakinAd(adi);
      name.ours += secondsSince(t);
      t = Clock::now();
      bareName.reset();
      bareName.bind(1, adi);
      if (bareName.step()) sum += bareName.getInt(0);
      name.bare += secondsSince(t);
    }
    std::printf("%d searches each (times are totals):\n", searches);
    print("code", code);
    print("name", name);
    std::printf("(checksum %lld)\n", sum);
  }
  fs::remove_all(folder);
  return 0;
}
