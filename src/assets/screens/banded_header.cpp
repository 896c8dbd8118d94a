// Bands are painted over the upper half of the header; the sections keep the lower half.
#include "assets/screens/banded_header.h"

#include <QPainter>
#include <QStyleOptionHeader>

BandedHeader::BandedHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
  setSectionsClickable(false);
  setDefaultAlignment(Qt::Alignment(Qt::AlignCenter) | Qt::Alignment(Qt::TextWordWrap));
}

void BandedHeader::setBands(std::vector<Band> bands) {
  bands_ = std::move(bands);
  updateGeometry();
  viewport()->update();
}

void BandedHeader::setBandsVisible(bool on) {
  bandsVisible_ = on;
  updateGeometry();
  viewport()->update();
}

int BandedHeader::bandHeight() const {
  return bandsVisible_ && !bands_.empty() ? fontMetrics().height() + 8 : 0;
}

QSize BandedHeader::sizeHint() const {
  QSize s = QHeaderView::sizeHint();
  s.setHeight(std::max(s.height(), 2 * fontMetrics().height() + 10) + bandHeight());
  return s;
}

void BandedHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
  QHeaderView::paintSection(painter, rect.adjusted(0, bandHeight(), 0, 0), logicalIndex);
}

void BandedHeader::paintEvent(QPaintEvent* event) {
  QHeaderView::paintEvent(event);
  const int h = bandHeight();
  if (h == 0) return;
  QPainter painter(viewport());
  for (const Band& band : bands_) {
    int left = -1, right = -1;
    for (int c = band.firstColumn; c <= band.lastColumn; ++c) {
      if (isSectionHidden(c)) continue;
      const int x = sectionViewportPosition(c);
      if (left < 0 || x < left) left = x;
      right = std::max(right, x + sectionSize(c));
    }
    if (left < 0) continue;
    QStyleOptionHeader opt;
    initStyleOption(&opt);
    // A band partly scrolled away keeps its caption in the visible part.
    opt.rect = QRect(left, 0, right - left, h).intersected(QRect(0, 0, viewport()->width(), h));
    if (opt.rect.isEmpty()) continue;
    opt.text = band.caption;
    opt.textAlignment = Qt::AlignCenter;
    opt.position = QStyleOptionHeader::Middle;
    style()->drawControl(QStyle::CE_Header, &opt, &painter, this);
  }
}
