#include "tests/wine/server/server_settings.h"

#include <cstdio>
#include <memory>
#include <sstream>
#include <stdexcept>

#include "automation/ascii_case.h"

namespace quirevo::testing {

namespace {

// The rest of the line after the fields already read, less the one separating blank.
std::string rest(std::istringstream& fields) {
  std::string text;
  std::getline(fields, text);
  return text.empty() || text.front() != ' ' ? text : text.substr(1);
}

// A count of calls: a whole number, not negative.
bool readCount(std::istringstream& fields, int& count) {
  return static_cast<bool>(fields >> count) && count >= 0;
}

// Nothing but blanks left on the line, so that a stray word is not silently dropped.
bool nothingMore(std::istringstream& fields) {
  fields >> std::ws;
  return fields.eof();
}

}  // namespace

ServerSettings parseServerSettings(const std::string& text) {
  ServerSettings settings;
  std::istringstream lines(text);
  std::string line;
  int number = 0;
  while (std::getline(lines, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    std::istringstream fields(line);
    std::string directive;
    fields >> directive;
    bool ok = true;
    if (directive.empty()) {
      continue;
    } else if (directive == "log") {
      settings.logPath = rest(fields);
    } else if (directive == "workbook") {
      settings.workbooks.emplace_back(rest(fields), WorkbookContent{});
    } else if (directive == "sheet" && !settings.workbooks.empty()) {
      std::int32_t pages = 0;
      ok = static_cast<bool>(fields >> pages);
      settings.workbooks.back().second.sheets.push_back({rest(fields), Variant::integer(pages)});
    } else if (directive == "fail") {
      InjectedFailure failure;
      ok = static_cast<bool>(fields >> failure.member >> failure.skip >> failure.times);
      failure.description = rest(fields);
      settings.failures.push_back(failure);
    } else if (directive == "busy") {
      std::string member;
      int calls = 0;
      ok = static_cast<bool>(fields >> member) && readCount(fields, calls) && nothingMore(fields);
      settings.busyCalls[asciiLower(member)] = calls;
    } else if (directive == "hang" || directive == "die") {
      PlannedEnding planned{directive == "hang" ? CallEnding::Hang : CallEnding::Die, {}, 0};
      ok = static_cast<bool>(fields >> planned.member) && readCount(fields, planned.skip) &&
           nothingMore(fields);
      planned.member = asciiLower(planned.member);
      settings.endings.push_back(planned);
    } else {
      ok = false;
    }
    if (!ok) {
      throw std::runtime_error("test server settings, line " + std::to_string(number) + ": " +
                               line);
    }
  }
  return settings;
}

ServerSettings readServerSettings(const std::wstring& path) {
  std::unique_ptr<FILE, int (*)(FILE*)> file(_wfopen(path.c_str(), L"rb"), &fclose);
  if (!file) {
    throw std::runtime_error("test server settings cannot be read");
  }
  std::string text;
  char buffer[4096];
  for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, file.get())) > 0;) {
    text.append(buffer, read);
  }
  return parseServerSettings(text);
}

}  // namespace quirevo::testing
