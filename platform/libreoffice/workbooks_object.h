#pragma once

#include "platform/libreoffice/office_object.h"

namespace quirevo::office {

// The workbook collection: adds a new workbook or opens a file; either becomes the active one.
class WorkbooksObject : public OfficeObject<WorkbooksObject> {
 public:
  using OfficeObject::OfficeObject;
  static const ServerMembers<WorkbooksObject>& members();

 private:
  Variant add(const BoundArguments& arguments);
  Variant open(const BoundArguments& arguments);
};

}  // namespace quirevo::office
