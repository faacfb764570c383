#pragma once

#include <memory>

#include "platform/libreoffice/office_object.h"

namespace quirevo::office {

// The sheets of one workbook in the workbook's own order, counted from 1, hidden ones included.
class SheetsObject : public OfficeObject<SheetsObject> {
 public:
  SheetsObject(std::shared_ptr<Session> session, std::shared_ptr<HeldWorkbook> workbook)
      : OfficeObject(std::move(session)), workbook_(std::move(workbook)) {}
  static const ServerMembers<SheetsObject>& members();

 private:
  Variant count(const BoundArguments& arguments);
  Variant item(const BoundArguments& arguments);
  std::shared_ptr<HeldWorkbook> workbook_;
};

}  // namespace quirevo::office
