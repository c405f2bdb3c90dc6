// Whether a control shows its caption whole, measured with Qt's metrics in
// the control's own font against its size on the screen: a label on one line
// (or, word-wrapped, on the lines it wraps to, unless it is a field's caption), the text room a check box or
// a button leaves beside its indicator or inside its frame, a frame's
// indented title, and a combo box's longest item beside its arrow.
#pragma once

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetricsF>
#include <QListWidget>
#include <QPushButton>
#include <QRectF>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/forms/controls.h"
#include "platform/forms/form.h"

namespace orbweave::testing {

// The width, in pixels, that Qt's style leaves for the text of a button or
// a check box (without the frame, or the indicator and its gap).
inline double TextRoomPixels(const QWidget& widget, QStyle::SubElement contents) {
    QStyleOptionButton option;
    option.initFrom(&widget);
    return widget.style()->subElementRect(contents, &option, &widget).width();
}

// The width the style leaves for a combo box's text, beside the arrow.
inline double ComboTextRoomPixels(const QComboBox& combo) {
    QStyleOptionComboBox option;
    option.initFrom(&combo);
    option.editable = combo.isEditable();
    return combo.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &combo).width();
}

// A frame's title is indented from the frame's left edge.
inline constexpr double kFrameTitlePaddingPixels = 18;

// The caption as drawn: "&" marks the access key and is not shown.
inline QString DrawnCaption(const QString& caption) {
    QString text = caption;
    return text.remove(QRegularExpression("&(?!&)"));
}

inline double WidestLine(const QFontMetricsF& metrics, const QStringList& lines) {
    double widest = 0;
    for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(DrawnCaption(line)));
    return widest;
}

inline QString LongestItem(const QComboBox& combo) {
    const QFontMetricsF metrics(combo.font());
    QString longest;
    for (int item = 0; item < combo.count(); ++item)
        if (metrics.horizontalAdvance(combo.itemText(item)) > metrics.horizontalAdvance(longest))
            longest = combo.itemText(item);
    return longest;
}

inline bool ComboItemsFit(const QComboBox& combo, const QFontMetricsF& metrics) {
    return metrics.horizontalAdvance(LongestItem(combo)) <= ComboTextRoomPixels(combo);
}

// A field's caption (one line ending in a colon, before its box) shows on
// one line even in a label that may wrap.
inline bool OneLineCaption(const QString& caption) { return !caption.contains('\n') && caption.endsWith(':'); }

inline bool LabelFits(const Label& label, const QString& caption, const QFontMetricsF& metrics, double width,
                      double height) {
    if (label.WordWrap() && !OneLineCaption(caption)) {
        const QRectF lines = metrics.boundingRect(QRectF(0, 0, width, 100 * height), Qt::TextWordWrap, caption);
        return lines.width() <= width && lines.height() <= height;
    }
    const QStringList lines = caption.split('\n');
    return WidestLine(metrics, lines) <= width && lines.size() * metrics.height() <= height;
}

// Whether the caption (or, for a combo box, every item) fits the control.
inline bool CaptionFits(const Control& control) {
    const QWidget* widget = control.Widget();
    if (widget == nullptr) return true;
    const QFontMetricsF metrics(widget->font());
    const double width = widget->width();
    const double height = widget->height();
    if (control.Kind() == ControlKind::ComboBox) return ComboItemsFit(*static_cast<const QComboBox*>(widget), metrics);
    const QString caption = QString::fromStdString(control.Caption()).replace("\r\n", "\n");
    if (DrawnCaption(caption).trimmed().isEmpty()) return true;
    switch (control.Kind()) {
    case ControlKind::Label: return LabelFits(static_cast<const Label&>(control), caption, metrics, width, height);
    case ControlKind::CheckBox:
        return metrics.horizontalAdvance(DrawnCaption(caption)) <= TextRoomPixels(*widget, QStyle::SE_CheckBoxContents);
    case ControlKind::CommandButton: {
        // A tall button may show its caption on several lines.
        const QStringList lines = static_cast<const QPushButton*>(widget)->text().split('\n');
        return WidestLine(metrics, lines) <= TextRoomPixels(*widget, QStyle::SE_PushButtonContents) &&
               lines.size() * metrics.height() <= height;
    }
    case ControlKind::Frame:
        return metrics.horizontalAdvance(DrawnCaption(caption)) <= width - kFrameTitlePaddingPixels;
    default: return true;
    }
}

