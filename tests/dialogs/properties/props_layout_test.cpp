// The properties dialog's layout: in both modes and for every galaxy style,
// each caption shows whole in its control and each control lies inside its
// frame; controls that share a place show one at a time.
#include <QFontMetricsF>
#include <QPalette>
#include <QPushButton>
#include <QRectF>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "dialogs/properties/props_controls.h"
#include "dialogs/properties/style_controls.h"
#include "platform/forms/screen.h"
#include "props_fixture.h"

namespace orbweave::testing {
namespace {

// The width, in pixels, that Qt's style leaves for the text of a button or
// a check box (without the frame, or the indicator and its gap).
double TextRoomPixels(const QWidget& widget, QStyle::SubElement contents) {
    QStyleOptionButton option;
    option.initFrom(&widget);
    return widget.style()->subElementRect(contents, &option, &widget).width();
}
// A frame's title is indented from the frame's left edge.
constexpr double kFrameTitlePaddingPixels = 18;

// The caption as drawn: "&" marks the access key and is not shown.
QString DrawnCaption(const std::string& caption) {
    QString text = QString::fromStdString(caption);
    return text.remove(QRegularExpression("&(?!&)"));
}

// Whether the caption fits the control, measured in the control's own font.
bool CaptionFits(const Control& control) {
    const QString caption = DrawnCaption(control.Caption());
    if (caption.isEmpty() || control.Widget() == nullptr) return true;
    const QFontMetricsF metrics(control.Widget()->font());
    const double width = static_cast<double>(control.Width()) / ScreenTwipsPerPixelX();
    const double height = static_cast<double>(control.Height()) / ScreenTwipsPerPixelY();
    const double text = metrics.horizontalAdvance(caption);
    switch (control.Kind()) {
    case ControlKind::Label:
        if (static_cast<const Label&>(control).WordWrap()) {
            const QRectF lines = metrics.boundingRect(QRectF(0, 0, width, 100 * height), Qt::TextWordWrap, caption);
            return lines.width() <= width && lines.height() <= height;
        }
        return text <= width && metrics.height() <= height;
    case ControlKind::CheckBox: return text <= TextRoomPixels(*control.Widget(), QStyle::SE_CheckBoxContents);
    case ControlKind::CommandButton: {
        // A tall button may show its caption on several lines.
        const QStringList lines = static_cast<const QPushButton*>(control.Widget())->text().split('\n');
        double widest = 0;
        for (const QString& line : lines)
            widest = std::max(widest, metrics.horizontalAdvance(DrawnCaption(line.toStdString())));
        return widest <= TextRoomPixels(*control.Widget(), QStyle::SE_PushButtonContents) &&
               lines.size() * metrics.height() <= height;
    }
    case ControlKind::Frame: return text <= width - kFrameTitlePaddingPixels;
    default: return true;
    }
}

bool InsideItsFrame(const Control& control) {
    const Control* frame = control.Container();
    if (frame == nullptr || control.Kind() == ControlKind::Menu) return true;
    return control.Left() >= 0 && control.Top() >= 0 && control.Left() + control.Width() <= frame->Width() &&
           control.Top() + control.Height() <= frame->Height();
}

class PropsLayoutTest : public PropsDialogTest {
protected:
    void ExpectEveryRowFits(const std::string& state) {
        for (const ControlSpec& row : PropertiesControls()) {
            const Control& control = Get(row.name, row.index);
            EXPECT_TRUE(CaptionFits(control))
                << row.name << "(" << row.index << ") \"" << control.Caption() << "\" in " << state;
            EXPECT_TRUE(InsideItsFrame(control)) << row.name << "(" << row.index << ") in " << state;
        }
    }
};

// Universe mode shows the accept caption of 1572 twips, galaxy-properties
// mode the return caption of 2640 and the bold frame title; each style
// relabels the galaxy frame's rows.
TEST_F(PropsLayoutTest, EveryCaptionFitsAndEveryControlLiesInsideItsFrame) {
    ASSERT_EQ(ScreenTwipsPerPixelX(), 15);
    Open();
    ExpectEveryRowFits("universe mode");

    ASSERT_TRUE(Get<ListBox>("lstUniGalaxy").SetListIndex(0));
    Dialog().cmdGalProps_Click();
    ASSERT_TRUE(Dialog().GalaxyPropsMode());
    // The bold blue title is the frame's alone; its controls keep the dialog's look.
    EXPECT_TRUE(Get("fraAni", 0).Font().bold);
    EXPECT_FALSE(Get("lblGalStyle").Font().bold);
    EXPECT_EQ(Get("lblGalStyle").ForeColor(), 0);
    for (int style = 0; style < kGalaxyStyleCount; ++style) {
        Get<ComboBox>("cboGalStyle").SetListIndex(style);
        ExpectEveryRowFits("galaxy style " + std::to_string(style));
    }
    // A page that was disabled when the title turned bold shows its text
    // normally once it is selected.
    Get<ComboBox>("cboGalaxExtras").SetListIndex(1);
    const QPalette page = Get("fraGalProp", 1).Widget()->palette();
    EXPECT_NE(page.color(QPalette::Active, QPalette::WindowText), page.color(QPalette::Disabled, QPalette::WindowText));
}

TEST_F(PropsLayoutTest, OnlyTheValueBoxOfThePropertyCopyShowsBeforeAPropertyIsChosen) {
    Open();
    EXPECT_EQ(Get<ComboBox>("cboPropCopyList").ListIndex(), -1);
    EXPECT_TRUE(Get("txtPropCopy").Visible());
    EXPECT_TRUE(Get("lblPropCopy").Visible());
    EXPECT_FALSE(Get("cboPropCopy").Visible());
    EXPECT_FALSE(Get("chkPropCopy").Visible());
}

}  // namespace
}  // namespace orbweave::testing
