// Kernels of the arithmetic family for floating-point and complex
// destinations.  One table per instruction-set variant
// (arith_float_kernels.cpp, compiled once per variant); the fast paths of
// arith_fast_float.h pick one table once and call through it.
//
// Every kernel computes exactly the element rule Float<O, Swap> of
// arith_rules.h (one IEEE operation per element in the destination's
// precision, never fused; complex products and quotients part by part in the
// rule's order of operations; the zero-divisor rule), for any n >= 0.  The
// destination may be the very same array as a source (in-place forms), but
// must not overlap a source in any other way.  Kernels that divide return
// whether they met a zero divisor; the others return false.
#pragma once

#include "vdxs.h"
#include "vector/arith_rules.h"
#include "runtime/kernel_tables.h"

namespace vdx {

// Indices: [int(Op)][Swap], Op in add, sub, mul, div; Swap computes y OP x.
inline constexpr int kArithOps = 4;

// Destinations of this many bytes or more that are no source are written
// with streaming stores (the results are the same either way).
inline constexpr long long kArithStreamBytes = 8ll << 20;

template <class T>
struct ArithFloatSet {
    // d[i] = x[i] OP y[i] (Swap: y[i] OP x[i]).
    bool (*two_vectors[kArithOps][2])(const T* x, const T* y, T* d, int n) noexcept;
    // d[i] = x[i] OP k (Swap: k OP x[i]).
    bool (*vector_constant[kArithOps][2])(const T* x, T k, T* d, int n) noexcept;
    // acc[i] = acc[i] + x[i] * y[i]: the product rounded, then the sum.
    void (*add_product)(const T* x, const T* y, T* acc, int n) noexcept;
};

struct ArithFloatKernels {
    ArithFloatSet<Vdx32f> f32;
    ArithFloatSet<Vdx64f> f64;
    ArithFloatSet<Vdx32fc> c32;
    ArithFloatSet<Vdx64fc> c64;
    // d[i] = float(x[i]) OP float(y[i]) (Swap: the operands exchanged); the
    // conversions are exact.
    bool (*two_vectors_16s32f[kArithOps][2])(const Vdx16s* x, const Vdx16s* y, Vdx32f* d, int n) noexcept;
    // d[i] = (x[i] * y[i].re, x[i] * y[i].im).  d may be y.
    bool (*mul_32f32fc)(const Vdx32f* x, const Vdx32fc* y, Vdx32fc* d, int n) noexcept;
    // acc[i] = acc[i] + x[i] * k.
    void (*add_product_c_32f)(const Vdx32f* x, Vdx32f k, Vdx32f* acc, int n) noexcept;
};

VDX_KERNEL_TABLE(ArithFloatKernels, arith_float_kernels, "vector/arith_float_kernels")

}  // namespace vdx
