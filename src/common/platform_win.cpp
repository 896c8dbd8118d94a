// Windows side of the workstation identity and of raw printing through the spooler.
#ifdef _WIN32

#include <winsock2.h>
#include <ws2tcpip.h>
#include <iphlpapi.h>
#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <map>

#ifdef _MSC_VER
#pragma comment(lib, "ws2_32.lib")
#pragma comment(lib, "iphlpapi.lib")
#pragma comment(lib, "winspool.lib")
#endif
#include <vector>

#include "common/platform.h"
#include "common/workstation.h"

namespace orv {
namespace {

std::wstring wide(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
  return out;
}

}  // namespace

std::string workstationIpAddress() {
  WSADATA data;
  if (WSAStartup(MAKEWORD(2, 2), &data) != 0) return {};
  std::string result = "127.0.0.1";
  char host[256] = {};
  addrinfo hints{};
  hints.ai_family = AF_INET;
  addrinfo* found = nullptr;
  if (gethostname(host, sizeof host - 1) == 0 && getaddrinfo(host, nullptr, &hints, &found) == 0 && found) {
    char text[INET_ADDRSTRLEN] = {};
    const auto* address = reinterpret_cast<const sockaddr_in*>(found->ai_addr);
    if (inet_ntop(AF_INET, &address->sin_addr, text, sizeof text)) result = text;
    freeaddrinfo(found);
  }
  WSACleanup();
  return result;
}

std::string workstationMacAddress() {
  ULONG size = 16 * 1024;
  std::vector<unsigned char> buffer(size);
  auto* list = reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data());
  if (GetAdaptersAddresses(AF_UNSPEC, 0, nullptr, list, &size) == ERROR_BUFFER_OVERFLOW) {
    buffer.resize(size);
    list = reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data());
  }
  if (GetAdaptersAddresses(AF_UNSPEC, 0, nullptr, list, &size) != NO_ERROR) return "??:??:??:??:??:??";
  std::map<std::string, std::string> byName;
  for (const IP_ADAPTER_ADDRESSES* a = list; a; a = a->Next) {
    if (a->IfType == IF_TYPE_SOFTWARE_LOOPBACK || a->PhysicalAddressLength != 6) continue;
    const BYTE* b = a->PhysicalAddress;
    if (!(b[0] | b[1] | b[2] | b[3] | b[4] | b[5])) continue;
    char text[18];
    std::snprintf(text, sizeof text, "%2.2x:%2.2x:%2.2x:%2.2x:%2.2x:%2.2x", b[0], b[1], b[2], b[3], b[4], b[5]);
    byName.emplace(a->AdapterName, text);
  }
  return byName.empty() ? "??:??:??:??:??:??" : byName.begin()->second;
}

namespace {

class SpoolerJob : public RawOutput {
 public:
  explicit SpoolerJob(HANDLE printer) : printer_(printer) {}
  ~SpoolerJob() override { abort(); }

  Status write(std::string_view bytes) override {
    DWORD written = 0;
    if (!WritePrinter(printer_, const_cast<char*>(bytes.data()), static_cast<DWORD>(bytes.size()), &written) ||
        written != bytes.size())
      return Status::error("Yazıcıya yazılamadı.");
    return Status::ok();
  }
  Status finish() override {
    const bool ok = EndPagePrinter(printer_) && EndDocPrinter(printer_);
    ClosePrinter(printer_);
    printer_ = nullptr;
    return ok ? Status::ok() : Status::error("Yazdırma işi yazıcıya teslim edilemedi.");
  }
  void abort() override {
    if (!printer_) return;
    AbortPrinter(printer_);
    ClosePrinter(printer_);
    printer_ = nullptr;
  }

 private:
  HANDLE printer_;
};

}  // namespace

Result<std::unique_ptr<RawOutput>> openPrinterOutput(const std::string& printer,
                                                     const std::string& document,
                                                     const std::vector<std::string>&) {
  using R = Result<std::unique_ptr<RawOutput>>;
  std::wstring name = wide(printer);
  if (name.empty()) {
    DWORD size = 0;
    GetDefaultPrinterW(nullptr, &size);
    name.resize(size);
    if (size == 0 || !GetDefaultPrinterW(name.data(), &size)) return R::error("Varsayılan yazıcı bulunamadı.");
    name.resize(size > 0 ? size - 1 : 0);
  }
  HANDLE handle = nullptr;
  if (!OpenPrinterW(name.data(), &handle, nullptr)) return R::error("Yazıcı açılamadı: " + printer);
  std::wstring docName = wide(document.empty() ? std::string("Orvan") : document);
  wchar_t raw[] = L"RAW";
  DOC_INFO_1W info{docName.data(), nullptr, raw};
  if (StartDocPrinterW(handle, 1, reinterpret_cast<LPBYTE>(&info)) == 0) {
    ClosePrinter(handle);
    return R::error("Yazdırma işi başlatılamadı: " + printer);
  }
  if (!StartPagePrinter(handle)) {
    AbortPrinter(handle);
    ClosePrinter(handle);
    return R::error("Yazdırma sayfası başlatılamadı: " + printer);
  }
  return std::unique_ptr<RawOutput>(std::make_unique<SpoolerJob>(handle));
}

}  // namespace orv

#endif  // _WIN32
