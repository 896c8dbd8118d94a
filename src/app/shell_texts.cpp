#include "app/shell_texts.h"

#include "common/turkish.h"

namespace orv::app {

std::string displayVersion(const std::string& productVersion) {
  const auto parts = split(productVersion, '.');
  if (parts.size() < 2) return productVersion.empty() ? "1.00" : productVersion;
  std::string v = parts[0] + "." + parts[1];
  if (parts.size() >= 3) v += parts[2];
  return v;
}

std::string versionLabel(const std::string& productVersion) {
  return "Ver " + displayVersion(productVersion) + "    ";
}

std::string userLabel(const KullaniciBilgileri& user) {
  return "Kullanıcı : " + user.fullName + " (" + user.userName + ")";
}

std::string companyLabel(const ActiveCompany& company) {
  return company.name + " : " + company.title;
}

std::string mainCaption(const std::string& company, int accountingYear) {
  return std::string(kWindowCaption) + "  (" + company + " - " + std::to_string(accountingYear) +
         ")";
}

}  // namespace orv::app
