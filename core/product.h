#pragma once

// The product's name and version, and every caption, title and heading built
// from them, so that a new version is one edit here.

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace orbweave {

// A text fixed at compile time that joins with others into a constant: a
// caption built from the name and version needs no start-up code.
template <std::size_t N>
struct FixedText {
    char chars[N + 1]{};

    constexpr FixedText() = default;
    constexpr FixedText(const char (&text)[N + 1]) { std::copy_n(text, N + 1, chars); }
    constexpr std::string_view View() const { return {chars, N}; }
};
template <std::size_t M>
FixedText(const char (&)[M]) -> FixedText<M - 1>;

template <std::size_t A, std::size_t B>
constexpr FixedText<A + B> operator+(const FixedText<A>& front, const FixedText<B>& back) {
    FixedText<A + B> joined;
    std::copy_n(front.chars, A, joined.chars);
    std::copy_n(back.chars, B, joined.chars + A);
    return joined;
}

// The parts joined, kept for the life of the program.
template <FixedText... parts>
inline constexpr auto kJoinedText = (parts + ...);
template <FixedText... parts>
inline constexpr std::string_view kJoined = kJoinedText<parts...>.View();

inline constexpr FixedText kProductNameText = "Orbweave";
inline constexpr FixedText kProductVersionText = "5.0g";

inline constexpr auto kProductTitleText = kProductNameText + FixedText(" ") + kProductVersionText;

inline constexpr std::string_view kProductName = kProductNameText.View();
inline constexpr std::string_view kProductVersion = kProductVersionText.View();
// The name and version as the titles show them.
inline constexpr std::string_view kProductTitle = kProductTitleText.View();
inline constexpr std::string_view kVersionCaption = kJoined<"Version ", kProductVersionText>;

// The caption by which another start finds a running saver.
inline constexpr std::string_view kSaverCaption = kJoined<"Zarv:", kProductTitleText>;
// The name of the preview's hidden window.
inline constexpr std::string_view kPreviewCaption = kJoined<"Zarv:Preview ", kProductTitleText>;
// The system diagnostics' message title.
inline constexpr std::string_view kApplicationTitle = kJoined<"scrnsave:", kProductTitleText>;
inline constexpr std::string_view kWelcomeTitle = kJoined<"Welcome to ", kProductTitleText, ".">;
inline constexpr std::string_view kPropertiesCaption = kJoined<kProductNameText, " Properties">;
inline constexpr std::string_view kAboutCaption = kJoined<"About ", kProductNameText>;
// The title of every message box but the diagnostics'.
inline constexpr std::string_view kMessageTitle = kProductName;
// The help file F1 and the Help buttons and menus open.
inline constexpr std::string_view kHelpFileName = "Orbhelp50.hlp";
// The copyright line of the About box's credits, the Help menu and every saved template.
inline constexpr std::string_view kCopyrightLine = "Copyright (C) Velmor.  All rights reserved.";

}  // namespace orbweave
