#pragma once

#include "platform/libreoffice/office_object.h"

namespace quirevo::office {

// The root object: the application's settings, its workbooks, the active workbook and its sheets.
class ApplicationObject final : public OfficeObject<spreadsheet::ApplicationServer> {
 public:
  ApplicationObject(const OfficeOptions& options, BusyWait& wait);
  // The last reference ends the office this component started.
  ~ApplicationObject() override;

 private:
  Session::OfficeNeed needsOffice(std::string_view member) const override;
  Variant putDisplayAlerts(const BoundArguments& arguments) override;
  Variant putVisible(const BoundArguments& arguments) override;
  Variant workbooks(const BoundArguments& arguments) override;
  Variant activeWorkbook(const BoundArguments& arguments) override;
  Variant application(const BoundArguments& arguments) override;
  Variant sheets(const BoundArguments& arguments) override;
  Variant quit(const BoundArguments& arguments) override;
};

}  // namespace quirevo::office
