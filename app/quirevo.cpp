#include "app/quirevo.h"

#include "app/main_unit.h"
#include "platform/automation_factory.h"
#include "platform/platform.h"
#include "ui/application.h"
#include "workbook/spreadsheet_session.h"

namespace quirevo {

int Quirevo(Platform& platform) {
  spreadsheetSession().clear();
  {
    const auto apartment = platform.automation.enterApartment();
    Application application(platform.desktop);
    {
      TForm1 form(application, platform);
      Form1 = &form;
      form.create();
      application.run(form);
      Form1 = nullptr;
    }
    // The module's finalisation: the session's reference goes before the apartment does.
    spreadsheetSession().clear();
  }
  return 0;
}

}  // namespace quirevo
