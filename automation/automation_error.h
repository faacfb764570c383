#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quirevo {

// Status codes of the automation protocol that the program and its servers use.
namespace status {
inline constexpr std::uint32_t kFail = 0x80004005;
inline constexpr std::uint32_t kMemberNotFound = 0x80020003;
inline constexpr std::uint32_t kParameterNotFound = 0x80020004;
inline constexpr std::uint32_t kTypeMismatch = 0x80020005;
inline constexpr std::uint32_t kUnknownName = 0x80020006;
inline constexpr std::uint32_t kException = 0x80020009;
inline constexpr std::uint32_t kBadIndex = 0x8002000B;
inline constexpr std::uint32_t kBadParameterCount = 0x8002000E;
inline constexpr std::uint32_t kClassNotRegistered = 0x80040154;
inline constexpr std::uint32_t kInvalidClassString = 0x800401F3;
}  // namespace status

// A failed automation call; what() is the message shown to the user.
class AutomationError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A call on the empty session, on Nothing, or on a value that is no object.
AutomationError invalidVariantOperation();

// A member name the object does not know.
AutomationError memberNotSupported(std::string_view member);

// An exception the component reported: its description less trailing blanks and full stops, or,
// when that leaves nothing, the text of its status.
AutomationError componentException(std::string_view description, std::uint32_t status,
                                   std::string_view systemText = {});

// Any other failure status: the system's text for it, or "OLE error %.8x" where there is none.
AutomationError statusFailure(std::uint32_t status, std::string_view systemText = {});

// The text Windows gives for the protocol's standard statuses, empty for others.
std::string_view standardStatusText(std::uint32_t status);

// "OLE error 80020009"
std::string oleErrorText(std::uint32_t status);

}  // namespace quirevo
