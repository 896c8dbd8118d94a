// TfrmKart ("Kart İşlemleri"): one asset card, created, viewed, changed, recoded and deleted,
// with the ledger, the record search and the hand-over to the browser view (F11). Saving goes
// through KartKaydet under lock slot 1 and never overwrites what others wrote meanwhile.
#pragma once

#include <QHash>
#include <memory>

#include "app/prompter.h"
#include "app/screens/untGenMain.h"
#include "app/session.h"
#include "assets/card.h"

class AmountBox;
class CodeChangePanel;
class DateBox;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

class TfrmKart : public TfrmGenMain {
  Q_OBJECT

 public:
  // ulas 0 (or a card not found): an empty new card.
  TfrmKart(orv::Session& session, long long ulas = 0, QWidget* parent = nullptr, orv::Prompter* prompter = nullptr);
  ~TfrmKart() override;

  bool browserRequested() const { return browserRequest_; }
  long long cardId() const { return kayit_.kart.Ulas; }
  bool isNewCard() const { return new_; }
  bool isChanged() const { return changed_; }
  const orv::assets::KartKaydi& record() const { return kayit_; }
  QString headerText() const;
  QAction* action(const QString& caption) const { return actions_.value(caption); }
  QWidget* field(const QString& name) const { return fields_.value(name); }
  CodeChangePanel* codeChangePanel() const { return codePanel_; }
  QString endDateText() const;
  QString totalText() const;

  // Collects the controls into the card record (the code without separators).
  void collect();
  bool loadCard(long long ulas);   // asks about unsaved changes first; false when it stays

 public slots:
  void newCard();         // F4
  bool save();            // F2
  void search();          // F3
  void ledger();          // F5
  void toBrowser();       // F11
  void next();            // Ctrl+Page Down
  void previous();        // Ctrl+Page Up
  void deleteCard();
  void openCodeChange();
  void changeCode();
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* buildIdentity();
  QWidget* buildPurchase();
  QWidget* buildDepreciation();
  QWidget* buildAccounts();
  QWidget* buildSummary();
  void buildCommands();
  void connectShortcutsAndMarks();
  QAction* addCommand(const QString& caption, const QKeySequence& key, void (TfrmKart::*slot)());
  QLineEdit* addText(const QString& name, int maxLength);
  void showRecord();
  void showHeader();
  void showSummary();
  void showEmpty();
  bool askToSave(bool withCancel, bool* cancelled = nullptr);
  void markChanged();
  void purchaseChanged();
  void purchaseDateLeft();
  void recomputeEndDate(bool copyToFields);
  void move(bool forward);
  std::string maskedCode() const;

  orv::Session& session_;
  std::unique_ptr<orv::Prompter> ownPrompter_;
  orv::Prompter* prompter_;
  std::unique_ptr<orv::locks::RecordLocks> locks_;
  orv::assets::KartKaydi kayit_;
  bool new_ = true;
  bool changed_ = false;
  bool browserRequest_ = false;
  bool showing_ = false;          // controls being filled: no change marks
  QHash<QString, QWidget*> fields_;
  QHash<QString, QAction*> actions_;
  QLabel* header_ = nullptr;
  QLabel* transferBanner_ = nullptr;
  QLabel* exitBanner_ = nullptr;
  QLabel* countDate_ = nullptr;
  QLabel* total_ = nullptr;
  QLabel* endDate_ = nullptr;
  QLabel* summary_[6] = {};
  QSpinBox* year_ = nullptr;
  CodeChangePanel* codePanel_ = nullptr;
};
