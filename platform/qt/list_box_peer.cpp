#include "platform/qt/list_box_peer.h"

#include <QSignalBlocker>

#include "platform/qt/qt_text.h"

namespace quirevo {

ListBoxPeer::ListBoxPeer(ListBox& listBox, QWidget& parent)
    : QListWidget(&parent), WidgetPeer(*this, listBox), listBox_(listBox) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
  setFocusPolicy(Qt::StrongFocus);
  connect(this, &QListWidget::currentRowChanged, this,
          [this](int row) { listBox_.userSelect(row); });
  attach();
}

void ListBoxPeer::kindPropertyChanged(Property property) {
  const QSignalBlocker blocker(this);
  if (property == Property::Items) {
    // Lines are only ever appended or all cleared.
    if (static_cast<std::size_t>(count()) > listBox_.items().size()) {
      clear();
    }
    for (auto i = static_cast<std::size_t>(count()); i < listBox_.items().size(); ++i) {
      auto* item = new QListWidgetItem(toQString(listBox_.items()[i]), this);
      item->setSizeHint(
          QSize(fontMetrics().horizontalAdvance(item->text()) + 4, listBox_.itemHeight()));
    }
  }
  if (property == Property::Items || property == Property::ItemIndex) {
    if (currentRow() != listBox_.itemIndex()) {
      setCurrentRow(listBox_.itemIndex());
    }
  }
}

}  // namespace quirevo
