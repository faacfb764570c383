#pragma once

#include <com/sun/star/frame/XModel.hpp>

#include "platform/libreoffice/office_object.h"

namespace quirevo::office {

// The sheets of one workbook in the workbook's own order, counted from 1, hidden ones included.
class SheetsObject final : public OfficeObject<spreadsheet::SheetsServer> {
 public:
  SheetsObject(std::shared_ptr<Session> session, css::uno::Reference<css::frame::XModel> document)
      : OfficeObject(std::move(session)), document_(std::move(document)) {}

 private:
  Variant count(const BoundArguments& arguments) override;
  Variant item(const BoundArguments& arguments) override;
  css::uno::Reference<css::frame::XModel> document_;
};

}  // namespace quirevo::office
