// Small procedures every dialog uses: centring, switching a frame's controls
// on and off, numeric boxes with their spin controls, key filters, aligned
// two-column list entries, list look-up and the font list.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/box_rule.h"

namespace orbweave {

class ComboBox;
class Form;
class Frame;
class ListControl;
class SpinControl;
class TextBox;

// --- Centring ---
// Centres a window in the normal state on the screen.
void CenterFormOnScreen(Form& form);

// --- Enabling ---
// A frame and everything inside it, nested frames included (menus excepted).
void SetContainerEnabled(Frame& container, bool enable);

// --- Numeric boxes ---
// Clamps the box's value (a 16-bit whole number) into low..high, sets its
// length limit, and runs the spin control from high (Min) to low (Max) so
// that its upper arrow raises the value. A step below 1 follows from high:
// 1 below 101, 5 up to 998, 10 below 30000, 50 from 30000.
void SetupNumericField(TextBox& box, SpinControl& spin, std::int16_t low, std::int16_t high, std::int16_t maxLength,
                       std::int16_t step);
// Rewrites the box's text as its leading number converted to the kind's type
// (halves to even) and clamped into low..high. A number beyond the type's
// range saturates first, so the text never keeps an out-of-range value.
// A clamp that is not a type (None, ByStyle) changes nothing.
void ValidateNumericText(TextBox& box, BoxClamp kind, float low, float high);
// Selects the whole text of the form's focused control, when that is a text box that is not locked.
void SelectTextOnFocus(Form& form);

// --- Key filters (for KeyPress handlers) ---
// Lets digits and Backspace through; swallows anything else with a beep.
void KeyPressDigitsOnly(int& keyAscii);
// As above plus one "." (a "." selected for replacement does not count); the
// locale's decimal separator is taken as the ".".
void KeyPressDecimal(const TextBox& box, int& keyAscii);

// --- Lists ---
// Adds (or, without newItem, replaces the selected entry with) the text, at
// least three blanks, and the number, with the blanks measured in the list's
// form font so that the numbers start near 2400 twips. False when the entry
// could not be placed.
bool AddPaddedListItem(ListControl& list, std::string_view text, std::int16_t number, bool newItem);
// The index of the first entry equal to the text (case counts), else 0.
std::int16_t FindListIndex(const ListControl& list, std::string_view text);
// The installed font families, each once, in the platform's order.
void FillFontList(ComboBox& combo);
// The family the font system draws for a font name: the name itself when it
// is installed, otherwise the family put in its place (for Arial, a family
// with its widths such as Liberation Sans).
std::string MatchedFontFamily(std::string_view name);

}  // namespace orbweave
