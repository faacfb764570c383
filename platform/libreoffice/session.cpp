#include "platform/libreoffice/session.h"

#include <algorithm>

#include <com/sun/star/awt/XWindow2.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/frame/XFrame.hpp>
#include <com/sun/star/util/XCloseable.hpp>

#include "platform/libreoffice/document_loader.h"
#include "platform/libreoffice/office_failure.h"

namespace quirevo::office {

namespace {

// What a request is doing before it says more.
constexpr const char* kWaiting = "waiting for LibreOffice";

bool stillOpen(Office& office, const css::uno::Reference<css::frame::XModel>& document) {
  try {
    document->getURL();
    return true;
  } catch (const css::lang::DisposedException& failure) {
    if (office.bridgeBroken(failure)) {
      throw;
    }
    return false;
  }
}

// "counting the pages…" as the busy dialog's sentence: "Counting the pages…".
std::string sentence(std::string activity) {
  if (!activity.empty() && activity[0] >= 'a' && activity[0] <= 'z') {
    activity[0] = static_cast<char>(activity[0] - 'a' + 'A');
  }
  return activity + "\u2026";
}

}  // namespace

Session::Session(const OfficeOptions& options, BusyWait& wait) : options_(options), thread_(wait) {
  doing("starting LibreOffice");
  runOnOffice([] {});
}

Variant Session::request(const std::function<Variant()>& run) {
  if (ended_) {
    throw refusal("LibreOffice has quit");
  }
  doing(kWaiting);
  Variant result;
  runOnOffice([&] { result = run(); });
  return result;
}

void Session::runOnOffice(const std::function<void()>& job) {
  stopper_.rearm();
  try {
    thread_.run(
        [&] {
          const bool started = ensureOffice();
          office_->request([&] {
            if (started && visible_) {
              setVisible(true);
            }
            job();
          });
        },
        busyWork());
  } catch (const AutomationError&) {
    if (stopper_.stopped()) {
      throw refusal("LibreOffice was stopped while " + activity());
    }
    throw;
  }
}

// An office that has gone is replaced, silently: the workbooks are loaded into the new one as
// requests need them (the active one at once when it is to be seen), and the application's
// settings are the session's own. Whether a new office was started.
bool Session::ensureOffice() {
  if (office_ && office_->running()) {
    return false;
  }
  office_.reset();
  for (const auto& workbook : workbooks_) {
    workbook->document.clear();
  }
  const std::string activity = this->activity();
  doing("starting LibreOffice");
  office_ = std::make_unique<Office>(options_, &stopper_);
  doing(activity);
  return true;
}

void Session::doing(std::string activity) {
  const std::lock_guard lock(activityMutex_);
  activity_ = std::move(activity);
}

std::string Session::activity() const {
  const std::lock_guard lock(activityMutex_);
  return activity_;
}

BusyWork Session::busyWork() {
  return {[this] { return sentence(activity()); }, [this] { stopper_.stop(); }};
}

std::shared_ptr<HeldWorkbook> Session::add() {
  auto workbook = std::make_shared<HeldWorkbook>();
  load(*workbook);
  workbooks_.push_back(workbook);
  showWindows();
  return workbook;
}

std::shared_ptr<HeldWorkbook> Session::open(const std::string& file) {
  auto workbook = std::make_shared<HeldWorkbook>(HeldWorkbook{file, {}});
  doing("opening " + workbook->title());
  workbook->document = openWorkbook(office_->desktop(), file);
  workbooks_.push_back(workbook);
  showWindows();
  return workbook;
}

// Workbooks are opened read-only and never changed, so closing never has anything to save. One
// the user already closed in the office's window is only forgotten.
void Session::close(const std::shared_ptr<HeldWorkbook>& workbook) {
  doing("closing " + workbook->title());
  if (workbook->document.is()) {
    try {
      css::uno::Reference<css::util::XCloseable>(workbook->document, css::uno::UNO_QUERY_THROW)
          ->close(true);
    } catch (const css::lang::DisposedException& failure) {
      if (office_->bridgeBroken(failure)) {
        throw;
      }
    }
  }
  workbooks_.erase(std::remove(workbooks_.begin(), workbooks_.end(), workbook), workbooks_.end());
  showWindows();
}

std::shared_ptr<HeldWorkbook> Session::active() const {
  return workbooks_.empty() ? nullptr : workbooks_.back();
}

css::uno::Reference<css::frame::XModel> Session::document(HeldWorkbook& workbook) {
  if (!workbook.document.is()) {
    load(workbook);
    showWindows();
  }
  return workbook.document;
}

css::uno::Reference<css::frame::XModel> Session::openDocument(HeldWorkbook& workbook) {
  if (workbook.document.is() && !stillOpen(*office_, workbook.document)) {
    workbook.document.clear();
  }
  return document(workbook);
}

// Loaded again from its file, or a new blank one in place of a blank one.
void Session::load(HeldWorkbook& workbook) {
  const std::string activity = this->activity();
  if (workbook.file) {
    doing("opening " + workbook.title());
    workbook.document = openWorkbook(office_->desktop(), *workbook.file, Opening::Again);
  } else {
    doing("creating a new workbook");
    workbook.document = addWorkbook(office_->desktop());
  }
  doing(activity);
}

void Session::setVisible(bool visible) {
  visible_ = visible;
  if (visible_ && active()) {
    openDocument(*active());
  }
  showWindows();
}

void Session::showWindows() {
  if (!office_->hasDisplay()) {
    return;
  }
  const auto shown = active();
  for (const auto& workbook : workbooks_) {
    if (!workbook->document.is() || !stillOpen(*office_, workbook->document)) {
      continue;
    }
    const auto controller = workbook->document->getCurrentController();
    if (controller.is()) {
      controller->getFrame()->getContainerWindow()->setVisible(visible_ && workbook == shown);
    }
  }
}

void Session::quit() {
  office_->quit();
  ended_ = true;
}

void Session::end() {
  if (ended_ && !office_) {
    return;
  }
  ended_ = true;
  doing("closing LibreOffice");
  thread_.run(
      [this] {
        workbooks_.clear();
        office_.reset();
      },
      busyWork());
}

}  // namespace quirevo::office
