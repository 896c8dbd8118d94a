// TfrmKayitArama ("Kayıt Arama İşlemleri"): the modal picker of an asset. Typing searches the
// list by code (department and code) or, in the name column, by name; the department box
// filters the list. Returns the chosen card's Ulas, or 0.
#pragma once

#include <memory>

#include "app/prompter.h"
#include "app/screens/untGenMain.h"
#include "app/session.h"

class QComboBox;
class QLabel;
class QTableView;

namespace orv::screens {
class KartListModel;
}

class TfrmKayitArama : public TfrmGenMain {
  Q_OBJECT

 public:
  explicit TfrmKayitArama(orv::Session& session, QWidget* parent = nullptr);
  ~TfrmKayitArama() override;

  // Shows the picker modally, focused on `startUlas` when given; the chosen Ulas or 0.
  static long long sec(orv::Session& session, QWidget* parent, long long startUlas = 0);

  void focusCard(long long ulas);
  void chooseDepartment(int index);              // 0: every department
  void typeText(const QString& text);            // as if typed into the list
  void backspace();
  void clearSearch();
  QString searchText() const { return QString::fromStdString(search_); }
  long long focusedUlas() const;
  long long chosenUlas() const { return chosen_; }
  QTableView* view() const { return view_; }
  orv::screens::KartListModel* model() const { return model_.get(); }

 signals:
  // Each move in the list (the application window's message 1026).
  void cardFocused(long long ulas);

 public slots:
  void acceptFocused();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildLayout();
  void columnEntered(int column);
  void searchNow();
  void showSearchText();
  void focusRow(int row);
  bool nameOrder() const;

  orv::Session& session_;
  std::unique_ptr<orv::screens::KartListModel> model_;
  QComboBox* department_ = nullptr;
  QLabel* searchBox_ = nullptr;
  QTableView* view_ = nullptr;
  std::string search_;
  long long chosen_ = 0;
};
