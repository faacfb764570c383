#include "platform/win32/win32_printer_list.h"

#include <windows.h>

#include <winspool.h>

#include <vector>

#include "platform/windows/wide_text.h"

namespace quirevo {

namespace {

std::optional<std::wstring> defaultPrinter() {
  DWORD size = 0;
  GetDefaultPrinterW(nullptr, &size);
  if (size == 0) {
    return std::nullopt;
  }
  std::wstring name(size, L'\0');
  if (!GetDefaultPrinterW(name.data(), &size)) {
    return std::nullopt;
  }
  name.resize(size > 0 ? size - 1 : 0);
  return name;
}

std::vector<std::wstring> installedPrinters() {
  constexpr DWORD kWhich = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
  DWORD needed = 0;
  DWORD count = 0;
  EnumPrintersW(kWhich, nullptr, 4, nullptr, 0, &needed, &count);
  if (needed == 0) {
    return {};
  }
  std::vector<BYTE> buffer(needed);
  if (!EnumPrintersW(kWhich, nullptr, 4, buffer.data(), needed, &needed, &count)) {
    return {};
  }
  const auto* printers = reinterpret_cast<const PRINTER_INFO_4W*>(buffer.data());
  std::vector<std::wstring> names;
  for (DWORD i = 0; i < count; ++i) {
    names.emplace_back(printers[i].pPrinterName);
  }
  return names;
}

}  // namespace

std::optional<std::string> Win32PrinterList::currentPrinterName() {
  const std::optional<std::wstring> wanted = defaultPrinter();
  if (!wanted) {
    return std::nullopt;
  }
  for (const std::wstring& name : installedPrinters()) {
    // Printer names compare without regard to case, as Windows treats them.
    if (CompareStringOrdinal(name.c_str(), -1, wanted->c_str(), -1, TRUE) == CSTR_EQUAL) {
      return toUtf8(name);
    }
  }
  return std::nullopt;
}

}  // namespace quirevo
