// Kernels of the reductions family: fixed-order float sums, exact integer
// sums, extrema, first positions, element-wise minimum and maximum, counts in
// a range.  One table per instruction-set variant (reduce_kernels.cpp,
// compiled once per variant); the glue (reduce.cpp) picks one table once.
//
// Every kernel takes non-null pointers and a length of at least 1 (the sums
// and first_equal also take 0).  Results never depend on the variant, the
// alignment or on anything but the elements: the float sums run a fixed
// order of operations that both variants reproduce lane for lane.
#pragma once

#include <cstddef>
#include <cstdint>

#include "vdxs.h"
#include "runtime/kernel_tables.h"

namespace vdx {

// Float sums of n elements of C components (C = 2 for complex vectors,
// given as 2n scalars): P partial sums per component, element i into
// partial i mod P while whole blocks of P elements remain, the partials
// folded as a halving tree (p[j] += p[j + h] for h = P/2, P/4, ..., 1), then
// the leftover elements added one by one.  sum receives C values.  The real
// forms also take sq: when it is not null it receives the sum of squares by
// the same scheme (each square rounded to the accumulator type, then added).
//   *_fast  float accumulators, P = 16
//   others  double accumulators, P = 8 (float elements widened exactly)
using FloatSum32f = void (*)(const Vdx32f* x, int n, float* sum, float* sq) noexcept;
using DoubleSum32f = void (*)(const Vdx32f* x, int n, double* sum, double* sq) noexcept;
using DoubleSum64f = void (*)(const Vdx64f* x, int n, double* sum, double* sq) noexcept;

// Extrema of one element type.
//   min / max       the smallest / largest element; floats skip NaNs, and
//                   a vector with nothing below +inf (above -inf) gives
//                   +inf (-inf); which zero comes back is unspecified
//   min_max         both at once
//   first_equal     the first index i with x[i] == v (floats: -0 == +0),
//                   -1 when there is none
template <class T>
struct ExtremaKernels {
    T (*min)(const T* x, int n) noexcept;
    T (*max)(const T* x, int n) noexcept;
    void (*min_max)(const T* x, int n, T* mn, T* mx) noexcept;
    int (*first_equal)(const T* x, int n, T v) noexcept;
};

// The first index of the smallest / largest element, in one pass: lanes
// keep (value, index) pairs, replaced only on a strict improvement, and
// folding keeps the smaller index among equal values.  Floats skip NaNs; a
// vector with no element strictly beyond the start value (+inf for the
// minimum, -inf for the maximum, the type's bound for integers) answers the
// first element equal to that value, or 0 (a vector of NaNs only).
template <class T>
struct IndexKernels {
    int (*min)(const T* x, int n) noexcept;
    int (*max)(const T* x, int n) noexcept;
};

// d[i] = a[i] < b[i] ? a[i] : b[i] (max: >); floats take a[i] where b[i]
// is NaN.  d may be a or b.
template <class T>
struct EveryKernels {
    void (*min)(const T* a, const T* b, T* d, std::size_t n) noexcept;
    void (*max)(const T* a, const T* b, T* d, std::size_t n) noexcept;
};

struct ReduceKernels {
    FloatSum32f sum_32f_fast;
    DoubleSum32f sum_32f;
    FloatSum32f sum_32fc_fast;  // n complex elements; sq unused
    DoubleSum32f sum_32fc;
    DoubleSum64f sum_64f;
    DoubleSum64f sum_64fc;
    // Exact sums of 16-bit elements (C = 1: one total, and the sum of
    // squares when sq is not null; 16sc: n complex elements, two totals).
    void (*sum_16s)(const Vdx16s* x, int n, std::int64_t* sum, std::uint64_t* sq) noexcept;
    void (*sum_16sc)(const Vdx16s* x, int n, std::int64_t* sum) noexcept;
    std::int64_t (*sum_32s)(const Vdx32s* x, int n) noexcept;
    // Elements with lo < x < hi.
    int (*count_in_range_32s)(const Vdx32s* x, int n, Vdx32s lo, Vdx32s hi) noexcept;
    // Over the pairs (x[k-1], x[k]), k = 1 .. n-1, by zero-crossing type:
    // 0 pairs of strictly opposite signs, 1 pairs with exactly one element
    // below zero (-0 and NaN are not), 2 the sum of |sgn x[k] - sgn x[k-1]|
    // with sgn NaN = 0 (the caller halves it).
    std::int64_t (*zero_crossing_16s)(const Vdx16s* x, int n, int type) noexcept;
    std::int64_t (*zero_crossing_32f)(const Vdx32f* x, int n, int type) noexcept;
    // The largest exponent field among the finite elements (0 if none);
    // *non_finite becomes 1 when an infinity or NaN was met, else 0.
    int (*max_exponent_32f)(const Vdx32f* x, int n, int* non_finite) noexcept;
    int (*max_exponent_64f)(const Vdx64f* x, int n, int* non_finite) noexcept;

    ExtremaKernels<Vdx8u> x8u;
    ExtremaKernels<Vdx16u> x16u;
    ExtremaKernels<Vdx16s> x16s;
    ExtremaKernels<Vdx32u> x32u;
    ExtremaKernels<Vdx32s> x32s;
    ExtremaKernels<Vdx32f> x32f;
    ExtremaKernels<Vdx64f> x64f;

    IndexKernels<Vdx16s> i16s;
    IndexKernels<Vdx32s> i32s;
    IndexKernels<Vdx32f> i32f;
    IndexKernels<Vdx64f> i64f;
    // The same by magnitude, as MinAbs / MaxAbs take it: 16s counts
    // |-32768| as 32767; 32s forms |x| in two's complement (|-2^31| = -2^31).
    IndexKernels<Vdx16s> abs16s;
    IndexKernels<Vdx32s> abs32s;

    EveryKernels<Vdx8u> e8u;
    EveryKernels<Vdx16u> e16u;
    EveryKernels<Vdx16s> e16s;
    EveryKernels<Vdx32s> e32s;
    EveryKernels<Vdx32f> e32f;
    EveryKernels<Vdx64f> e64f;
};

VDX_KERNEL_TABLE(ReduceKernels, reduce_kernels, "stats/reduce_kernels")

}  // namespace vdx