// Lists of the machine's own names (its drives and mount points, its fonts),
// which may be of any length: their items are not measured.
inline bool ListsMachineNames(const Control& control) {
    return control.Name() == "drvTemp" || control.Name() == "cboFont";
}

// The universe profiles are the galaxy types' names, which the user gives:
// the closed box may cut one, its popup list shows them whole.
inline bool ListsGivenNames(const Control& control) { return control.Name() == "cboUniProfile"; }

// A control as "name" or "name(index)".
inline std::string Named(const Control& control) {
    return control.Index() == kNoIndex ? control.Name() : control.Name() + "(" + std::to_string(control.Index()) + ")";
}

// Every control of the form that shows and does not fit, one per line as
// "name(index) "caption" in WxH", with the widths measured.
inline std::string ControlsThatDoNotFit(const Form& form) {
    std::string misfits;
    for (const Control* control : form.Controls()) {
        const QWidget* widget = control->Widget();
        if (widget == nullptr || !widget->isVisibleTo(form.Window()) || ListsMachineNames(*control) ||
            ListsGivenNames(*control) || CaptionFits(*control))
            continue;
        misfits += Named(*control);
        const bool combo = control->Kind() == ControlKind::ComboBox;
        const std::string text =
            combo ? LongestItem(*static_cast<const QComboBox*>(widget)).toStdString() : control->Caption();
        misfits += " \"" + text.substr(0, 60) + "\" in " + std::to_string(widget->width()) + "x" +
                   std::to_string(widget->height());
        misfits += ", text " + std::to_string(static_cast<int>(std::ceil(
                                   QFontMetricsF(widget->font()).horizontalAdvance(QString::fromStdString(text)))));
        if (combo) misfits += " in " + std::to_string(ComboTextRoomPixels(*static_cast<const QComboBox*>(widget)));
        if (control->Kind() == ControlKind::Label && static_cast<const Label*>(control)->WordWrap())
            misfits += ", wrapped " +
                       std::to_string(QFontMetricsF(widget->font())
                                          .boundingRect(QRectF(0, 0, widget->width(), 10000), Qt::TextWordWrap,
                                                        QString::fromStdString(text).replace("\r\n", "\n"))
                                          .height()) + " high";
        misfits += "\n";
    }
    return misfits;
}

// Every list box of the form that shows and whose rows do not fill it
// whole (a part row at its foot), as "name: viewport H, row R".
inline std::string ListsShowingAPartRow(const Form& form) {
    std::string misfits;
    for (const Control* control : form.Controls()) {
        const auto* list = dynamic_cast<const QListWidget*>(control->Widget());
        if (list == nullptr || !list->isVisibleTo(form.Window()) || list->count() == 0) continue;
        const int row = list->sizeHintForRow(0);
        const int height = list->viewport()->height();
        if (row > 0 && height % row == 0) continue;
        misfits += control->Name() + ": viewport " + std::to_string(height) + ", row " + std::to_string(row) + "\n";
    }
    return misfits;
}

// Every drop-down of the form that shows whose popup list is narrower than
// its longest entry, in the popup's own font (its view's text room beside
// the scroll bar).
inline std::string DropDownsCuttingEntries(const Form& form) {
    std::string misfits;
    for (const Control* control : form.Controls()) {
        auto* combo = dynamic_cast<QComboBox*>(control->Widget());
        if (combo == nullptr || !combo->isVisibleTo(form.Window()) || ListsMachineNames(*control)) continue;
        combo->showPopup();
        const QAbstractItemView* view = combo->view();
        const QFontMetricsF metrics(view->font());
        const double longest = metrics.horizontalAdvance(LongestItem(*combo));
        // An item's text keeps its focus frame's margin and a pixel from either side.
        const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
        const int room = view->viewport()->width() - 2 * margin;
        combo->hidePopup();
        if (longest <= room) continue;
        misfits += control->Name() + ": entry " + std::to_string(static_cast<int>(std::ceil(longest))) + " in " +
                   std::to_string(room) + "\n";
    }
    return misfits;
}

}  // namespace orbweave::testing
