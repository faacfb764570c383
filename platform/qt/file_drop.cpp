#include "platform/qt/file_drop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "platform/qt/qt_text.h"

namespace quirevo {

std::optional<QString> firstLocalFile(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls()) {
    return std::nullopt;
  }
  const QUrl first = data->urls().constFirst();
  if (!first.isLocalFile() || first.toLocalFile().isEmpty()) {
    return std::nullopt;
  }
  return first.toLocalFile();
}

FileDropRouting::FileDropRouting(Form& form, QWidget& window) : QObject(&window), form_(form) {
  window.setAcceptDrops(true);
  window.installEventFilter(this);
  for (QWidget* child : window.findChildren<QWidget*>()) {
    if (child->acceptDrops()) {
      child->installEventFilter(this);
    }
  }
}

bool FileDropRouting::eventFilter(QObject*, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
    return false;
  }
  // QDragEnterEvent and QDragMoveEvent are drop events too.
  auto* drop = static_cast<QDropEvent*>(event);
  const std::optional<QString> file = firstLocalFile(drop->mimeData());
  if (!file) {
    return false;  // text for a field; the window itself refuses it
  }
  // Only a copy: a source offered a move would delete the file once it was taken.
  if (!(drop->possibleActions() & Qt::CopyAction)) {
    drop->ignore();
    return true;
  }
  drop->setDropAction(Qt::CopyAction);
  drop->accept();
  if (type == QEvent::Drop) {
    form_.userDropFile(toUtf8(*file));
  }
  return true;
}

}  // namespace quirevo
