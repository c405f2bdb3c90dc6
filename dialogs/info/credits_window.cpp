#include "dialogs/info/credits_window.h"

#include <QEvent>
#include <QMouseEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "core/colour_tables.h"
#include "core/product.h"
#include "core/random.h"
#include "dialogs/common/maker.h"
#include "dialogs/common/picture_box_window.h"
#include "dialogs/info/info_painting.h"
#include "platform/forms/control_rows.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/picture_box.h"
#include "platform/forms/screen.h"
#include "platform/forms/window_utils.h"
#include "renderer/display/animation_guard.h"
#include "renderer/display/display.h"
#include "renderer/display/display_settings.h"
#include "renderer/display/pacing.h"
#include "renderer/display/presentation.h"
#include "renderer/display/run_state.h"
#include "renderer/galaxy/shapes.h"

namespace orbweave {
namespace {

constexpr std::string_view kFormName = "frmCredits";

// The drawing size and its centre, in pixels.
constexpr int kDrawWidth = 440;
constexpr int kDrawHeight = 320;
constexpr double kCentreX = kDrawWidth / 2.0;
constexpr double kCentreY = kDrawHeight / 2.0;
// Below this client size the layout stays as it is.
constexpr int kLeastLayoutWidth = 240;
constexpr int kLeastLayoutHeight = 160;
constexpr int kPanelTop = 45;
constexpr int kPanelMargins = 90;
constexpr int kLeastPanelWidth = 260;
constexpr double kFirstTextLine = 10.0;
constexpr int kTextEntersAbove = 10;  // the text enters this far above the panel's bottom
constexpr double kLineSpacing = 1.2;
constexpr double kBodyMargin = 5.0;
constexpr double kShadowOffset = 2.0;  // the shadow stands this far right of the text
// The About box shows the credits this much larger than they load.
constexpr double kEnlargeWidth = 1.35;
constexpr double kEnlargeHeight = 1.25;

constexpr std::int16_t kLeastStars = 10;
constexpr std::int16_t kMostStars = 1000;
constexpr float kLeastSpeed = 0.0025f;
constexpr float kMostSpeed = 0.25f;
constexpr float kLeastScroll = 0.5f;
constexpr float kMostScroll = 10.0f;
constexpr std::int32_t kStartBlend = 95;
constexpr std::int32_t kMostBlend = 100;
constexpr float kStartHueBase = 600.0f;
constexpr float kHueBaseStep = 0.1f;
constexpr float kHueBaseTop = 720.0f;
constexpr float kHueBaseBottom = 360.0f;
constexpr std::int16_t kStarHueStep = 15;
constexpr double kRebirthChance = 0.995;
constexpr float kNearestDepth = 0.01f;

constexpr std::string_view kEntryIndent = "     ";
constexpr std::string_view kPanelIndent = "      ";
constexpr double kBodySize = 8.0;
constexpr double kHeadingSize = 10.0;
constexpr double kLeastHeadingSize = 9.0;
constexpr double kMakerSize = 14.0;
constexpr double kVersionSize = 12.0;
constexpr int kLargeFontsTwips = 12;

constexpr std::int32_t kBlack = 0;

constexpr ControlSpec kCreditsControls[] = {
    PictureRow("picField", kNoIndex, {0, 0, 6600, 4800}),
    FrameRow("picFrame", kNoIndex, {2250, 675, 3900, 3450}, "").Styled(kStylePlainPanel),
    PictureRow("picCredits", kNoIndex, {0, 0, 3900, 150}).In("picFrame"),
    ButtonRow("cmdDismiss", kNoIndex, {2790, 4260, 1020, 360}, "OK"),
};

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

int PxToTwipsX(double pixels) { return static_cast<int>(std::lround(pixels * ScreenTwipsPerPixelX())); }
int PxToTwipsY(double pixels) { return static_cast<int>(std::lround(pixels * ScreenTwipsPerPixelY())); }
double TwipsToPxX(int twips) { return static_cast<double>(twips) / ScreenTwipsPerPixelX(); }
double TwipsToPxY(int twips) { return static_cast<double>(twips) / ScreenTwipsPerPixelY(); }

// The second press of a double-click is part of the double-click, not a
// click of its own: it changes no blend.
class DoublePressFilter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonPress) return false;
        return (static_cast<QMouseEvent*>(event)->flags() & Qt::MouseEventCreatedDoubleClick) != 0;
    }
};

