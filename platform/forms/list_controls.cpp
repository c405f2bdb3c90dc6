#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyledItemDelegate>

#include <algorithm>
#include <functional>
#include <optional>
#include <utility>

#include "platform/forms/controls.h"
#include "platform/forms/qt_text.h"
#include "platform/forms/screen.h"

namespace orbweave {

namespace {

constexpr int kItemDataRole = Qt::UserRole;
// A long list drops down this many rows and scrolls, instead of covering the screen.
constexpr int kMostPopupRows = 20;

// Runs a call whenever the watched widget's font or style changes what its
// text measures.
class MetricsWatcher final : public QObject {
public:
    MetricsWatcher(QWidget* widget, std::function<void()> changed) : QObject(widget), changed_(std::move(changed)) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) changed_();
        return false;
    }

private:
    std::function<void()> changed_;
};

// Held with Ctrl, a key picks nothing in a drop-down (Qt's search takes
// Ctrl+C for "c" where the character comes with the key, and Ctrl+End picks
// the last entry), though an editable one keeps Ctrl's editing keys; in a
// list no character picks an entry, while Ctrl's arrows still move through
// a multiple selection. Keys held with Alt reach no control at all (the
// control's key watcher keeps them).
class CtrlKeyGuard final : public QObject {
public:
    CtrlKeyGuard(QWidget* widget, bool dropDown, bool editable)
        : QObject(widget), dropDown_(dropDown), editable_(editable) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        return PicksNothing(*static_cast<QKeyEvent*>(event));
    }

private:
    bool PicksNothing(const QKeyEvent& key) const {
        if (!key.modifiers().testFlag(Qt::ControlModifier)) return false;
        if (!dropDown_) return !key.text().isEmpty();
        return !editable_ || key.key() == Qt::Key_PageUp || key.key() == Qt::Key_PageDown;
    }

    bool dropDown_;
    bool editable_;
};

// A drop-down whose list, when the screen's edge cuts it short, ends on a
// whole row: Qt gives it all the room to the edge, which shows part of one.
class DropDown final : public QComboBox {
public:
    using QComboBox::QComboBox;

    void showPopup() override {
        QComboBox::showPopup();
        EndOnAWholeRow();
    }

private:
    void EndOnAWholeRow() {
        QAbstractItemView* list = view();
        QWidget* popup = list->window();
        const int row = list->sizeHintForRow(0);
        if (popup == window() || row <= 0) return;
        const int frame = popup->height() - list->viewport()->height();
        const int rows = std::max(1, (popup->height() - frame) / row);
        const int height = rows * row + frame;
        if (height == popup->height()) return;
        QRect shown = popup->geometry();
        // A list above the box keeps its bottom against the box.
        if (shown.top() < mapToGlobal(QPoint(0, 0)).y())
            shown.setTop(shown.bottom() - height + 1);
        else
            shown.setHeight(height);
        popup->setGeometry(shown);
        list->scrollTo(list->currentIndex(), QAbstractItemView::EnsureVisible);
    }
};

// A popup wider than the screen the box is on would show no more.
int WidestPopup(const QComboBox& combo) {
    const QScreen* screen = combo.screen();
    return screen != nullptr ? screen->availableGeometry().width() : QWIDGETSIZE_MAX;
}

// An entry's width in the popup's font, measured no further than the widest popup.
int EntryWidth(const QComboBox& combo, int item) {
    return AdvanceUpTo(QFontMetrics(combo.view()->font()), combo.itemText(item), WidestPopup(combo));
}

}  // namespace

// --- ComboBox ---

ComboBox::ComboBox(Form& form, const ControlSpec& row, Control* container, QWidget* parent)
    : ListControl(form, row, container, new DropDown(parent)),
      combo_(static_cast<QComboBox*>(Widget())),
      editable_((row.style & kStyleEditable) != 0) {
    // The list drops down below the box (UseDialogLook), so the row limit holds.
    combo_->setMaxVisibleItems(kMostPopupRows);
    new MetricsWatcher(combo_, [this] { MeasureEntries(); });
    new CtrlKeyGuard(combo_, true, editable_);
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
    entryWidths_[static_cast<std::size_t>(item)] = EntryWidth(*combo_, item);
    KeepSelection();
    FitPopupWidth();
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
    entryWidths_.insert(entryWidths_.begin() + at, EntryWidth(*combo_, at));
    if (listIndex_ >= at) ++listIndex_;
    KeepSelection();
    FitPopupWidth();
    return true;
}

bool ComboBox::RemoveItem(int item) {
    if (!ValidItem(item)) return false;
    const QSignalBlocker blocker(combo_);
    combo_->removeItem(item);
    entryWidths_.erase(entryWidths_.begin() + item);
    if (listIndex_ == item)
        listIndex_ = -1;
    else if (listIndex_ > item)
        --listIndex_;
    KeepSelection();
    FitPopupWidth();
    return true;
}

