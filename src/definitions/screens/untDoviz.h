// TfrmDoviz ("Döviz Bilgileri"): the daily buying and selling rates of every currency on a
// chosen date, with the previous rates of the selected currency in the status bar, and the
// currency definitions behind the "Dövizler" toggle. Opening needs right 2020, changing 2023.
#pragma once

#include <QDialog>
#include <memory>

#include "app/prompter.h"
#include "app/session.h"
#include "common/date.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QStatusBar;
class QTableView;

namespace orv::screens {
class DailyRatesModel;
class CurrencyModel;
}  // namespace orv::screens

class TfrmDoviz : public QDialog {
  Q_OBJECT

 public:
  // prompter: where messages go (message boxes when null).
  TfrmDoviz(orv::Session& session, QWidget* parent = nullptr, orv::Prompter* prompter = nullptr);
  ~TfrmDoviz() override;

  // Checks right 2020 (refusal through the prompter) and shows the screen modally.
  static void open(orv::Session& session, QWidget* parent);

  // The date box: "dd.mm.yyyy"; an invalid text empties the rate cells.
  void setDateText(const QString& text);
  QString weekdayText() const;
  orv::Date date() const { return date_; }
  void save();                       // "Sakla"
  void load();                       // "Çağır"
  void setCurrenciesShown(bool on);  // "Dövizler"
  bool currenciesShown() const;

  QTableView* ratesView() const { return ratesView_; }
  QTableView* currencyView() const { return currencyView_; }
  orv::screens::DailyRatesModel* ratesModel() const { return rates_.get(); }
  orv::screens::CurrencyModel* currencyModel() const { return currencies_.get(); }
  QString previousText() const;  // the two status-bar panels, joined by " / "

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildLayout();
  QWidget* buildGrids();
  QStatusBar* buildStatusBar();
  void dateEdited();
  void moveDay(int days);
  void showPrevious();
  void clearPrevious();

  orv::Session& session_;
  std::unique_ptr<orv::Prompter> ownPrompter_;
  orv::Prompter* prompter_;
  orv::Date date_;
  std::unique_ptr<orv::screens::DailyRatesModel> rates_;
  std::unique_ptr<orv::screens::CurrencyModel> currencies_;
  QLineEdit* dateEdit_ = nullptr;
  QLabel* weekday_ = nullptr;
  QPushButton* btSakla_ = nullptr;
  QPushButton* btDovizler_ = nullptr;
  QStackedWidget* stack_ = nullptr;
  QTableView* ratesView_ = nullptr;
  QTableView* currencyView_ = nullptr;
  QLabel* previousBuy_ = nullptr;
  QLabel* previousSell_ = nullptr;
};