// A star's place and colour.
struct Star {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    std::int16_t hue = 0;
};

void GiveBirth(Star& star) {
    star.x = static_cast<float>(2.0 * RandomFraction() - 1.0);
    star.y = static_cast<float>(2.0 * RandomFraction() - 1.0);
    star.z = static_cast<float>(0.9 + 0.1 * RandomFraction());
}

std::int32_t ScreenCoordinate(double centre, float direction, float depth) {
    return static_cast<std::int32_t>(std::nearbyint(centre + centre * direction / depth));
}

// The width a printed line needs: a heading centred with its shadow beside
// it, an entry after the left margin with its shadow.
double LineRoom(Canvas& canvas, const CreditLine& line) {
    canvas.SetFont({.name = {}, .size = line.size, .bold = false});
    const double text = canvas.TextWidth(line.text) + kShadowOffset;
    return line.size > kLeastHeadingSize ? text : kBodyMargin + text;
}

}  // namespace

std::int32_t BlendAfterClick(std::int32_t blend, int button) {
    if (button == kLeftButton) return blend < 1 ? 0 : blend - 1;
    if (button == kRightButton) return blend < kMostBlend ? blend + 1 : kMostBlend;
    return blend;
}

std::vector<CreditLine> CreditLinesFor(std::string_view element) {
    if (!element.empty() && element.front() == ' ')
        return {{std::string(kEntryIndent) + Trimmed(element), kBodySize}};
    return {{"", kBodySize}, {Trimmed(element), kHeadingSize}};
}

CreditsWindow::CreditsWindow() : Dialog(kFormName, kCreditsControls, {}) {}

void CreditsWindow::Load() {
    Form& form = Frm();
    activated_ = false;
    form.SetCaption("Credits");
    form.SetClientSize(PxToTwipsX(kDrawWidth), PxToTwipsY(kDrawHeight));
    auto& field = form.Get<PictureBox>("picField");
    field.SetBackColor(kBlack);
    field.Drawing().SetScalePixels();
    field.Drawing().Cls();
    form.Get("picFrame").SetBackColor(kBlack);
    auto& text = form.Get<PictureBox>("picCredits");
    text.SetBackColor(kBlack);
    text.Drawing().SetScalePixels();
    text.Drawing().Cls();
    WireHandlers();
    Form_Resize();
    CenterFormOnScreen(form);
    BuildCredits();
    creditsTop_ = TwipsToPxY(form.Get("picFrame").Height()) - kTextEntersAbove;
    text.SetTop(PxToTwipsY(creditsTop_));
    LoadDisplaySettings(PictureBoxTarget(field), true, 1.0f);
    EnlargeAndCentre();
    ActivateOnceShown(form, [this] { Form_Activate(); });
}

void CreditsWindow::WireHandlers() {
    Form& form = Frm();
    auto& field = form.Get<PictureBox>("picField");
    field.events.dblClick = [this] { picField_DblClick(); };
    field.events.mouseDown = [this](int button, int, double, double) { picField_MouseDown(button); };
    field.Widget()->installEventFilter(new DoublePressFilter(field.Widget()));
    auto& ok = form.Get<CommandButton>("cmdDismiss");
    ok.events.click = [this] { cmdDismiss_Click(); };
    ok.SetDefault(true);
    ok.SetCancel(true);
    form.events.resize = [this] { Form_Resize(); };
    form.events.activate = [this] { Form_Activate(); };
    form.events.queryUnload = [this](bool& cancel, int) { Form_QueryUnload(cancel); };
}

