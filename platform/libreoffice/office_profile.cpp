#include "platform/libreoffice/office_profile.h"

#include <fstream>
#include <string_view>

#include "automation/automation_error.h"

namespace quirevo::office {

namespace {

struct Setting {
  std::string_view path;
  std::string_view name;
  std::string_view value;
};

constexpr Setting kSettings[] = {
    {"/org.openoffice.Office.Calc/Print/Other", "AllSheets", "false"},
    {"/org.openoffice.Office.Calc/Print/Page", "EmptyPages", "false"},
    {"/org.openoffice.Office.Calc/Content/Update", "Link", "1"},
    {"/org.openoffice.Office.Common/Print/Option/Printer", "PDFAsStandardPrintJobFormat", "true"},
    {"/org.openoffice.Office.Common/Print/Warning", "PaperSize", "false"},
    {"/org.openoffice.Office.Common/Print/Warning", "PaperOrientation", "false"},
    {"/org.openoffice.Office.Common/Print/Warning", "NotFound", "false"},
    {"/org.openoffice.Office.Common/Print/Warning", "Transparency", "false"},
    {"/org.openoffice.Office.Common/Security/Scripting", "DisableMacrosExecution", "true"},
    {"/org.openoffice.Office.Common/Security/Scripting", "MacroSecurityLevel", "3"},
    {"/org.openoffice.Office.Common/Misc", "ShowTipOfTheDay", "false"},
    {"/org.openoffice.Office.Common/Misc", "FirstRun", "false"},
    {"/org.openoffice.Office.Recovery/AutoSave", "Enabled", "false"},
    {"/org.openoffice.Office.Recovery/RecoveryInfo", "Enabled", "false"},
    {"/org.openoffice.Setup/Office", "ooSetupInstCompleted", "true"},
};

// Without its start module the office has no Start Center to show when the user closes the last
// workbook in its window (it ends instead, and the next request starts a new one).
constexpr std::string_view kRemovedFactory = "com.sun.star.frame.StartModule";

}  // namespace

void writeOfficeProfile(const std::filesystem::path& folder) {
  const std::filesystem::path user = folder / "user";
  std::filesystem::create_directories(user);
  std::ofstream file(user / "registrymodifications.xcu");
  file << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
          "<oor:items xmlns:oor=\"http://openoffice.org/2001/registry\" "
          "xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
          "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">\n";
  for (const Setting& setting : kSettings) {
    file << "<item oor:path=\"" << setting.path << "\"><prop oor:name=\"" << setting.name
         << "\" oor:op=\"fuse\"><value>" << setting.value << "</value></prop></item>\n";
  }
  file << "<item oor:path=\"/org.openoffice.Setup/Office/Factories\"><node oor:name=\""
       << kRemovedFactory << "\" oor:op=\"remove\"/></item>\n";
  file << "</oor:items>\n";
  if (!file.flush()) {
    throw AutomationError("LibreOffice could not be started: its profile in " + user.string() +
                          " cannot be written");
  }
}

}  // namespace quirevo::office
