#pragma once

#include "platform/libreoffice/held_sheet.h"
#include "platform/libreoffice/office_object.h"

namespace quirevo::office {

// A sheet's page setup; it offers the sheet's printed pages.
class PageSetupObject : public OfficeObject<PageSetupObject> {
 public:
  PageSetupObject(std::shared_ptr<Session> session, HeldSheet sheet)
      : OfficeObject(std::move(session)), sheet_(std::move(sheet)) {}
  static const ServerMembers<PageSetupObject>& members();

 private:
  Variant pages(const BoundArguments& arguments);
  HeldSheet sheet_;
};

}  // namespace quirevo::office
