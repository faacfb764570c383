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
  // Closing a workbook of an office that has gone only forgets it.
  Session::OfficeNeed needsOffice(std::string_view) const override {
    return Session::OfficeNeed::Optional;
  }
  Variant close(const BoundArguments& arguments) override;
  std::shared_ptr<HeldWorkbook> workbook_;
};

}  // namespace quirevo::office
