// Kernels of the threshold family.  One table per
// instruction-set variant (thresh_kernels.cpp, compiled once per variant);
// the glue (thresh.cpp) picks one table once and calls through it.
//
// Every kernel takes n >= 1 and non-null pointers; the destination may be
// the source itself (in-place forms), any other overlap is not supported.
// Each element's result depends on that element and the scalars alone, so
// both variants give the same bits, and so does any split of the vector.
// Comparisons are strict and ordered: a NaN element or a NaN level never
// passes a test, and the element is kept.
#pragma once

#include "numeric/types.h"
#include "vdxs.h"
#include "runtime/kernel_tables.h"

namespace vdx {

template <class T>
struct ThreshRealSet {
    // d[i] = s[i] < lo ? lo : (s[i] > hi ? hi : s[i]).  Callers keep lo <= hi
    // (an infinity or the type's extreme stands for "no bound").
    void (*clamp)(const T* s, T* d, int n, T lo, T hi) noexcept;
    // d[i] = s[i] < lo ? lo_value : (s[i] > hi ? hi_value : s[i]), with
    // [0] the low test only, [1] the high test only, [2] both (lo <= hi).
    void (*replace[3])(const T* s, T* d, int n, T lo, T lo_value, T hi, T hi_value) noexcept;
    // |s[i]| < level gives level with the sign of s[i] (floats: the sign bit,
    // so -0 gives -level; integers: 0 counts as positive).  level >= 0.
    void (*raise_magnitude)(const T* s, T* d, int n, T level) noexcept;
};

// Complex elements by the complex rules of thresh.cpp, [0] LT (|z| < level
// replaced), [1] GT (|z| > level):
//   16sc  exact squared magnitudes, new values from double, rounded half to
//         even and saturated;
//   32fc  squared magnitudes, factors and reciprocals in double;
//   64fc  decided and computed in long double (vectors only pass over the
//         elements whose test is clear in double).
template <class C>
struct ThreshComplexSet {
    // level > 0.
    void (*clamp[2])(const C* s, C* d, int n, PartOf<C> level) noexcept;
    // LTVal [0] and GTVal [1]; level >= 0.
    void (*replace[2])(const C* s, C* d, int n, PartOf<C> level, C value) noexcept;
};

struct ThreshKernels {
    ThreshRealSet<Vdx16s> s16;
    ThreshRealSet<Vdx32s> s32;
    ThreshRealSet<Vdx32f> f32;
    ThreshRealSet<Vdx64f> f64;
    ThreshComplexSet<Vdx16sc> c16;
    ThreshComplexSet<Vdx32fc> c32;
    ThreshComplexSet<Vdx64fc> c64;
    // d[i] = 1 / r where r is s[i] with its magnitude raised to level as
    // raise_magnitude does; returns whether some r was zero (a zero element
    // with a zero level: the result there is an infinity of its sign).
    bool (*inverse_32f)(const Vdx32f* s, Vdx32f* d, int n, Vdx32f level) noexcept;
    bool (*inverse_64f)(const Vdx64f* s, Vdx64f* d, int n, Vdx64f level) noexcept;
    // The same by the complex rules (32fc in double, 64fc in long double).
    bool (*inverse_32fc)(const Vdx32fc* s, Vdx32fc* d, int n, Vdx32f level) noexcept;
    bool (*inverse_64fc)(const Vdx64fc* s, Vdx64fc* d, int n, Vdx64f level) noexcept;
};

VDX_KERNEL_TABLE(ThreshKernels, thresh_kernels, "stats/thresh_kernels")

}  // namespace vdx
