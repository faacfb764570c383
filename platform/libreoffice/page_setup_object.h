#pragma once

#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/sheet/XSpreadsheet.hpp>

#include "platform/libreoffice/office_object.h"

namespace quirevo::office {

// A sheet's page setup; it offers the sheet's printed pages.
class PageSetupObject final : public OfficeObject<spreadsheet::PageSetupServer> {
 public:
  PageSetupObject(std::shared_ptr<Session> session,
                  css::uno::Reference<css::frame::XModel> document,
                  css::uno::Reference<css::sheet::XSpreadsheet> sheet)
      : OfficeObject(std::move(session)),
        document_(std::move(document)),
        sheet_(std::move(sheet)) {}

 private:
  Variant pages(const BoundArguments& arguments) override;
  css::uno::Reference<css::frame::XModel> document_;
  css::uno::Reference<css::sheet::XSpreadsheet> sheet_;
};

}  // namespace quirevo::office
