#pragma once

#include <string>

#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/frame/XFrame.hpp>
#include <com/sun/star/frame/XModel.hpp>

namespace quirevo::office {

// Where a document is loaded: into a frame given, or, without one, a new frame of the desktop.
struct LoadTarget {
  css::uno::Reference<css::frame::XDesktop2> desktop;
  css::uno::Reference<css::frame::XFrame> frame = {};
};

// A new, empty Calc document; its window is the session's to show or hide.
css::uno::Reference<css::frame::XModel> addWorkbook(const LoadTarget& target);

// The first opening of a file, or opening it again in a new office or after the user closed it.
enum class Opening { First, Again };

// The workbook file opened for reading only, its window the session's to show or hide, its
// macros never run and its links never updated. A file that is missing, unreadable or no workbook
// fails with a message naming it as given.
css::uno::Reference<css::frame::XModel> openWorkbook(const LoadTarget& target,
                                                     const std::string& fileName,
                                                     Opening opening = Opening::First);

}  // namespace quirevo::office
