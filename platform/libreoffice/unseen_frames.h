#pragma once

#include <com/sun/star/awt/XToolkit2.hpp>
#include <com/sun/star/awt/XWindowPeer.hpp>
#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/frame/XFrame.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>

namespace quirevo::office {

// Frames of the office whose windows never reach the screen. Loading a document shows its
// frame's window, whatever is asked; each of these windows is the child of one host window of
// the office's that is never shown, so showing it shows nothing. (Loading with "Hidden" would
// also keep it unseen, but leaves the office to abort later.) A frame goes with its document;
// the host with the office.
class UnseenFrames {
 public:
  UnseenFrames(css::uno::Reference<css::uno::XComponentContext> context,
               css::uno::Reference<css::frame::XDesktop2> desktop);

  // A new frame of the desktop to load one document into.
  css::uno::Reference<css::frame::XFrame> create();

 private:
  css::uno::Reference<css::uno::XComponentContext> context_;
  css::uno::Reference<css::frame::XDesktop2> desktop_;
  css::uno::Reference<css::awt::XToolkit2> toolkit_;
  css::uno::Reference<css::awt::XWindowPeer> host_;
};

}  // namespace quirevo::office