void CreditsWindow::EnlargeAndCentre() {
    Form& form = Frm();
    const auto width = static_cast<int>(form.Width() * kEnlargeWidth);
    const auto height = static_cast<int>(form.Height() * kEnlargeHeight);
    form.Move((ScreenWidthTwips() - width) / 2, (ScreenHeightTwips() - height) / 2, width, height);
}

void CreditsWindow::Form_Resize() {
    Form& form = Frm();
    const double width = TwipsToPxX(form.ScaleWidth());
    const double height = TwipsToPxY(form.ScaleHeight());
    if (width < kLeastLayoutWidth || height < kLeastLayoutHeight) return;
    form.Get("picField").Move(0, 0, form.ScaleWidth(), form.ScaleHeight());
    Control& panel = form.Get("picFrame");
    panel.Move(PxToTwipsX((width - TwipsToPxX(panel.Width())) / 2), PxToTwipsY(kPanelTop), panel.Width(),
               PxToTwipsY(height - kPanelMargins));
    Control& ok = form.Get("cmdDismiss");
    ok.Move(PxToTwipsX((width - TwipsToPxX(ok.Width())) / 2), PxToTwipsY(height - 1.25 * TwipsToPxY(ok.Height())),
            ok.Width(), ok.Height());
}

// The panel is as wide as the copyright line that closes the credits, at
// least 260 pixels, and wide enough for every line of the roll.
void CreditsWindow::SizeCreditsPicture(const std::vector<CreditLine>& lines) {
    Form& form = Frm();
    textCursor_ = kFirstTextLine;
    Canvas& canvas = form.Get<PictureBox>("picCredits").Drawing();
    canvas.SetFont({.name = {}, .size = kHeadingSize, .bold = false});
    double width = std::max<double>(kLeastPanelWidth,
                                    canvas.TextWidth(std::string(kPanelIndent) + std::string(kCopyrightLine)));
    for (const CreditLine& line : lines) width = std::max(width, LineRoom(canvas, line));
    width = std::ceil(width);
    Control& panel = form.Get("picFrame");
    panel.Move(PxToTwipsX((TwipsToPxX(form.ScaleWidth()) - width) / 2), panel.Top(), PxToTwipsX(width), panel.Height());
    Control& text = form.Get("picCredits");
    text.Move(text.Left(), text.Top(), PxToTwipsX(width), PxToTwipsY(kFirstTextLine));
}

std::vector<CreditLine> CreditsWindow::RollLines() const {
    std::vector<CreditLine> lines = {
        {std::string(kProductName), ScreenTwipsPerPixelX() == kLargeFontsTwips ? 20.0 : 18.0},
        {"", kBodySize},
        {std::string(kMakerNameFirstLine), kMakerSize},
        {std::string(kMakerNameSecondLine), kMakerSize},
        {"", kBodySize},
        {std::string(kVersionCaption), kVersionSize},
    };
    for (const std::string& element : Handed().credits) {
        for (CreditLine& line : CreditLinesFor(element)) lines.push_back(std::move(line));
    }
    return lines;
}

void CreditsWindow::BuildCredits() {
    const std::vector<CreditLine> lines = RollLines();
    SizeCreditsPicture(lines);
    for (const CreditLine& line : lines) PrintCreditLine(line.text, line.size);
}

void CreditsWindow::PrintCreditLine(std::string_view text, double size) {
    auto& picture = Frm().Get<PictureBox>("picCredits");
    Canvas& canvas = picture.Drawing();
    const std::string shown = text.empty() ? std::string(" ") : std::string(text);
    canvas.SetFont({.name = {}, .size = size, .bold = false});
    const double step = kLineSpacing * canvas.TextHeight(shown);
    // The picture ends at the next line's cursor, rounded up to whole pixels:
    // grown step by step in twips it would lag behind the exact cursor and
    // cut the later lines.
    picture.SetHeight(PxToTwipsY(std::ceil(textCursor_ + step)));
    const bool heading = size > kLeastHeadingSize;
    const double x = heading ? (canvas.ScaleWidth() - canvas.TextWidth(shown)) / 2 - 1 : kBodyMargin;
    canvas.PrintText(x + kShadowOffset, textCursor_ + 1, shown, heading ? kShadowGreen : kShadowCyan);
    canvas.PrintText(x, textCursor_, shown, heading ? kBrightGreen : kBrightCyan);
    textCursor_ += step;
}

