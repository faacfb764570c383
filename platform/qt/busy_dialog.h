#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <string>

namespace quirevo {

// The small modal dialog over the window while a long request runs: what is being done and
// "Stop". Stop, Escape and the close box all stop, once; the dialog stays until the waiter
// closes it, as the work only ends a moment after it was stopped.
class BusyDialog : public QDialog {
 public:
  BusyDialog(QWidget* parent, const QString& title, std::function<std::string()> describe,
             std::function<void()> stop);

  void reject() override;

 private:
  void refresh();

  std::function<std::string()> describe_;
  std::function<void()> stop_;
  QLabel* text_;
  QPushButton* stopButton_;
  QTimer refreshing_;
};

}  // namespace quirevo
