#include "ui/form.h"

#include "ui/ui_services.h"

namespace quirevo {

Form::Form(UiServices& services, ControlArgs args)
    : CaptionedControl(ControlKind::Form, nullptr, std::move(args)), services_(services) {}

void Form::runUserAction(const std::function<void()>& action) {
  if (actionDepth_ > 0) {
    action();
    return;
  }
  ++actionDepth_;
  try {
    action();
  } catch (const std::exception& error) {
    --actionDepth_;
    services_.reportError(error);
    return;
  }
  --actionDepth_;
}

void Form::close() {
  if (!closed_) {
    closed_ = true;
    notify(Property::Closed);
  }
}

void Form::userClose() {
  runUserAction([this] { close(); });
}

void Form::userDropFile(const std::string& path) {
  if (actionDepth_ > 0 || path.empty() || !OnFileDropped) {
    return;
  }
  runUserAction([&] { OnFileDropped(*this, path); });
}

namespace {
void collect(Control& control, std::vector<Control*>& out) {
  for (Control* child : control.children()) {
    out.push_back(child);
    collect(*child, out);
  }
}
}  // namespace

std::vector<Control*> Form::allControls() {
  std::vector<Control*> controls;
  collect(*this, controls);
  return controls;
}

}  // namespace quirevo
