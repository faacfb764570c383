#include "platform/qt/classic_look.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

#include "platform/qt/qt_fonts.h"
#include "platform/qt/qt_text.h"

namespace quirevo {

namespace {
QPalette classicPalette() {
  const QColor face(212, 208, 200);
  QPalette palette(Qt::black, face, Qt::white, QColor(128, 128, 128), QColor(160, 160, 160),
                   Qt::black, Qt::white, Qt::white, face);
  palette.setColor(QPalette::Midlight, face);
  palette.setColor(QPalette::Shadow, QColor(64, 64, 64));
  palette.setColor(QPalette::Highlight, QColor(10, 36, 106));
  palette.setColor(QPalette::HighlightedText, Qt::white);
  palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
  palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(128, 128, 128));
  palette.setColor(QPalette::Disabled, QPalette::Text, QColor(128, 128, 128));
  palette.setColor(QPalette::Disabled, QPalette::Base, face);
  return palette;
}
}  // namespace

void useClassicLook() {
  // Metric-compatible faces first: the layout was measured with a narrow classic face, and a
  // wider stand-in would clip the captions of the radio buttons and labels.
  QFont::insertSubstitutions(toQString(Font::kFace), {"Liberation Sans", "Arimo", "Arial",
                                                      "Nimbus Sans", "Helvetica", "DejaVu Sans"});
  if (QStyle* style = QStyleFactory::create("Windows")) {
    QApplication::setStyle(style);
  }
  QApplication::setPalette(classicPalette());
  QApplication::setFont(toQFont(kWindowFont));
}

}  // namespace quirevo
