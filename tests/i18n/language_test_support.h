#pragma once

#include <array>
#include <map>
#include <string>
#include <string_view>

#include "ui/control.h"
#include "ui/form.h"

namespace quirevo::testing {

struct CaptionKey {
  std::string_view key;
  std::string_view control;
};

// The keys of a language file and the controls they caption, in the order a switch applies them.
inline constexpr std::array<CaptionKey, 25> kCaptionKeys = {{
    {"l1", "Label1"},          {"l2", "Label2"},          {"l3", "Label3"},
    {"l4", "Label4"},          {"l5", "Label5"},          {"l6", "Label6"},
    {"l7", "Label7"},          {"l8", "Label8"},          {"cb1", "CheckBox1"},
    {"gb1", "GroupBox1"},      {"gb2", "GroupBox2"},      {"rb1", "RadioButton1"},
    {"rb2", "RadioButton2"},   {"rb3", "RadioButton3"},   {"rb4", "RadioButton4"},
    {"rb5", "RadioButton5"},   {"rb6", "RadioButton6"},   {"rb7", "RadioButton7"},
    {"rb8", "RadioButton8"},   {"rb9", "RadioButton9"},   {"rb10", "RadioButton10"},
    {"rb11", "RadioButton11"}, {"rb12", "RadioButton12"}, {"b1", "BitBtn1"},
    {"b2", "BitBtn2"},
}};

// A UTF-8 language file whose root holds the given body.
inline std::string languageDocument(std::string_view body) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<language>\n" + std::string(body) +
         "</language>\n";
}

// A language file with one element per key, each holding "<marker> <key>".
inline std::string markedLanguageDocument(std::string_view marker) {
  std::string body;
  for (const CaptionKey& entry : kCaptionKeys) {
    body += "  <" + std::string(entry.key) + ">" + std::string(marker) + " " +
            std::string(entry.key) + "</" + std::string(entry.key) + ">\n";
  }
  return languageDocument(body);
}

// Control name -> its caption or text, for every control of the window.
inline std::map<std::string, std::string> textsOf(Form& form) {
  std::map<std::string, std::string> texts;
  for (Control* control : form.allControls()) {
    texts[control->name()] = control->text();
  }
  return texts;
}

inline Control& controlNamed(Form& form, std::string_view name) {
  for (Control* control : form.allControls()) {
    if (control->name() == name) {
      return *control;
    }
  }
  throw std::runtime_error("no control named " + std::string(name));
}

}  // namespace quirevo::testing
