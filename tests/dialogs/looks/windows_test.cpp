// Every window of the dialogs: in each of its states it shows every caption
// and every combo box item whole, in the dialog font; opened without a
// stored place it is centred on the screen. The same program runs at 96 and
// at 120 dots per inch.
#include <QFontInfo>
#include <QWidget>

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
#include "settings/galaxy_tables.h"

namespace orbweave::testing {
namespace {

// The copyable property "Galaxy Style".
constexpr int kCopiedStyle = 12;
// The molecule editor's first structure type laid out on a grid, whose first
// box takes the points per edge.
constexpr int kGridAtom = 6;

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
        EXPECT_EQ(QFontInfo(form.Window()->font()).family(), "Liberation Sans") << form.Name();
        EXPECT_EQ(ControlsThatDoNotFit(form), "") << form.Name() << " in " << state;
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

// A drop-down opens as wide as its longest entry; checked in every window's
// first state and in both modes of the properties dialog.
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

}  // namespace
}  // namespace orbweave::testing
