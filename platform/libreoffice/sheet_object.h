#pragma once

#include "platform/libreoffice/held_sheet.h"
#include "platform/libreoffice/office_object.h"

namespace quirevo::office {

// One sheet: its name, its page setup, and printing of its pages.
class SheetObject final : public OfficeObject<spreadsheet::SheetServer> {
 public:
  SheetObject(std::shared_ptr<Session> session, HeldSheet sheet)
      : OfficeObject(std::move(session)), sheet_(std::move(sheet)) {}

 private:
  Variant name(const BoundArguments& arguments) override;
  Variant pageSetup(const BoundArguments& arguments) override;
  Variant printOut(const BoundArguments& arguments) override;
  HeldSheet sheet_;
};

}  // namespace quirevo::office
