#include "tests/wine/driver/expected_requests.h"

namespace quirevo::testing {

namespace {

const std::string kGet = "METHOD|PROPERTYGET ";

std::string byReference(int value) {
  return "VT_BYREF|VT_I4 " + std::to_string(value);
}

std::string printOut(const std::string& from, int lastPage, int copies,
                     const std::string& printer) {
  return "METHOD PrintOut(" + from + ", " + byReference(lastPage) + ", " + byReference(copies) +
         ", VT_BOOL 0, VT_BYREF|VT_BSTR \"" + printer + "\", VT_BOOL 0, VT_BOOL 0)";
}

}  // namespace

Requests join(const std::vector<Requests>& parts) {
  Requests all;
  for (const Requests& part : parts) {
    all.insert(all.end(), part.begin(), part.end());
  }
  return all;
}

Requests startUp() {
  return {"PROPERTYPUT DisplayAlerts(DISPID_PROPERTYPUT=VT_BOOL 0)",
          "PROPERTYPUT Visible(DISPID_PROPERTYPUT=VT_BOOL 0)", kGet + "Workbooks", "METHOD Add"};
}

Requests openWorkbook(const std::string& path) {
  return {kGet + "ActiveWorkbook", "METHOD Close", kGet + "Workbooks",
          "METHOD Open(Filename=VT_BSTR \"" + path + "\")"};
}

Requests listing(int sheets) {
  Requests requests = sheetCount();
  for (int i = 1; i <= sheets; ++i) {
    const std::string item = "PROPERTYGET Item(VT_I4 " + std::to_string(i) + ")";
    requests.insert(requests.end(), {kGet + "Sheets", item, kGet + "name", kGet + "Sheets", item,
                                     kGet + "PageSetup", kGet + "Pages", kGet + "Count"});
  }
  return requests;
}

Requests sheetCount() {
  return {kGet + "Sheets", kGet + "count"};
}

Requests pageCount(int sheet) {
  return {kGet + "Sheets", "PROPERTYGET Item(" + byReference(sheet) + ")", kGet + "PageSetup",
          kGet + "Pages", kGet + "Count"};
}

Requests wholeSheet(int sheet, int lastPage, int copies, const std::string& printer) {
  return {kGet + "Sheets", "PROPERTYGET Item(" + byReference(sheet) + ")",
          printOut("VT_I4 1", lastPage, copies, printer)};
}

Requests pageRange(int sheet, int firstPage, int lastPage, int copies, const std::string& printer) {
  return {kGet + "Sheets", "PROPERTYGET Item(" + byReference(sheet) + ")",
          printOut(byReference(firstPage), lastPage, copies, printer)};
}

Requests restored(bool visible, const std::string& path) {
  return {
      "PROPERTYPUT DisplayAlerts(DISPID_PROPERTYPUT=VT_BOOL 0)",
      std::string("PROPERTYPUT Visible(DISPID_PROPERTYPUT=VT_BOOL ") + (visible ? "-1" : "0") + ")",
      kGet + "Workbooks", "METHOD Open(Filename=VT_BSTR \"" + path + "\")"};
}

Requests closeAndQuit() {
  return {kGet + "ActiveWorkbook", "METHOD Close", kGet + "Application", "METHOD Quit"};
}

Requests released() {
  return {"released"};
}

}  // namespace quirevo::testing
