// The 136-byte header every floating-point FFT object starts with, and the
// argument rules its size query and Init share.
//
// An object is the header at the caller's memory rounded up to 32 bytes, then
// (from byte 160, 32-byte aligned) the engine's tables.  Orders up to 5 need
// no tables: their object is the header plus the 32 bytes of placement slack
// (168 bytes).  Other sizes are rounded up to 32 and carry 32 bytes of slack.
#pragma once

#include <immintrin.h>

#include <cmath>
#include <cstdint>

#include "runtime/checks.h"
#include "fft_engine.h"
#include "runtime/object.h"
#include "runtime/object_ids.h"
#include "vdxs.h"

namespace vdx {
namespace fft {

template <class T>
struct alignas(8) FactorSlot {
    T value;
};

template <class T>
struct SpecHeader {
    using Element = T;
    std::uint32_t id;          // set last by Init, cleared by Free
    std::int32_t order;
    std::uint32_t fwd_scale;   // 1: the forward transform multiplies by factor
    std::uint32_t inv_scale;   // 1: the inverse transform does
    FactorSlot<T> factor;      // 1/N or 1/sqrt(N) in the element precision
    std::int32_t hint;
    std::uint32_t work_bytes;  // 0 when the order needs none
    std::uint16_t allocated;   // 1 in objects made by InitAlloc
    std::uint16_t seal;        // object.h: set by Init, checked with the identifier
    std::int32_t threads;      // two-level thread count
    const void* twiddles;      // the table area, right after the header
    const std::int32_t* bitrev;
    const void* recomb;        // real families only
    Plan plan;                 // the complex engine's view of the tables
};
static_assert(sizeof(SpecHeader<float>) == 136 && sizeof(SpecHeader<double>) == 136, "object header is 136 bytes");

inline constexpr int kHeaderBytes = 136;
inline constexpr int kTablesOffset = 160;  // first 32-byte boundary after the header
inline constexpr int kMaxAnyOrder = 30;

constexpr bool valid_flag(int flag) noexcept { return flag == 1 || flag == 2 || flag == 4 || flag == 8; }

// Normalisation of an object of length 2^order by flag, for every float
// family: which directions scale, and by what.  1/N is 1/N in T; 1/sqrt(N)
// is one Newton-Raphson step from the reciprocal-square-root estimate in
// single precision, a correctly rounded division by sqrt(N) in double; flag
// 8 scales nothing (factor 1, never applied).
constexpr bool scales_forward(int flag) noexcept {
    return flag == VDX_FFT_DIV_FWD_BY_N || flag == VDX_FFT_DIV_BY_SQRTN;
}
constexpr bool scales_inverse(int flag) noexcept {
    return flag == VDX_FFT_DIV_INV_BY_N || flag == VDX_FFT_DIV_BY_SQRTN;
}
template <class T>
T normalisation(int order, int flag) noexcept {
    const T n = static_cast<T>(1LL << order);
    if (flag == VDX_FFT_NODIV_BY_ANY) return T(1);
    if (flag != VDX_FFT_DIV_BY_SQRTN) return T(1) / n;
    if constexpr (sizeof(T) == 4) {
        const float y = _mm_cvtss_f32(_mm_rsqrt_ss(_mm_set_ss(n)));
        return y * (3.0f - n * y * y) * 0.5f;
    } else {
        return 1.0 / std::sqrt(n);
    }
}

// What defines every FFT object.  The hint is kept as the integer the caller
// passed.
struct FftParams {
    int order;
    int flag;
    int hint;
};

// The checks every FFT family shares, for the object framework (object.h):
// the size query tests the order against 0..30, then its out-pointers, the
// flag and the family's own maximum; Init tests the order, then the flag.
template <int MaxOrder>
struct FftChecks {
    static VdxStatus check_query(const FftParams& p, VdxStatus outputs) noexcept {
        if (p.order < 0 || p.order > kMaxAnyOrder) return vdxStsFFTOrderErr;
        VDX_RETURN_IF_ERROR(outputs);
        if (!valid_flag(p.flag)) return vdxStsFFTFlagErr;
        if (p.order > MaxOrder) return vdxStsFFTOrderErr;
        return vdxStsNoErr;
    }
    static VdxStatus check_init(const FftParams& p) noexcept {
        if (p.order < 0 || p.order > MaxOrder) return vdxStsFFTOrderErr;
        if (!valid_flag(p.flag)) return vdxStsFFTFlagErr;
        return vdxStsNoErr;
    }
    template <class Header>
    static bool consistent(const Header& h) noexcept {
        return h.order >= 0 && h.order <= MaxOrder;
    }
};

}  // namespace fft
}  // namespace vdx

// The object functions of one FFT family: its suffix S (VdxsFFTSpec_##S) and
// its descriptor F.
#define VDX_FFT_OBJECT_ROWS(S, F)                                                                                  \
    extern "C" VdxStatus y8_vdxsFFTGetSize_##S(int order, int flag, VdxHintAlgorithm hint, int* pSpecSize,         \
                                               int* pSpecBufferSize, int* pBufferSize) noexcept {                  \
        return vdx::object_get_size<F>({order, flag, static_cast<int>(hint)}, pSpecSize, pSpecBufferSize,         \
                                       pBufferSize);                                                               \
    }                                                                                                              \
    extern "C" VdxStatus y8_vdxsFFTInit_##S(VdxsFFTSpec_##S** ppSpec, int order, int flag, VdxHintAlgorithm hint,  \
                                            Vdx8u* pSpec, Vdx8u* pSpecBuffer) noexcept {                           \
        return vdx::object_init<F>(ppSpec, {order, flag, static_cast<int>(hint)}, pSpec, pSpecBuffer);             \
    }                                                                                                              \
    extern "C" VdxStatus y8_vdxsFFTInitAlloc_##S(VdxsFFTSpec_##S** ppSpec, int order, int flag,                   \
                                                 VdxHintAlgorithm hint) noexcept {                                 \
        return vdx::object_init_alloc<F>(ppSpec, {order, flag, static_cast<int>(hint)});                           \
    }                                                                                                              \
    extern "C" VdxStatus y8_vdxsFFTFree_##S(VdxsFFTSpec_##S* pSpec) noexcept { return vdx::object_free<F>(pSpec); } \
    extern "C" VdxStatus y8_vdxsFFTGetBufSize_##S(const VdxsFFTSpec_##S* pSpec, int* pSize) noexcept {            \
        return vdx::object_buf_size<F>(pSpec, pSize);                                                              \
    }
