// TFrmKartAmortisman ("Sabit Kıymet Amortisman / Yeniden Değerlendirme Bilgileri"): one
// asset's depreciation ledger in a banded grid. "Ekle" appends the next period (right 50),
// "Sil" deletes the current row (right 54, not at or before the approval date), a digit on an
// open row edits the cell in place, "Kayıt" marks the ledger to be saved by the opener.
#pragma once

#include <memory>

#include "app/prompter.h"
#include "app/screens/untGenMain.h"
#include "app/session.h"
#include "data/kart_repository.h"
#include "depreciation/ledger_editing.h"

class BandedHeader;
class QLabel;
class QPushButton;
class QTableView;

namespace orv::screens {
class LedgerDelegate;
class LedgerModel;
}  // namespace orv::screens

class TFrmKartAmortisman : public TfrmGenMain {
  Q_OBJECT

 public:
  // Derives the settings from `kart` (as the opener shows it) and loads its stored ledger.
  TFrmKartAmortisman(orv::Session& session, const orv::db::KartRow& kart, QWidget* parent = nullptr,
                     orv::Prompter* prompter = nullptr);
  ~TFrmKartAmortisman() override;

  // The opener's part: show modally, then DefterKaydet when the saved flag is set. True when
  // the ledger was saved. A failed load or save is told through the prompter.
  static bool ac(orv::Session& session, const orv::db::KartRow& kart, QWidget* parent,
                 orv::Prompter* prompter = nullptr);

  bool loaded() const { return loaded_; }
  bool savedFlag() const { return saved_; }
  orv::depreciation::AcikDefter& defter() { return d_; }
  QTableView* view() const { return view_; }
  orv::screens::LedgerModel* model() const { return model_.get(); }
  QWidget* openEditor() const;
  BandedHeader* header() const { return header_; }

 public slots:
  void ekle();     // "Ekle", Insert, F5
  void sil();      // "Sil"
  void kayit();    // "Kayıt", F2

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildLayout(const orv::db::KartRow& kart);
  void setBands();
  void focusRow(int row);
  QString layoutKey() const;
  void loadLayout();
  void saveLayout();
  bool gridKey(QKeyEvent* key);

  orv::Session& session_;
  std::unique_ptr<orv::Prompter> ownPrompter_;
  orv::Prompter* prompter_;
  orv::definitions::DegerlemeOranTablosu rates_;
  orv::depreciation::AcikDefter d_;
  std::unique_ptr<orv::screens::LedgerModel> model_;
  QTableView* view_ = nullptr;
  orv::screens::LedgerDelegate* delegate_ = nullptr;
  BandedHeader* header_ = nullptr;
  bool loaded_ = false;
  bool saved_ = false;
};
