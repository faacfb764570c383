#include "ui/spin_edit.h"

#include <algorithm>
#include <charconv>

#include "ui/ui_services.h"
#include "ui/utf8.h"

namespace quirevo {

SpinEdit::SpinEdit(Control& parent, ControlArgs args, std::int32_t value)
    : Control(ControlKind::SpinEdit, &parent, std::move(args)) {
  assignText(std::to_string(bounded(value)));
}

std::int32_t SpinEdit::bounded(std::int32_t value) {
  return std::clamp(value, kMinValue, kMaxValue);
}

std::int32_t SpinEdit::value() const {
  std::string_view text = this->text();
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') {
      return kMinValue;
    }
  }
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
    return kMinValue;
  }
  return value;
}

void SpinEdit::setValue(std::int32_t value) {
  assignText(std::to_string(bounded(value)));
}

bool SpinEdit::userKeyPress(char32_t character) {
  constexpr char32_t kEnter = U'\r';
  const bool printable = character >= U' ';
  const bool accepted = printable
                            ? (character >= U'0' && character <= U'9') || character == U'+' ||
                                  character == U'-' || character == services().decimalSeparator()
                            : character != kEnter;
  if (!accepted) {
    services().beep();
  }
  return accepted;
}

void SpinEdit::userEdit(std::string text) {
  if (utf8Length(text) > kMaxLength) {
    notify(Property::Text);  // the peer shows the kept text again
    return;
  }
  if (text != this->text()) {
    assignText(std::move(text));
  }
}

void SpinEdit::userType(std::string_view characters) {
  for (char32_t character : decodeUtf8(characters)) {
    if (!enabled() || !userKeyPress(character) || character < U' ') {
      continue;
    }
    if (utf8Length(text()) < kMaxLength) {
      assignText(text() + encodeUtf8(character));
    }
  }
}

void SpinEdit::userKeyDown(Key key) {
  userStep(key == Key::Up ? 1 : -1);
}

void SpinEdit::userStep(int direction) {
  if (enabled()) {
    setValue(value() + direction);
  }
}

void SpinEdit::userExit() {
  const std::int32_t current = value();
  if (bounded(current) != current) {
    setValue(current);
  }
}

}  // namespace quirevo
