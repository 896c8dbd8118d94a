// Models of the rate screens over the core operations of definitions/.
#include "definitions/screens/rate_models.h"

#include <QColor>
#include <QPainter>
#include <QPixmap>
#include <QPolygon>

#include "definitions/screens/rate_screens_common.h"

namespace orv::screens {
namespace {

// The three indicator images: lower (red, down), higher (green, up), equal (grey bars).
QIcon trendIcon(int trend) {
  QPixmap pm(12, 12);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  if (trend == 0) {
    p.setBrush(QColor(110, 110, 110));
    p.drawRect(2, 3, 8, 2);
    p.drawRect(2, 7, 8, 2);
  } else {
    p.setBrush(trend < 0 ? QColor(200, 0, 0) : QColor(0, 150, 0));
    const QPolygon up({QPoint(6, 1), QPoint(11, 10), QPoint(1, 10)});
    const QPolygon down({QPoint(1, 2), QPoint(11, 2), QPoint(6, 11)});
    p.drawPolygon(trend < 0 ? down : up);
  }
  return QIcon(pm);
}

const char* kNoRight = "Programda Bu İşlemi Yapmaya Yetkili Değilsiniz";

}  // namespace

// --- DailyRatesModel ---------------------------------------------------------------------

DailyRatesModel::DailyRatesModel(Session& session, QObject* parent)
    : QAbstractTableModel(parent),
      session_(session),
      lower_(trendIcon(-1)),
      higher_(trendIcon(1)),
      equal_(trendIcon(0)) {}

void DailyRatesModel::setRates(const std::vector<definitions::GunlukKur>& rates, bool editable) {
  beginResetModel();
  rows_.clear();
  for (const auto& k : rates) rows_.push_back({k, amountText(k.alis), amountText(k.satis)});
  editable_ = editable;
  endResetModel();
}

void DailyRatesModel::clearRates() {
  beginResetModel();
  for (auto& r : rows_) {
    r.buy.clear();
    r.sell.clear();
    r.kur.oncekiAlis = r.kur.oncekiSatis = 0;
  }
  editable_ = false;
  endResetModel();
}

std::vector<definitions::KurGirdisi> DailyRatesModel::entries() const {
  std::vector<definitions::KurGirdisi> out;
  for (const auto& r : rows_) out.push_back({r.kur.kod, r.buy.toStdString(), r.sell.toStdString()});
  return out;
}

const definitions::GunlukKur* DailyRatesModel::rateAt(int row) const {
  return row >= 0 && row < static_cast<int>(rows_.size()) ? &rows_[row].kur : nullptr;
}

QString DailyRatesModel::amountText(double value) const {
  return qs(formatFloat(session_.formats.amountOptional2, value, formatSettings(session_.values)));
}

int DailyRatesModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}
int DailyRatesModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ColumnCount;
}

QVariant DailyRatesModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const Row& r = rows_[index.row()];
  const int c = index.column();
  if (c == Name && role == Qt::DisplayRole) return qs(r.kur.ad.empty() ? r.kur.kod : r.kur.ad);
  if (c == Code && role == Qt::DisplayRole) return qs(r.kur.kod);
  if (c != Buy && c != Sell) return {};
  const QString& text = c == Buy ? r.buy : r.sell;
  const auto value = definitions::parseRate(text.toStdString(), session_.values.decimalSeparator);
  switch (role) {
    case Qt::DisplayRole:
      return value && !text.isEmpty() ? amountText(*value) : text;
    case Qt::EditRole:
      return text;
    case Qt::TextAlignmentRole:
      return int(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::BackgroundRole:
      return value ? QVariant() : QVariant(QColor(255, 200, 200));
    case Qt::DecorationRole: {
      if (!value || text.isEmpty()) return {};
      const int t = definitions::rateTrend(*value, c == Buy ? r.kur.oncekiAlis : r.kur.oncekiSatis);
      return t < 0 ? lower_ : t > 0 ? higher_ : equal_;
    }
    default:
      return {};
  }
}

