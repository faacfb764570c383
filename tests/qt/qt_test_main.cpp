// The widget tests run without a display: Qt's offscreen platform, chosen before the application
// object exists. The classic look is the one the program uses.
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/qt/classic_look.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  quirevo::useClassicLook();
  return RUN_ALL_TESTS();
}
