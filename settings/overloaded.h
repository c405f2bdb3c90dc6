#pragma once

namespace orbweave {

// Lets std::visit take one lambda for each alternative of a variant.
template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};

// Spelled out for compilers without deduction from aggregate initialisation
// (clang before 17).
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

}  // namespace orbweave
