#include "app/data_check.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace orv::app {
namespace {

const char* kActiveUsers =
    "Programda Aktif Kullanıcılar Bulunmakta!\r\rİşleme Devam Etmek İçin Programda Olan "
    "Kullanıcılar Programdan Çıkmalı!\r\rLütfen Kullanıcıları Programdan Çıkartıp, İşleme "
    "Devam Ediniz.";
const char* kActiveUsersQuestion =
    "Programda Aktif Kullanıcılar Bulunmakta!\r\rİşleme Devam Etmek İstiyormusunuz?";

bool othersLoggedIn(db::Database& root) {
  auto n = loginRowCount(root);
  return n && *n > 1;
}

}  // namespace

std::string checkToolPath(const std::string& programFolder) {
#ifdef _WIN32
  return (fs::path(programFolder) / "orvcheck.exe").string();
#else
  return (fs::path(programFolder) / "orvcheck").string();
#endif
}

std::vector<std::string> checkToolArguments(const std::string& companyFolder) {
  return {"-Q+", "-R1", "/A" + companyFolder};
}

CheckEnd runDataCheck(const DataCheckInput& in, const ToolRunner& run, Prompter& prompter) {
  if (othersLoggedIn(in.root)) {
    prompter.message(MessageKind::Warning, kActiveUsers);
    if (othersLoggedIn(in.root) &&
        prompter.confirm(MessageKind::Confirmation, kActiveUsersQuestion) != Answer::Yes)
      return CheckEnd::Continue;
  }
  std::error_code ec;
  if (!fs::is_regular_file(in.toolPath, ec)) return CheckEnd::Continue;
  if (prompter.confirm(MessageKind::Confirmation,
                       "Genel Demirbas Programı Verilerini Kontrol Etmek İstiyormusunuz?") !=
      Answer::Yes)
    return CheckEnd::Continue;
  Result<int> code = run(in.toolPath, checkToolArguments(in.companyFolder));
  if (!code) {
    prompter.message(MessageKind::Error, code.message());
    return CheckEnd::Continue;
  }
  if (*code == -2) {
    prompter.message(MessageKind::Warning, "Dosyalar Kullanımda Kontrol İşlemi Yapılmadı!");
  } else if (*code < 0) {
    if (prompter.confirm(MessageKind::Confirmation,
                         "İşlemlerde Hata Bulundu! Devam Etmek İstiyormusunuz?") != Answer::Yes) {
      removeLogin(in.root, in.workstation, false);
      return CheckEnd::EndProgram;
    }
  }
  return CheckEnd::Continue;
}

}  // namespace orv::app
