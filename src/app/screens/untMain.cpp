// The main window's bars, side bar and centre, and the commands they open.
#include "app/screens/untMain.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <QSpinBox>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidgetAction>

#include "app/menu_items.h"
#include "app/screen_settings.h"
#include "app/screens/sidebar.h"
#include "app/shell_texts.h"

using orv::app::MenuItem;

namespace {

// The start-up picture: a quiet gradient with the program's name.
class Picture : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    QLinearGradient g(0, 0, width(), height());
    g.setColorAt(0, QColor(236, 242, 250));
    g.setColorAt(1, QColor(188, 208, 232));
    p.fillRect(rect(), g);
    QFont f = font();
    f.setPointSize(28);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(20, 50, 110, 200));
    p.drawText(rect().adjusted(0, -60, 0, -60), Qt::AlignCenter, "Sabit Kıymetler");
    f.setPointSize(13);
    f.setBold(false);
    p.setFont(f);
    p.setPen(QColor(40, 60, 100));
    p.drawText(rect().adjusted(0, 10, 0, 10), Qt::AlignCenter,
               QString::fromUtf8(orv::app::kApplicationTitle));
  }
};

QString q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TfrmMain::TfrmMain(orv::Session& session, Options options, QWidget* parent)
    : QMainWindow(parent), session_(session), options_(std::move(options)) {
  setWindowTitle(orv::app::kWindowCaption);
  built_ = {"dxIslemler", "dxListeDokum", "sistem1", "dxHizmet", "dxBarSubItem1", "dxYardim",
            "dxFirmaKarti", "btfirmasecimi", "dxAmortismanYil", "dxKapat", "dxhizmet02",
            "dxEkranAyar", "meDuzenle", "dxservis08", "dxgoruntuluhelp", "dxprghakkinda",
            "dxDoviz", "dxYeniTablo", "dxKart"};
  if (!options_.manualFile.empty())
    built_.insert({"dxyardimkul", "dxicindekiler", "dxkonutarama"});
  buildActions();
  buildMenus();
  buildToolBars();
  buildSideBar();
  buildCentre();
  connectCommands();
  designLayout_ = saveState();
  QSettings layout(q(orv::app::settingsFile(options_.configFolder, orv::app::kLayoutFile)),
                   QSettings::IniFormat);
  restoreState(layout.value("BARS/MAIN/State").toByteArray());
  applyRights();  // nothing is enabled before a company is active
}

QAction* TfrmMain::action(const std::string& name) const {
  auto it = actions_.find(name);
  return it == actions_.end() ? nullptr : it->second;
}

void TfrmMain::buildActions() {
  for (const MenuItem& item : orv::app::menuItems()) {
    auto* a = new QAction(q(item.caption), this);
    a->setObjectName(q(item.name));
    if (!item.shortcut.empty()) a->setShortcut(QKeySequence(q(item.shortcut)));
    actions_[item.name] = a;
  }
  actions_["dxservis08"]->setCheckable(true);
}

void TfrmMain::buildMenus() {
  for (const MenuItem* sub : orv::app::subMenus()) {
    QMenu* menu = menuBar()->addMenu(q(sub->caption));
    actions_[sub->name]->setMenu(menu);
    menu->menuAction()->setObjectName(q(sub->name));
    connect(actions_[sub->name], &QAction::changed, menu, [menu, a = actions_[sub->name]] {
      menu->menuAction()->setEnabled(a->isEnabled());
    });
    for (const MenuItem* item : orv::app::itemsOf(sub->name)) menu->addAction(actions_[item->name]);
    for (const std::string& extra : orv::app::alsoUnder(sub->name)) {
      if (extra == orv::app::alsoUnder(sub->name).front()) menu->addSeparator();
      menu->addAction(actions_[extra]);
    }
  }
}

