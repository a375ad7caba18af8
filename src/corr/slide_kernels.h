// The direct sums of convolution and correlation, as one sliding dot
// product: for i = 0 .. count-1, with t = t0 + i,
//
//   out[i] = sum over j of a[t + j] * b[j]          (real types)
//   out[i] = sum over j of a[t + j] * conj(b[j])    (complex types)
//
// over the j in 0 .. lb-1 with 0 <= t + j < la (no term: 0).  Convolution is
// the slide of the longer input under the shorter one reversed, a
// cross-correlation the slide of the second signal under the first, an
// autocorrelation the slide of a signal under itself.
//
// Each out[i] adds its terms in ascending j, from 0, every product rounded
// before the addition (never fused): whether an output is computed in a
// vector lane or in the scalar edge code, and in which variant, it gets the
// same bits.  One table per instruction-set variant (slide_kernels.cpp).
#pragma once

#include "vdxs.h"
#include "runtime/kernel_tables.h"

namespace vdx {

template <class T>
using SlideKernel = void (*)(const T* a, int la, const T* b, int lb, long t0, int count, T* out) noexcept;

struct SlideKernels {
    SlideKernel<Vdx32f> f32;
    SlideKernel<Vdx64f> f64;
    SlideKernel<Vdx32fc> c32;
    SlideKernel<Vdx64fc> c64;
};

VDX_KERNEL_TABLE(SlideKernels, slide_kernels, "corr/slide_kernels")

}  // namespace vdx
