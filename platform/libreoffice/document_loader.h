#pragma once

#include <string>

#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/frame/XModel.hpp>

namespace quirevo::office {

// A new, empty Calc document; its window is the session's to show or hide.
css::uno::Reference<css::frame::XModel> addWorkbook(
    const css::uno::Reference<css::frame::XDesktop2>& desktop);

// The first opening of a file, or opening it again in a new office or after the user closed it.
enum class Opening { First, Again };

// The workbook file opened for reading only, its window the session's to show or hide, its
// macros never run and its links never updated. A file that is missing, unreadable or no workbook
// fails with a message naming it as given.
css::uno::Reference<css::frame::XModel> openWorkbook(
    const css::uno::Reference<css::frame::XDesktop2>& desktop, const std::string& fileName,
    Opening opening = Opening::First);

}  // namespace quirevo::office
