#pragma once

#include "platform/libreoffice/held_sheet.h"
#include "platform/libreoffice/office_object.h"

namespace quirevo::office {

// A sheet's page setup; it offers the sheet's printed pages.
class PageSetupObject final : public OfficeObject<spreadsheet::PageSetupServer> {
 public:
  PageSetupObject(std::shared_ptr<Session> session, HeldSheet sheet)
      : OfficeObject(std::move(session)), sheet_(std::move(sheet)) {}

 private:
  Variant pages(const BoundArguments& arguments) override;
  HeldSheet sheet_;
};

}  // namespace quirevo::office
