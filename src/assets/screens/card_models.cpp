// Texts, colours and the preview line of the card grids.
#include "assets/screens/card_models.h"

#include <QHeaderView>
#include <QPainter>
#include <QTableView>

#include "assets/card_values.h"
#include "common/codes.h"
#include "common/format.h"

namespace orv::screens {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

const char* kBrowserCaptions[] = {"Bölümü", "Sabit Kıymet Kodu", "Adı", "Açıklama", "Zimmet",
                                  "Seri No", "PlakaNo", "Özel1", "Özel2", "Özel3", "Özel4",
                                  "Amor.Başlama", "Hesap Şekli", "Amor. Şekli", "Amort.Dönemi",
                                  "Amort.Oranı", "Bitiş Ay", "Bitiş Yıl", "HurdaDegeri",
                                  "DegerlenmisTutar", "DBirikmisAmortisman"};
const char* kSearchCaptions[] = {"Bölüm", "Kod", "Sabit Kıymetin Adı"};


}  // namespace

KartListModel::KartListModel(Session& session, Kind kind, QObject* parent)
    : QAbstractTableModel(parent), session_(session), kind_(kind), source_(*session.companyDb) {
  source_.ac();
}

void KartListModel::reload(assets::KartSirasi order, const std::string& department) {
  beginResetModel();
  source_.ac(order, department);
  endResetModel();
}

int KartListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : source_.size(); }

int KartListModel::columnCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  return kind_ == Kind::Browser ? kBrowserColumns : 3;
}

QVariant KartListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount()) return {};
  return QString::fromUtf8(kind_ == Kind::Browser ? kBrowserCaptions[section] : kSearchCaptions[section]);
}

QString KartListModel::browserText(const db::KartRow& k, int c) const {
  const FormatSettings fs = formatSettings(session_.values);
  const std::string amount = session_.company.kurus1 ? ",0.00" : ",0.##";
  switch (c) {
    case 0: return qs(k.Bolum);
    case 1: return qs(assets::maskeliKod(session_, k.SabitKiymet));
    case 2: return qs(k.Adi);
    case 3: return qs(k.Aciklama);
    case 4: return qs(k.Zimmet);
    case 5: return qs(k.SeriNo);
    case 6: return qs(k.PlakaNo);
    case 7: return qs(k.Ozel1);
    case 8: return qs(k.Ozel2);
    case 9: return qs(k.Ozel3);
    case 10: return qs(k.Ozel4);
    case 11: return qs(assets::tarihMetni(session_, k.Amortisman_Baslama));
    case 12: return k.Hesap_Sekli == 1 ? "Hızlanmış" : "Normal";
    case 13: return k.Amortisman_Sekli == 1 ? "Kıst" : "Normal";
    case 14: return k.Amortisman_Donemi == 1 ? "3 Aylık" : k.Amortisman_Donemi == 2 ? "1 Aylık" : "Yıllık";
    case 15: return qs(formatFloat("0.##", k.Amortisman_Orani, fs));
    case 16: return QString::number(k.Amortisman_BitisAy);
    case 17: return QString::number(k.Amortisman_BitisYil);
    case 18: return qs(formatFloat(amount, k.HurdaDegeri, fs));
    case 19: return qs(formatFloat(amount, k.DegerlenmisTutar, fs));
    default: return qs(formatFloat(amount, k.DBirikmisAmortisman, fs));
  }
}

QString KartListModel::searchText(const db::KartRow& k, int c) const {
  if (c == 0) return qs(k.Bolum);
  if (c == 2) return qs(k.Adi);
  if (session_.company.accountGroupSeparator == 0) return qs(k.SabitKiymet);
  return qs(assets::maskeliKod(session_, k.SabitKiymet));
}

QString KartListModel::previewText(int r) const {
  if (r < 0 || r >= source_.size()) return {};
  const db::KartRow& k = row(r);
  return qs(k.Bolum + " - " + assets::maskeliKod(session_, k.SabitKiymet) + " :" + k.Adi);
}

QVariant KartListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= source_.size() || index.column() >= columnCount()) return {};
  const db::KartRow& k = row(index.row());
  if (role == Qt::DisplayRole)
    return kind_ == Kind::Browser ? browserText(k, index.column()) : searchText(k, index.column());
  if (role == Qt::TextAlignmentRole && kind_ == Kind::Browser && index.column() >= 15)
    return int(Qt::AlignRight | Qt::AlignVCenter);
  if (role == Qt::TextAlignmentRole) return int(Qt::AlignLeft | Qt::AlignVCenter);
  if (kind_ != Kind::Search) return {};
  const bool transferred = !k.Transfer_Kod.empty();
  const bool exited = assets::tarihVar(k.Sat_Tarih);
  if (role == Qt::BackgroundRole && (transferred || exited)) return QColor(transferred ? Qt::red : Qt::darkGreen);
  if (role == Qt::ForegroundRole && (transferred || exited)) return QColor(Qt::yellow);
  return {};
}

void SearchRowDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
  QStyledItemDelegate::initStyleOption(option, index);
  if (option->state & QStyle::State_Selected) option->font.setBold(true);
}

PreviewDelegate::PreviewDelegate(QTableView* view, KartListModel* model)
    : QStyledItemDelegate(view), view_(view), model_(model) {}

void PreviewDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  if (!preview_) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  const int lineHeight = option.fontMetrics.height() + 4;
  QStyleOptionViewItem upper = option;
  upper.rect.setHeight(option.rect.height() - lineHeight);
  QStyledItemDelegate::paint(painter, upper, index);
  const QRect lower(option.rect.left(), option.rect.bottom() - lineHeight + 1, option.rect.width(), lineHeight);
  painter->save();
  painter->fillRect(lower, QColor(215, 241, 255));
  painter->setClipRect(lower);
  painter->setPen(QColor(0, 0, 139));
  // The line starts at the first visible column: shift by this cell's place in the row.
  const int offset = view_->columnViewportPosition(index.column()) - view_->columnViewportPosition(0);
  painter->drawText(lower.translated(-offset, 0).adjusted(24, 0, 4000, 0), Qt::AlignLeft | Qt::AlignVCenter,
                    model_->previewText(index.row()));
  painter->restore();
}

}  // namespace orv::screens
