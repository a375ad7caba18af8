// The threshold family: Threshold (with a selector), LT, GT, LTVal, GTVal,
// LTValGTVal, LTAbs, GTAbs and LTInv, out of place and in place.
//
// One template per operation; a member is a row (element type) in the table
// at the end.  The work is done by the kernels of thresh_kernels.cpp; the
// real operations map onto four of them:
//   LT  = clamp(level, +inf),   GT = clamp(-inf, level)     (or the type's
//   GTAbs = clamp(-level, level)                              extremes)
//   LTVal, GTVal, LTValGTVal = replace with the low, the high or both tests
//   LTAbs = raise_magnitude(level),  LTInv = inverse: 1 / raise_magnitude(level)
// A test against an infinity (or the type's extreme) never holds strictly,
// so the unused side of a clamp does nothing.
//
// Complex elements compare re^2 + im^2 with level^2 in a wider type where
// both are exact or rounded once, never overflow and never underflow:
// double for 16sc (exact) and 32fc, long double (64-bit significand, 15-bit
// exponent) for 64fc.  A replaced element, z * level / |z|, is re * f and
// im * f with f = level / sqrt(re^2 + im^2) in the same wide type, then
// rounded to the part type (16sc: half to even, saturated), so its magnitude
// is level and its phase that of z within about half an ulp of the part
// type.  A zero element has no phase and takes phase 0: (level, 0).  An
// element with an infinite part takes the direction of its infinite parts.
// LTInv gives conj(z) / (re^2 + im^2), or below the level the reciprocal of
// the replaced element, conj(z) / (|z| level), and (1 / level, 0) for zero.
// Level 0 is handled here: LT copies, GT writes zeros.
//
// LTInv (both kinds) splits vectors of 8192 elements or more across a team
// of up to four threads; each element is computed alike whatever the split.
#include <cstdint>
#include <type_traits>

#include "abi/api.h"
#include "runtime/checks.h"
#include "runtime/isa.h"
#include "runtime/parallel.h"
#include "stats/thresh_kernels.h"
#include "numeric/types.h"

namespace {

using vdx::ThreshKernels;
using ThreshVariant = vdx::Variant<ThreshKernels, &vdx::thresh_kernels_variants>;

constexpr vdx::ParallelPolicy kInverseParallel{8192, 4};

enum class Side { lt, gt };

template <class T>
using Part = vdx::PartOf<T>;

// The kernels of element type T: the member of the table with the type
// asked for (a real or complex set, or one of the inverse kernels).
template <class Member>
const Member& kernels_of(const ThreshKernels& k) noexcept {
    return vdx::member_of_type<Member, &ThreshKernels::s16, &ThreshKernels::s32, &ThreshKernels::f32,
                               &ThreshKernels::f64, &ThreshKernels::c16, &ThreshKernels::c32, &ThreshKernels::c64,
                               &ThreshKernels::inverse_32f, &ThreshKernels::inverse_64f, &ThreshKernels::inverse_32fc,
                               &ThreshKernels::inverse_64fc>(k);
}
template <class T>
const vdx::ThreshRealSet<T>& real_set(const ThreshKernels& k) noexcept {
    return kernels_of<vdx::ThreshRealSet<T>>(k);
}
template <class T>
const vdx::ThreshComplexSet<T>& complex_set(const ThreshKernels& k) noexcept {
    return kernels_of<vdx::ThreshComplexSet<T>>(k);
}

// The initialization family's copy and zero, called directly.
template <class T>
void copy_elements(const T* s, T* d, int len) noexcept {
    if constexpr (std::is_same_v<T, Vdx16sc>) y8_vdxsCopy_16sc(s, d, len);
    else if constexpr (std::is_same_v<T, Vdx32fc>) y8_vdxsCopy_32fc(s, d, len);
    else y8_vdxsCopy_64fc(s, d, len);
}
template <class T>
void zero_elements(T* d, int len) noexcept {
    if constexpr (std::is_same_v<T, Vdx16sc>) y8_vdxsZero_16sc(d, len);
    else if constexpr (std::is_same_v<T, Vdx32fc>) y8_vdxsZero_32fc(d, len);
    else y8_vdxsZero_64fc(d, len);
}

// ---------------------------------------------------------------- operations

template <class T>
bool negative_level(Part<T> level) noexcept {
    return level < 0;
}

// LT and GT, after the checks.
template <Side S, class T>
VdxStatus clamp_checked(const T* s, T* d, int len, Part<T> level) noexcept {
    if constexpr (!vdx::is_complex<T>) {
        // The type's extremes: bounds that no element passes strictly.
        const T lo = S == Side::lt ? level : vdx::ElementTraits<T>::lo;
        const T hi = S == Side::lt ? vdx::ElementTraits<T>::hi : level;
        real_set<T>(ThreshVariant::table()).clamp(s, d, len, lo, hi);
    } else if (level == 0) {
        // No element lies below a zero level, and every one lies above it or on it.
        if (S == Side::gt) zero_elements(d, len);
        else if (s != d) copy_elements(s, d, len);
    } else {
        complex_set<T>(ThreshVariant::table()).clamp[S == Side::gt](s, d, len, level);
    }
    return vdxStsNoErr;
}

template <class T>
VdxStatus threshold(const T* s, T* d, int len, Part<T> level, VdxCmpOp op) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(len, s, d));
    if (op != vdxCmpLess && op != vdxCmpGreater) return vdxStsBadArgErr;
    if (vdx::is_complex<T> && negative_level<T>(level)) return vdxStsThreshNegLevelErr;
    return op == vdxCmpLess ? clamp_checked<Side::lt>(s, d, len, level) : clamp_checked<Side::gt>(s, d, len, level);
}

