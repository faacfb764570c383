#include "platform/qt/busy_dialog.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "platform/qt/qt_text.h"

namespace quirevo {

namespace {
// What the work is doing may change while it runs (starting the office, then opening a workbook).
constexpr int kRefreshMilliseconds = 250;
}  // namespace

BusyDialog::BusyDialog(QWidget* parent, const QString& title, std::function<std::string()> describe,
                       std::function<void()> stop)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      describe_(std::move(describe)),
      stop_(std::move(stop)),
      text_(new QLabel(this)),
      stopButton_(new QPushButton(QStringLiteral("Stop"), this)) {
  setObjectName(QStringLiteral("BusyDialog"));
  setWindowTitle(title);
  setModal(true);
  text_->setObjectName(QStringLiteral("BusyText"));
  text_->setTextFormat(Qt::PlainText);
  text_->setWordWrap(true);
  text_->setMinimumWidth(320);
  stopButton_->setObjectName(QStringLiteral("StopButton"));
  // Stopping ends the office; Enter, meant for something else a moment earlier, must not do it.
  stopButton_->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(stopButton_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  connect(stopButton_, &QPushButton::clicked, this, &BusyDialog::reject);
  connect(&refreshing_, &QTimer::timeout, this, &BusyDialog::refresh);
  refresh();
  refreshing_.start(kRefreshMilliseconds);
}

// Escape and the close box come here as well as Stop.
void BusyDialog::reject() {
  if (!stopButton_->isEnabled()) {
    return;
  }
  stopButton_->setEnabled(false);
  stop_();
}

void BusyDialog::refresh() {
  const QString text = toQString(describe_());
  if (text != text_->text()) {
    text_->setText(text);
  }
}

}  // namespace quirevo
