#include "platform/libreoffice/session.h"

#include <com/sun/star/awt/XWindow2.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/frame/XFrame.hpp>
#include <com/sun/star/util/XCloseable.hpp>

#include "platform/libreoffice/document_loader.h"
#include "platform/libreoffice/office_failure.h"
#include "platform/libreoffice/office_thread.h"
#include "platform/printer_list.h"

namespace quirevo::office {

namespace {

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

}  // namespace

Session::Session(const OfficeOptions& options, BusyWait& wait)
    : options_(options), thread_(wait, serveWithoutSigpipe) {
  doing(supervision::activities::starting(kOfficeName));
  runOnOffice([] {});
}

Variant Session::request(const std::function<Variant()>& run, OfficeNeed need) {
  if (ended_) {
    throw refusal(supervision::failures::hasQuit(kOfficeName));
  }
  doing(supervision::activities::waitingFor(kOfficeName));
  Variant result;
  runOnOffice([&] { result = run(); }, need);
  return result;
}

bool Session::runningOffice() const {
  return office_ && office_->running();
}

void Session::runOnOffice(const std::function<void()>& job, OfficeNeed need) {
  stopper_.rearm();
  try {
    thread_.run(
        [&] {
          if (need == OfficeNeed::Optional && !runningOffice()) {
            job();
            return;
          }
          const bool started = ensureOffice();
          office_->request([&] {
            if (started && record_.isVisible()) {
              setVisible(true);
            }
            job();
          });
        },
        busyWork());
  } catch (const AutomationError&) {
    if (stopper_.stopped()) {
      throw refusal(supervision::failures::stoppedWhile(kOfficeName, activity_.get()));
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
  unseenFrames_.reset();
  office_.reset();
  for (const auto& workbook : record_.workbooks()) {
    workbook->document.clear();
  }
  const std::string activity = activity_.get();
  doing(supervision::activities::starting(kOfficeName));
  office_ = std::make_unique<Office>(options_, &stopper_);
  doing(activity);
  return true;
}

void Session::doing(std::string activity) {
  activity_.set(std::move(activity));
}

BusyWork Session::busyWork() {
  return {[this] { return activity_.sentence(); }, [this] { stopper_.stop(); }};
}

// A workbook opened or added becomes the active one, which is seen when the application is.
std::shared_ptr<HeldWorkbook> Session::add() {
  auto workbook = std::make_shared<HeldWorkbook>();
  load(*workbook, record_.isVisible());
  record_.hold(workbook);
  showWindows();
  return workbook;
}

std::shared_ptr<HeldWorkbook> Session::open(const std::string& file) {
  auto workbook = std::make_shared<HeldWorkbook>(HeldWorkbook{{file}, {}});
  doing(supervision::activities::opening(workbook->title()));
  workbook->document = openWorkbook(targetFor(*workbook, record_.isVisible()), file);
  record_.hold(workbook);
  showWindows();
  return workbook;
}

// Workbooks are opened read-only and never changed, so closing never has anything to save. One
// the user already closed in the office's window is only forgotten.
void Session::close(const std::shared_ptr<HeldWorkbook>& workbook) {
  doing(supervision::activities::closing(workbook->title()));
  if (runningOffice()) {
    closeDocument(*workbook);
  }
  record_.forget(workbook);
  showWindows();
}

void Session::closeDocument(HeldWorkbook& workbook) {
  if (!workbook.document.is()) {
    return;
  }
  try {
    css::uno::Reference<css::util::XCloseable>(workbook.document, css::uno::UNO_QUERY_THROW)
        ->close(true);
  } catch (const css::lang::DisposedException& failure) {
    if (office_->bridgeBroken(failure)) {
      throw;
    }
  }
  workbook.document.clear();
}

std::shared_ptr<HeldWorkbook> Session::active() const {
  return record_.active();
}

css::uno::Reference<css::frame::XModel> Session::document(HeldWorkbook& workbook) {
  if (!workbook.document.is()) {
    load(workbook, record_.isVisible() && active().get() == &workbook);
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
void Session::load(HeldWorkbook& workbook, bool shown) {
  const std::string activity = activity_.get();
  const LoadTarget target = targetFor(workbook, shown);
  if (workbook.file) {
    doing(supervision::activities::opening(workbook.title()));
    workbook.document = openWorkbook(target, *workbook.file, Opening::Again);
  } else {
    doing(supervision::activities::creatingWorkbook());
    workbook.document = addWorkbook(target);
  }
  doing(activity);
}

// A workbook that is not to be seen is loaded where it never can be: the office shows a document's
// window while it loads. Without a display there is nothing to see.
LoadTarget Session::targetFor(HeldWorkbook& workbook, bool shown) {
  workbook.unseen = office_->hasDisplay() && !shown;
  if (!workbook.unseen) {
    return {office_->desktop()};
  }
  if (!unseenFrames_) {
    unseenFrames_ = std::make_unique<UnseenFrames>(office_->context(), office_->desktop());
  }
  return {office_->desktop(), unseenFrames_->create()};
}

// A workbook loaded where it cannot be seen is loaded again where it can.
void Session::setVisible(bool visible) {
  record_.visible = visible;
  if (visible && active()) {
    HeldWorkbook& shown = *active();
    if (shown.unseen) {
      closeDocument(shown);
    }
    openDocument(shown);
  }
  showWindows();
}

void Session::showWindows() {
  if (!office_->hasDisplay()) {
    return;
  }
  const auto shown = active();
  for (const auto& workbook : record_.workbooks()) {
    if (workbook->unseen || !workbook->document.is() || !stillOpen(*office_, workbook->document)) {
      continue;
    }
    const auto controller = workbook->document->getCurrentController();
    if (controller.is()) {
      controller->getFrame()->getContainerWindow()->setVisible(record_.isVisible() &&
                                                               workbook == shown);
    }
  }
}

void Session::checkAcceptsJobs(const std::string& printer) const {
  if (options_.printers != nullptr && !options_.printers->acceptsJobs(printer)) {
    throw refusal("The printer \"" + printer + "\" is not accepting jobs");
  }
}

void Session::quit() {
  unseenFrames_.reset();
  if (runningOffice()) {
    office_->quit();
  }
  ended_ = true;
}

void Session::end() {
  if (ended_ && !office_) {
    return;
  }
  ended_ = true;
  doing(supervision::activities::closing(kOfficeName));
  thread_.run(
      [this] {
        record_.clear();
        office_.reset();
      },
      busyWork());
}

}  // namespace quirevo::office
