#include "platform/libreoffice/unseen_frames.h"

#include <com/sun/star/awt/Toolkit.hpp>
#include <com/sun/star/awt/WindowAttribute.hpp>
#include <com/sun/star/awt/WindowDescriptor.hpp>
#include <com/sun/star/frame/Frame.hpp>
#include <com/sun/star/frame/XFrames.hpp>

#include "platform/libreoffice/uno_text.h"

namespace quirevo::office {

namespace {

// Never with WindowAttribute::SHOW: the window is made unseen and stays so.
css::awt::WindowDescriptor unshownWindow(css::awt::WindowClass type, const char* service,
                                         const css::uno::Reference<css::awt::XWindowPeer>& parent) {
  css::awt::WindowDescriptor descriptor;
  descriptor.Type = type;
  descriptor.WindowServiceName = toUno(service);
  descriptor.Parent = parent;
  descriptor.ParentIndex = -1;
  descriptor.Bounds = css::awt::Rectangle(0, 0, 1024, 768);
  descriptor.WindowAttributes = css::awt::WindowAttribute::BORDER;
  return descriptor;
}

}  // namespace

UnseenFrames::UnseenFrames(css::uno::Reference<css::uno::XComponentContext> context,
                           css::uno::Reference<css::frame::XDesktop2> desktop)
    : context_(std::move(context)),
      desktop_(std::move(desktop)),
      toolkit_(css::awt::Toolkit::create(context_)) {}

css::uno::Reference<css::frame::XFrame> UnseenFrames::create() {
  if (!host_.is()) {
    host_ = toolkit_->createWindow(unshownWindow(css::awt::WindowClass_TOP, "workwindow", {}));
  }
  const css::uno::Reference<css::awt::XWindow> window(
      toolkit_->createWindow(unshownWindow(css::awt::WindowClass_CONTAINER, "window", host_)),
      css::uno::UNO_QUERY_THROW);
  const css::uno::Reference<css::frame::XFrame> frame(css::frame::Frame::create(context_),
                                                      css::uno::UNO_QUERY_THROW);
  frame->initialize(window);
  desktop_->getFrames()->append(frame);
  return frame;
}

}  // namespace quirevo::office
