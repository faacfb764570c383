#pragma once

#include <cstdint>
#include <memory>

#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/sheet/XSpreadsheet.hpp>

#include "platform/libreoffice/held_workbook.h"

namespace quirevo::office {

class Session;

// One sheet of a held workbook, by its place: an object fetched before the office was started
// again goes on working with the same sheet of the workbook as loaded in the new office.
class HeldSheet {
 public:
  HeldSheet(std::shared_ptr<HeldWorkbook> workbook, std::int32_t number)
      : workbook_(std::move(workbook)), number_(number) {}

  std::int32_t number() const { return number_; }
  // The workbook's document in the running office, loaded again when needed.
  css::uno::Reference<css::frame::XModel> document(Session& session) const;
  // The sheet in that document; fetched again only when the document is another one.
  const css::uno::Reference<css::sheet::XSpreadsheet>& sheet(Session& session) const;

 private:
  std::shared_ptr<HeldWorkbook> workbook_;
  std::int32_t number_;
  mutable css::uno::Reference<css::frame::XModel> fetchedFrom_;
  mutable css::uno::Reference<css::sheet::XSpreadsheet> sheet_;
};

}  // namespace quirevo::office
