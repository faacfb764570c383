#include "workbook/sheet_queries.h"

#include "automation/late_binding.h"

namespace quirevo {

namespace {

std::int32_t pageCount(const Variant& session, const Variant& sheet) {
  return late(session)
      .get("Sheets")
      .indexedGet("Item", sheet)
      .get("PageSetup")
      .get("Pages")
      .get("Count")
      .toInt32();
}

}  // namespace

std::int32_t sheetCount(const Variant& session) {
  return late(session).get("Sheets").get("count").toInt32();
}

std::string sheetName(const Variant& session, std::int32_t sheet) {
  return late(session)
      .get("Sheets")
      .indexedGet("Item", Variant::integer(sheet))
      .get("name")
      .toText();
}

std::int32_t pageCountNamingSheetByValue(const Variant& session, std::int32_t sheet) {
  return pageCount(session, Variant::integer(sheet));
}

std::int32_t pageCountNamingSheetByReference(const Variant& session, std::int32_t sheet) {
  return pageCount(session, Variant::integerRef(sheet));
}

}  // namespace quirevo
