#pragma once

#include <functional>
#include <memory>
#include <string>

#include <com/sun/star/frame/XModel.hpp>

#include "automation/variant.h"
#include "platform/busy_wait.h"
#include "platform/libreoffice/document_loader.h"
#include "platform/libreoffice/held_workbook.h"
#include "platform/libreoffice/office.h"
#include "platform/libreoffice/office_stopper.h"
#include "platform/libreoffice/unseen_frames.h"
#include "supervision/activity.h"
#include "supervision/application_record.h"
#include "supervision/request_thread.h"

namespace quirevo::office {

// What the application object and everything reached from it share: the office, the workbooks
// held in it and the application's settings. The office is supervised: every request runs on the
// request thread while the window waits, the user may stop it, and an office that has gone (it
// died, was stopped or was closed) is replaced at the next request by a new one in the same state.
class Session {
 public:
  // Starts the office; throws its start-up failure.
  Session(const OfficeOptions& options, BusyWait& wait);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Runs one request on the request thread, with a running office, and waits for it. A request
  // the user stopped fails saying what was stopped; one after Quit or end() fails at once. A
  // request that may do without the office (OfficeNeed::Optional) gets none started for it when
  // none runs; it asks runningOffice() and keeps to what the session holds.
  enum class OfficeNeed { Needed, Optional };
  Variant request(const std::function<Variant()>& run, OfficeNeed need = OfficeNeed::Needed);
  // On the request thread: whether an office runs for the request.
  bool runningOffice() const;

  // The rest is for requests, on the request thread.

  // What the request is doing now, in the user's words ("counting the pages of sheet "Data"").
  void doing(std::string activity);

  std::shared_ptr<HeldWorkbook> add();
  std::shared_ptr<HeldWorkbook> open(const std::string& file);
  // Closes the workbook if it is loaded and forgets it.
  void close(const std::shared_ptr<HeldWorkbook>& workbook);
  // The workbook opened or added last that has not been closed through the session, or nothing.
  std::shared_ptr<HeldWorkbook> active() const;
  // The workbook's document in the running office, loaded again when it has none there.
  css::uno::Reference<css::frame::XModel> document(HeldWorkbook& workbook);
  // The same, first checking that the user has not closed it in the office's window.
  css::uno::Reference<css::frame::XModel> openDocument(HeldWorkbook& workbook);

  // The office never asks anything, so the setting is only kept.
  void setDisplayAlerts(bool displayAlerts) { record_.displayAlerts = displayAlerts; }
  // Shows the active workbook's window or hides it; the others stay hidden. Nothing without a
  // display.
  void setVisible(bool visible);
  // Ends the office for good: every later request fails.
  void quit();
  // Fails, naming the printer, when it refuses jobs.
  void checkAcceptsJobs(const std::string& printer) const;

  // From the window's thread: the application object's end. The office goes with it, whoever
  // still holds a part of it.
  void end();

 private:
  void runOnOffice(const std::function<void()>& job, OfficeNeed need = OfficeNeed::Needed);
  bool ensureOffice();
  void load(HeldWorkbook& workbook, bool shown);
  LoadTarget targetFor(HeldWorkbook& workbook, bool shown);
  void closeDocument(HeldWorkbook& workbook);
  void showWindows();
  BusyWork busyWork();

  OfficeOptions options_;
  OfficeStopper stopper_;
  std::unique_ptr<Office> office_;
  // Of the running office; goes before it.
  std::unique_ptr<UnseenFrames> unseenFrames_;
  bool ended_ = false;
  supervision::ApplicationRecord<HeldWorkbook> record_;
  supervision::Activity activity_;
  // Last, so that it has ended before anything it uses goes.
  supervision::RequestThread thread_;
};

}  // namespace quirevo::office
