#include "assets/screens/asset_views.h"

#include "app/screens/message_prompter.h"
#include "assets/card.h"
#include "assets/screens/untKart.h"
#include "assets/screens/untKartBrowse.h"

void openAssetScreens(orv::Session& session, QWidget* parent) {
  const int startLayout = session.values.cardLayout == 0 ? 0 : 1;
  int layout = startLayout;
  long long ulas = 0;
  for (;;) {
    bool switchAsked = false;
    if (layout == 1) {
      TfrmKart card(session, ulas, parent);
      card.exec();
      switchAsked = card.browserRequested();
      ulas = card.cardId();
    } else {
      TfrmKartBrowse browser(session, ulas, parent);
      browser.exec();
      switchAsked = browser.cardViewRequested();
      ulas = browser.handOverUlas();
    }
    if (!switchAsked) break;
    layout = layout == 1 ? 0 : 1;
  }
  if (layout == startLayout) return;
  if (orv::Status s = orv::assets::KartDuzeniKaydet(session, layout); !s)
    MessagePrompter(parent).message(orv::MessageKind::Error, s.message());
}