template <Side S, class T>
VdxStatus threshold_side(const T* s, T* d, int len, Part<T> level) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(len, s, d));
    if (vdx::is_complex<T> && negative_level<T>(level)) return vdxStsThreshNegLevelErr;
    return clamp_checked<S>(s, d, len, level);
}

template <Side S, class T>
VdxStatus threshold_value(const T* s, T* d, int len, Part<T> level, T value) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(len, s, d));
    if constexpr (!vdx::is_complex<T>) {
        real_set<T>(ThreshVariant::table()).replace[S == Side::gt](s, d, len, level, value, level, value);
    } else {
        if (negative_level<T>(level)) return vdxStsThreshNegLevelErr;
        complex_set<T>(ThreshVariant::table()).replace[S == Side::gt](s, d, len, level, value);
    }
    return vdxStsNoErr;
}

template <class T>
VdxStatus threshold_values(const T* s, T* d, int len, T lo, T lo_value, T hi, T hi_value) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(len, s, d));
    if (lo > hi) return vdxStsThreshLevelOrderErr;
    real_set<T>(ThreshVariant::table()).replace[2](s, d, len, lo, lo_value, hi, hi_value);
    return vdxStsNoErr;
}

template <Side S, class T>
VdxStatus threshold_abs(const T* s, T* d, int len, T level) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(len, s, d));
    if (negative_level<T>(level)) return vdxStsThreshNegLevelErr;
    const auto& set = real_set<T>(ThreshVariant::table());
    if (S == Side::lt) set.raise_magnitude(s, d, len, level);
    else set.clamp(s, d, len, static_cast<T>(-level), level);
    return vdxStsNoErr;
}

template <class T>
bool inverse_block(const T* s, T* d, int n, Part<T> level) noexcept {
    using Inverse = bool (*)(const T*, T*, int, Part<T>) noexcept;
    return kernels_of<Inverse>(ThreshVariant::table())(s, d, n, level);
}

template <class T>
VdxStatus threshold_inverse(const T* s, T* d, int len, Part<T> level) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(len, s, d));
    if (negative_level<T>(level)) return vdxStsThreshNegLevelErr;
    // The status tells which path ran, so the thread count is read once.
    const int threads = vdx::team_size(len, kInverseParallel);
    const bool met = vdx::for_blocks_on(threads, len, [&](int begin, int end) {
        return inverse_block<T>(s + begin, d + begin, end - begin, level);
    });
    if (!met) return vdxStsNoErr;
    return threads > 1 ? vdxStsDivByZero : vdxStsInvZeroArg;
}

}  // namespace

// ---- rows

#define VDX_THRESH_SELECT(code, T)                                                                              \
    extern "C" VdxStatus y8_vdxsThreshold_##code(const T* pSrc, T* pDst, int len, Part<T> level,               \
                                                 VdxCmpOp relOp) noexcept {                                     \
        return threshold<T>(pSrc, pDst, len, level, relOp);                                                     \
    }                                                                                                           \
    extern "C" VdxStatus y8_vdxsThreshold_##code##_I(T* pSrcDst, int len, Part<T> level, VdxCmpOp relOp) noexcept { \
        return threshold<T>(pSrcDst, pSrcDst, len, level, relOp);                                               \
    }

#define VDX_THRESH_SIDE(name, side, code, T)                                                                    \
    extern "C" VdxStatus y8_vdxsThreshold_##name##_##code(const T* pSrc, T* pDst, int len, Part<T> level) noexcept { \
        return threshold_side<Side::side, T>(pSrc, pDst, len, level);                                           \
    }                                                                                                           \
    extern "C" VdxStatus y8_vdxsThreshold_##name##_##code##_I(T* pSrcDst, int len, Part<T> level) noexcept {    \
        return threshold_side<Side::side, T>(pSrcDst, pSrcDst, len, level);                                     \
    }

