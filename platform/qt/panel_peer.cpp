#include "platform/qt/panel_peer.h"

#include <QPainter>

#include "platform/qt/qt_text.h"

namespace quirevo {

namespace {
// A raised bevel is light at the top and left and dark at the bottom and right; a lowered one
// the other way round.
QRect drawBevel(QPainter& painter, const QRect& rect, Bevel bevel, const QPalette& palette) {
  if (bevel == Bevel::None) {
    return rect;
  }
  const QColor topLeft =
      bevel == Bevel::Raised ? palette.color(QPalette::Light) : palette.color(QPalette::Dark);
  const QColor bottomRight =
      bevel == Bevel::Raised ? palette.color(QPalette::Dark) : palette.color(QPalette::Light);
  painter.setPen(topLeft);
  painter.drawLine(rect.topLeft(), rect.topRight());
  painter.drawLine(rect.topLeft(), rect.bottomLeft());
  painter.setPen(bottomRight);
  painter.drawLine(rect.bottomLeft(), rect.bottomRight());
  painter.drawLine(rect.topRight(), rect.bottomRight());
  return rect.adjusted(1, 1, -1, -1);
}
}  // namespace

PanelPeer::PanelPeer(Panel& panel, QWidget& parent)
    : QWidget(&parent), WidgetPeer(*this, panel), panel_(panel) {
  setFocusPolicy(Qt::NoFocus);
  attach();
}

void PanelPeer::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QRect inside = drawBevel(painter, rect(), panel_.outerBevel(), palette());
  inside = drawBevel(painter, inside, panel_.innerBevel(), palette());
  painter.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  painter.setClipRect(inside);
  painter.drawText(inside, Qt::AlignCenter | Qt::TextSingleLine, toQString(panel_.caption()));
}

void PanelPeer::kindPropertyChanged(Property property) {
  if (property == Property::Text) {
    update();
  }
}

}  // namespace quirevo
