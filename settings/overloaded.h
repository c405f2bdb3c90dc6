#pragma once

namespace orbweave {

// Lets std::visit take one lambda for each alternative of a variant.
template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};

}  // namespace orbweave
