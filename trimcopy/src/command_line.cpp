#include "command_line.h"

#include "trim_copy.h"

#include <charconv>
#include <ostream>

namespace trimcopy {

namespace {

const char* const kUsage =
    "Kullanım: trimcopy KAYNAK YENİ_DOSYA BOYUT\n"
    "          trimcopy --help\n";

const char* const kHelp =
    "KAYNAK dosyanın baştaki 1024 baytlık tam bloklarını YENİ_DOSYA'ya yazar; yazılan bayt\n"
    "sayısı BOYUT'a eşit olunca durur. BOYUT 1024'ün katı değilse ya da KAYNAK daha kısaysa\n"
    "kaynağın bütün tam blokları yazılır; 1024 bayttan kısa son parça yazılmaz.\n"
    "YENİ_DOSYA varsa üzerine yazılır; KAYNAK değişmez.\n"
    "Pencereyle çalışmak için programı bağımsız değişkensiz başlatın.\n"
    "\n"
    "Çıkış kodu: 0 kopyalandı, 1 kopyalama reddedildi ya da hata oluştu,\n"
    "2 komut satırı hatalı.\n";

std::string trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

}  // namespace

std::optional<long long> parseWholeNumber(const std::string& text) {
  const bool plus = !text.empty() && text[0] == '+';
  const std::string digits = plus ? text.substr(1) : text;
  if (plus && !digits.empty() && digits[0] == '-') return std::nullopt;
  long long value = 0;
  const char* end = digits.data() + digits.size();
  const auto [ptr, ec] = std::from_chars(digits.data(), end, value);
  if (digits.empty() || ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

int runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    out << kUsage << '\n' << kHelp;
    return kExitOk;
  }
  if (args.size() != 3) {
    err << "Bağımsız değişken sayısı hatalı.\n" << kUsage;
    return kExitUsage;
  }
  const std::optional<long long> wanted = parseWholeNumber(args[2]);
  if (!wanted) {
    err << "İstenilen dosya boyu geçerli bir tam sayı değil: \"" << args[2] << "\"\n";
    return kExitUsage;
  }
  FixedSize progress(*wanted);
  const CopyResult result =
      copyLeadingBlocks(pathFromUtf8(args[0]), pathFromUtf8(trimmed(args[1])), progress);
  if (!result.ok()) {
    err << result.message << '\n';
    return kExitCopyFailed;
  }
  out << result.bytesCopied << " bayt yazıldı.\n";
  return kExitOk;
}

}  // namespace trimcopy
