#pragma once

#include "platform/libreoffice/office_object.h"

namespace quirevo::office {

// The root object: the application's settings, its workbooks, the active workbook and its sheets.
class ApplicationObject : public OfficeObject<ApplicationObject> {
 public:
  ApplicationObject(const OfficeOptions& options, BusyWait& wait);
  // The last reference ends the office this component started.
  ~ApplicationObject() override;

  static const ServerMembers<ApplicationObject>& members();

 private:
  Variant putDisplayAlerts(const BoundArguments& arguments);
  Variant putVisible(const BoundArguments& arguments);
  Variant workbooks(const BoundArguments& arguments);
  Variant activeWorkbook(const BoundArguments& arguments);
  Variant application(const BoundArguments& arguments);
  Variant sheets(const BoundArguments& arguments);
  Variant quit(const BoundArguments& arguments);
};

}  // namespace quirevo::office
