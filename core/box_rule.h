#pragma once

// How a numeric entry box behaves, as plain data: the keys it accepts, the
// clamp it gets when it loses the focus, how far Up and Down step it and the
// range of the spin control beside it. The three sets of limits are a box's
// own and may differ (a spin may stop at 9999 where the clamp allows 30000).
// The value tables carry these rules as columns and the forms' box binder
// applies them, so the rule is written in one place for both.

#include <cstdint>

namespace orbweave {

enum class BoxKeys : std::uint8_t {
    Digits,   // "0" to "9" and Backspace
    Decimal,  // as Digits, plus one "."
};

// The clamp a box applies when it loses the focus, by the type its value is
// converted to. None leaves the text as typed; so does ByStyle for the binder:
// a box of the galaxy frame's radial fields takes its range from the galaxy
// style shown, which only the dialog knows.
enum class BoxClamp : std::uint8_t { None, Integer, Single, Long, ByStyle };

// How the Up and Down keys step a box: Up raises the value by the step but
// not above high, Down lowers it but not below low; each applies only its own
// bound. A step of 0: the arrows do not step the box.
struct ArrowStep {
    int step = 0;
    int low = 0;
    int high = 0;
};

// The spin control beside a box, which shows the box's value divided by
// scale. A scale of 0: the box has no spin control. A box whose range follows
// the galaxy style has a spin whose range the style sets (0..0 here).
struct SpinRange {
    int low = 0;
    int high = 0;
    int scale = 0;
};

struct BoxRule {
    BoxKeys keys = BoxKeys::Digits;
    BoxClamp clamp = BoxClamp::None;
    double low = 0;
    double high = 0;
    ArrowStep arrows{};
    SpinRange spin{};
};

constexpr BoxRule DigitsBox(BoxClamp clamp, double low, double high, ArrowStep arrows = {}, SpinRange spin = {}) {
    return {BoxKeys::Digits, clamp, low, high, arrows, spin};
}
constexpr BoxRule DecimalBox(BoxClamp clamp, double low, double high) {
    return {BoxKeys::Decimal, clamp, low, high, {}, {}};
}
constexpr SpinRange Spin(int low, int high, int scale = 1) { return {low, high, scale}; }

// The common boxes: whole numbers clamped into low..high in 16 or 32 bits,
// their arrows (a step other than 0) stepping inside the same range; and
// decimals clamped as a single.
constexpr ArrowStep StepWithin(int step, double low, double high) {
    return step == 0 ? ArrowStep{} : ArrowStep{step, static_cast<int>(low), static_cast<int>(high)};
}
constexpr BoxRule IntegerBox(double low, double high, int step = 0, SpinRange spin = {}) {
    return DigitsBox(BoxClamp::Integer, low, high, StepWithin(step, low, high), spin);
}
constexpr BoxRule LongBox(double low, double high, int step = 0, SpinRange spin = {}) {
    return DigitsBox(BoxClamp::Long, low, high, StepWithin(step, low, high), spin);
}
constexpr BoxRule SingleBox(double low, double high) { return DecimalBox(BoxClamp::Single, low, high); }

}  // namespace orbweave
