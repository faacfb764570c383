#pragma once

#include <memory>
#include <string>

#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/lang/DisposedException.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <com/sun/star/uno/Exception.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>

#include "automation/automation_error.h"
#include "platform/libreoffice/office_options.h"
#include "platform/libreoffice/office_process.h"
#include "platform/libreoffice/office_stopper.h"
#include "platform/libreoffice/private_folder.h"
#include "platform/libreoffice/uno_bootstrap.h"

namespace quirevo::office {

// How the user knows the spreadsheet application on Linux.
inline constexpr const char* kOfficeName = "LibreOffice";

// One LibreOffice of our own: started with a private profile and pipe, reached over a UNO
// bridge, and ended by us. Every request goes through request(), so that a failure of the office,
// and its death, reach the caller as an AutomationError and never as a hang.
class Office {
 public:
  // Starts the office and connects to it within options.startTimeout. The stopper, when given,
  // is told of every office process started.
  explicit Office(const OfficeOptions& options, OfficeStopper* stopper = nullptr);
  // Ends the office if it still runs.
  ~Office();
  Office(const Office&) = delete;
  Office& operator=(const Office&) = delete;

  const css::uno::Reference<css::frame::XDesktop2>& desktop() const { return desktop_; }
  const css::uno::Reference<css::uno::XComponentContext>& context() const { return remote_; }
  // Whether the office still serves requests: not quit, not found dead, its process not ended.
  bool running();
  // Whether the office has windows that can be shown (it was started with a display).
  bool hasDisplay() const { return hasDisplay_; }

  template <class Request>
  auto request(Request&& run) -> decltype(run()) {
    checkRunning();
    try {
      return run();
    } catch (const css::lang::DisposedException& failure) {
      throw disposed(failure);
    } catch (const css::uno::Exception& failure) {
      throw failed(failure);
    }
  }

  // Asks the office to terminate and waits for it; kills it when it does not end in time.
  // Afterwards every request fails.
  void quit();

  // Whether a disposed object is the bridge itself: the office, not one document, has gone.
  bool bridgeBroken(const css::lang::DisposedException& failure) const;

 private:
  enum class State { Running, Quit, Died };

  void start();
  void connect();
  void checkRunning();
  AutomationError disposed(const css::lang::DisposedException& failure);
  AutomationError failed(const css::uno::Exception& failure);
  void noticeDeath();
  void lose(std::string message);
  void end();
  void removePipe() const;

  OfficeOptions options_;
  OfficeStopper* stopper_;
  bool hasDisplay_;
  PrivateFolder folder_;
  std::string pipeName_;
  std::unique_ptr<LocalUno> uno_;
  std::unique_ptr<OfficeProcess> process_;
  css::uno::Reference<css::lang::XComponent> bridge_;
  css::uno::Reference<css::uno::XComponentContext> remote_;
  css::uno::Reference<css::frame::XDesktop2> desktop_;
  State state_ = State::Running;
  std::string deathMessage_;
};

}  // namespace quirevo::office