QVariant DailyRatesModel::headerData(int section, Qt::Orientation o, int role) const {
  if (o != Qt::Horizontal || role != Qt::DisplayRole) return {};
  static const char* names[] = {"Döviz", "Alış", "Satış", "DovizKodu"};
  return section >= 0 && section < ColumnCount ? QString(names[section]) : QVariant();
}

Qt::ItemFlags DailyRatesModel::flags(const QModelIndex& index) const {
  if (!index.isValid() || index.column() == Code) return Qt::NoItemFlags;
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (editable_ && (index.column() == Buy || index.column() == Sell)) f |= Qt::ItemIsEditable;
  return f;
}

bool DailyRatesModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
  Row& r = rows_[index.row()];
  (index.column() == Buy ? r.buy : r.sell) = value.toString().trimmed();
  emit dataChanged(index, index);
  return true;
}

// --- CurrencyModel -----------------------------------------------------------------------

CurrencyModel::CurrencyModel(Session& session, Prompter& prompter, QObject* parent)
    : QAbstractTableModel(parent), session_(session), prompter_(prompter) {}

bool CurrencyModel::editable() const {
  return session_.hasRight(definitions::kRightChangeCurrencyRates);
}

void CurrencyModel::reload() {
  beginResetModel();
  rows_ = session_.parameterDb ? definitions::listCurrencies(*session_.parameterDb)
                               : std::vector<definitions::Doviz>{};
  endResetModel();
}

void CurrencyModel::appendBlank() {
  if (!editable()) return;
  const int n = rowCount();
  beginInsertRows({}, n, n);
  rows_.push_back({});
  endInsertRows();
}

bool CurrencyModel::removeCurrency(int row) {
  if (row < 0 || row >= rowCount()) return false;
  if (!editable()) {
    prompter_.message(MessageKind::Error, kNoRight);
    return false;
  }
  if (rows_[row].ULAS != 0) {
    if (Status s = definitions::deleteCurrency(session_, rows_[row].ULAS); !s) {
      prompter_.message(MessageKind::Error, s.message());
      return false;
    }
  }
  beginRemoveRows({}, row, row);
  rows_.erase(rows_.begin() + row);
  endRemoveRows();
  return true;
}

int CurrencyModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}
int CurrencyModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 3; }

QVariant CurrencyModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
  const auto& d = rows_[index.row()];
  const std::string* fields[] = {&d.KOD, &d.DOVIZ, &d.SEMBOL};
  return qs(*fields[index.column()]);
}

QVariant CurrencyModel::headerData(int section, Qt::Orientation o, int role) const {
  if (o != Qt::Horizontal || role != Qt::DisplayRole) return {};
  static const char* names[] = {"Döviz Kodu", "Dövizin Adı", "Sembolü"};
  return section >= 0 && section < 3 ? QString(names[section]) : QVariant();
}

Qt::ItemFlags CurrencyModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable |
         (editable() ? Qt::ItemIsEditable : Qt::NoItemFlags);
}

bool CurrencyModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
  definitions::Doviz d = rows_[index.row()];
  std::string* fields[] = {&d.KOD, &d.DOVIZ, &d.SEMBOL};
  *fields[index.column()] = value.toString().trimmed().toStdString();
  if (d.ULAS == 0 && d.KOD.empty()) {  // a new row is saved once it has its code
    rows_[index.row()] = d;
    emit dataChanged(index, index);
    return true;
  }
  auto saved = definitions::saveCurrency(session_, d);
  if (!saved) {
    prompter_.message(MessageKind::Error, saved.message());
    return false;
  }
  d.ULAS = *saved;
  rows_[index.row()] = d;
  emit dataChanged(this->index(index.row(), 0), this->index(index.row(), 2));
  return true;
}

