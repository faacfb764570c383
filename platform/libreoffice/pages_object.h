#pragma once

#include <string>

#include "platform/libreoffice/held_sheet.h"
#include "platform/libreoffice/office_object.h"

namespace quirevo::office {

// A sheet's printed pages; counted afresh at every request.
class PagesObject final : public OfficeObject<spreadsheet::PagesServer> {
 public:
  PagesObject(std::shared_ptr<Session> session, HeldSheet sheet, std::string sheetName)
      : OfficeObject(std::move(session)),
        sheet_(std::move(sheet)),
        sheetName_(std::move(sheetName)) {}

 private:
  Variant count(const BoundArguments& arguments) override;
  HeldSheet sheet_;
  std::string sheetName_;
};

}  // namespace quirevo::office
