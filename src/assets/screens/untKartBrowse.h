// TfrmKartBrowse ("Sabit Kıymet Kartı - Browser Görünümü"): every card in code order in a
// banded grid, the commands of the card on the focused row, and the hand-over to the card
// view (F11 or a double click) or to a new card (F4).
#pragma once

#include <QHash>
#include <memory>

#include "app/prompter.h"
#include "app/screens/untGenMain.h"
#include "app/session.h"

class BandedHeader;
class CodeChangePanel;
class QAction;
class QListWidget;
class QSpinBox;
class QTableView;

namespace orv::screens {
class KartListModel;
class PreviewDelegate;
}  // namespace orv::screens

class TfrmKartBrowse : public TfrmGenMain {
  Q_OBJECT

 public:
  TfrmKartBrowse(orv::Session& session, long long startUlas = 0, QWidget* parent = nullptr,
                 orv::Prompter* prompter = nullptr);
  ~TfrmKartBrowse() override;

  // The hand-over: whether the card view was asked for, and the card (0: a new card).
  bool cardViewRequested() const { return cardView_; }
  long long handOverUlas() const { return handOver_; }

  long long focusedUlas() const;
  void focusCard(long long ulas);
  QTableView* view() const { return view_; }
  orv::screens::KartListModel* model() const { return model_.get(); }
  BandedHeader* header() const { return header_; }
  QAction* action(const QString& caption) const { return actions_.value(caption); }
  CodeChangePanel* codeChangePanel() const { return codePanel_; }
  void setPreviews(bool on);
  void setBandsShown(bool on);
  void setHeadersShown(bool on);

 public slots:
  void toCardView();       // F11
  void newCard();          // F4
  void search();           // F3
  void ledger();           // F5
  void deleteCard();
  void openCodeChange();
  void changeCode();       // the panel's "Değiştir"
  void toggleColumnBox();  // Ctrl+B
  void viewOptions();      // Ctrl+G

 private:
  void buildActions();
  void buildGrid();
  QAction* addCommand(const QString& caption, const QKeySequence& key, void (TfrmKartBrowse::*slot)(), bool enabled = true);
  void refresh(long long focus);

  orv::Session& session_;
  std::unique_ptr<orv::Prompter> ownPrompter_;
  orv::Prompter* prompter_;
  std::unique_ptr<orv::screens::KartListModel> model_;
  QTableView* view_ = nullptr;
  BandedHeader* header_ = nullptr;
  orv::screens::PreviewDelegate* delegate_ = nullptr;
  CodeChangePanel* codePanel_ = nullptr;
  QListWidget* columnBox_ = nullptr;
  QSpinBox* year_ = nullptr;
  QHash<QString, QAction*> actions_;
  bool cardView_ = false;
  long long handOver_ = 0;
};
