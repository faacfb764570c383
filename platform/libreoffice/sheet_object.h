#pragma once

#include "platform/libreoffice/held_sheet.h"
#include "platform/libreoffice/office_object.h"

namespace quirevo::office {

// One sheet: its name, its page setup, and printing of its pages.
class SheetObject : public OfficeObject<SheetObject> {
 public:
  SheetObject(std::shared_ptr<Session> session, HeldSheet sheet)
      : OfficeObject(std::move(session)), sheet_(std::move(sheet)) {}
  static const ServerMembers<SheetObject>& members();

 private:
  Variant name(const BoundArguments& arguments);
  Variant pageSetup(const BoundArguments& arguments);
  Variant printOut(const BoundArguments& arguments);
  HeldSheet sheet_;
};

}  // namespace quirevo::office
