#include "platform/libreoffice/held_sheet.h"

#include "platform/libreoffice/session.h"
#include "platform/libreoffice/workbook_sheets.h"

namespace quirevo::office {

css::uno::Reference<css::frame::XModel> HeldSheet::document(Session& session) const {
  return session.document(*workbook_);
}

const css::uno::Reference<css::sheet::XSpreadsheet>& HeldSheet::sheet(Session& session) const {
  const auto current = document(session);
  if (current.get() != fetchedFrom_.get()) {
    sheet_ = sheetNumber(current, number_);
    fetchedFrom_ = current;
  }
  return sheet_;
}

}  // namespace quirevo::office
