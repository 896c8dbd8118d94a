// Ordered card ids and page-wise row reads for the browser and the record search.
#include "assets/card_search.h"

#include <algorithm>

#include "common/codes.h"
#include "common/turkish.h"

namespace orv::assets {
namespace {

std::string orderBy(KartSirasi sira) {
  return sira == KartSirasi::Kod ? " ORDER BY Bolum, SabitKiymet, Ulas" : " ORDER BY Adi, Ulas";
}

}  // namespace

void KartKaynagi::ac(KartSirasi sira, const std::string& bolum) {
  sira_ = sira;
  bolum_ = bolum;
  ids_.clear();
  rows_.clear();
  auto st = db_.prepare(std::string("SELECT Ulas FROM Kart") + (bolum.empty() ? "" : " WHERE Bolum = ?") +
                        orderBy(sira));
  if (!bolum.empty()) st.bind(1, bolum);
  while (st.step()) ids_.push_back(st.getInt(0));
}

int KartKaynagi::indexOf(long long ulas) const {
  auto it = std::find(ids_.begin(), ids_.end(), ulas);
  return it == ids_.end() ? -1 : static_cast<int>(it - ids_.begin());
}

const db::KartRow& KartKaynagi::row(int index) {
  const long long ulas = ulasAt(index);
  auto it = rows_.find(ulas);
  if (it != rows_.end()) return it->second;
  fetchPage(index - index % kSayfa);
  it = rows_.find(ulas);
  if (it == rows_.end()) {  // deleted meanwhile: an empty row keeps the positions
    db::KartRow gone;
    gone.Ulas = ulas;
    it = rows_.emplace(ulas, std::move(gone)).first;
  }
  return it->second;
}

void KartKaynagi::fetchPage(int first) {
  // A bounded cache: a grid shows a few pages at a time. Each read is by primary key through
  // the repository's one prepared statement.
  if (rows_.size() > 16 * kSayfa) rows_.clear();
  const int last = std::min(size(), first + kSayfa);
  for (int at = first; at < last; ++at) {
    const long long ulas = ulasAt(at);
    if (rows_.count(ulas)) continue;
    if (auto row = repo_.find(ulas)) rows_.emplace(ulas, std::move(*row));
  }
}

int KartKaynagi::positionOf(db::Statement& st) {
  if (ids_.empty()) return -1;
  if (!st.step()) return size() - 1;
  const int at = indexOf(st.getInt(0));
  return at < 0 ? size() - 1 : at;
}

int KartKaynagi::enYakinAd(const std::string& ad) {
  std::string sql = "SELECT Ulas FROM Kart WHERE Adi >= IFNULL(?, '')";
  if (!bolum_.empty()) sql += " AND Bolum = ?";
  auto st = db_.prepare(sql + orderBy(KartSirasi::Ad) + " LIMIT 1");
  st.bind(1, ad);
  if (!bolum_.empty()) st.bind(2, bolum_);
  return positionOf(st);
}

int KartKaynagi::enYakinKod(const std::string& bolum, const std::string& kod) {
  std::string sql = "SELECT Ulas FROM Kart WHERE (Bolum, SabitKiymet) >= (IFNULL(?, ''), IFNULL(?, ''))";
  if (!bolum_.empty()) sql += " AND Bolum = ?";
  auto st = db_.prepare(sql + orderBy(KartSirasi::Kod) + " LIMIT 1");
  st.bind(1, bolum).bind(2, kod);
  if (!bolum_.empty()) st.bind(3, bolum_);
  return positionOf(st);
}

std::string aramaMetnineEkle(const std::string& metin, const std::string& karakter) {
  return metin + (karakter == "," ? std::string(".") : karakter);
}

std::string aramaGeriSil(const std::string& metin) {
  std::string s = metin;
  if (!s.empty()) {
    // Remove one whole UTF-8 character.
    size_t i = s.size() - 1;
    while (i > 0 && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) --i;
    s.erase(i);
  }
  if (!s.empty() && s.back() == '*') s.pop_back();
  return s;
}

KodAnahtari kodAnahtari(const std::string& metin, const std::string& secilenBolum, char grupAyiraci) {
  if (!secilenBolum.empty()) return {secilenBolum, stripCode(metin, grupAyiraci)};
  const size_t star = metin.find('*');
  if (star == std::string::npos) return {metin, {}};
  return {metin.substr(0, star), metin.substr(star + 1)};
}

}  // namespace orv::assets
