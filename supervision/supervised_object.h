#pragma once

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "automation/dispatch.h"
#include "supervision/supervisor.h"

namespace quirevo::supervision {

// What an object of the application is to the supervision, by the path that reached it.
enum class Role { Root, Application, Workbooks, Workbook, Sheets, Sheet, PageSetup, Pages, Other };

// What an object stands for beyond its role: the workbook it belongs to (as the record holds it)
// and its sheet's number.
struct ObjectContext {
  std::shared_ptr<RecordedWorkbook> workbook;
  std::int32_t sheet = 0;
};

// An object of the supervised application as the window holds it. Every call goes to the
// application's object on the request thread; what changes the application's state (its settings,
// the workbooks opened, added and closed, Quit) is written into the record once the application
// has done it, and what each call is doing is told to the busy dialog in the user's words. The
// root object stays the same for the whole run, whichever application serves it. The object the
// proxy stands for is released on the request thread.
class SupervisedObject final : public Dispatch {
 public:
  // The root.
  explicit SupervisedObject(std::shared_ptr<Supervisor> supervisor);
  SupervisedObject(std::shared_ptr<Supervisor> supervisor, DispatchPtr object,
                   Generation generation, Role role, ObjectContext context);
  SupervisedObject(const SupervisedObject&) = delete;
  SupervisedObject& operator=(const SupervisedObject&) = delete;

  void addRef() noexcept override { ++references_; }
  void release() noexcept override;
  std::vector<DispId> idsOfNames(std::string_view member,
                                 std::span<const std::string_view> argumentNames) override;
  Variant invoke(DispId member, InvokeKind kind, std::span<const Variant> positional,
                 std::span<const NamedArgument> named) override;

 private:
  ~SupervisedObject();

  bool isApplication() const { return role_ == Role::Root || role_ == Role::Application; }
  // The member's name as the caller resolved it, in lower case; empty when never resolved here.
  std::string memberName(DispId member) const;
  const Variant* fileNameArgument(DispId member, std::span<const Variant> positional,
                                  std::span<const NamedArgument> named) const;
  std::string activity(const std::string& member, InvokeKind kind,
                       std::span<const Variant> positional, const Variant* fileName) const;
  void record(const std::string& member, InvokeKind kind, std::span<const Variant> positional,
              const Variant* fileName) const;
  Variant wrap(Variant result, const std::string& member, std::span<const Variant> positional,
               Generation generation) const;

  std::shared_ptr<Supervisor> supervisor_;
  DispatchPtr object_;  // nothing for the root, which is whatever application runs
  Generation generation_ = 0;
  Role role_;
  ObjectContext context_;
  std::map<DispId, std::string> members_;
  std::map<std::pair<DispId, DispId>, std::string> argumentNames_;
  std::atomic<long> references_ = 1;
};

// The supervised application's root object, once the first application has started. Throws
// AutomationError when it cannot be started.
DispatchPtr superviseApplication(std::unique_ptr<ApplicationLauncher> launcher, BusyWait& wait,
                                 std::string application, ThreadHost host = {});

}  // namespace quirevo::supervision
