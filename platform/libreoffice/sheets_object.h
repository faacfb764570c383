#pragma once

#include <memory>

#include "platform/libreoffice/office_object.h"

namespace quirevo::office {

// The sheets of one workbook in the workbook's own order, counted from 1, hidden ones included.
class SheetsObject final : public OfficeObject<spreadsheet::SheetsServer> {
 public:
  SheetsObject(std::shared_ptr<Session> session, std::shared_ptr<HeldWorkbook> workbook)
      : OfficeObject(std::move(session)), workbook_(std::move(workbook)) {}

 private:
  Variant count(const BoundArguments& arguments) override;
  Variant item(const BoundArguments& arguments) override;
  std::shared_ptr<HeldWorkbook> workbook_;
};

}  // namespace quirevo::office
