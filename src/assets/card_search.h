// The cards of the browser and the record search: the card ids in department-and-code or name
// order (optionally of one department), whole rows fetched a page at a time when a grid asks
// for them, and the nearest-key searches of the typed search text. Every value is bound.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "data/database.h"
#include "data/kart_repository.h"

namespace orv::assets {

enum class KartSirasi { Kod, Ad };   // "ISABITKIYMET" (Bolum, SabitKiymet) or "IADI" (Adi)

class KartKaynagi {
 public:
  explicit KartKaynagi(db::Database& companyDb) : db_(companyDb), repo_(companyDb) {}

  // Reads the ordered ids anew; an empty department shows every card.
  void ac(KartSirasi sira = KartSirasi::Kod, const std::string& bolum = {});
  void yenile() { ac(sira_, bolum_); }
  KartSirasi sira() const { return sira_; }
  const std::string& bolumFiltresi() const { return bolum_; }

  int size() const { return static_cast<int>(ids_.size()); }
  long long ulasAt(int index) const { return ids_.at(static_cast<size_t>(index)); }
  int indexOf(long long ulas) const;                 // -1 when not in the list
  // The card at a position, read with its page of neighbours on first use.
  const db::KartRow& row(int index);

  // Positions of the nearest card at or after the key (the last card when none is after it);
  // -1 for an empty list.
  int enYakinAd(const std::string& ad);
  int enYakinKod(const std::string& bolum, const std::string& kod);

  static constexpr int kSayfa = 128;

 private:
  void fetchPage(int first);
  int positionOf(db::Statement& st);

  db::Database& db_;
  db::KartRepository repo_;
  KartSirasi sira_ = KartSirasi::Kod;
  std::string bolum_;
  std::vector<long long> ids_;
  std::unordered_map<long long, db::KartRow> rows_;
};

// The record search's typed text: a typed "," becomes "."; Backspace removes the last
// character and then a "*" left at the end.
std::string aramaMetnineEkle(const std::string& metin, const std::string& karakter);
std::string aramaGeriSil(const std::string& metin);

// The key of a code-order search. With a department chosen in the box: that department and
// the text without separators. Without one: "dep*code" gives both (the code part as typed),
// a text without "*" the department alone.
struct KodAnahtari {
  std::string bolum, kod;
};
KodAnahtari kodAnahtari(const std::string& metin, const std::string& secilenBolum, char grupAyiraci);

}  // namespace orv::assets
