#pragma once

#include <memory>

#include "platform/libreoffice/office_object.h"

namespace quirevo::office {

// One workbook the session holds.
class WorkbookObject final : public OfficeObject<spreadsheet::WorkbookServer> {
 public:
  WorkbookObject(std::shared_ptr<Session> session, std::shared_ptr<HeldWorkbook> workbook)
      : OfficeObject(std::move(session)), workbook_(std::move(workbook)) {}

 private:
  Variant close(const BoundArguments& arguments) override;
  std::shared_ptr<HeldWorkbook> workbook_;
};

}  // namespace quirevo::office
