#include "app/quirevo.h"

#include "app/main_unit.h"
#include "app/platform.h"
#include "app/spreadsheet_session.h"
#include "platform/automation_factory.h"
#include "ui/application.h"

namespace quirevo {

int Quirevo(Platform& platform, const std::optional<std::string>& workbook) {
  const auto apartment = platform.automation.enterApartment();
  // The module's finalisation: the session's reference goes after the window and before the
  // apartment does.
  const SpreadsheetSessionLifetime session;
  Application application(platform.desktop);
  TForm1 form(application, platform);
  Form1 = &form;
  form.create();
  if (workbook && !workbook->empty()) {
    form.nameWorkbookAtStart(*workbook);
  }
  application.run(form);
  Form1 = nullptr;
  return 0;
}

}  // namespace quirevo
