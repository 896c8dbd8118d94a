// TfrmYenDeger ("Yeniden Değerlendirme Tablosu"): the revaluation rates of one series at a
// time ("Yıllık", "3 Aylık", "Aylık"), edited in the grid; "Ekle" appends a row of the series,
// "Sil" deletes the current row. Opening needs right 2040, changing 2043.
#pragma once

#include <QDialog>
#include <memory>

#include "app/prompter.h"
#include "app/session.h"

class QComboBox;
class QPushButton;
class QTableView;

namespace orv::screens {
class RevaluationModel;
}

class TfrmYenDeger : public QDialog {
  Q_OBJECT

 public:
  TfrmYenDeger(orv::Session& session, QWidget* parent = nullptr, orv::Prompter* prompter = nullptr);
  ~TfrmYenDeger() override;

  // Checks right 2040 (refusal through a message box) and shows the screen modally.
  static void open(orv::Session& session, QWidget* parent);

  void setSeriesIndex(int index);  // 0 "Yıllık", 1 "3 Aylık", 2 "Aylık"
  void add();                      // "Ekle"
  void removeCurrent();            // "Sil"

  QComboBox* seriesBox() const { return series_; }
  QTableView* view() const { return view_; }
  orv::screens::RevaluationModel* model() const { return model_.get(); }
  QPushButton* addButton() const { return btEkle_; }
  QPushButton* removeButton() const { return btSil_; }

 protected:
  void done(int result) override;

 private:
  void buildLayout();

  orv::Session& session_;
  std::unique_ptr<orv::Prompter> ownPrompter_;
  orv::Prompter* prompter_;
  std::unique_ptr<orv::screens::RevaluationModel> model_;
  QComboBox* series_ = nullptr;
  QTableView* view_ = nullptr;
  QPushButton* btEkle_ = nullptr;
  QPushButton* btSil_ = nullptr;
};
