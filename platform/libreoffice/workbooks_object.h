#pragma once

#include "platform/libreoffice/office_object.h"

namespace quirevo::office {

// The workbook collection: adds a new workbook or opens a file; either becomes the active one.
class WorkbooksObject final : public OfficeObject<spreadsheet::WorkbooksServer> {
 public:
  using OfficeObject::OfficeObject;

 private:
  Variant add(const BoundArguments& arguments) override;
  Variant open(const BoundArguments& arguments) override;
};

}  // namespace quirevo::office
