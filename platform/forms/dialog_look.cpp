#include "platform/forms/dialog_look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QProxyStyle>
#include <QStyleFactory>

namespace orbweave {

namespace {

// The application's style with two changes: a combo box drops its list
// down below itself and keeps to its row limit (some styles cover the
// screen with every row over the current item), and the buttons of message
// and input boxes show their captions only, like every other button.
class DialogStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ComboBox_Popup || hint == SH_DialogButtonBox_ButtonsHaveIcons) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// The control tables place and size captions for a narrow sans-serif face;
// Liberation Sans has those widths (it stands in for Arial). Without it the
// platform's default font stays.
void UseDialogFont() {
    const QString family = QStringLiteral("Liberation Sans");
    QFont font = QApplication::font();
    if (font.family() == family || !QFontDatabase::hasFamily(family)) return;
    font.setFamily(family);
    QApplication::setFont(font);
}

void UseDialogStyle() {
    if (dynamic_cast<const DialogStyle*>(QApplication::style()) != nullptr) return;
    QApplication::setStyle(new DialogStyle(QStyleFactory::create(QApplication::style()->name())));
}

}  // namespace

void UseDialogLook() {
    UseDialogFont();
    UseDialogStyle();
}

}  // namespace orbweave
