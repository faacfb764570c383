#pragma once

#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/sheet/XSpreadsheet.hpp>

#include "platform/libreoffice/office_object.h"

namespace quirevo::office {

// One sheet: its name, its page setup, and printing of its pages.
class SheetObject final : public OfficeObject<spreadsheet::SheetServer> {
 public:
  SheetObject(std::shared_ptr<Session> session, css::uno::Reference<css::frame::XModel> document,
              css::uno::Reference<css::sheet::XSpreadsheet> sheet)
      : OfficeObject(std::move(session)),
        document_(std::move(document)),
        sheet_(std::move(sheet)) {}

 private:
  Variant name(const BoundArguments& arguments) override;
  Variant pageSetup(const BoundArguments& arguments) override;
  Variant printOut(const BoundArguments& arguments) override;
  css::uno::Reference<css::frame::XModel> document_;
  css::uno::Reference<css::sheet::XSpreadsheet> sheet_;
};

}  // namespace quirevo::office
