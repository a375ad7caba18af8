// The internal conversions, written once for Vec<T, kWidth> and compiled per
// variant.  Tails use the scalar rules of fixed.h (forced inline), which give
// the same results as the vector body: both compute x * first * second with
// the same two roundings, and the rest is exact.
#include "numeric/convert.h"
#include "numeric/fixed.h"
#include "simd/simd.h"

namespace vdx {
namespace VDX_ISA {
namespace {

using VF = Vec<float>;
using VD = Vec<double>;
using VI = Vec<std::int32_t>;

void convert_16s32f(const Vdx16s* src, Vdx32f* dst, int len) {
    for_each_vector<VI::lanes>(
        len, [&](int i) { to_f32(load_i16_as_i32<kWidth>(src + i)).storeu(dst + i); },
        [&](int i) { dst[i] = static_cast<Vdx32f>(src[i]); });
}

void convert_32s64f(const Vdx32s* src, Vdx64f* dst, int len) {
    for_each_vector<VD::lanes>(
        len, [&](int i) { load_i32_as_f64<kWidth>(src + i).storeu(dst + i); },
        [&](int i) { dst[i] = static_cast<Vdx64f>(src[i]); });
}

// Scale, NaN to 0, clamp to the bounds, round to nearest even (explicitly,
// not by MXCSR); the lanes then hold integers in range.
template <class V, class F>
V scaled_rounded(V x, V first, V second, F lo, F hi) {
    return round_even(min(max(nan_to_zero(x * first * second), V::set1(lo)), V::set1(hi)));
}

void convert_32f16s_sfs(const Vdx32f* src, Vdx16s* dst, int len, Pow2Scale<float> scale) {
    constexpr int n = VF::lanes;
    constexpr float lo = IntBounds<Vdx16s>::lo, hi = IntBounds<Vdx16s>::hi;
    const VF first = VF::set1(scale.first), second = VF::set1(scale.second);
    for_each_vector<2 * n>(
        len,
        [&](int i) {
            const VI a = to_i32(scaled_rounded(VF::loadu(src + i), first, second, lo, hi));
            const VI b = to_i32(scaled_rounded(VF::loadu(src + i + n), first, second, lo, hi));
            store_i16_sat(dst + i, a, b);
        },
        [&](int i) { dst[i] = round_sat<Vdx16s>(apply_scale(src[i], scale), vdxRndNear); });
}

void convert_64f32s_sfs(const Vdx64f* src, Vdx32s* dst, int len, Pow2Scale<double> scale) {
    constexpr int n = VD::lanes;
    constexpr double lo = IntBounds<Vdx32s>::lo, hi = IntBounds<Vdx32s>::hi;
    const VD first = VD::set1(scale.first), second = VD::set1(scale.second);
    for_each_vector<2 * n>(
        len,
        [&](int i) {
            const VD a = scaled_rounded(VD::loadu(src + i), first, second, lo, hi);
            const VD b = scaled_rounded(VD::loadu(src + i + n), first, second, lo, hi);
            to_i32(a, b).storeu(dst + i);
        },
        [&](int i) { dst[i] = round_sat<Vdx32s>(apply_scale(src[i], scale), vdxRndNear); });
}

}  // namespace

extern const ConvertKernels convert_kernels = {
    .convert_16s32f = convert_16s32f,
    .convert_32s64f = convert_32s64f,
    .convert_32f16s_sfs = convert_32f16s_sfs,
    .convert_64f32s_sfs = convert_64f32s_sfs,
};

}  // namespace VDX_ISA
}  // namespace vdx
