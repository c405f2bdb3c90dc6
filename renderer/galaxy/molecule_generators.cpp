#include "renderer/galaxy/molecule_generators.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <variant>

#include "core/random.h"
#include "renderer/galaxy/galaxy_constants.h"
#include "renderer/galaxy/precision.h"
#include "settings/element_tables.h"
#include "settings/galaxy_tables.h"

namespace orbweave {
namespace {

// Spacings of the shell points, each a multiple of the atom's symmetry
// radius S: S itself, and S times 0.707106, 0.594603, 0.866025 and 0.5.
enum class Spacing : std::uint8_t { None, Full, Edge, Corner, Long, Half };

struct ShellPoint {
    std::array<signed char, 3> sign{};
    std::array<Spacing, 3> spacing{Spacing::None, Spacing::None, Spacing::None};
};

// m = 0..5: -S and +S on X, then on Y, then on Z.
constexpr ShellPoint AxisPoint(int m) {
    ShellPoint p;
    p.sign[m / 2] = m % 2 == 0 ? -1 : 1;
    p.spacing[m / 2] = Spacing::Full;
    return p;
}

// t = 0..7: the cube corners at spacing e.
constexpr ShellPoint CornerPoint(int t, Spacing e) {
    ShellPoint p;
    p.sign = {static_cast<signed char>(t < 4 ? -1 : 1), static_cast<signed char>(t % 2 == 0 ? -1 : 1),
              static_cast<signed char>(t % 4 < 2 ? -1 : 1)};
    p.spacing = {e, e, e};
    return p;
}

constexpr std::array<std::array<int, 2>, 3> kPlanes{{{0, 1}, {0, 2}, {1, 2}}};

// n = 0..3 of an axis plane: the signs (-,-), (-,+), (+,-), (+,+) at spacing 0.707106 S.
constexpr ShellPoint EdgePoint(int plane, int n) {
    ShellPoint p;
    const auto [first, second] = kPlanes[plane];
    p.sign[first] = n < 2 ? -1 : 1;
    p.sign[second] = n % 2 == 0 ? -1 : 1;
    p.spacing[first] = p.spacing[second] = Spacing::Edge;
    return p;
}

// n = 0..7 of an axis plane: the directions at 30 and 60 degrees.
constexpr ShellPoint SlantPoint(int plane, int n) {
    constexpr std::array<std::array<signed char, 2>, 8> kSigns{
        {{1, 1}, {1, 1}, {-1, 1}, {-1, 1}, {-1, -1}, {-1, -1}, {1, -1}, {1, -1}}};
    ShellPoint p;
    const auto [first, second] = kPlanes[plane];
    p.sign[first] = kSigns[n][0];
    p.sign[second] = kSigns[n][1];
    const bool longFirst = n % 2 == 0;
    p.spacing[first] = longFirst ? Spacing::Long : Spacing::Half;
    p.spacing[second] = longFirst ? Spacing::Half : Spacing::Long;
    return p;
}

template <std::size_t N, typename Build>
constexpr std::array<ShellPoint, N> MakeShell(Build build) {
    std::array<ShellPoint, N> points{};
    for (std::size_t m = 0; m < N; ++m) points[m] = build(static_cast<int>(m));
    return points;
}

constexpr auto kSixPoint = MakeShell<6>([](int m) { return AxisPoint(m); });
constexpr auto kEightPoint = MakeShell<8>([](int m) { return CornerPoint(m, Spacing::Full); });
constexpr auto kShell18 =
    MakeShell<18>([](int m) { return m < 6 ? AxisPoint(m) : EdgePoint((m - 6) / 4, (m - 6) % 4); });
constexpr auto kShell26 =
    MakeShell<26>([](int m) { return m < 18 ? kShell18[m] : CornerPoint(m - 18, Spacing::Corner); });
constexpr auto kShell38 = MakeShell<38>([](int m) {
    if (m < 6) return AxisPoint(m);
    if (m < 30) return SlantPoint((m - 6) / 8, (m - 6) % 8);
    return CornerPoint(m - 30, Spacing::Corner);
});

std::span<const ShellPoint> ShellOf(std::int16_t structure) {
    switch (structure) {
    case 1: return kSixPoint;
    case 2: return kEightPoint;
    case 3: return kShell18;
    case 4: return kShell26;
    case 5: return kShell38;
    default: return {};
    }
}

double SpacingOf(Spacing spacing, const AtomBlock& atoms, int j) {
    switch (spacing) {
    case Spacing::Full: return atoms.Run_AtomSym[j];
    case Spacing::Edge: return atoms.Run_AtomSym0707[j];
    case Spacing::Corner: return atoms.Run_AtomSym0595[j];
    case Spacing::Long: return atoms.Run_AtomSym0866[j];
    case Spacing::Half: return atoms.Run_AtomSymHalf[j];
    default: return 0.0;
    }
}

void AddShellPoint(float& x, float& y, float& z, std::span<const ShellPoint> shell, const AtomBlock& atoms, int j) {
    const int m = std::min(static_cast<int>(RandomFraction() * static_cast<double>(shell.size())),
                           static_cast<int>(shell.size()) - 1);
    const ShellPoint& p = shell[static_cast<std::size_t>(m)];
    std::array<float*, 3> axes{&x, &y, &z};
    for (int k = 0; k < 3; ++k) {
        if (p.spacing[k] != Spacing::None) *axes[k] = Single(*axes[k] + p.sign[k] * SpacingOf(p.spacing[k], atoms, j));
    }
}

// Points per side of a grid or matrix, as an index into the count tables.
std::int16_t SideCount(std::int16_t size) { return std::clamp<std::int16_t>(size, 1, kShapeTableSize - 1); }

// One random cell of a row of p cells, centred on the axis.
double GridOffset(int p, double s) { return (std::floor(p * RandomFraction()) - (p - 1) * 0.5) * s; }

// The first layer whose running sum of sizes exceeds c, and its size index.
template <typename SizeOf>
bool PickLayer(std::int64_t c, int first, int last, SizeOf sizeOf, int& layer) {
    std::int64_t sum = 0;
    for (int l = first; l <= last; ++l) {
        sum += sizeOf(l);
        if (c < sum) {
            layer = l;
            return true;
        }
    }
    return false;
}

constexpr double kTriangleHeight = static_cast<double>(0.8660254f);
constexpr double kTriangleCentre = static_cast<double>(0.57735026f);
constexpr double kTetraCentre = static_cast<double>(0.5443311f);
constexpr double kTetraLayer = static_cast<double>(0.8164966f);

}  // namespace

void GenerateMoleculeStar(const RunContext& run, float& x, float& y, float& z, float& rotCos, float& rotSin,
                          std::int32_t& color, float& omega, std::int16_t galType, bool withShells) {
    if (!IsGalaxyType(galType)) return;
    std::int16_t atom = 0;
    GenerateMoleculePoint(run, x, y, z, atom, galType, withShells);
    const UniGalaxy& t = run.types[galType];
    const ElementInfo hue = GetElementInfo(t.Atoms.Atom_Element[static_cast<std::size_t>(atom)], "Color");
    if (const auto* degrees = std::get_if<std::int16_t>(&hue)) color = *degrees;
    omega = t.Run_RotStep8;
    rotCos = t.Run_RotCos8;
    rotSin = t.Run_RotSin8;
    const double px = x, pz = z, c = t.Run_ArmCos, s = t.Run_ArmSin;
    x = Single(px * c - pz * s);
    z = Single(pz * c + px * s);
}

void GenerateMoleculePoint(const RunContext& run, float& x, float& y, float& z, std::int16_t& atomIndex,
                           std::int16_t galType, bool withShells) {
    atomIndex = 0;
    if (!IsGalaxyType(galType)) return;
    const AtomBlock& atoms = run.types[galType].Atoms;
    const int n = std::clamp<int>(atoms.Galaxy_Atoms, 0, kAtomCapacity);
    // An empty molecule sits at the origin: a stale point would be carried
    // on and grow without bound through the universe's ambient stars.
    x = y = z = 0;
    if (n == 0) return;
    const double c = std::floor(RandomFraction() * atoms.Run_AtomCumPoints[n - 1]);
    int j = 0;
    while (j < n && !(c < atoms.Run_AtomCumPoints[j])) ++j;
    if (j == n) return;
    atomIndex = static_cast<std::int16_t>(j);

    if (withShells && atoms.Run_AtomRad[j] > 0) RandomShellPoint(x, y, z, atoms.Run_AtomRad[j]);

    const std::int16_t structure = atoms.Atom_Structure[j];
    const float s = atoms.Run_AtomSym[j];
    const std::int16_t p = SideCount(atoms.Atom_X[j]);
    switch (structure) {
    case kStructureSingle:
        x = Single(x + static_cast<double>(atoms.Run_AtomOffX[j]));
        y = Single(y + static_cast<double>(atoms.Run_AtomOffY[j]));
        z = Single(z + static_cast<double>(atoms.Run_AtomOffZ[j]));
        break;
    case kStructureRectgrid:
        x = Single(x + GridOffset(p, s));
        z = Single(z + GridOffset(p, s));
        break;
    case kStructureHexagrid: GenerateAtomShellPoint(x, z, kGridHexagon, HexCount[p], p, s); break;
    case kStructureCube:
    case kStructureTetramatrix:
    case kStructureOctamatrix:
    case kStructureHexamatrix: GenerateAtomStructurePoint(x, y, z, structure, p, s); break;
    default:
        if (const auto shell = ShellOf(structure); !shell.empty()) AddShellPoint(x, y, z, shell, atoms, j);
        break;
    }
}

void GenerateAtomShellPoint(float& u, float& v, std::int16_t kind, std::int32_t total, std::int16_t size, float s) {
    const std::int64_t c = static_cast<std::int64_t>(std::floor(RandomFraction() * total));
    if (kind == kGridTriangle) {
        // Rows one triangle height apart, row i holding i points.
        int row = 0;
        if (!PickLayer(
                c, 1, size + 1, [](int i) { return i; }, row))
            return;
        const double f = RandomFraction();
        u = Single(u + (std::floor(row * f) - (row - 1) * 0.5) * s);
        v = Single(v + ((size - 1) * kTriangleCentre - (row - 1) * kTriangleHeight) * s);
        return;
    }
    if (c <= 0) return;  // the centre
    // Ring i holds 6 i points; the centre counts as the first point.
    int ring = 0;
    if (!PickLayer(
            c, 0, size, [](int i) { return i == 0 ? 1 : 6 * i; }, ring) ||
        ring == 0)
        return;
    const int k = std::min(static_cast<int>(RandomFraction() * 6), 5);
    const double radius = ring * static_cast<double>(s);
    const double x0 = radius * HexCos[k], y0 = radius * HexSin[k];
    const double x1 = radius * HexCos[k + 1], y1 = radius * HexSin[k + 1];
    const double along = std::floor(RandomFraction() * (ring + 1)) / ring;
    u = Single(u + x0 + (x1 - x0) * along);
    v = Single(v + y0 + (y1 - y0) * along);
}

void GenerateAtomStructurePoint(float& x, float& y, float& z, std::int16_t structure, std::int16_t size, float s) {
    const int p = SideCount(size);
    switch (structure) {
    case kStructureCube:
        x = Single(x + GridOffset(p, s));
        z = Single(z + GridOffset(p, s));
        y = Single(y + GridOffset(p, s));
        break;
    case kStructureTetramatrix: {
        // A tetrahedral stack of triangular layers; layer 0 is empty.
        std::int64_t total = 0;
        for (int l = 0; l <= p; ++l) total += TriCount[l];
        const auto c = static_cast<std::int64_t>(std::floor(RandomFraction() * total));
        int layer = 0;
        if (!PickLayer(
                c, 0, p, [](int l) { return TriCount[l]; }, layer))
            return;
        y = Single(y + (p * kTetraCentre - layer * kTetraLayer) * s);
        GenerateAtomShellPoint(x, z, kGridTriangle, TriCount[layer], static_cast<std::int16_t>(layer), s);
        break;
    }
    case kStructureOctamatrix: {
        // Two such stacks base to base.
        auto sizeIndex = [p](int q) { return q <= p ? q : 2 * p - q; };
        std::int64_t total = TriCount[p];
        for (int l = 0; l < p; ++l) total += 2 * static_cast<std::int64_t>(TriCount[l]);
        const auto c = static_cast<std::int64_t>(std::floor(RandomFraction() * total));
        int layer = 0;
        if (!PickLayer(
                c, 0, 2 * p, [&](int q) { return TriCount[sizeIndex(q)]; }, layer))
            return;
        const int side = sizeIndex(layer);
        y = Single(y + (layer - p) * static_cast<double>(s) * kTetraLayer);
        GenerateAtomShellPoint(x, z, kGridTriangle, TriCount[side], static_cast<std::int16_t>(side), s);
        break;
    }
    case kStructureHexamatrix: {
        // A hexagonal bipyramid with a prism of p layers in the middle.
        const int h0 = (p + 1) / 2;
        auto sizeIndex = [p](int e) { return e < p ? e : (e < 2 * p ? p : 3 * p - 1 - e); };
        std::int64_t total = static_cast<std::int64_t>(HexCount[p]) * p;
        for (int e = h0; e < p; ++e) total += 2 * static_cast<std::int64_t>(HexCount[e]);
        const auto c = static_cast<std::int64_t>(std::floor(RandomFraction() * total));
        int layer = 0;
        if (!PickLayer(
                c, h0, 3 * p - 2, [&](int e) { return HexCount[sizeIndex(e)]; }, layer))
            return;
        const int side = sizeIndex(layer);
        y = Single(y + ((layer - 1) - (3 * p - 3) * 0.5) * s);
        GenerateAtomShellPoint(x, z, kGridHexagon, HexCount[side], static_cast<std::int16_t>(side), s);
        break;
    }
    default: break;
    }
}

}  // namespace orbweave
