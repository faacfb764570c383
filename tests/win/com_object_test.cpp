#include "platform/com/com_object.h"

#include <gtest/gtest.h>

namespace quirevo::testing {
namespace {

// An object of two interfaces that notes its own end.
template <ComLifetime kLifetime>
class TwoInterfacesOf final : public BasicComObject<kLifetime, IMessageFilter, IClassFactory> {
 public:
  explicit TwoInterfacesOf(bool& ended) : ended_(ended) {}
  ~TwoInterfacesOf() override { ended_ = true; }

  ULONG held() const { return this->references(); }

  DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD, HTASK, DWORD, LPINTERFACEINFO) override {
    return SERVERCALL_ISHANDLED;
  }
  DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK, DWORD, DWORD) override { return 0; }
  DWORD STDMETHODCALLTYPE MessagePending(HTASK, DWORD, DWORD) override { return 0; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, REFIID, void**) override { return E_FAIL; }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

 private:
  bool& ended_;
};

using TwoInterfaces = TwoInterfacesOf<ComLifetime::DeletedAtZero>;

struct QueryCase {
  const char* name;
  IID iid;
  HRESULT status;
};

class ComObjectQueryTest : public ::testing::TestWithParam<QueryCase> {};

TEST_P(ComObjectQueryTest, AnswersIUnknownAndTheListedInterfacesOnly) {
  bool ended = false;
  auto* object = new TwoInterfaces(ended);
  void* answer = &ended;  // anything but null, so that a refusal must clear it
  EXPECT_EQ(object->QueryInterface(GetParam().iid, &answer), GetParam().status);
  if (GetParam().status == S_OK) {
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(object->held(), 2u) << "the answer carries a reference";
    static_cast<IUnknown*>(answer)->Release();
  } else {
    EXPECT_EQ(answer, nullptr);
    EXPECT_EQ(object->held(), 1u);
  }
  EXPECT_EQ(static_cast<IMessageFilter*>(object)->Release(), 0u);
  EXPECT_TRUE(ended);
}

INSTANTIATE_TEST_SUITE_P(Interfaces, ComObjectQueryTest,
                         ::testing::Values(QueryCase{"IUnknown", IID_IUnknown, S_OK},
                                           QueryCase{"FirstListed", IID_IMessageFilter, S_OK},
                                           QueryCase{"SecondListed", IID_IClassFactory, S_OK},
                                           QueryCase{"NotListed", IID_IDispatch, E_NOINTERFACE}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ComObjectTest, EveryInterfaceLeadsToTheOtherAndToOneIdentity) {
  bool ended = false;
  auto* object = new TwoInterfaces(ended);
  IMessageFilter* filter = object;
  IClassFactory* factory = nullptr;
  ASSERT_EQ(filter->QueryInterface(IID_PPV_ARGS(&factory)), S_OK);
  EXPECT_EQ(static_cast<void*>(factory), static_cast<void*>(static_cast<IClassFactory*>(object)));

  IUnknown* fromFilter = nullptr;
  IUnknown* fromFactory = nullptr;
  ASSERT_EQ(filter->QueryInterface(IID_PPV_ARGS(&fromFilter)), S_OK);
  ASSERT_EQ(factory->QueryInterface(IID_PPV_ARGS(&fromFactory)), S_OK);
  EXPECT_EQ(fromFilter, fromFactory);

  fromFactory->Release();
  fromFilter->Release();
  factory->Release();
  EXPECT_FALSE(ended);
  filter->Release();
  EXPECT_TRUE(ended);
}

TEST(ComObjectTest, ANullAnswerSlotIsRefused) {
  bool ended = false;
  auto* object = new TwoInterfaces(ended);
  EXPECT_EQ(object->QueryInterface(IID_IUnknown, nullptr), E_POINTER);
  EXPECT_EQ(object->held(), 1u);
  static_cast<IClassFactory*>(object)->Release();
}

TEST(ComObjectTest, CountsItsReferencesAndDeletesItselfAtZero) {
  bool ended = false;
  auto* object = new TwoInterfaces(ended);
  EXPECT_EQ(static_cast<IMessageFilter*>(object)->AddRef(), 2u);
  EXPECT_EQ(static_cast<IClassFactory*>(object)->AddRef(), 3u);
  EXPECT_EQ(static_cast<IMessageFilter*>(object)->Release(), 2u);
  EXPECT_EQ(static_cast<IClassFactory*>(object)->Release(), 1u);
  EXPECT_FALSE(ended);
  EXPECT_EQ(static_cast<IClassFactory*>(object)->Release(), 0u);
  EXPECT_TRUE(ended);
}

TEST(ComObjectTest, AScopedObjectOutlivesItsLastReference) {
  bool ended = false;
  {
    TwoInterfacesOf<ComLifetime::Scoped> object(ended);
    EXPECT_EQ(static_cast<IMessageFilter*>(&object)->Release(), 0u);
    EXPECT_FALSE(ended);
    EXPECT_EQ(static_cast<IMessageFilter*>(&object)->AddRef(), 1u);
  }
  EXPECT_TRUE(ended);
}

TEST(ComObjectTest, MadeObjectsAreHeldByTheirPointer) {
  bool ended = false;
  {
    const Microsoft::WRL::ComPtr<TwoInterfaces> object = makeComObject<TwoInterfaces>(ended);
    EXPECT_EQ(object->held(), 1u);
  }
  EXPECT_TRUE(ended);
}

}  // namespace
}  // namespace quirevo::testing
