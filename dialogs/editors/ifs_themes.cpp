#include "dialogs/editors/ifs_themes.h"

#include "core/convert.h"

namespace orbweave {
namespace {

constexpr int kPointCount = 5;
constexpr int kPointValues = 7;
constexpr std::size_t kNumberWidth = 5;
constexpr std::size_t kPieceWidth = 45;

enum Axis : std::int16_t { X = 0, Y = 1, Z = 2 };

using Point = std::array<std::int16_t, kPointValues>;  // X, Y, Z, scale, axis, angle, percent

struct IfsTheme {
    std::string_view description;
    std::array<std::int16_t, 3> centre;
    std::array<std::int16_t, 3> galaxy;  // radius, rotation, distance
    std::array<Point, kPointCount> points;
};

constexpr Point kEmpty{};

const std::array<IfsTheme, kIfsThemeCount> kThemes = {{
    {"Tree structure with a hexagonal shape.",
     {400, 0, 0},
     {250, 1000, 200},
     {{{1000, 0, 0, 40, X, 0, 2},
       {0, 0, 0, 0, X, 60, 1},
       {0, 0, 0, 0, X, 300, 1},
       {0, 0, 0, 50, Y, 60, 1},
       {0, 0, 0, 50, Y, 300, 1}}}},
    {"Attenuated space station scaffolding structure.",
     {0, 500, 0},
     {300, 600, 400},
     {{{0, 1500, 0, 33, X, 0, 4},
       {0, 0, 0, 50, X, 90, 2},
       {0, 0, 0, 50, X, 270, 2},
       {0, 0, 0, 50, Y, 90, 1},
       {0, 0, 0, 50, Y, 270, 1}}}},
    {"Swirls of color pulled to the galaxy core",
     {500, 500, 500},
     {250, 2500, 200},
     {{{500, 500, 500, 3, Y, 5, 200},
       {1000, 0, 0, 50, X, 0, 3},
       {0, 2000, 0, 50, X, 0, 2},
       {0, 0, 2500, 50, X, 0, 1},
       kEmpty}}},
    {"Bulky shaped starship.",
     {250, 400, 0},
     {250, 2500, 250},
     {{{250, 1000, 0, 55, X, 30, 2},
       {0, 0, 0, 50, Y, 30, 1},
       {0, 0, 0, 50, Y, 330, 1},
       {500, 0, 0, 50, Y, 30, 1},
       {500, 0, 0, 50, Y, 330, 1}}}},
    {"Fractional Segments",
     {500, 150, 0},
     {300, 2500, 500},
     {{{0, 0, 0, 33, Z, 60, 2}, {1000, 0, 0, 33, Y, 90, 1}, {0, 0, 1000, 33, Y, 0, 1}, kEmpty, kEmpty}}},
    {"Fractal Fern",
     {300, 300, 0},
     {250, 2500, 300},
     {{{0, 1000, 0, 25, Y, 60, 1}, {1000, 0, 0, 33, X, 15, 1}, kEmpty, kEmpty, kEmpty}}},
    {"Twisted tree-like branches",
     {200, 300, 300},
     {350, 750, 400},
     {{{1000, 0, 0, 50, X, 90, 1},
       {0, 1000, 0, 50, Y, 90, 1},
       {0, 0, 1000, 50, Z, 90, 1},
       {1000, 0, 0, 33, X, 60, 1},
       kEmpty}}},
    {"Warped Tetrahedron.",
     {500, 300, 400},
     {1500, 1000, 1500},
     {{{0, 0, 0, 55, X, 10, 1},
       {1000, 0, 0, 55, Y, 20, 1},
       {500, 0, 800, 55, Z, 30, 1},
       {500, 800, 300, 55, X, 0, 1},
       kEmpty}}},
    {"Root-Like Structures",
     {500, 200, 500},
     {1000, 500, 1150},
     {{{500, 0, 1000, 50, X, 45, 4},
       {0, 0, 0, 50, Z, 60, 1},
       {1000, 0, 0, 50, Z, 300, 1},
       {0, 0, 0, 50, Z, 60, 1},
       {1000, 0, 0, 50, Z, 300, 1}}}},
    {"Elegant Starship",
     {0, 0, 750},
     {600, 1200, 1500},
     {{{0, 0, 2000, 33, X, 15, 6},
       {0, 0, 0, 50, X, 90, 2},
       {0, 0, 0, 50, X, 270, 2},
       {0, 0, 0, 50, Y, 90, 1},
       {0, 0, 0, 50, Y, 270, 1}}}},
}};

template <std::size_t N>
std::string Piece(const std::array<std::int16_t, N>& values) {
    std::string piece;
    for (const std::int16_t value : values) {
        const std::string digits = IntegerToText(value);
        if (digits.size() < kNumberWidth) piece.append(kNumberWidth - digits.size(), ' ');
        piece += digits + ",";
    }
    if (piece.size() < kPieceWidth) piece.append(kPieceWidth - piece.size(), ' ');
    return piece;
}

}  // namespace

const std::array<std::string_view, kIfsThemeCount + 1> kIfsThemeNames = {
    "Select a Theme",     "Hexagonal Tree",       "Space Station",      "Vortex Vectors",
    "Bulky Starship",     "Fractional Fragments", "Fractal Fern",       "Twisted Branches",
    "Warped Tetrahedron", "Root-Like Structures", "Symmetric Starbird",
};

std::string GetIFSTheme(int theme) {
    if (theme < 1 || theme > kIfsThemeCount) return {};
    const IfsTheme& t = kThemes[static_cast<std::size_t>(theme - 1)];
    std::string text = std::string(t.description) + ",";
    text += Piece(t.centre);
    text += Piece(t.galaxy);
    for (const Point& point : t.points) text += Piece(point);
    return text;
}

}  // namespace orbweave
