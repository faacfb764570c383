#include "supervision/supervised_object.h"

#include "automation/ascii_case.h"

namespace quirevo::supervision {

namespace {

bool isInteger(const Variant& value) {
  return value.type() == Variant::Type::Integer || value.type() == Variant::Type::IntegerRef;
}

bool isString(const Variant& value) {
  return value.type() == Variant::Type::String || value.type() == Variant::Type::StringRef;
}

// The integer argument at index, or 0 where the call has none there.
std::int32_t integerAt(std::span<const Variant> arguments, std::size_t index) {
  return index < arguments.size() && isInteger(arguments[index]) ? arguments[index].integerValue()
                                                                 : 0;
}

std::string titleOf(const std::shared_ptr<RecordedWorkbook>& workbook) {
  return workbook ? workbook->title() : "the active workbook";
}

}  // namespace

SupervisedObject::SupervisedObject(std::shared_ptr<Supervisor> supervisor)
    : supervisor_(std::move(supervisor)), role_(Role::Root) {}

SupervisedObject::SupervisedObject(std::shared_ptr<Supervisor> supervisor, DispatchPtr object,
                                   Generation generation, Role role, ObjectContext context)
    : supervisor_(std::move(supervisor)),
      object_(std::move(object)),
      generation_(generation),
      role_(role),
      context_(std::move(context)) {}

SupervisedObject::~SupervisedObject() {
  if (object_) {
    supervisor_->discard(std::move(object_));
  }
}

void SupervisedObject::release() noexcept {
  if (--references_ == 0) {
    delete this;
  }
}

std::vector<DispId> SupervisedObject::idsOfNames(std::string_view member,
                                                 std::span<const std::string_view> argumentNames) {
  std::vector<DispId> ids;
  const auto resolve = [&](Dispatch& object) {
    ids = object.idsOfNames(member, argumentNames);
    return Variant();
  };
  if (role_ == Role::Root) {
    supervisor_->onRoot([&](const DispatchPtr& root, Generation) { return resolve(*root); });
  } else {
    supervisor_->onObject(generation_, [&] { return resolve(*object_); });
  }
  members_[ids.at(0)] = asciiLower(member);
  for (std::size_t i = 0; i < argumentNames.size() && i + 1 < ids.size(); ++i) {
    argumentNames_[{ids[0], ids[i + 1]}] = asciiLower(argumentNames[i]);
  }
  return ids;
}

Variant SupervisedObject::invoke(DispId member, InvokeKind kind,
                                 std::span<const Variant> positional,
                                 std::span<const NamedArgument> named) {
  const std::string name = memberName(member);
  const Variant* fileName = fileNameArgument(member, positional, named);
  const auto call = [&](Dispatch& object, Generation generation) {
    supervisor_->doing(activity(name, kind, positional, fileName));
    Variant result = object.invoke(member, kind, positional, named);
    record(name, kind, positional, fileName);
    return wrap(std::move(result), name, positional, generation);
  };
  if (role_ == Role::Root) {
    return supervisor_->onRoot(
        [&](const DispatchPtr& root, Generation generation) { return call(*root, generation); });
  }
  return supervisor_->onObject(generation_, [&] { return call(*object_, generation_); });
}

std::string SupervisedObject::memberName(DispId member) const {
  const auto found = members_.find(member);
  return found == members_.end() ? std::string() : found->second;
}

// Open names its file first, by position or as the named argument Filename.
const Variant* SupervisedObject::fileNameArgument(DispId member,
                                                  std::span<const Variant> positional,
                                                  std::span<const NamedArgument> named) const {
  if (role_ != Role::Workbooks || memberName(member) != "open") {
    return nullptr;
  }
  if (!positional.empty()) {
    return isString(positional[0]) ? &positional[0] : nullptr;
  }
  for (const NamedArgument& argument : named) {
    const auto name = argumentNames_.find({member, argument.id});
    if (name != argumentNames_.end() && name->second == "filename" && isString(argument.value)) {
      return &argument.value;
    }
  }
  return nullptr;
}

std::string SupervisedObject::activity(const std::string& member, InvokeKind kind,
                                       std::span<const Variant> positional,
                                       const Variant* fileName) const {
  const std::string& application = supervisor_->application();
  const std::string sheet = std::to_string(context_.sheet);
  switch (role_) {
    case Role::Root:
    case Role::Application:
      if (member == "visible" && kind == InvokeKind::Put && !positional.empty() &&
          positional[0].type() == Variant::Type::Boolean) {
        return positional[0].booleanValue() ? activities::showingWindow(application)
                                            : activities::hidingWindow(application);
      }
      if (member == "sheets") {
        return activities::lookingAt(titleOf(supervisor_->record().active()));
      }
      if (member == "quit") {
        return activities::closing(application);
      }
      break;
    case Role::Workbooks:
      if (member == "add") {
        return activities::creatingWorkbook();
      }
      if (fileName != nullptr) {
        return activities::opening(RecordedWorkbook{fileName->stringValue()}.title());
      }
      break;
    case Role::Workbook:
      if (member == "close") {
        return activities::closing(titleOf(context_.workbook));
      }
      break;
    case Role::Sheets:
      if (member == "count") {
        return activities::countingSheets(titleOf(context_.workbook));
      }
      if (member == "item") {
        return activities::findingSheet(integerAt(positional, 0), titleOf(context_.workbook));
      }
      break;
    case Role::Sheet:
      if (member == "name") {
        return activities::readingSheetName(context_.sheet);
      }
      if (member == "printout") {
        return activities::printingSheet(sheet, integerAt(positional, 0), integerAt(positional, 1));
      }
      break;
    case Role::Pages:
      if (member == "count") {
        return activities::countingPages(sheet);
      }
      break;
    case Role::PageSetup:
    case Role::Other:
      break;
  }
  return activities::waitingFor(application);
}

// What the application has just done, as a new one would have to be told it.
void SupervisedObject::record(const std::string& member, InvokeKind kind,
                              std::span<const Variant> positional, const Variant* fileName) const {
  auto& record = supervisor_->record();
  if (isApplication() && kind == InvokeKind::Put && !positional.empty() &&
      positional[0].type() == Variant::Type::Boolean) {
    if (member == "displayalerts") {
      record.displayAlerts = positional[0].booleanValue();
    } else if (member == "visible") {
      record.visible = positional[0].booleanValue();
    }
  } else if (isApplication() && kind == InvokeKind::Method && member == "quit") {
    supervisor_->quitRequested();
  } else if (role_ == Role::Workbooks && kind == InvokeKind::Method && member == "add") {
    record.hold(std::make_shared<RecordedWorkbook>());
  } else if (role_ == Role::Workbooks && kind == InvokeKind::Method && fileName != nullptr) {
    record.hold(std::make_shared<RecordedWorkbook>(RecordedWorkbook{fileName->stringValue()}));
  } else if (role_ == Role::Workbook && kind == InvokeKind::Method && member == "close" &&
             context_.workbook) {
    record.forget(context_.workbook);
  }
}

Variant SupervisedObject::wrap(Variant result, const std::string& member,
                               std::span<const Variant> positional, Generation generation) const {
  if (result.type() != Variant::Type::Object || result.isNothing()) {
    return result;
  }
  Role role = Role::Other;
  ObjectContext context = context_;
  if (isApplication()) {
    if (member == "workbooks") {
      role = Role::Workbooks;
    } else if (member == "activeworkbook") {
      role = Role::Workbook;
      context.workbook = supervisor_->record().active();
    } else if (member == "sheets") {
      role = Role::Sheets;
      context.workbook = supervisor_->record().active();
    } else if (member == "application") {
      role = Role::Application;
    }
  } else if (role_ == Role::Sheets && member == "item") {
    role = Role::Sheet;
    context.sheet = integerAt(positional, 0);
  } else if (role_ == Role::Sheet && member == "pagesetup") {
    role = Role::PageSetup;
  } else if (role_ == Role::PageSetup && member == "pages") {
    role = Role::Pages;
  }
  return Variant::object(DispatchPtr::adopt(new SupervisedObject(
      supervisor_, result.objectValue(), generation, role, std::move(context))));
}

DispatchPtr superviseApplication(std::unique_ptr<ApplicationLauncher> launcher, BusyWait& wait,
                                 std::string application, ThreadHost host) {
  auto supervisor = std::make_shared<Supervisor>(std::move(launcher), wait, std::move(application),
                                                 std::move(host));
  supervisor->onRoot([](const DispatchPtr&, Generation) { return Variant(); });
  return DispatchPtr::adopt(new SupervisedObject(std::move(supervisor)));
}

}  // namespace quirevo::supervision
