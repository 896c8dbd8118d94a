// Texts of the main window that follow from the state: version, user, caption.
#pragma once

#include <string>

#include "app/session.h"

namespace orv::app {

// The product version of this build (a.b.c.d).
inline constexpr const char* kProductVersion = "1.0.5.0";

inline constexpr const char* kApplicationTitle = "Orvan Yazılım Sabit Kıymetler Programı";
inline constexpr const char* kWindowCaption = "Orvan Sabit Kıymetler Programı";
inline constexpr const char* kCloseQuestion =
    "Orvan Sabit Kıymetler Programı kapatılacaktır.\r\rEmin misiniz  ?";

// Product version a.b.c.d shown as a.b followed by c ("1.0.5.0" gives "1.05"); a.b stays.
std::string displayVersion(const std::string& productVersion);
// "Ver " + version + four blanks
std::string versionLabel(const std::string& productVersion);
// "Kullanıcı : " full name " (" user name ")"
std::string userLabel(const KullaniciBilgileri& user);
// Adi " : " Unvan
std::string companyLabel(const ActiveCompany& company);
// "Orvan Sabit Kıymetler Programı  (" name " - " accounting year ")"
std::string mainCaption(const std::string& company, int accountingYear);

}  // namespace orv::app
