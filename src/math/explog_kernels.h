// Kernels of the exponential and logarithm family: e^x and ln x of float and
// double vectors, and the sum of logarithms of one block.  One table per
// instruction-set variant (explog_kernels.cpp, compiled once per variant);
// the glue (explog.cpp) picks one table once and calls through it.
//
// Every kernel takes len >= 1 and non-null pointers; source and destination
// may be the same vector (in-place forms), any other overlap is not
// supported.  Each element's result depends on that element alone, never on
// its position or on the vector's length or alignment.
//
// Accuracy: within 1 ulp of the exact value for every input (measured, see
// the family's tests and benchmark); the two variants may differ in the last
// bit, because only the AVX2 variant fuses multiply-adds.
//
// Element rules:
//   exp: NaN is copied through unchanged; results beyond the largest finite
//        value are +inf, results below half the smallest subnormal are +0,
//        subnormal results are rounded once more from a normal intermediate.
//   ln:  judged on the bit pattern: +0 gives -inf (a "zero" element); any
//        element with the sign bit set, -0 and negative NaNs included, gives
//        the quiet NaN with the sign bit set (a "negative" element); other
//        NaNs are copied through (ln_64f32f narrows them as a conversion
//        does: quiet, sign and the high payload bits kept); +inf gives +inf.
//        The return value is vdxStsLnZeroArg or vdxStsLnNegArg for the kind
//        of the first offending element in index order, 0 if there is none.
#pragma once

#include "vdxs.h"
#include "runtime/kernel_tables.h"

namespace vdx {

// Flags of one SumLn block (sum_ln_* kernels).
enum SumLnFlag : int {
    kSumLnZero = 1,      // an element +0
    kSumLnNegative = 2,  // an element with the sign bit set (or a negative integer)
    kSumLnNaN = 4,       // a NaN without the sign bit
};

// The most elements one sum_ln_* call takes.
inline constexpr int kSumLnBlock = 512;

struct ExpLogKernels {
    void (*exp_32f)(const Vdx32f* src, Vdx32f* dst, int len) noexcept;
    void (*exp_64f)(const Vdx64f* src, Vdx64f* dst, int len) noexcept;
    void (*exp_32f64f)(const Vdx32f* src, Vdx64f* dst, int len) noexcept;
    int (*ln_32f)(const Vdx32f* src, Vdx32f* dst, int len) noexcept;
    int (*ln_64f)(const Vdx64f* src, Vdx64f* dst, int len) noexcept;
    int (*ln_64f32f)(const Vdx64f* src, Vdx32f* dst, int len) noexcept;
    // Sum in double of the natural logarithms (computed in double) of
    // len <= kSumLnBlock elements, into *sum; returns the SumLnFlag bits of
    // the elements met.  *sum is meaningful only when no zero or negative
    // flag is returned (a NaN element makes it NaN).
    int (*sum_ln_32f)(const Vdx32f* src, int len, double* sum) noexcept;
    int (*sum_ln_64f)(const Vdx64f* src, int len, double* sum) noexcept;
    int (*sum_ln_16s)(const Vdx16s* src, int len, double* sum) noexcept;
};

VDX_KERNEL_TABLE(ExpLogKernels, explog_kernels, "math/explog_kernels")

}  // namespace vdx
