#include "platform/msxml/msxml_parser.h"

#include <wrl/client.h>

#include <vector>

#include "i18n/xml_parse_error.h"
#include "platform/com/com_error.h"
#include "platform/com/unique_bstr.h"
#include "platform/com/unique_variant.h"
#include "platform/msxml/msxml_document.h"
#include "platform/msxml/msxml_interfaces.h"
#include "platform/windows/wide_text.h"

namespace quirevo {

namespace {

using Microsoft::WRL::ComPtr;

constexpr const wchar_t* kVersions[] = {L"Msxml2.DOMDocument.6.0", L"Msxml2.DOMDocument.3.0"};

// The largest document, entity expansion included, in kilobytes: a language file is a few.
constexpr long kMaxDocumentKilobytes = 1024;

[[noreturn]] void cannotStart(HRESULT status) {
  throw XmlParseError("MSXML cannot be started: " + std::string(comFailure(status).what()), 0, "");
}

ComPtr<IXMLDOMDocument2> newDocument() {
  HRESULT status = REGDB_E_CLASSNOTREG;
  for (const wchar_t* progId : kVersions) {
    CLSID classId{};
    status = CLSIDFromProgID(progId, &classId);
    if (FAILED(status)) {
      continue;
    }
    ComPtr<IXMLDOMDocument2> document;
    status = CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&document));
    if (SUCCEEDED(status)) {
      return document;
    }
  }
  cannotStart(status);
}

void configure(IXMLDOMDocument2& document) {
  for (const HRESULT status :
       {document.put_async(VARIANT_FALSE), document.put_validateOnParse(VARIANT_FALSE),
        document.put_resolveExternals(VARIANT_FALSE),
        document.put_preserveWhiteSpace(VARIANT_FALSE)}) {
    if (FAILED(status)) {
      cannotStart(status);
    }
  }
  // An internal document type may define entities, so it is allowed; its expansion is bounded.
  // These properties are MSXML 6's; a version that does not know them rejects them, which leaves
  // its own defaults.
  UniqueVariant allowed;
  V_VT(&allowed.get()) = VT_BOOL;
  V_BOOL(&allowed.get()) = VARIANT_FALSE;
  document.setProperty(UniqueBstr("ProhibitDTD").get(), allowed.get());
  UniqueVariant limit;
  V_VT(&limit.get()) = VT_I4;
  V_I4(&limit.get()) = kMaxDocumentKilobytes;
  document.setProperty(UniqueBstr("MaxXMLSize").get(), limit.get());
}

// The name relative to the working directory, as the file is meant; MSXML would resolve it
// against a base URL of its own.
std::wstring fullPath(const std::string& fileName) {
  const std::wstring name = toWide(fileName);
  const DWORD needed = GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
  if (needed == 0) {
    return name;
  }
  std::vector<wchar_t> path(needed);
  const DWORD length = GetFullPathNameW(name.c_str(), needed, path.data(), nullptr);
  return length == 0 || length >= needed ? name : std::wstring(path.data(), length);
}

std::string withoutTrailingLineBreaks(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
    text.pop_back();
  }
  return text;
}

[[noreturn]] void throwParseError(IXMLDOMDocument2& document, HRESULT loadStatus) {
  ComPtr<IXMLDOMParseError> error;
  if (FAILED(document.get_parseError(&error)) || !error) {
    throw XmlParseError(comFailure(loadStatus).what(), 0, "");
  }
  UniqueBstr reason;
  UniqueBstr source;
  long line = 0;
  error->get_reason(reason.out());
  error->get_line(&line);
  error->get_srcText(source.out());
  std::string reasonText = withoutTrailingLineBreaks(reason.text());
  if (reasonText.empty()) {
    reasonText = comFailure(loadStatus).what();
  }
  throw XmlParseError(reasonText, static_cast<int>(line), withoutTrailingLineBreaks(source.text()));
}

}  // namespace

std::unique_ptr<XmlDocument> MsxmlParser::parseFile(const std::string& fileName) {
  ComPtr<IXMLDOMDocument2> document = newDocument();
  configure(*document.Get());
  UniqueVariant source;
  V_BSTR(&source.get()) = UniqueBstr(toUtf8(fullPath(fileName))).release();
  V_VT(&source.get()) = VT_BSTR;
  VARIANT_BOOL loaded = VARIANT_FALSE;
  const HRESULT status = document->load(source.get(), &loaded);
  if (FAILED(status) || loaded != VARIANT_TRUE) {
    throwParseError(*document.Get(), status);
  }
  return std::make_unique<MsxmlDocument>(std::move(document));
}

}  // namespace quirevo
