// Grid models of the rate screens, reading from and writing through the core operations of
// definitions/: daily rates of a date, currency definitions, revaluation rates of a series.
#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <vector>

#include "app/prompter.h"
#include "app/session.h"
#include "definitions/currency_rates.h"
#include "definitions/revaluation_rates.h"

namespace orv::screens {

// Rows: one per currency. Columns "Döviz", "Alış", "Satış" and the hidden "DovizKodu". The
// rates are kept as typed; a text that is no number is shown on red and refused by saving.
class DailyRatesModel : public QAbstractTableModel {
 public:
  enum Column { Name, Buy, Sell, Code, ColumnCount };
  explicit DailyRatesModel(Session& session, QObject* parent = nullptr);

  void setRates(const std::vector<definitions::GunlukKur>& rates, bool editable);
  void clearRates();  // names stay, rate cells empty and locked (invalid date)
  std::vector<definitions::KurGirdisi> entries() const;
  const definitions::GunlukKur* rateAt(int row) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation o, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  // Text of an amount in the slot "amounts with optional two decimals".
  QString amountText(double value) const;

 private:
  struct Row {
    definitions::GunlukKur kur;
    QString buy, sell;
  };
  Session& session_;
  std::vector<Row> rows_;
  bool editable_ = false;
  QIcon lower_, higher_, equal_;
};

// DOVIZTOP: "Döviz Kodu", "Dövizin Adı", "Sembolü". Each edited row is saved at once; a row
// appended with Insert is saved when it gets its code.
class CurrencyModel : public QAbstractTableModel {
 public:
  CurrencyModel(Session& session, Prompter& prompter, QObject* parent = nullptr);
  void reload();
  void appendBlank();
  bool removeCurrency(int row);
  bool editable() const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation o, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

 private:
  Session& session_;
  Prompter& prompter_;
  std::vector<definitions::Doviz> rows_;
};

// Rows of one revaluation series: "Tarih", "Oran", "AltLimit", "UstLimit"; each edit saved
// at once through the core, which refuses a second row of a date in the series.
class RevaluationModel : public QAbstractTableModel {
 public:
  RevaluationModel(Session& session, Prompter& prompter, QObject* parent = nullptr);
  void setSeries(char letter);
  char series() const { return letter_; }
  void reload();
  long long ulasAt(int row) const;
  int rowOf(long long ulas) const;
  bool editable() const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation o, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

 private:
  Session& session_;
  Prompter& prompter_;
  char letter_ = 'A';
  std::vector<definitions::DegerlemeOrani> rows_;
};

}  // namespace orv::screens
