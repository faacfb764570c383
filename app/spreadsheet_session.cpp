#include "app/spreadsheet_session.h"

namespace quirevo {

Variant& spreadsheetSession() {
  static Variant session;
  return session;
}

SpreadsheetSessionLifetime::SpreadsheetSessionLifetime() {
  spreadsheetSession().clear();
}

SpreadsheetSessionLifetime::~SpreadsheetSessionLifetime() {
  spreadsheetSession().clear();
}

}  // namespace quirevo