void ComboBox::Clear() {
    const QSignalBlocker blocker(combo_);
    combo_->clear();
    entryWidths_.clear();
    listIndex_ = -1;
    KeepSelection();
    FitPopupWidth();
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

bool ComboBox::TakesAltKey(int qtKey) const { return qtKey == Qt::Key_Down; }

void ComboBox::MeasureEntries() {
    for (int item = 0; item < combo_->count(); ++item)
        entryWidths_[static_cast<std::size_t>(item)] = EntryWidth(*combo_, item);
    FitPopupWidth();
}

// The popup list is at least as wide as its longest entry, with the margins
// of an entry, the list's frame and the scroll bar of a long list.
void ComboBox::FitPopupWidth() {
    QAbstractItemView* view = combo_->view();
    const int longest = entryWidths_.empty() ? 0 : *std::max_element(entryWidths_.begin(), entryWidths_.end());
    const QStyle* style = view->style();
    const int margins = 2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1) +
                        2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, view);
    const int scrollBar =
        combo_->count() > combo_->maxVisibleItems() ? style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view) : 0;
    view->setMinimumWidth(std::min(longest + margins + scrollBar, WidestPopup(*combo_)));
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

namespace {

// An entry's text and the number it ends with, split at the blanks between.
struct NumberedEntry {
    QString name;
    QString number;
};

std::optional<NumberedEntry> SplitTrailingNumber(const QString& text) {
    qsizetype digits = text.size();
    while (digits > 0 && text[digits - 1].isDigit()) --digits;
    qsizetype blanks = digits;
    while (blanks > 0 && text[blanks - 1] == ' ') --blanks;
    if (digits == text.size() || blanks == digits) return std::nullopt;
    return NumberedEntry{text.left(blanks), text.mid(digits)};
}

}  // namespace

// Draws every row one font line high, and in a list with a number column
// the entry's number at that column instead of after its blanks, whose
// width varies with the name in a proportional font.
class ListBox::RowPainter final : public QStyledItemDelegate {
public:
    explicit RowPainter(QListWidget* list) : QStyledItemDelegate(list) {}

    static int RowHeight(const QFontMetrics& metrics) { return metrics.height(); }

    void SetNumberColumn(int pixels) { numberColumn_ = pixels; }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), RowHeight(option.fontMetrics)};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const std::optional<NumberedEntry> entry =
            numberColumn_ > 0 ? SplitTrailingNumber(item.text) : std::nullopt;
        const QWidget* widget = item.widget;
        QStyle* style = widget != nullptr ? widget->style() : nullptr;
        if (style == nullptr) return;
        // Only what reaches across the row is drawn: eliding all of an entry
        // of many thousand characters on every paint would stall the list.
        item.text = ShownPart(item.fontMetrics, entry ? entry->name : item.text, option.rect.width());
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);
        if (!entry) return;
        const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
        const int nameEnd = item.fontMetrics.horizontalAdvance(item.text + QStringLiteral("   "));
        QRect numberRect = text;
        numberRect.setLeft(text.left() + std::max(numberColumn_, nameEnd));
        const bool selected = (item.state & QStyle::State_Selected) != 0;
        const QPalette::ColorGroup group = (item.state & QStyle::State_Enabled) != 0 ? QPalette::Normal
                                                                                     : QPalette::Disabled;
        painter->save();
        painter->setPen(item.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        painter->setFont(item.font);
        painter->drawText(numberRect, Qt::AlignLeft | Qt::AlignVCenter, entry->number);
        painter->restore();
    }

private:
    int numberColumn_ = 0;  // pixels; 0 without a number column
};

ListBox::ListBox(Form& form, const ControlSpec& row, Control* container, QWidget* parent)
    : ListControl(form, row, container, new QListWidget(parent)),
      list_(static_cast<QListWidget*>(Widget())),
      rows_(new RowPainter(list_)),
      multiSelect_((row.style & kStyleMultiSelect) != 0),
      askedHeight_(list_->height()) {
    list_->setItemDelegate(rows_);
    new MetricsWatcher(list_, [this] { FitWholeRows(); });
    new CtrlKeyGuard(list_, false, false);
    list_->setUniformItemSizes(true);
    // A list box shows no scroll bar across: its rows keep their height whole.
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FitWholeRows();
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

void ListBox::SetNumberColumn(int twips) {
    rows_->SetNumberColumn(TwipsToPixelsX(twips));
    list_->viewport()->update();
}

bool ListBox::Move(int left, int top, int width, int height) {
    if (!Control::Move(left, top, width, height)) return false;
    askedHeight_ = TwipsToPixelsY(height);
    FitWholeRows();
    return true;
}

void ListBox::FitWholeRows() {
    const int frame = 2 * list_->frameWidth();
    const int row = RowPainter::RowHeight(list_->fontMetrics());
    if (row <= 0) return;
    const int rows = std::max(1, (askedHeight_ - frame) / row);
    list_->resize(list_->width(), rows * row + frame);
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
