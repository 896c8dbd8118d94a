// "Görünüm Özellikleri": three switches of the browser grid, read from the grid when the
// dialog opens and applied at once when changed.
#pragma once

#include <functional>

#include "app/screens/untGenMain.h"

class QCheckBox;

class TfrmGridOptions : public TfrmGenMain {
  Q_OBJECT

 public:
  struct Parts {
    bool previews = false;      // "Açıklama Satırlarını Göster"
    bool bands = true;          // "Grup Başlıklarını Göster"
    bool headers = true;        // "Başlıkları Göster"
  };
  TfrmGridOptions(Parts current, std::function<void(const Parts&)> apply, QWidget* parent = nullptr);
  QCheckBox* previewBox() const { return previews_; }
  QCheckBox* bandBox() const { return bands_; }
  QCheckBox* headerBox() const { return headers_; }

 private:
  void changed();
  std::function<void(const Parts&)> apply_;
  QCheckBox* previews_ = nullptr;
  QCheckBox* bands_ = nullptr;
  QCheckBox* headers_ = nullptr;
};
