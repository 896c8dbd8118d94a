// The asset screen of the main window: the card view or the browser view, as the layout
// parameter says, alternating while either asks for the other and handing over the card shown.
#pragma once

#include "app/session.h"

class QWidget;

void openAssetScreens(orv::Session& session, QWidget* parent);
