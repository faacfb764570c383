#include "platform/libreoffice/document_loader.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <com/sun/star/document/MacroExecMode.hpp>
#include <com/sun/star/document/UpdateDocMode.hpp>
#include <com/sun/star/frame/XComponentLoader.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/io/IOException.hpp>
#include <com/sun/star/lang/IllegalArgumentException.hpp>
#include <com/sun/star/sheet/XSelectedSheetsSupplier.hpp>
#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <rtl/ref.hxx>

#include "platform/libreoffice/file_url.h"
#include "platform/libreoffice/office_failure.h"
#include "platform/libreoffice/password_question.h"
#include "platform/libreoffice/uno_text.h"
#include "supervision/activity.h"

namespace quirevo::office {

namespace {

AutomationError cannotOpen(const std::string& fileName, Opening opening,
                           const std::string& reason) {
  return refusal(supervision::failures::cannotOpen(fileName, opening == Opening::Again, reason));
}

void checkReadable(const std::string& fileName, Opening opening) {
  struct stat status {};
  if (stat(fileName.c_str(), &status) != 0) {
    throw cannotOpen(
        fileName, opening,
        errno == ENOENT || errno == ENOTDIR ? "the file does not exist" : std::strerror(errno));
  }
  if (S_ISDIR(status.st_mode)) {
    throw cannotOpen(fileName, opening, "it is a folder");
  }
  if (access(fileName.c_str(), R_OK) != 0) {
    throw cannotOpen(fileName, opening, std::strerror(errno));
  }
}

// Documents are loaded as ordinary ones, never with "Hidden": the office (7.4) then leaves a
// dangling event in a hidden view's form layer and aborts on a later sheet switch or close. A
// frame that is given is closed with a document that fails to load, as the office closes a new
// one of its own.
css::uno::Reference<css::frame::XModel> load(
    const LoadTarget& target, const std::string& url,
    const css::uno::Sequence<css::beans::PropertyValue>& arguments) {
  const bool intoNewFrame = !target.frame.is();
  const css::uno::Reference<css::frame::XComponentLoader> loader(
      intoNewFrame ? css::uno::Reference<css::uno::XInterface>(target.desktop, css::uno::UNO_QUERY)
                   : css::uno::Reference<css::uno::XInterface>(target.frame, css::uno::UNO_QUERY),
      css::uno::UNO_QUERY_THROW);
  const auto closeGivenFrame = [&] {
    if (!intoNewFrame) {
      css::uno::Reference<css::util::XCloseable>(target.frame, css::uno::UNO_QUERY_THROW)
          ->close(true);
    }
  };
  css::uno::Reference<css::frame::XModel> document;
  try {
    document.set(loader->loadComponentFromURL(toUno(url), toUno(intoNewFrame ? "_blank" : "_self"),
                                              0, arguments),
                 css::uno::UNO_QUERY);
  } catch (const css::uno::Exception&) {
    closeGivenFrame();
    throw;
  }
  if (!document.is()) {
    closeGivenFrame();
  }
  return document;
}

}  // namespace

css::uno::Reference<css::frame::XModel> addWorkbook(const LoadTarget& target) {
  const auto document = load(target, "private:factory/scalc", {});
  if (!document.is()) {
    throw refusal("LibreOffice could not create a new workbook");
  }
  return document;
}

css::uno::Reference<css::frame::XModel> openWorkbook(const LoadTarget& target,
                                                     const std::string& fileName, Opening opening) {
  checkReadable(fileName, opening);
  const rtl::Reference<PasswordQuestion> questions(new PasswordQuestion);
  const auto arguments = properties({
      property("ReadOnly", css::uno::Any(true)),
      property("MacroExecutionMode", css::uno::Any(css::document::MacroExecMode::NEVER_EXECUTE)),
      property("UpdateDocMode", css::uno::Any(css::document::UpdateDocMode::NO_UPDATE)),
      property("InteractionHandler",
               css::uno::Any(css::uno::Reference<css::task::XInteractionHandler>(questions.get()))),
  });
  css::uno::Reference<css::frame::XModel> document;
  try {
    document = load(target, fileUrlFor(fileName), arguments);
  } catch (const css::lang::IllegalArgumentException&) {
    // What the office says when it finds no filter for the file.
  } catch (const css::io::IOException&) {
    // What it says when a filter fails on the file's content.
  }
  if (document.is() &&
      !css::uno::Reference<css::sheet::XSpreadsheetDocument>(document, css::uno::UNO_QUERY).is()) {
    css::uno::Reference<css::util::XCloseable>(document, css::uno::UNO_QUERY_THROW)->close(true);
    document.clear();
  }
  if (!document.is()) {
    throw cannotOpen(fileName, opening,
                     questions->asked() ? "it is protected by a password"
                                        : "LibreOffice cannot read it as a workbook");
  }
  // The office applies the view settings that an Excel file carries (its selected sheets) at the
  // first question about the selection. Asked now, they cannot later undo the selection of a
  // sheet to print, nor switch sheets under a print in progress, which crashes the office.
  css::uno::Reference<css::sheet::XSelectedSheetsSupplier>(document->getCurrentController(),
                                                           css::uno::UNO_QUERY_THROW)
      ->getSelectedSheets();
  return document;
}

}  // namespace quirevo::office
