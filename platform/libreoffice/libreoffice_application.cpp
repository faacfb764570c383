#include "platform/libreoffice/libreoffice_application.h"

#include "platform/libreoffice/application_object.h"

namespace quirevo {

DispatchPtr createLibreOfficeApplication(BusyWait& wait, const OfficeOptions& options) {
  return makeDispatch<office::ApplicationObject>(options, wait);
}

}  // namespace quirevo
