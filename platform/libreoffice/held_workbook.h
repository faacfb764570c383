#pragma once

#include <com/sun/star/frame/XModel.hpp>

#include "supervision/application_record.h"

namespace quirevo::office {

// A workbook the session holds: where it comes from, which outlives any one office, and its
// document in the office now running, which is loaded again whenever that office has none.
struct HeldWorkbook : supervision::RecordedWorkbook {
  // Empty until it is loaded in the running office.
  css::uno::Reference<css::frame::XModel> document;
  // Loaded where it can never be seen: it is loaded again to be shown.
  bool unseen = false;
};

}  // namespace quirevo::office