// --- RevaluationModel --------------------------------------------------------------------

RevaluationModel::RevaluationModel(Session& session, Prompter& prompter, QObject* parent)
    : QAbstractTableModel(parent), session_(session), prompter_(prompter) {}

bool RevaluationModel::editable() const {
  return session_.hasRight(definitions::kRightChangeRevaluationTable);
}

void RevaluationModel::setSeries(char letter) {
  letter_ = letter;
  reload();
}

void RevaluationModel::reload() {
  beginResetModel();
  rows_ = session_.parameterDb ? definitions::listRevaluationRates(*session_.parameterDb, letter_)
                               : std::vector<definitions::DegerlemeOrani>{};
  endResetModel();
}

long long RevaluationModel::ulasAt(int row) const {
  return row >= 0 && row < rowCount() ? rows_[row].Ulas : 0;
}

int RevaluationModel::rowOf(long long ulas) const {
  for (int i = 0; i < rowCount(); ++i)
    if (rows_[i].Ulas == ulas) return i;
  return -1;
}

int RevaluationModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}
int RevaluationModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 4;
}

QVariant RevaluationModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const auto& r = rows_[index.row()];
  const FormatSettings fs = formatSettings(session_.values);
  const std::string limitFormat = session_.company.kurus1 ? ",0.00" : ",0.##";
  if (role == Qt::TextAlignmentRole)
    return int((index.column() == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
  if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
  const bool edit = role == Qt::EditRole;
  switch (index.column()) {
    case 0: {
      if (r.Tarih.isNull()) return QString();  // a row just added has no date yet
      FormatSettings dots = fs;
      if (edit) dots.date = '.';  // the editor takes dd.mm.yyyy whatever the separator
      return qs(formatDate("dd/mm/yyyy", r.Tarih, dots));
    }
    case 1:
      return qs(formatFloat(edit ? "0.##########" : "0.#0", r.Oran, fs));
    case 2:
      return qs(formatFloat(edit ? "0.##########" : limitFormat, r.AltLimit, fs));
    default:
      return qs(formatFloat(edit ? "0.##########" : limitFormat, r.UstLimit, fs));
  }
}

QVariant RevaluationModel::headerData(int section, Qt::Orientation o, int role) const {
  if (o != Qt::Horizontal || role != Qt::DisplayRole) return {};
  static const char* names[] = {"Tarih", "Oran", "AltLimit", "UstLimit"};
  return section >= 0 && section < 4 ? QString(names[section]) : QVariant();
}

Qt::ItemFlags RevaluationModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable |
         (editable() ? Qt::ItemIsEditable : Qt::NoItemFlags);
}

bool RevaluationModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
  definitions::DegerlemeOrani r = rows_[index.row()];
  const std::string text = value.toString().trimmed().toStdString();
  if (index.column() == 0) {
    const auto d = Date::parse(text);
    if (!text.empty() && !d) {
      prompter_.message(MessageKind::Error, "\"" + text + "\" geçerli bir tarih değil.");
      return false;
    }
    r.Tarih = d.value_or(Date());
  } else {
    const auto v = definitions::parseRate(text, session_.values.decimalSeparator);
    if (!v) {
      prompter_.message(MessageKind::Error, "\"" + text + "\" bir sayı değil.");
      return false;
    }
    (index.column() == 1 ? r.Oran : index.column() == 2 ? r.AltLimit : r.UstLimit) = *v;
  }
  if (Status s = definitions::updateRevaluationRate(session_, r); !s) {
    prompter_.message(MessageKind::Error, s.message());
    return false;
  }
  rows_[index.row()] = r;
  emit dataChanged(index, index);
  // A new date moves the row to its place in date order, once the editor has closed.
  if (index.column() == 0)
    QMetaObject::invokeMethod(
        this, [this] { reload(); }, Qt::QueuedConnection);
  return true;
}

}  // namespace orv::screens
