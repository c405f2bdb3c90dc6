#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStyle>

#include "platform/forms/controls.h"
#include "platform/forms/qt_text.h"

namespace orbweave {

namespace {

constexpr int kItemDataRole = Qt::UserRole;
// A long list drops down this many rows and scrolls, instead of covering the screen.
constexpr int kMostPopupRows = 20;

}  // namespace

// --- ComboBox ---

ComboBox::ComboBox(Form& form, const ControlSpec& row, Control* container, QWidget* parent)
    : ListControl(form, row, container, new QComboBox(parent)),
      combo_(static_cast<QComboBox*>(Widget())),
      editable_((row.style & kStyleEditable) != 0) {
    // The list drops down below the box (UseDialogLook), so the row limit holds.
    combo_->setMaxVisibleItems(kMostPopupRows);
    if (editable_) {
        combo_->setEditable(true);
        combo_->setInsertPolicy(QComboBox::NoInsert);
        text_ = std::string(row.caption);
        combo_->setEditText(ToQString(text_));
        QObject::connect(combo_, &QComboBox::editTextChanged, combo_, [this] { EditedByUser(); });
    }
    QObject::connect(combo_, &QComboBox::currentIndexChanged, combo_,
                     [this](int item) { SelectionChangedByUser(item); });
    WatchFocusOf(combo_);
}

int ComboBox::ListCount() const { return combo_->count(); }

std::string ComboBox::List(int item) const { return ValidItem(item) ? FromQString(combo_->itemText(item)) : ""; }

bool ComboBox::SetList(int item, std::string_view text) {
    if (!ValidItem(item)) return false;
    const QSignalBlocker blocker(combo_);
    combo_->setItemText(item, ToQString(text));
    KeepSelection();
    return true;
}

int ComboBox::ListIndex() const { return listIndex_; }

bool ComboBox::SetListIndex(int item) {
    if (item != -1 && !ValidItem(item)) return false;
    if (item == listIndex_) return true;
    {
        const QSignalBlocker blocker(combo_);
        combo_->setCurrentIndex(item);
    }
    listIndex_ = item;
    if (editable_) text_ = FromQString(combo_->currentText());
    Raise(events.click);
    return true;
}

bool ComboBox::AddItem(std::string_view text, int at) {
    if (at == kAtEnd) at = ListCount();
    if (at < 0 || at > ListCount()) return false;
    const QSignalBlocker blocker(combo_);
    combo_->insertItem(at, ToQString(text));
    if (listIndex_ >= at) ++listIndex_;
    KeepSelection();
    return true;
}

bool ComboBox::RemoveItem(int item) {
    if (!ValidItem(item)) return false;
    const QSignalBlocker blocker(combo_);
    combo_->removeItem(item);
    if (listIndex_ == item)
        listIndex_ = -1;
    else if (listIndex_ > item)
        --listIndex_;
    KeepSelection();
    return true;
}

void ComboBox::Clear() {
    const QSignalBlocker blocker(combo_);
    combo_->clear();
    listIndex_ = -1;
    KeepSelection();
}

std::int32_t ComboBox::ItemData(int item) const {
    return ValidItem(item) ? combo_->itemData(item, kItemDataRole).toInt() : 0;
}

bool ComboBox::SetItemData(int item, std::int32_t value) {
    if (!ValidItem(item)) return false;
    combo_->setItemData(item, value, kItemDataRole);
    return true;
}

std::string ComboBox::Text() const { return editable_ ? text_ : List(listIndex_); }

bool ComboBox::SetText(std::string_view text) {
    if (editable_) {
        combo_->setEditText(ToQString(text));
        return true;
    }
    const int item = combo_->findText(ToQString(text), Qt::MatchExactly | Qt::MatchCaseSensitive);
    return item >= 0 && SetListIndex(item);
}

void ComboBox::SelectionChangedByUser(int item) {
    if (item == listIndex_) return;
    listIndex_ = item;
    if (editable_) text_ = FromQString(combo_->currentText());
    Raise(events.click);
}

void ComboBox::EditedByUser() {
    std::string now = FromQString(combo_->currentText());
    if (now == text_) return;
    text_ = std::move(now);
    Raise(events.change);
}

void ComboBox::KeepSelection() {
    // Qt selects the first entry of a list that was empty, and moves the
    // selection on when the selected entry goes; neither is a choice.
    if (combo_->currentIndex() != listIndex_) combo_->setCurrentIndex(listIndex_);
    if (editable_ && combo_->currentText() != ToQString(text_)) combo_->setEditText(ToQString(text_));
}

// --- ListBox ---

ListBox::ListBox(Form& form, const ControlSpec& row, Control* container, QWidget* parent)
    : ListControl(form, row, container, new QListWidget(parent)),
      list_(static_cast<QListWidget*>(Widget())),
      multiSelect_((row.style & kStyleMultiSelect) != 0) {
    list_->setSelectionMode(multiSelect_ ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
    QObject::connect(list_, &QListWidget::itemSelectionChanged, list_, [this] { SelectionChangedByUser(); });
    QObject::connect(list_, &QListWidget::itemDoubleClicked, list_, [this] { Raise(events.dblClick); });
    WatchFocusOf(list_);
}

int ListBox::ListCount() const { return list_->count(); }

std::string ListBox::List(int item) const { return ValidItem(item) ? FromQString(list_->item(item)->text()) : ""; }

bool ListBox::SetList(int item, std::string_view text) {
    if (!ValidItem(item)) return false;
    list_->item(item)->setText(ToQString(text));
    return true;
}

int ListBox::ListIndex() const { return listIndex_; }

bool ListBox::SetListIndex(int item) {
    if (item != -1 && !ValidItem(item)) return false;
    if (item == listIndex_) return true;
    {
        const QSignalBlocker blocker(list_);
        if (item == -1) {
            if (!multiSelect_) list_->clearSelection();
            list_->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
        } else {
            list_->setCurrentRow(item,
                                 multiSelect_ ? QItemSelectionModel::NoUpdate : QItemSelectionModel::ClearAndSelect);
        }
    }
    listIndex_ = item;
    Raise(events.click);
    return true;
}

bool ListBox::AddItem(std::string_view text, int at) {
    if (at == kAtEnd) at = ListCount();
    if (at < 0 || at > ListCount()) return false;
    const QSignalBlocker blocker(list_);
    list_->insertItem(at, ToQString(text));
    if (listIndex_ >= at) ++listIndex_;
    return true;
}

bool ListBox::RemoveItem(int item) {
    if (!ValidItem(item)) return false;
    const QSignalBlocker blocker(list_);
    delete list_->takeItem(item);
    if (listIndex_ == item) {
        listIndex_ = -1;
        if (!multiSelect_) list_->clearSelection();
        list_->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
    } else if (listIndex_ > item) {
        --listIndex_;
    }
    return true;
}

void ListBox::Clear() {
    const QSignalBlocker blocker(list_);
    list_->clear();
    listIndex_ = -1;
}

std::int32_t ListBox::ItemData(int item) const {
    return ValidItem(item) ? list_->item(item)->data(kItemDataRole).toInt() : 0;
}

bool ListBox::SetItemData(int item, std::int32_t value) {
    if (!ValidItem(item)) return false;
    list_->item(item)->setData(kItemDataRole, value);
    return true;
}

std::string ListBox::Text() const { return List(listIndex_); }

bool ListBox::Selected(int item) const { return ValidItem(item) && list_->item(item)->isSelected(); }

bool ListBox::SetSelected(int item, bool selected) {
    if (!ValidItem(item)) return false;
    if (!multiSelect_) return selected ? SetListIndex(item) : (item != listIndex_ || SetListIndex(-1));
    const QSignalBlocker blocker(list_);
    list_->item(item)->setSelected(selected);
    return true;
}

int ListBox::SelCount() const { return static_cast<int>(list_->selectedItems().size()); }

// The list's frame, then the margin the style leaves before an entry's text
// (one pixel more than its focus frame margin, as Qt's item views draw it).
int ListBox::TextLeft() const {
    return list_->frameWidth() + list_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list_) + 1;
}

int ListBox::TopIndex() const {
    const QListWidgetItem* top = list_->itemAt(0, 0);
    return top ? list_->row(top) : 0;
}

bool ListBox::SetTopIndex(int item) {
    if (!ValidItem(item)) return false;
    list_->scrollToItem(list_->item(item), QAbstractItemView::PositionAtTop);
    return true;
}

int ListBox::CurrentSelection() const {
    if (multiSelect_) return list_->currentRow();
    const auto selected = list_->selectedItems();
    return selected.isEmpty() ? -1 : list_->row(selected.front());
}

void ListBox::SelectionChangedByUser() {
    // A multi-select list reports every change of the selection; a single
    // one only a change of the selected entry.
    const int now = CurrentSelection();
    if (!multiSelect_ && now == listIndex_) return;
    listIndex_ = now;
    Raise(events.click);
}

}  // namespace orbweave
