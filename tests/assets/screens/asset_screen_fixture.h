// A company with code lists and rights for the asset screen tests, a recording prompter and
// screenshots into ORV_SCREENSHOT_DIR when it is set.
#pragma once

#include <QByteArray>
#include <QString>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "app/prompter.h"
#include "data/kart_repository.h"
#include "fixtures/data_root.h"

namespace orv::test {

class RecordingPrompter : public Prompter {
 public:
  void message(MessageKind kind, const std::string& text) override { messages.push_back({kind, text}); }
  Answer confirm(MessageKind, const std::string& text, bool) override {
    questions.push_back(text);
    return answer;
  }
  std::string last() const { return messages.empty() ? "" : messages.back().second; }
  std::vector<std::pair<MessageKind, std::string>> messages;
  std::vector<std::string> questions;
  Answer answer = Answer::Yes;
};

struct AssetCompany {
  TempDataRoot root;
  Session session;

  AssetCompany() {
    qputenv("ORVDEMIRBAS_CONFIG", QByteArray::fromStdString(root.parent() + "/config"));
    root.addCompany("ACME");
    session = root.session("ACME");
    session.rights = {10, 20, 30, 35, 40, 50, 54, 100};
    session.values.dateSeparator = '/';
    session.codeLists.codes[0] = {"000=", "01=İdari Bina", "02=Üretim", "03=Depo"};
    session.codeLists.codes[1] = {"000=", "A=Demirbaş", "B=Taşıt"};
    session.codeLists.codes[5] = {"000=", "1=Ahmet Yılmaz", "2=Ayşe Demir"};
  }

  long long addCard(const std::string& bolum, const std::string& kod, const std::string& adi, double tutar = 1000) {
    db::KartRow k;
    k.Bolum = bolum;
    k.SabitKiymet = kod;
    k.Adi = adi;
    k.Alis_Tarihi = Date::fromYMD(2004, 1, 1);
    k.Alis_Tutari = tutar;
    k.Kdv_Orani = 18;
    k.Kdv_Tutari = tutar * 0.18;
    k.Amortisman_Orani = 20;
    k.Amortisman_Baslama = Date::fromYMD(2004, 1, 1);
    k.Zimmet = "Ahmet Yılmaz";
    return db::KartRepository(*session.companyDb).insert(k);
  }
};

inline void screenshot(QWidget& w, const char* name) {
  const QByteArray dir = qgetenv("ORV_SCREENSHOT_DIR");
  if (!dir.isEmpty()) w.grab().save(QString::fromUtf8(dir) + "/" + name + ".png");
}

}  // namespace orv::test
