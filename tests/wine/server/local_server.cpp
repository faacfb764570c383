#include "tests/wine/server/local_server.h"

#include "tests/wine/server/class_factory.h"

namespace quirevo::testing {

namespace {

// COM as the single-threaded apartment the objects live in; ends after everything else.
class ServerApartment {
 public:
  ServerApartment() : started_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ServerApartment(const ServerApartment&) = delete;
  ServerApartment& operator=(const ServerApartment&) = delete;
  ~ServerApartment() {
    if (started_) {
      CoUninitialize();
    }
  }
  bool started() const { return started_; }

 private:
  bool started_;
};

// The class object registered for clients while it lives.
class ClassRegistration {
 public:
  explicit ClassRegistration(IClassFactory& factory)
      : registered_(CoRegisterClassObject(kTestServerClass, &factory, CLSCTX_LOCAL_SERVER,
                                          REGCLS_SINGLEUSE, &cookie_) == S_OK) {}
  ClassRegistration(const ClassRegistration&) = delete;
  ClassRegistration& operator=(const ClassRegistration&) = delete;
  ~ClassRegistration() {
    if (registered_) {
      CoRevokeClassObject(cookie_);
    }
  }
  bool registered() const { return registered_; }

 private:
  DWORD cookie_ = 0;
  bool registered_;
};

}  // namespace

LocalServerEnd serveOneClient(DWORD waitForClientMs) {
  const ServerApartment apartment;
  if (!apartment.started()) {
    return LocalServerEnd::NotStarted;
  }
  // Posted to this thread by its id, so the quit ends this loop whichever thread runs the last
  // release.
  const DWORD thread = GetCurrentThreadId();
  ClassFactory factory([thread] { PostThreadMessageW(thread, WM_QUIT, 0, 0); });
  const ClassRegistration registration(factory);
  if (!registration.registered()) {
    return LocalServerEnd::NotStarted;
  }
  const UINT_PTR waitForClient = SetTimer(nullptr, 0, waitForClientMs, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_TIMER && message.hwnd == nullptr && message.wParam == waitForClient) {
      KillTimer(nullptr, waitForClient);
      if (!factory.asked()) {
        return LocalServerEnd::NoClient;
      }
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return LocalServerEnd::Served;
}

}  // namespace quirevo::testing