#define VDX_THRESH_VALUE(name, side, code, T)                                                                   \
    extern "C" VdxStatus y8_vdxsThreshold_##name##_##code(const T* pSrc, T* pDst, int len, Part<T> level,      \
                                                          T value) noexcept {                                   \
        return threshold_value<Side::side, T>(pSrc, pDst, len, level, value);                                   \
    }                                                                                                           \
    extern "C" VdxStatus y8_vdxsThreshold_##name##_##code##_I(T* pSrcDst, int len, Part<T> level, T value) noexcept { \
        return threshold_value<Side::side, T>(pSrcDst, pSrcDst, len, level, value);                             \
    }

#define VDX_THRESH_VALUES(code, T)                                                                              \
    extern "C" VdxStatus y8_vdxsThreshold_LTValGTVal_##code(const T* pSrc, T* pDst, int len, T levelLT, T valueLT, \
                                                            T levelGT, T valueGT) noexcept {                    \
        return threshold_values<T>(pSrc, pDst, len, levelLT, valueLT, levelGT, valueGT);                        \
    }                                                                                                           \
    extern "C" VdxStatus y8_vdxsThreshold_LTValGTVal_##code##_I(T* pSrcDst, int len, T levelLT, T valueLT,     \
                                                              T levelGT, T valueGT) noexcept {                  \
        return threshold_values<T>(pSrcDst, pSrcDst, len, levelLT, valueLT, levelGT, valueGT);                  \
    }

#define VDX_THRESH_ABS(name, side, code, T)                                                                     \
    extern "C" VdxStatus y8_vdxsThreshold_##name##_##code(const T* pSrc, T* pDst, int len, T level) noexcept {  \
        return threshold_abs<Side::side, T>(pSrc, pDst, len, level);                                            \
    }                                                                                                           \
    extern "C" VdxStatus y8_vdxsThreshold_##name##_##code##_I(T* pSrcDst, int len, T level) noexcept {          \
        return threshold_abs<Side::side, T>(pSrcDst, pSrcDst, len, level);                                      \
    }

#define VDX_THRESH_INVERSE(code, T)                                                                             \
    extern "C" VdxStatus y8_vdxsThreshold_LTInv_##code(const T* pSrc, T* pDst, int len, Part<T> level) noexcept { \
        return threshold_inverse<T>(pSrc, pDst, len, level);                                                    \
    }                                                                                                           \
    extern "C" VdxStatus y8_vdxsThreshold_LTInv_##code##_I(T* pSrcDst, int len, Part<T> level) noexcept {       \
        return threshold_inverse<T>(pSrcDst, pSrcDst, len, level);                                              \
    }

// Threshold with a selector, LT, GT, LTVal, GTVal: 16s 16sc 32f 32fc 64f 64fc (LT and GT also 32s).
#define VDX_THRESH_COMMON(code, T)         \
    VDX_THRESH_SELECT(code, T)             \
    VDX_THRESH_SIDE(LT, lt, code, T)       \
    VDX_THRESH_SIDE(GT, gt, code, T)       \
    VDX_THRESH_VALUE(LTVal, lt, code, T)   \
    VDX_THRESH_VALUE(GTVal, gt, code, T)
// LTValGTVal, LTAbs, GTAbs: 16s 32s 32f 64f.
#define VDX_THRESH_REAL(code, T)           \
    VDX_THRESH_VALUES(code, T)             \
    VDX_THRESH_ABS(LTAbs, lt, code, T)     \
    VDX_THRESH_ABS(GTAbs, gt, code, T)

VDX_THRESH_COMMON(16s, Vdx16s)
VDX_THRESH_COMMON(16sc, Vdx16sc)
VDX_THRESH_COMMON(32f, Vdx32f)
VDX_THRESH_COMMON(32fc, Vdx32fc)
VDX_THRESH_COMMON(64f, Vdx64f)
VDX_THRESH_COMMON(64fc, Vdx64fc)
VDX_THRESH_SIDE(LT, lt, 32s, Vdx32s)
VDX_THRESH_SIDE(GT, gt, 32s, Vdx32s)

VDX_THRESH_REAL(16s, Vdx16s)
VDX_THRESH_REAL(32s, Vdx32s)
VDX_THRESH_REAL(32f, Vdx32f)
VDX_THRESH_REAL(64f, Vdx64f)

VDX_THRESH_INVERSE(32f, Vdx32f)
VDX_THRESH_INVERSE(32fc, Vdx32fc)
VDX_THRESH_INVERSE(64f, Vdx64f)
VDX_THRESH_INVERSE(64fc, Vdx64fc)

#undef VDX_THRESH_SELECT
#undef VDX_THRESH_SIDE
#undef VDX_THRESH_VALUE
#undef VDX_THRESH_VALUES
#undef VDX_THRESH_ABS
#undef VDX_THRESH_INVERSE
#undef VDX_THRESH_COMMON
#undef VDX_THRESH_REAL
