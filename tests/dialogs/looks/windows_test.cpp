// Every window of the dialogs: in each of its states it shows every caption
// and every combo box item whole, every control in the window's font and
// clear of its frame's line and caption; opened without a stored place it is
// centred on the screen, and so are its message boxes on it. The same program
// runs at 96 and at 120 dots per inch.
#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "dialogs/common/caption_fit.h"
#include "dialogs/editors/ifs_dialog.h"
#include "dialogs/editors/levels_dialog.h"
#include "dialogs/editors/molecule_dialog.h"
#include "dialogs/info/about_box.h"
#include "dialogs/info/credits_window.h"
#include "dialogs/info/file_chooser.h"
#include "dialogs/info/system_diag.h"
#include "dialogs/info/welcome_window.h"
#include "dialogs/properties/advanced_dialog.h"
#include "dialogs/properties/menu_actions.h"
#include "dialogs/properties/props_fixture.h"
#include "dialogs/properties/style_controls.h"
#include "platform/forms/screen.h"
#include "platform/forms/services.h"
#include "settings/galaxy_tables.h"

namespace orbweave::testing {
namespace {

// The copyable property "Galaxy Style".
constexpr int kCopiedStyle = 12;
// The molecule editor's first structure type laid out on a grid, whose first
// box takes the points per edge.
constexpr int kGridAtom = 6;

const QString kDialogFamily = QStringLiteral("Liberation Sans");

// A frame's own line and caption, without the controls inside.
QImage FramePaint(QWidget& frame) {
    QImage image(frame.size(), QImage::Format_RGB32);
    frame.render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    return image;
}

// What a control paints of its own, on a clear image.
QImage ControlPaint(QWidget& control) {
    QImage image(control.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    control.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

bool Shown(const Form& form, const Control& control) {
    return control.Widget() != nullptr && control.Widget()->isVisibleTo(form.Window());
}

// How far down the top line and caption reach: the first blank row below the
// top line, which is the first row inked just inside the right side line.
int CaptionBandHeight(const QImage& frame, QRgb background) {
    const auto inked = [&](int x, int y) { return frame.pixel(x, y) != background; };
    bool lineSeen = false;
    for (int y = 0; y < frame.height(); ++y) {
        bool rowInked = false;
        for (int x = 2; x < frame.width() - 2; ++x) rowInked = rowInked || inked(x, y);
        if (lineSeen && !rowInked) return y;
        const int right = frame.width() - 3;
        lineSeen = lineSeen || (right > 2 && inked(right, y) && inked(right - 1, y) && inked(right - 2, y));
    }
    return frame.height();
}

// Whether the control paints over a pixel of its frame's top line or caption
// (a few layouts let controls touch the bottom line, as they always did).
bool PaintsOverCaption(QWidget& control, const QImage& frame, QRgb background) {
    const QImage paint = ControlPaint(control);
    const QRect band(0, 0, frame.width(), CaptionBandHeight(frame, background));
    for (int y = 0; y < paint.height(); ++y)
        for (int x = 0; x < paint.width(); ++x) {
            const QPoint spot = control.pos() + QPoint(x, y);
            if (qAlpha(paint.pixel(x, y)) != 0 && band.contains(spot) && frame.pixel(spot) != background) return true;
        }
    return false;
}

std::string ControlsOverTheirFrame(const Form& form) {
    std::string found;
    for (const Control* frame : form.Controls()) {
        if (frame->Kind() != ControlKind::Frame || !Shown(form, *frame)) continue;
        QWidget& box = *frame->Widget();
        const QImage paint = FramePaint(box);
        const QRgb background = box.palette().color(box.backgroundRole()).rgb();
        for (const Control* control : form.Controls())
            if (control->Container() == frame && Shown(form, *control) &&
                PaintsOverCaption(*control->Widget(), paint, background))
                found += Named(*control) + " over the caption of " + Named(*frame) + "\n";
    }
    return found;
}

// Controls that draw a border or a fill of their own: two of them sharing a
// pixel draw one over the other. (A spin control is joined to its box, and
// a caption's box is mostly empty, so neither counts.)
bool Bordered(const Control& control) {
    switch (control.Kind()) {
    case ControlKind::TextBox:
    case ControlKind::ComboBox:
    case ControlKind::ListBox:
    case ControlKind::CommandButton:
    case ControlKind::PictureBox: return true;
    default: return false;
    }
}

// A field caption whose text stands more than 2 pixels off the middle of
// the box beside it on its row.
bool CaptionOffItsBox(const Control& caption, const Control& box) {
    const auto* label = dynamic_cast<const QLabel*>(caption.Widget());
    const QRect place = box.Widget()->geometry();
    if (label == nullptr || !OneLineCaption(label->text()) || box.Kind() != ControlKind::TextBox ||
        place.left() <= label->geometry().right() || !label->geometry().contains(label->x(), place.center().y()))
        return false;
    const QRect room = label->contentsRect().translated(label->pos());
    const int top =
        (label->alignment() & Qt::AlignVCenter) ? room.center().y() : room.top() + label->fontMetrics().height() / 2;
    return std::abs(top - place.center().y()) > 2;
}

// Every pair of shown controls in one container of which one lies on the
// other (bordered ones sharing a pixel, or border on border in one column)
// or is a caption off the middle of the other.
std::string ControlsOverlapping(const Form& form) {
    std::string found;
    const auto& controls = form.Controls();
    for (std::size_t i = 0; i < controls.size(); ++i)
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            const Control& a = *controls[i];
            const Control& b = *controls[j];
            if (a.Container() != b.Container() || !Shown(form, a) || !Shown(form, b)) continue;
            if (CaptionOffItsBox(a, b) || CaptionOffItsBox(b, a)) found += Named(a) + " off " + Named(b) + "\n";
            // The credits' starfield fills the window behind its OK button.
            if (!Bordered(a) || !Bordered(b) || a.Name() == "picField") continue;
            const int margin = a.Widget()->x() == b.Widget()->x() ? 1 : 0;
            if (a.Widget()->geometry().adjusted(0, -margin, 0, margin).intersects(b.Widget()->geometry()))
                found += Named(a) + " overlaps " + Named(b) + "\n";
        }
    return found;
}

// Controls the dialogs give a font of their own: titles, the message in its
// chosen font, the molecule editor's fixed-pitch atom table.
bool HasOwnFont(const Control& control) {
    for (const char* name : {"lblProduct", "lblSmall", "fraAtoms", "lstElements"})
        if (control.Name() == name) return true;
    return control.Name() == "txtMessage" && (control.Index() == 4 || control.Index() == 7);
}

bool SameFont(const QFont& font, const QFont& expected) {
    return QFontInfo(font).family() == QFontInfo(expected).family() && font.pointSizeF() == expected.pointSizeF();
}

std::string ControlsInAnotherFont(const Form& form) {
    const QFont& windowFont = form.Window()->font();
    std::string found;
    for (const Control* control : form.Controls())
        if (Shown(form, *control) && !HasOwnFont(*control) && !SameFont(control->Widget()->font(), windowFont))
            found += Named(*control) + " in " + control->Widget()->font().toString().toStdString() + "\n";
    for (const QMenu* menu : form.Window()->findChildren<QMenu*>())
        if (QFontInfo(menu->font()).family() != kDialogFamily)
            found += "a menu in " + menu->font().toString().toStdString() + "\n";
    return found;
}

void ExpectTidy(const QMessageBox& box) {
    const QRect place = box.geometry();
    const QRect owner = box.parentWidget()->window()->geometry();
    const int widest = box.screen()->availableGeometry().width() * 2 / 3;
    EXPECT_LE(place.width(), widest);
    EXPECT_NEAR(place.center().x(), owner.center().x(), 1);
    EXPECT_NEAR(place.center().y(), owner.center().y(), 1);
    EXPECT_EQ(QFontInfo(box.font()).family(), kDialogFamily);
    for (const QAbstractButton* button : box.buttons()) EXPECT_TRUE(button->icon().isNull());
    for (const QLabel* label : box.findChildren<QLabel*>()) {
        if (label->text() != box.text()) continue;
        for (const QString& line : box.text().split('\n'))
            EXPECT_TRUE(QFontMetricsF(label->font()).horizontalAdvance(line) <= label->contentsRect().width() ||
                        place.width() >= widest - 2)
                << line.toStdString();
    }
}

class WindowsTest : public PropsDialogTest {
public:
    void TearDown() override {
        LevelsDialog::Release();
        MoleculeDialog::Release();
        IfsDialog::Release();
        AdvancedDialog::Release();
        WelcomeWindow::Release();
        SystemDiagWindow::Release();
        CreditsWindow::Release();
        AboutBox::Release();
        FileChooser::Release();
        PropsDialogTest::TearDown();
    }

    // Each state of the properties dialog: universe mode on every page of
    // its extras, then galaxy mode for every style on every page.
    void ExpectPropertiesFit() {
        Form& form = Open().Frm();
        auto& universePages = Get<ComboBox>("cboUniExtras");
        for (int page = 0; page < universePages.ListCount(); ++page) {
            universePages.SetListIndex(page);
            ExpectFits(form, "universe mode, page " + std::to_string(page));
        }
        // A property with a list of values offers them in a combo box.
        ASSERT_TRUE(Get<ComboBox>("cboPropCopyList").SetListIndex(kCopiedStyle));
        ASSERT_TRUE(Get("cboPropCopy").Visible());
        ExpectFits(form, "copying the galaxy style");
        ASSERT_TRUE(Get<ListBox>("lstUniGalaxy").SetListIndex(0));
        Dialog().cmdGalProps_Click();
        ASSERT_TRUE(Dialog().GalaxyPropsMode());
        auto& galaxyPages = Get<ComboBox>("cboGalaxExtras");
        for (int style = 0; style < kGalaxyStyleCount; ++style) {
            Get<ComboBox>("cboGalStyle").SetListIndex(style);
            for (int page = 0; page < galaxyPages.ListCount(); ++page) {
                galaxyPages.SetListIndex(page);
                ExpectFits(form, "galaxy style " + std::to_string(style) + ", page " + std::to_string(page));
            }
        }
    }

    Form& OpenProperties() { return Open().Frm(); }

    template <typename Editor>
    Form& OpenEditor() {
        Open();
        Editor::Instance().FormLet({0, &Frm()});
        Editor::Instance().Show();
        return Editor::Instance().Frm();
    }

    template <typename Window>
    static Form& Show() {
        Window::Instance().Show();
        return Window::Instance().Frm();
    }

    static void ExpectFits(const Form& form, const std::string& state) {
        EXPECT_EQ(QFontInfo(form.Window()->font()).family(), kDialogFamily) << form.Name();
        EXPECT_EQ(ControlsThatDoNotFit(form), "") << form.Name() << " in " << state;
        EXPECT_EQ(ControlsOverTheirFrame(form), "") << form.Name() << " in " << state;
        EXPECT_EQ(ControlsInAnotherFont(form), "") << form.Name() << " in " << state;
        EXPECT_EQ(ControlsOverlapping(form), "") << form.Name() << " in " << state;
        EXPECT_EQ(ListsShowingAPartRow(form), "") << form.Name() << " in " << state;
    }
};

const std::vector<std::string> kCredits = {"Books that Inspired Orbweave:", "     > The Shape of Galaxies",
                                           "     - Imogen Brightwater", " ", "Copyright"};

struct Window {
    std::string name;
    std::function<Form&(WindowsTest&)> open;
};

const Window kWindows[] = {
    {"properties", [](WindowsTest& test) -> Form& { return test.OpenProperties(); }},
    {"advanced settings", [](WindowsTest&) -> Form& { return WindowsTest::Show<AdvancedDialog>(); }},
    {"levels editor", [](WindowsTest& test) -> Form& { return test.OpenEditor<LevelsDialog>(); }},
    {"molecule editor", [](WindowsTest& test) -> Form& { return test.OpenEditor<MoleculeDialog>(); }},
    {"molecule editor with a grid atom",
     [](WindowsTest& test) -> Form& {
         Form& form = test.OpenEditor<MoleculeDialog>();
         form.Get<ComboBox>("cboType").SetListIndex(kGridAtom);
         return form;
     }},
    {"IFS editor", [](WindowsTest& test) -> Form& { return test.OpenEditor<IfsDialog>(); }},
    {"welcome", [](WindowsTest&) -> Form& { return WindowsTest::Show<WelcomeWindow>(); }},
    {"diagnostics", [](WindowsTest&) -> Form& { return WindowsTest::Show<SystemDiagWindow>(); }},
    {"About",
     [](WindowsTest&) -> Form& {
         AboutBox::Instance().FormLet({kCredits});
         return WindowsTest::Show<AboutBox>();
     }},
    {"credits",
     [](WindowsTest&) -> Form& {
         CreditsWindow::Instance().FormLet({500, 0.005f, 2.0f, kCredits});
         return WindowsTest::Show<CreditsWindow>();
     }},
    {"template chooser",
     [](WindowsTest&) -> Form& {
         FileChooser::Instance().FormLet(
             {true, false, "Select Template to Open", std::string(kTemplateFilter), "OWV", {}});
         return WindowsTest::Show<FileChooser>();
     }},
};

TEST_F(WindowsTest, EveryWindowShowsEveryCaptionWhole) {
    // A run meant for another screen density must really have it.
    if (const int dpi = qEnvironmentVariableIntValue("QT_FONT_DPI"); dpi > 0) {
        ASSERT_EQ(ScreenTwipsPerPixelX(), 1440 / dpi);
    }
    for (const Window& window : kWindows) ExpectFits(window.open(*this), window.name);
    ExpectPropertiesFit();
}

TEST_F(WindowsTest, EveryDropDownShowsItsLongestEntryWhole) {
    // A type name as long as names go, wider than the profile box.
    UniGalaxies[0]._UniGalName = std::string(30, 'W');
    for (const Window& window : kWindows) {
        const Form& form = window.open(*this);
        EXPECT_EQ(DropDownsCuttingEntries(form), "") << window.name;
    }
    ASSERT_TRUE(Get<ListBox>("lstUniGalaxy").SetListIndex(0));
    Dialog().cmdGalProps_Click();
    EXPECT_EQ(DropDownsCuttingEntries(Frm()), "") << "galaxy mode";
}

// Each window has its final size by the time it is placed: centred, not
// placed as if it had its table's size.
TEST_F(WindowsTest, EveryWindowOpenedWithoutAStoredPlaceIsCentred) {
    const int pixelX = ScreenTwipsPerPixelX();
    const int pixelY = ScreenTwipsPerPixelY();
    for (const Window& window : kWindows) {
        const Form& form = window.open(*this);
        EXPECT_NEAR(form.Left(), (ScreenWidthTwips() - form.Width()) / 2, pixelX) << window.name;
        EXPECT_NEAR(form.Top(), (ScreenHeightTwips() - form.Height()) / 2, pixelY) << window.name;
    }
}

// The longest messages, on a screen of each size: the Reset question's lines
// and the editors' notes, whose one line is too long for any screen.
TEST_F(WindowsTest, TheLongestMessagesKeepTheirLinesWholeCentredOnTheirWindow) {
    const MessageBoxService recorder = SetMessageBoxService(QtMessageBox);
    for (const QScreen* screen : QGuiApplication::screens())
        for (const Window* window : {&kWindows[0], &kWindows[3], &kWindows[5]}) {
            Form& form = window->open(*this);
            form.Window()->move(screen->availableGeometry().center() - form.Window()->rect().center());
            form.Window()->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(form.Window()));
            bool asked = false;
            QTimer::singleShot(0, [&asked] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    asked = true;
                    QCoreApplication::sendPostedEvents();  // Qt's own sizing on the box's layout requests first
                    ExpectTidy(*box);
                    box->reject();
                }
            });
            if (window == kWindows)
                Dialog().mnuEditArray_Click(kEditReset);
            else
                for (const char* button : {"cmdClear", "cmdOK"}) form.Get<CommandButton>(button).PerformClick();
            EXPECT_TRUE(asked) << window->name << " on " << screen->name().toStdString();
        }
    SetMessageBoxService(recorder);
}

}  // namespace
}  // namespace orbweave::testing
