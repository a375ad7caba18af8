// Element-type conversions used inside the library (the integer transforms
// and filters work in floating point and convert at the edges).
//
//  - convert_16s32f, convert_32s64f: exact.
//  - convert_32f16s_sfs, convert_64f32s_sfs: x * 2^-sf, rounded to nearest
//    with ties to even whatever the caller's MXCSR rounding control says,
//    saturated to the destination; NaN gives 0.  Every sf is valid
//    (pow2_scale in fixed.h).  A caller that sets DAZ has subnormal sources
//    read as 0, as every floating-point operation of the library does.
//
// len <= 0 does nothing.  Source and destination must not overlap.  Each
// variant writes exactly the results of the scalar rules in fixed.h, vector
// body and tail alike.
#pragma once

#include "numeric/fixed.h"
#include "vdxs.h"
#include "runtime/kernel_tables.h"

namespace vdx {

// One variant's kernels; they take len >= 1 and the prepared scale.
struct ConvertKernels {
    void (*convert_16s32f)(const Vdx16s* src, Vdx32f* dst, int len);
    void (*convert_32s64f)(const Vdx32s* src, Vdx64f* dst, int len);
    void (*convert_32f16s_sfs)(const Vdx32f* src, Vdx16s* dst, int len, Pow2Scale<float> scale);
    void (*convert_64f32s_sfs)(const Vdx64f* src, Vdx32s* dst, int len, Pow2Scale<double> scale);
};

VDX_KERNEL_TABLE(ConvertKernels, convert_kernels, "numeric/convert_kernels")

// The variant this process runs (chosen once).
const ConvertKernels& convert_kernels() noexcept;

void convert_16s32f(const Vdx16s* src, Vdx32f* dst, int len) noexcept;
void convert_32s64f(const Vdx32s* src, Vdx64f* dst, int len) noexcept;
void convert_32f16s_sfs(const Vdx32f* src, Vdx16s* dst, int len, int sf) noexcept;
void convert_64f32s_sfs(const Vdx64f* src, Vdx32s* dst, int len, int sf) noexcept;

}  // namespace vdx
