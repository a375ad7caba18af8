// Kernels of the median filter: min/max selection networks over masks of 3,
// 5, 7 and 9 samples, each output in its own vector lane.  One table per
// instruction-set variant (median_kernels.cpp); the glue (median.cpp) picks
// one table once and handles the edges, in-place calls and other masks.
#pragma once

#include <cstdint>

#include "vdxs.h"
#include "runtime/kernel_tables.h"

namespace vdx {

// dst[j] = median of src[j - h] .. src[j + h] for j = 0 .. n-1, h = mask/2:
// reads src[-h] .. src[n - 1 + h]; dst must not overlap that range.  The
// networks compare as the vector minimum and maximum do (a < b ? a : b and
// a > b ? a : b), in the scalar tail too, so the variant never changes a
// result, NaNs included.
template <class T>
struct MedianRow {
    void (*mask3)(const T* src, T* dst, int n) noexcept;
    void (*mask5)(const T* src, T* dst, int n) noexcept;
    void (*mask7)(const T* src, T* dst, int n) noexcept;
    void (*mask9)(const T* src, T* dst, int n) noexcept;
};

// The sorted window of the larger masks, as integer keys: below[0] and
// below[1] receive the counts of w[0 .. n-1] below a and below b.
template <class K>
using CountBelow = void (*)(const K* w, int n, K a, K b, int* below) noexcept;

struct MedianKernels {
    CountBelow<std::int32_t> count_below32;
    CountBelow<std::int64_t> count_below64;
    MedianRow<Vdx8u> m8u;
    MedianRow<Vdx16s> m16s;
    MedianRow<Vdx32s> m32s;
    MedianRow<Vdx32f> m32f;
    MedianRow<Vdx64f> m64f;
};

VDX_KERNEL_TABLE(MedianKernels, median_kernels, "misc/median_kernels")

}  // namespace vdx
