// Resampling by decimation and zero insertion (SampleDown, SampleUp) and
// pre-emphasis.
//
// SampleDown carries its phase: the first index a call takes is *pPhase,
// and it leaves behind (first index not taken) - srcLen, where the next call
// starts.  SampleUp writes its zeros and samples in pieces of 4096 inputs, so
// a long call fills each stretch of the output while it is in cache.
//
// Pre-emphasis y(n) = x(n) - val x(n-1) runs from the end backwards, so that
// each output reads its predecessor before it is overwritten; y(0) = x(0).
// The 16s form rounds the exact value of x(n) - val x(n-1) half to even: the
// product of a float and a 16-bit integer is exact in double, and splitting
// it into floor and fraction leaves the integer part exact too, so the
// rounding sees the fraction itself (no double rounding).
#include <cmath>
#include <cstring>

#include "abi/api.h"
#include "runtime/checks.h"

namespace {

// The checks of both resampling directions, in their order.
template <class T>
VdxStatus check_resampling(const T* src, int srcLen, const T* dst, const int* dstLen, int factor,
                           const int* phase) noexcept {
    if (vdx::any_null(src, dst, dstLen, phase)) return vdxStsNullPtrErr;
    if (srcLen < 1) return vdxStsSizeErr;
    if (factor < 1) return vdxStsSampleFactorErr;
    if (*phase < 0 || *phase >= factor) return vdxStsSamplePhaseErr;
    return vdxStsNoErr;
}

template <class T>
VdxStatus sample_down(const T* src, int srcLen, T* dst, int* dstLen, int factor, int* phase) noexcept {
    VDX_RETURN_IF_ERROR(check_resampling(src, srcLen, dst, dstLen, factor, phase));
    if (factor == 1) {
        std::memcpy(dst, src, sizeof(T) * srcLen);
        *dstLen = srcLen;
        return vdxStsNoErr;
    }
    const long long p = *phase;
    const long long count = p < srcLen ? (srcLen - p + factor - 1) / factor : 0;
    const T* s = src + p;
    for (long long k = 0; k < count; ++k, s += factor) dst[k] = *s;
    *dstLen = static_cast<int>(count);
    *phase = static_cast<int>(p + count * factor - srcLen);
    return vdxStsNoErr;
}

template <class T>
VdxStatus sample_up(const T* src, int srcLen, T* dst, int* dstLen, int factor, const int* phase) noexcept {
    VDX_RETURN_IF_ERROR(check_resampling(src, srcLen, dst, dstLen, factor, phase));
    const long long total = static_cast<long long>(srcLen) * factor;
    if (total > 2147483647LL) return vdxStsSizeErr;
    *dstLen = static_cast<int>(total);
    if (factor == 1) {
        std::memcpy(dst, src, sizeof(T) * srcLen);
        return vdxStsNoErr;
    }
    constexpr int kPiece = 4096;
    const int p = *phase;
    for (int first = 0; first < srcLen; first += kPiece) {
        const int n = srcLen - first < kPiece ? srcLen - first : kPiece;
        T* out = dst + static_cast<long long>(first) * factor;
        std::memset(static_cast<void*>(out), 0, sizeof(T) * n * static_cast<std::size_t>(factor));
        for (int k = 0; k < n; ++k) out[p + static_cast<long long>(k) * factor] = src[first + k];
    }
    return vdxStsNoErr;
}

// x - val * prev, exactly, rounded half to even and saturated.
Vdx16s emphasized(Vdx16s x, Vdx16s prev, Vdx32f val) noexcept {
    const double p = static_cast<double>(val) * prev;
    if (!std::isfinite(p)) {
        const double y = x - p;
        return y != y ? 0 : y > 0 ? 32767 : -32768;
    }
    const double whole = std::floor(p);
    const double fraction = p - whole;  // in [0, 1), exact
    double n = x - whole;               // exact while it can matter
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(n, 2.0) != 0.0)) n -= 1.0;
    if (n >= 32767.0) return 32767;
    if (n <= -32768.0) return -32768;
    return static_cast<Vdx16s>(n);
}

}  // namespace

// ---- rows: (suffix, element type)

#define VDX_RESAMPLE(suffix, T)                                                                           \
    extern "C" VdxStatus y8_vdxsSampleDown_##suffix(const T* pSrc, int srcLen, T* pDst, int* pDstLen,      \
                                                    int factor, int* pPhase) noexcept {                    \
        return sample_down(pSrc, srcLen, pDst, pDstLen, factor, pPhase);                                   \
    }                                                                                                      \
    extern "C" VdxStatus y8_vdxsSampleUp_##suffix(const T* pSrc, int srcLen, T* pDst, int* pDstLen,        \
                                                  int factor, int* pPhase) noexcept {                      \
        return sample_up(pSrc, srcLen, pDst, pDstLen, factor, pPhase);                                     \
    }
VDX_RESAMPLE(16s, Vdx16s)
VDX_RESAMPLE(16sc, Vdx16sc)
VDX_RESAMPLE(32f, Vdx32f)
VDX_RESAMPLE(32fc, Vdx32fc)
VDX_RESAMPLE(64f, Vdx64f)
VDX_RESAMPLE(64fc, Vdx64fc)
#undef VDX_RESAMPLE

extern "C" VdxStatus y8_vdxsPreemphasize_32f(Vdx32f* pSrcDst, int len, Vdx32f val) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(len, pSrcDst));
    for (int n = len - 1; n > 0; --n) {
        const Vdx32f product = val * pSrcDst[n - 1];
        pSrcDst[n] = pSrcDst[n] - product;
    }
    return vdxStsNoErr;
}

extern "C" VdxStatus y8_vdxsPreemphasize_16s(Vdx16s* pSrcDst, int len, Vdx32f val) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(len, pSrcDst));
    for (int n = len - 1; n > 0; --n) pSrcDst[n] = emphasized(pSrcDst[n], pSrcDst[n - 1], val);
    return vdxStsNoErr;
}
