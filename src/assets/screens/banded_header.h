// A horizontal header with a row of bands above the column captions: each band a caption
// spanning consecutive columns. Used by the banded grids of the asset browser and the ledger.
#pragma once

#include <QHeaderView>
#include <QString>
#include <vector>

class BandedHeader : public QHeaderView {
  Q_OBJECT

 public:
  struct Band {
    QString caption;
    int firstColumn;
    int lastColumn;
  };
  explicit BandedHeader(QWidget* parent = nullptr);
  void setBands(std::vector<Band> bands);
  const std::vector<Band>& bands() const { return bands_; }
  void setBandsVisible(bool on);
  bool bandsVisible() const { return bandsVisible_; }
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

 private:
  int bandHeight() const;
  std::vector<Band> bands_;
  bool bandsVisible_ = true;
};
