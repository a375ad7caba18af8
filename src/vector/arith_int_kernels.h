// Kernels of the arithmetic family for integer vectors (Vdx8u, Vdx16s,
// Vdx16u, Vdx32s, and the sums and products that widen Vdx8u to Vdx16u and
// Vdx16s to Vdx32s): sums, differences, products and quotients, element by
// element, with the rules of arith_rules.h.  One table per instruction-set
// variant (arith_int_kernels.cpp, compiled once per variant); the fast paths
// of arith_fast_int.h pick one table once and call through it.
//
// Each kernel computes d[i] = a[i] OP b[i] (or with the constant k in place of
// one operand) for i < n, n >= 1; a, b and d are whole vectors that may be
// the same vector (in-place forms), never partly overlapping ones.  Operands
// come in the order of the operation: the glue has already swapped them for
// the second-minus-first and second-over-first forms.
//
//  - Sums, differences and products: the exact result scaled by 2^-sf,
//    rounded half to even and saturated (Sfs); sf = 0 gives the saturated
//    exact result (the forms without a scale factor).
//  - Quotients: the Quotient rule under the call's Ctx (scale factor,
//    rounding mode; in the financial mode the caller holds the rounding
//    control at truncation).  They return whether a zero divisor was met.
#pragma once

#include "vdxs.h"
#include "vector/arith_rules.h"
#include "runtime/kernel_tables.h"

namespace vdx {

template <class T>
struct IntArithOps {
    using Ctx = arith::Ctx;
    void (*add)(const T* a, const T* b, T* d, int n, int sf) noexcept;
    void (*sub)(const T* a, const T* b, T* d, int n, int sf) noexcept;  // a - b
    void (*mul)(const T* a, const T* b, T* d, int n, int sf) noexcept;
    bool (*div)(const T* a, const T* b, T* d, int n, const Ctx& c) noexcept;  // a / b
    void (*add_c)(const T* a, T k, T* d, int n, int sf) noexcept;
    void (*sub_c)(const T* a, T k, T* d, int n, int sf) noexcept;      // a - k
    void (*sub_rev_c)(const T* a, T k, T* d, int n, int sf) noexcept;  // k - a
    void (*mul_c)(const T* a, T k, T* d, int n, int sf) noexcept;
    bool (*div_c)(const T* a, T k, T* d, int n, const Ctx& c) noexcept;      // a / k
    bool (*div_rev_c)(const T* a, T k, T* d, int n, const Ctx& c) noexcept;  // k / a
};

// Members whose destination is wider than an operand.
struct WideningArithOps {
    // d = a + b and d = a * b, exact.
    void (*add_8u16u)(const Vdx8u* a, const Vdx8u* b, Vdx16u* d, int n) noexcept;
    void (*mul_8u16u)(const Vdx8u* a, const Vdx8u* b, Vdx16u* d, int n) noexcept;
    // d = a + b saturated; d may be b.
    void (*add_16s32s)(const Vdx16s* a, const Vdx32s* b, Vdx32s* d, int n) noexcept;
    // d = a * b scaled by 2^-sf, rounded half to even and saturated.
    void (*mul_16s32s)(const Vdx16s* a, const Vdx16s* b, Vdx32s* d, int n, int sf) noexcept;
};

struct ArithIntKernels {
    IntArithOps<Vdx8u> u8;
    IntArithOps<Vdx16s> s16;
    IntArithOps<Vdx16u> u16;
    IntArithOps<Vdx32s> s32;
    WideningArithOps widening;
};

VDX_KERNEL_TABLE(ArithIntKernels, arith_int_kernels, "vector/arith_int_kernels")

}  // namespace vdx