void CreditsWindow::Form_Activate() {
    if (activated_) return;
    activated_ = true;
    runState.StopRequested = false;
    // Started after the activation has been handled, not inside it.
    // A real timer (1 ms), not a zero-delay one: a zero-delay call runs inside
    // Qt's posted-event delivery, where the loop's repaints never reach the screen.
    QTimer::singleShot(1, Frm().Window(), [this] { RunCreditsStarfield(); });
}

void CreditsWindow::RunCreditsStarfield() {
    AnimationGuard guard;
    if (!guard.Entered()) return;
    const CreditsParameters& given = Handed();
    stars_ = std::clamp(given.stars, kLeastStars, kMostStars);
    speed_ = std::isnan(given.speed) ? kLeastSpeed : std::clamp(given.speed, kLeastSpeed, kMostSpeed);
    scroll_ = std::isnan(given.scroll) ? kLeastScroll : std::clamp(given.scroll, kLeastScroll, kMostScroll);
    std::vector<Star> stars(static_cast<std::size_t>(stars_));
    LoadPropsInitDX();
    displayState.CurrentBlend = kStartBlend;
    float hueBase = kStartHueBase;
    for (Star& star : stars) {
        GiveBirth(star);
        star.hue = static_cast<std::int16_t>(kStartHueBase);
    }
    running_ = true;
    for (;;) {
        runState.FrameStartTick = TickCount();
        hueBase += kHueBaseStep;
        if (hueBase > kHueBaseTop) hueBase = kHueBaseBottom;
        for (Star& star : stars) {
            star.z -= speed_;
            // A star that comes too near is reborn before it is drawn, so no
            // depth near zero divides.
            if (RandomFraction() > kRebirthChance || star.z < kNearestDepth) {
                GiveBirth(star);
                star.hue = static_cast<std::int16_t>(std::nearbyint(std::floor(RandomFraction() * 30) + hueBase));
            }
            PlotStarGlyph(colourTables, ScreenCoordinate(kCentreX, star.x, star.z),
                          ScreenCoordinate(kCentreY, star.y, star.z), star.z, star.hue, kStarHueStep);
        }
        BlendBlitSurface(displayState.CurrentBlend);
        if (WaitFrameDelay()) break;
        ScrollCredits();
    }
    running_ = false;
    if (closePending_) {
        closePending_ = false;
        Frm().Unload();
    }
}

// The text rises until all of it has left the panel at the top, then enters
// again from the panel's bottom.
void CreditsWindow::ScrollCredits() {
    Form& form = Frm();
    Control& text = form.Get("picCredits");
    if (creditsTop_ >= -TwipsToPxY(text.Height()))
        creditsTop_ -= scroll_;
    else
        creditsTop_ = TwipsToPxY(form.Get("picFrame").Height()) - kTextEntersAbove;
    text.SetTop(PxToTwipsY(creditsTop_));
}

void CreditsWindow::Form_QueryUnload(bool& cancel) {
    runState.StopRequested = true;
    // The window goes once the starfield that draws into it has returned.
    if (running_) {
        closePending_ = true;
        cancel = true;
    }
}

void CreditsWindow::cmdDismiss_Click() { Frm().Unload(); }

void CreditsWindow::picField_DblClick() {
    Form& form = Frm();
    form.SetState(form.State() == WindowState::Normal ? static_cast<int>(WindowState::Maximized)
                                                      : static_cast<int>(WindowState::Normal));
}

void CreditsWindow::picField_MouseDown(int button) {
    displayState.CurrentBlend = BlendAfterClick(displayState.CurrentBlend, button);
}

}  // namespace orbweave
