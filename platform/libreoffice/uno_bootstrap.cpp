#include "platform/libreoffice/uno_bootstrap.h"

#include <fstream>

#include <com/sun/star/lang/XComponent.hpp>
#include <cppuhelper/bootstrap.hxx>

#include "automation/automation_error.h"
#include "platform/libreoffice/file_url.h"
#include "platform/libreoffice/uno_text.h"

namespace quirevo::office {

LocalUno::LocalUno(const std::filesystem::path& folder, const std::filesystem::path& programDir) {
  // The office's own unorc leaves its extra type libraries to variables only the office sets,
  // so the runtime is told about each library here.
  const std::filesystem::path ini = folder / "uno.ini";
  {
    std::ofstream file(ini);
    file << "[Bootstrap]\n"
         << "URE_INTERNAL_LIB_DIR=" << fileUrlFor(programDir.string()) << "\n"
         << "UNO_TYPES=" << fileUrlFor((programDir / "types.rdb").string()) << " "
         << fileUrlFor((programDir / "types" / "offapi.rdb").string()) << "\n"
         << "UNO_SERVICES=" << fileUrlFor((programDir / "services.rdb").string()) << "\n";
    if (!file.flush()) {
      throw AutomationError("LibreOffice could not be started: " + ini.string() +
                            " cannot be written");
    }
  }
  try {
    context_ = cppu::defaultBootstrap_InitialComponentContext(toUno(fileUrlFor(ini.string())));
  } catch (const css::uno::Exception& failure) {
    throw AutomationError("LibreOffice could not be started: its UNO runtime in " +
                          programDir.string() + " failed: " + fromUno(failure.Message));
  }
}

LocalUno::~LocalUno() {
  css::uno::Reference<css::lang::XComponent> component(context_, css::uno::UNO_QUERY);
  if (component.is()) {
    component->dispose();
  }
}

}  // namespace quirevo::office
