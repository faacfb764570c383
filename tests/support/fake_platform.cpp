#include "tests/support/fake_platform.h"

#include "ui/form.h"
#include "ui/utf8.h"
#include "automation/automation_error.h"

namespace quirevo::testing {

std::optional<std::string> FakeDesktop::showOpenDialog(const OpenFileRequest& request) {
  dialogRequests.push_back(request);
  if (dialogAnswers.empty()) {
    return std::nullopt;
  }
  std::optional<std::string> answer = dialogAnswers.front();
  dialogAnswers.pop_front();
  return answer;
}

void FakeDesktop::showMessageBox(std::string_view caption, std::string_view text,
                                 MessageIcon icon) {
  messages.push_back({std::string(caption), std::string(text), icon});
}

Size FakeDesktop::measureText(std::string_view text, const Font& font) const {
  return {static_cast<int>(utf8Length(text)) * kCharacterWidth, font.pixelHeight + 3};
}

void FakeDesktop::run(Form& mainForm) {
  ran = true;
  if (script) {
    script(mainForm);
  }
  if (!mainForm.closed()) {
    mainForm.userClose();
  }
}

namespace {
class FakeApartment : public AutomationApartment {
 public:
  FakeApartment(FakeAutomation& owner, SpreadsheetStandIn& standIn)
      : owner_(owner), standIn_(standIn) {}
  ~FakeApartment() override {
    ++owner_.apartmentsLeft;
    owner_.referencesWhenApartmentLeft = standIn_.liveReferences();
  }

 private:
  FakeAutomation& owner_;
  SpreadsheetStandIn& standIn_;
};
}  // namespace

std::unique_ptr<AutomationApartment> FakeAutomation::enterApartment() {
  ++apartmentsEntered;
  return std::make_unique<FakeApartment>(*this, standIn_);
}

DispatchPtr FakeAutomation::createObject(std::string_view progId) {
  created.emplace_back(progId);
  if (progId != registeredProgId) {
    throw statusFailure(status::kInvalidClassString);
  }
  return standIn_.createApplication();
}

}  // namespace quirevo::testing
