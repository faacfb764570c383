#pragma once

#include <QObject>
#include <QString>
#include <QWidget>

#include <optional>

#include "ui/form.h"

class QMimeData;

namespace quirevo {

// Files dropped anywhere on the window go to the form. The window takes drops, and the fields
// that take dropped text (the file field, the language box, the spin edits) hand a local file on
// instead of inserting its address. Lives as long as the window, its parent.
class FileDropRouting : public QObject {
 public:
  FileDropRouting(Form& form, QWidget& window);

 protected:
  bool eventFilter(QObject* target, QEvent* event) override;

 private:
  Form& form_;
};

// The local path of a drop's first item; nothing when it carries none or the first is no local
// file.
std::optional<QString> firstLocalFile(const QMimeData* data);

}  // namespace quirevo
