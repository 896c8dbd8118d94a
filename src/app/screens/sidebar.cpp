#include "app/screens/sidebar.h"

#include <QAction>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QSettings>
#include <QPushButton>
#include <QVBoxLayout>

void SideBarLook::load(QSettings& s) {
  s.beginGroup("SIDEBARS/MAIN");
  beginColor = s.value("BkgBeginColor", beginColor).value<QColor>();
  endColor = s.value("BkgEndColor", endColor).value<QColor>();
  fillStyle = s.value("BkgFillStyle", fillStyle).toString();
  fillStep = std::max(1, s.value("BkgFillStep", fillStep).toInt());
  picture = s.value("BkgPicture", picture).toString();
  if (s.contains("GroupFont")) groupFont.fromString(s.value("GroupFont").toString());
  if (s.contains("ItemFont")) itemFont.fromString(s.value("ItemFont").toString());
  borderStyle = s.value("BorderStyle", borderStyle).toString();
  paintStyle = s.value("PaintStyle", paintStyle).toString();
  selectable = s.value("CanSelected", selectable).toBool();
  s.endGroup();
}

void SideBarLook::save(QSettings& s) const {
  s.beginGroup("SIDEBARS/MAIN");
  s.setValue("BkgBeginColor", beginColor);
  s.setValue("BkgEndColor", endColor);
  s.setValue("BkgFillStyle", fillStyle);
  s.setValue("BkgFillStep", fillStep);
  s.setValue("BkgPicture", picture);
  s.setValue("GroupFont", groupFont.toString());
  s.setValue("ItemFont", itemFont.toString());
  s.setValue("BorderStyle", borderStyle);
  s.setValue("PaintStyle", paintStyle);
  s.setValue("CanSelected", selectable);
  s.endGroup();
}

SideBar::SideBar(QWidget* parent) : QWidget(parent), layout_(new QVBoxLayout(this)) {
  layout_->setContentsMargins(6, 6, 6, 6);
  layout_->setSpacing(2);
  layout_->addStretch();
  look_.groupFont = font();
  look_.groupFont.setBold(true);
  look_.itemFont = font();
  setMinimumWidth(300);
}

void SideBar::addGroup(const QString& caption) {
  auto* label = new QLabel(caption, this);
  label->setStyleSheet("color: white; background: rgba(0,0,60,110); padding: 4px;");
  layout_->insertWidget(layout_->count() - 1, label);
  groupLabels_.push_back(label);
  applyFonts();
}

void SideBar::addEntry(const QString& caption, QAction* action) {
  auto* button = new QPushButton(caption, this);
  button->setFlat(true);
  button->setCursor(Qt::PointingHandCursor);
  button->setToolTip(caption);
  button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  button->setStyleSheet("QPushButton { color: white; text-align: left; padding: 2px 4px 2px 12px;"
                        " border: none; }"
                        "QPushButton:disabled { color: rgba(255,255,255,90); }"
                        "QPushButton:hover { text-decoration: underline; }");
  button->setEnabled(action->isEnabled());
  connect(action, &QAction::changed, button, [button, action] { button->setEnabled(action->isEnabled()); });
  connect(button, &QPushButton::clicked, action, &QAction::trigger);
  layout_->insertWidget(layout_->count() - 1, button);
  entries_.push_back(button);
  applyFonts();
}

void SideBar::setLook(const SideBarLook& look) {
  look_ = look;
  applyFonts();
  update();
}

void SideBar::applyFonts() {
  for (QWidget* g : groupLabels_) g->setFont(look_.groupFont);
  for (QWidget* e : entries_) {
    e->setFont(look_.itemFont);
    e->setFocusPolicy(look_.selectable ? Qt::StrongFocus : Qt::NoFocus);
  }
}

void SideBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (look_.fillStyle == "None") {
    p.fillRect(rect(), look_.beginColor);
  } else {
    QLinearGradient g(0, 0, look_.fillStyle == "Horz" ? width() : 0,
                      look_.fillStyle == "Horz" ? 0 : height());
    const int steps = std::max(1, look_.fillStep);
    for (int i = 0; i <= steps; ++i) {  // banded like the original's stepped fill
      const double t = double(i) / steps;
      QColor c = QColor::fromRgbF(
          look_.beginColor.redF() + (look_.endColor.redF() - look_.beginColor.redF()) * t,
          look_.beginColor.greenF() + (look_.endColor.greenF() - look_.beginColor.greenF()) * t,
          look_.beginColor.blueF() + (look_.endColor.blueF() - look_.beginColor.blueF()) * t);
      g.setColorAt(t, c);
    }
    p.fillRect(rect(), g);
  }
  if (!look_.picture.isEmpty()) {
    QPixmap pic(look_.picture);
    if (!pic.isNull()) p.drawTiledPixmap(rect(), pic);
  }
  if (look_.borderStyle == "Single") {
    p.setPen(QColor(40, 40, 40));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}
