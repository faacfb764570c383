#include "workbook/spreadsheet_session.h"

namespace quirevo {

Variant& spreadsheetSession() {
  static Variant session;
  return session;
}

}  // namespace quirevo
