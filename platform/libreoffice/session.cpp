#include "platform/libreoffice/session.h"

#include <algorithm>

#include <com/sun/star/awt/XWindow2.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/frame/XFrame.hpp>

namespace quirevo::office {

namespace {

bool stillOpen(Office& office, const css::uno::Reference<css::frame::XModel>& document) {
  try {
    document->getURL();
    return true;
  } catch (const css::lang::DisposedException& failure) {
    if (office.bridgeBroken(failure)) {
      throw;
    }
    return false;
  }
}

}  // namespace

void Session::added(css::uno::Reference<css::frame::XModel> document) {
  documents_.push_back(std::move(document));
}

void Session::closed(const css::uno::Reference<css::frame::XModel>& document) {
  documents_.erase(std::remove(documents_.begin(), documents_.end(), document), documents_.end());
}

css::uno::Reference<css::frame::XModel> Session::activeDocument() {
  while (!documents_.empty() && !stillOpen(*office_, documents_.back())) {
    documents_.pop_back();
  }
  return documents_.empty() ? css::uno::Reference<css::frame::XModel>() : documents_.back();
}

void Session::showWindows() {
  if (!office_->hasDisplay()) {
    return;
  }
  const auto active = activeDocument();
  for (const auto& document : documents_) {
    if (!stillOpen(*office_, document)) {
      continue;
    }
    const auto controller = document->getCurrentController();
    if (controller.is()) {
      controller->getFrame()->getContainerWindow()->setVisible(visible && document == active);
    }
  }
}

void Session::end() {
  documents_.clear();
  office_.reset();
}

}  // namespace quirevo::office
