#include "platform/qt/combo_box_peer.h"

#include <QLineEdit>
#include <QSignalBlocker>

#include "platform/qt/qt_text.h"

namespace quirevo {

ComboBoxPeer::ComboBoxPeer(ComboBox& comboBox, QWidget& parent)
    : QComboBox(&parent), WidgetPeer(*this, comboBox), comboBox_(comboBox) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  // No completion: the model must see exactly what was typed.
  setCompleter(nullptr);
  setFocusPolicy(Qt::StrongFocus);
  // Leaving the field would otherwise select an item whose text equals the typed one.
  disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
  connect(lineEdit(), &QLineEdit::textEdited, this,
          [this](const QString& text) { comboBox_.userEdit(toUtf8(text)); });
  connect(this, &QComboBox::activated, this,
          [this](int index) { comboBox_.userSelectItem(index); });
  attach();
}

void ComboBoxPeer::kindPropertyChanged(Property property) {
  switch (property) {
    case Property::Items: {
      const QSignalBlocker blocker(this);
      clear();
      for (const std::string& item : comboBox_.items()) {
        addItem(toQString(item));
        setItemData(count() - 1, QSize(0, comboBox_.itemHeight()), Qt::SizeHintRole);
      }
      showItemIndex();
      break;
    }
    case Property::ItemIndex:
      showItemIndex();
      break;
    case Property::Text: {
      const QString text = toQString(comboBox_.text());
      if (text != currentText()) {
        setEditText(text);
      }
      break;
    }
    default:
      break;
  }
}

void ComboBoxPeer::showItemIndex() {
  // Changing the index or the items rewrites the edit field; the model's text and the caret stay.
  const QString text = toQString(comboBox_.text());
  const int caret = lineEdit()->cursorPosition();
  const QSignalBlocker blocker(this);
  if (currentIndex() != comboBox_.itemIndex()) {
    setCurrentIndex(comboBox_.itemIndex());
  }
  if (lineEdit()->text() != text) {
    lineEdit()->setText(text);
    lineEdit()->setCursorPosition(caret);
  }
}

}  // namespace quirevo
