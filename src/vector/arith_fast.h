// Vectorised paths of the arithmetic family.  The glue (arith.h) asks
// FastTwoVectors<E, X, Y, D> (and its siblings) whether a kernel covers a
// rule and its types; where one does, run() hands the range to the kernel
// table of the variant this process runs, and the result must equal the
// scalar rule's element for element, status included.  Where none does, the
// glue runs the rule itself, element by element.
#pragma once

#include "vector/arith_rules.h"

namespace vdx::arith {

// run(x, y, d, n, ctx) -> bool: d[i] = E(x[i], y[i]) for i < n; returns
// whether a zero divisor was met.  y may equal d (in-place forms).
template <class E, class X, class Y, class D>
struct FastTwoVectors {
    static constexpr bool available = false;
};

// run(x, k, d, n, ctx) -> bool: d[i] = E(x[i], k).  x may equal d.
template <class E, class X, class Y, class D>
struct FastVectorConstant {
    static constexpr bool available = false;
};

// run(x, y, acc, n, ctx): acc[i] = acc[i] + x[i] * y[i].
template <class E, class X, class Y, class D>
struct FastAccumulate {
    static constexpr bool available = false;
};

// run(x, k, acc, n, ctx): acc[i] = acc[i] + x[i] * k.
template <class E, class X, class Y, class D>
struct FastAccumulateConstant {
    static constexpr bool available = false;
};

}  // namespace vdx::arith

// The specialisations: floating-point kernels, integer kernels.
#include "vector/arith_fast_float.h"
#include "vector/arith_fast_int.h"
