#pragma once

#include <com/sun/star/frame/XModel.hpp>

#include "platform/libreoffice/office_object.h"

namespace quirevo::office {

// One workbook this component opened or added.
class WorkbookObject final : public OfficeObject<spreadsheet::WorkbookServer> {
 public:
  WorkbookObject(std::shared_ptr<Session> session, css::uno::Reference<css::frame::XModel> document)
      : OfficeObject(std::move(session)), document_(std::move(document)) {}

 private:
  Variant close(const BoundArguments& arguments) override;
  css::uno::Reference<css::frame::XModel> document_;
};

}  // namespace quirevo::office
