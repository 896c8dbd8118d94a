// The side bar of the main window: groups with a caption and entries that stand for bar
// items. Its appearance (colours, fill, picture, fonts, border, paint style, selectable) is
// kept in the layout settings, section "SIDEBARS/MAIN".
#pragma once

#include <QColor>
#include <QFont>
#include <QWidget>
#include <functional>
#include <vector>

class QAction;
class QSettings;
class QVBoxLayout;

struct SideBarLook {
  QColor beginColor = QColor(0, 64, 128);
  QColor endColor = QColor(150, 190, 230);
  QString fillStyle = "Vert";   // "Horz", "None", "Vert"
  int fillStep = 8;
  QString picture;              // file of a background picture, "" for none
  QFont groupFont;
  QFont itemFont;
  QString borderStyle = "Single";  // "None", "Single"
  QString paintStyle = "Flat";     // "Flat", "Standard"
  bool selectable = true;

  void load(QSettings& s);
  void save(QSettings& s) const;
};

class SideBar : public QWidget {
  Q_OBJECT

 public:
  explicit SideBar(QWidget* parent = nullptr);
  void addGroup(const QString& caption);
  // An entry of the last group; it follows the action's enabled state and triggers it.
  void addEntry(const QString& caption, QAction* action);
  const SideBarLook& look() const { return look_; }
  void setLook(const SideBarLook& look);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void applyFonts();
  SideBarLook look_;
  QVBoxLayout* layout_;
  std::vector<QWidget*> groupLabels_;
  std::vector<QWidget*> entries_;
};
