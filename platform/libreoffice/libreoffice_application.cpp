#include "platform/libreoffice/libreoffice_application.h"

#include "platform/libreoffice/application_object.h"

namespace quirevo {

DispatchPtr createLibreOfficeApplication(const OfficeOptions& options) {
  return makeDispatch<office::ApplicationObject>(options);
}

}  // namespace quirevo