void TfrmMain::buildToolBars() {
  year_ = new QSpinBox(this);
  year_->setRange(1900, 2500);
  year_->setValue(2002);
  year_->setToolTip(q(orv::app::findMenuItem("dxAmortismanYil")->caption));
  connect(actions_["dxAmortismanYil"], &QAction::changed, year_,
          [this] { year_->setEnabled(actions_["dxAmortismanYil"]->isEnabled()); });
  const std::pair<const char*, const std::vector<std::string>*> bars[] = {
      {"Araç Çubuğu -1", &orv::app::toolBar1()}, {"Araç Çubuğu -2", &orv::app::toolBar2()}};
  for (const auto& [title, items] : bars) {
    if (items == &orv::app::toolBar2()) addToolBarBreak();
    QToolBar* bar = addToolBar(QString::fromUtf8(title));
    bar->setObjectName(QString::fromUtf8(title));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (const std::string& name : *items) {
      if (name == "|") {
        bar->addSeparator();
      } else if (name == "dxAmortismanYil") {
        bar->addWidget(new QLabel(" Aktif Yıl: ", this));
        bar->addWidget(year_);
      } else if (name == "dxListeDokum") {
        auto* b = new QToolButton(this);
        b->setDefaultAction(actions_[name]);
        b->setPopupMode(QToolButton::InstantPopup);
        bar->addWidget(b);
      } else {
        bar->addAction(actions_[name]);
      }
    }
  }
}

void TfrmMain::buildSideBar() {
  sideBar_ = new SideBar(this);
  for (const auto& group : orv::app::sideBarGroups()) {
    sideBar_->addGroup(q(group.caption));
    for (const auto& e : group.entries) sideBar_->addEntry(q(e.caption), actions_[e.item]);
  }
  QSettings layout(q(orv::app::settingsFile(options_.configFolder, orv::app::kLayoutFile)),
                   QSettings::IniFormat);
  SideBarLook look = sideBar_->look();
  look.load(layout);
  sideBar_->setLook(look);
}

void TfrmMain::buildCentre() {
  auto* picture = new Picture(this);
  lbFirma_ = new QLabel(picture);
  lbKullanici_ = new QLabel(picture);
  lbVersiyon_ = new QLabel(q(orv::app::versionLabel(orv::app::kProductVersion)), picture);
  lbFirma_->setStyleSheet("font-size: 15pt; font-weight: bold; color: #14326e;");
  lbKullanici_->setStyleSheet("font-size: 11pt; color: #14326e;");
  lbVersiyon_->setStyleSheet("color: #14326e;");
  auto* box = new QVBoxLayout(picture);
  box->addWidget(lbFirma_, 0, Qt::AlignLeft | Qt::AlignTop);
  box->addStretch();
  box->addWidget(lbKullanici_, 0, Qt::AlignLeft);
  box->addWidget(lbVersiyon_, 0, Qt::AlignRight);
  auto* split = new QSplitter(this);
  split->addWidget(sideBar_);
  split->addWidget(picture);
  split->setStretchFactor(1, 1);
  split->setSizes({300, 1000});
  setCentralWidget(split);
}

void TfrmMain::applyRights() {
  const bool active = session_.companyActive();
  // Commands that make sense without an active company: choosing or creating one, help.
  static const std::set<std::string> withoutCompany = {
      "dxIslemler", "dxFirmaKarti", "btfirmasecimi", "dxKapat", "dxYardim", "dxyardimkul",
      "dxicindekiler", "dxkonutarama", "dxgoruntuluhelp", "dxprghakkinda", "sistem1"};
  for (const MenuItem& item : orv::app::menuItems()) {
    const bool allowed = rightsEvaluated_ && allowed_[item.name];
    const bool open = active || withoutCompany.count(item.name);
    actions_[item.name]->setEnabled(isBuilt(item.name) && allowed && open);
  }
  sideBar_->setEnabled(rightsEvaluated_);
}

QString TfrmMain::companyLabel() const { return lbFirma_->text(); }

void TfrmMain::showEvent(QShowEvent* event) {
  if (QScreen* s = screen()) setGeometry(s->availableGeometry());  // the whole work area
  QMainWindow::showEvent(event);
}
