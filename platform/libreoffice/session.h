#pragma once

#include <memory>
#include <vector>

#include <com/sun/star/frame/XModel.hpp>

#include "platform/libreoffice/office.h"

namespace quirevo::office {

// What the application object and everything reached from it share: the office, the documents
// this component opened in it, and the application's settings.
class Session {
 public:
  explicit Session(const OfficeOptions& options) : office_(std::make_unique<Office>(options)) {}

  // Runs one request on the office; fails once the application has ended it.
  template <class Request>
  auto request(Request&& run) -> decltype(run()) {
    if (!office_) {
      throw AutomationError("LibreOffice has quit");
    }
    return office_->request(std::forward<Request>(run));
  }
  Office& office() { return *office_; }

  void added(css::uno::Reference<css::frame::XModel> document);
  void closed(const css::uno::Reference<css::frame::XModel>& document);
  // The document opened or added last that is still open (the user may close one in the
  // office's window), or an empty reference.
  css::uno::Reference<css::frame::XModel> activeDocument();

  bool displayAlerts = true;
  bool visible = false;
  // Shows the active document's window while visible, hides the others; nothing without a display.
  void showWindows();

  // The application object's end: the office goes with it, whoever still holds a part of it.
  void end();

 private:
  std::unique_ptr<Office> office_;
  std::vector<css::uno::Reference<css::frame::XModel>> documents_;
};

}  // namespace quirevo::office
