#pragma once

// The maker's name and addresses (its copyright line is core/product.h's), shared by the Help menu, the
// About box and its credits, and the template texts both the chooser and the
// File menu show.

#include <string_view>

namespace orbweave {

inline constexpr std::string_view kMakerHomePage = "https://www.velmor.example/";
inline constexpr std::string_view kMakerFaqPage = "https://www.velmor.example/faq/";
inline constexpr std::string_view kMakerMail = "mailto:orbweave@velmor.example";
// The maker's name as the credits print it, in two lines.
inline constexpr std::string_view kMakerNameFirstLine = "Velmor";
inline constexpr std::string_view kMakerNameSecondLine = "Graphics Software";

inline constexpr std::string_view kTemplateNotReadMessage = "The Template could not be read.";
inline constexpr std::string_view kTemplateNotSavedMessage = "The Template could not be saved.";

}  // namespace orbweave
