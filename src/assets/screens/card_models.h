// Grid models over the card source: the browser's banded columns and the record search's
// three columns. Rows are read a page at a time when the view asks for them.
#pragma once

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <memory>

#include "app/session.h"
#include "assets/card_search.h"

class QTableView;

namespace orv::screens {

class KartListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum class Kind { Browser, Search };
  KartListModel(Session& session, Kind kind, QObject* parent = nullptr);

  assets::KartKaynagi& source() { return source_; }
  // Reads the ids again in the given order and department.
  void reload(assets::KartSirasi order, const std::string& department);
  void reload() { reload(source_.sira(), source_.bolumFiltresi()); }
  long long ulasAt(int row) const { return row >= 0 && row < source_.size() ? source_.ulasAt(row) : 0; }
  QString previewText(int row) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  static constexpr int kBrowserGeneralColumns = 11;   // "Genel Bilgiler"
  static constexpr int kBrowserColumns = 21;

 private:
  QString browserText(const db::KartRow& k, int column) const;
  QString searchText(const db::KartRow& k, int column) const;
  const db::KartRow& row(int index) const { return source_.row(index); }

  Session& session_;
  Kind kind_;
  mutable assets::KartKaynagi source_;
};

// Draws each cell in the row's upper part and, while previews are on, the row's preview line
// across the lower part (each cell draws the slice of the line under it).
class PreviewDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  PreviewDelegate(QTableView* view, KartListModel* model);
  void setPreview(bool on) { preview_ = on; }
  bool preview() const { return preview_; }
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  QTableView* view_;
  KartListModel* model_;
  bool preview_ = false;
};

// The record search's focused row: white bold text on red.
class SearchRowDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

}  // namespace orv::screens
