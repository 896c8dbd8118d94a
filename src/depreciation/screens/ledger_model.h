// The ledger grid's model over an open ledger: eleven columns, edits through the ledger rules
// (rights, locked rows, the date checks), locked rows on their own colour.
#pragma once

#include <QAbstractTableModel>
#include <QPointer>
#include <QStyledItemDelegate>

#include "app/prompter.h"
#include "app/session.h"
#include "depreciation/ledger_editing.h"

namespace orv::screens {

class LedgerModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  LedgerModel(Session& session, depreciation::AcikDefter& defter, Prompter& prompter, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  void rowsChanged();    // after an add or a delete
  // A typed number in the separators of the parameters; nullopt when it is no number.
  std::optional<double> parseNumber(const QString& text) const;

 signals:
  void committed(int row, int column);

 private:
  QString cellText(const depreciation::DefterSatiri& r, int column) const;

  Session& session_;
  depreciation::AcikDefter& d_;
  Prompter& prompter_;
};

// A plain line editor sized to the cell; Up and Down commit like Enter.
class LedgerDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  QWidget* openEditor() const { return editor_; }

 protected:
  bool eventFilter(QObject* editor, QEvent* event) override;

 private:
  mutable QPointer<QWidget> editor_;
};

}  // namespace orv::screens
