#include "platform/com/com_automation_factory.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "automation/automation_error.h"
#include "automation/late_binding.h"
#include "platform/com/com_apartment.h"
#include "platform/com/com_object.h"
#include "tests/win/recording_dispatch.h"

namespace quirevo::testing {
namespace {

// {6B1E3C52-4F0A-4C1D-9D2E-51A7C0F3B801}
constexpr CLSID kTestClass = {
    0x6b1e3c52, 0x4f0a, 0x4c1d, {0x9d, 0x2e, 0x51, 0xa7, 0xc0, 0xf3, 0xb8, 0x01}};
constexpr wchar_t kTestProgId[] = L"Quirevo.RecordingServer";
constexpr wchar_t kTestClassText[] = L"{6B1E3C52-4F0A-4C1D-9D2E-51A7C0F3B801}";

// Hands out the one recording object, as a local server's class object does.
class RecordingFactory final : public ScopedComObject<IClassFactory> {
 public:
  explicit RecordingFactory(RecordingDispatch& object) : object_(object) {}
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    ++created;
    return outer != nullptr ? CLASS_E_NOAGGREGATION : object_.QueryInterface(iid, out);
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

  int created = 0;

 private:
  RecordingDispatch& object_;
};

class ComFactoryTest : public ::testing::Test {
 protected:
  ComApartment apartment;
  ComAutomationFactory factory;
};

TEST_F(ComFactoryTest, AnUnknownProgIdIsAnInvalidClassString) {
  try {
    factory.createObject("Quirevo.NoSuchApplication");
    FAIL() << "created an object";
  } catch (const AutomationError& error) {
    EXPECT_STREQ(error.what(), "Invalid class string");
  }
}

// The ProgID is registered for the current user, as a user without administrator rights can;
// where per-user classes are not read (Wine, see wine_limits.h), for the machine. The class object
// lives in this process.
class RegisteredClass {
 public:
  explicit RegisteredClass(IClassFactory& factory) {
    classRegistered_ = CoRegisterClassObject(kTestClass, &factory, CLSCTX_LOCAL_SERVER,
                                             REGCLS_MULTIPLEUSE, &cookie_) == S_OK;
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
      if (RegSetKeyValueW(root, (progIdKey() + L"\\CLSID").c_str(), nullptr, REG_SZ, kTestClassText,
                          sizeof kTestClassText) == ERROR_SUCCESS) {
        roots_.push_back(root);
      }
      CLSID found{};
      if (CLSIDFromProgID(kTestProgId, &found) == S_OK && found == kTestClass) {
        resolved_ = true;
        break;
      }
    }
  }
  ~RegisteredClass() {
    if (classRegistered_) {
      CoRevokeClassObject(cookie_);
    }
    for (HKEY root : roots_) {
      RegDeleteTreeW(root, progIdKey().c_str());
    }
  }
  bool ok() const { return classRegistered_ && resolved_; }

 private:
  static std::wstring progIdKey() { return std::wstring(L"Software\\Classes\\") + kTestProgId; }

  bool classRegistered_ = false;
  bool resolved_ = false;
  std::vector<HKEY> roots_;
  DWORD cookie_ = 0;
};

TEST_F(ComFactoryTest, CreatesTheRegisteredObjectByProgId) {
  RecordingDispatch server{{{L"Visible", 1}}};
  server.respond(1, [](DISPPARAMS&, VARIANT*, EXCEPINFO*) { return S_OK; });
  RecordingFactory classObject(server);
  RegisteredClass registration(classObject);
  ASSERT_TRUE(registration.ok());
  {
    const Variant session = Variant::object(factory.createObject("quirevo.recordingserver"));
    late(session).put("Visible", Variant::boolean(false));
  }
  EXPECT_EQ(classObject.created, 1);
  ASSERT_EQ(server.invokes.size(), 1u);
  EXPECT_EQ(server.invokes[0].flags, DISPATCH_PROPERTYPUT);
  EXPECT_EQ(server.foreignReferences(), 0u);
}

}  // namespace
}  // namespace quirevo::testing
