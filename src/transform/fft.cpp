// Complex floating-point FFT objects and transforms: C_32fc, C_32f (separate
// real and imaginary arrays), C_64fc, C_64f.  One template per operation; the
// rows at the end instantiate every family.
//
// The separate-array families share the tables and sizes of their
// interleaved twins.  Up to the two-level orders their transforms read and
// write the two arrays directly (the engine's first and last passes); the
// blocked orders interleave into the destination arrays, transform there and
// split the result in place, so the work buffer is all they need.
#include <immintrin.h>

#include <cmath>
#include <cstring>

#include "api.h"
#include "checks.h"
#include "fft_engine.h"
#include "fft_spec.h"
#include "object.h"

namespace vdx {
namespace fft {

template <>
void set_normalisation<float>(SpecHeader<float>* h, int order, int flag) noexcept {
    const float n = static_cast<float>(1L << order);
    h->fwd_scale = (flag == VDX_FFT_DIV_FWD_BY_N || flag == VDX_FFT_DIV_BY_SQRTN) ? 1 : 0;
    h->inv_scale = (flag == VDX_FFT_DIV_INV_BY_N || flag == VDX_FFT_DIV_BY_SQRTN) ? 1 : 0;
    if (flag == VDX_FFT_DIV_BY_SQRTN) {
        const float y = _mm_cvtss_f32(_mm_rsqrt_ss(_mm_set_ss(n)));
        h->factor.value = y * (3.0f - n * y * y) * 0.5f;
    } else if (flag != VDX_FFT_NODIV_BY_ANY) {
        h->factor.value = 1.0f / n;
    }
}

template <>
void set_normalisation<double>(SpecHeader<double>* h, int order, int flag) noexcept {
    const double n = static_cast<double>(1L << order);
    h->fwd_scale = (flag == VDX_FFT_DIV_FWD_BY_N || flag == VDX_FFT_DIV_BY_SQRTN) ? 1 : 0;
    h->inv_scale = (flag == VDX_FFT_DIV_INV_BY_N || flag == VDX_FFT_DIV_BY_SQRTN) ? 1 : 0;
    if (flag == VDX_FFT_DIV_BY_SQRTN) h->factor.value = 1.0 / std::sqrt(n);
    else if (flag != VDX_FFT_NODIV_BY_ANY) h->factor.value = 1.0 / n;
}

namespace {

struct Sizes {
    int spec, init, work;
};

template <class T>
Sizes sizes_of(int order) noexcept {
    const EngineSizes e = engine_sizes<T>(order);
    Sizes s;
    s.spec = order <= kSmallLast ? kHeaderBytes + 32 : kTablesOffset + e.tables + 32;
    s.init = e.init > 0 ? e.init + 32 : 0;
    s.work = e.work > 0 ? e.work + 32 : 0;
    return s;
}

template <class T>
VdxStatus get_size(int order, int flag, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize) noexcept {
    VDX_RETURN_IF_ERROR(check_size_query(order, flag, kMaxOrder<T>, pSpecSize, pSpecBufferSize, pBufferSize));
    const Sizes s = sizes_of<T>(order);
    *pSpecSize = s.spec;
    *pSpecBufferSize = s.init;
    *pBufferSize = s.work;
    return vdxStsNoErr;
}

template <class T, std::uint32_t Id, class Spec>
VdxStatus init(Spec** ppSpec, int order, int flag, VdxHintAlgorithm hint, Vdx8u* pSpec,
               Vdx8u* pSpecBuffer) noexcept {
    if (ppSpec == nullptr || pSpec == nullptr) return vdxStsNullPtrErr;
    auto* h = reinterpret_cast<SpecHeader<T>*>(align_up32(pSpec));
    set_identifier(h, 0);
    if (order < 0 || order > kMaxAnyOrder || order > kMaxOrder<T>) return vdxStsFFTOrderErr;
    if (!valid_flag(flag)) return vdxStsFFTFlagErr;
    const EngineSizes e = engine_sizes<T>(order);
    if (e.init > 0 && pSpecBuffer == nullptr) return vdxStsNullPtrErr;

    std::memset(h, 0, kHeaderBytes);
    h->order = order;
    set_normalisation(h, order, flag);
    h->hint = static_cast<std::int32_t>(hint);
    h->work_bytes = static_cast<std::uint32_t>(e.work);
    void* tables = order <= kSmallLast ? nullptr : reinterpret_cast<Vdx8u*>(h) + kTablesOffset;
    build_plan<T>(&h->plan, order, tables, e.init > 0 ? align_up32(pSpecBuffer) : nullptr);
    h->threads = h->plan.threads;
    h->twiddles = tables;
    h->bitrev = h->plan.bitrev;
    set_identifier(h, Id);
    *ppSpec = reinterpret_cast<Spec*>(h);
    return vdxStsNoErr;
}

template <class T, std::uint32_t Id, class Spec>
VdxStatus init_alloc(Spec** ppSpec, int order, int flag, VdxHintAlgorithm hint) noexcept {
    if (ppSpec == nullptr) return vdxStsNullPtrErr;
    int spec = 0, initBytes = 0, work = 0;
    VDX_RETURN_IF_ERROR(get_size<T>(order, flag, &spec, &initBytes, &work));
    return vdx::init_alloc(
        ppSpec, spec, initBytes,
        [&](Spec** out, Vdx8u* mem, Vdx8u* buf) { return init<T, Id>(out, order, flag, hint, mem, buf); },
        [](Spec* s) { reinterpret_cast<SpecHeader<T>*>(s)->allocated = 1; });
}

template <class T, std::uint32_t Id, class Spec>
VdxStatus free_spec(Spec* pSpec) noexcept {
    return free_object(
        pSpec, [](std::uint32_t id) { return id == Id; }, true,
        [](Spec* s) { return reinterpret_cast<SpecHeader<T>*>(s)->allocated == 1; },
        [](Spec* s) { return static_cast<void*>(s); }, [](Spec*) {});
}

template <class T, std::uint32_t Id, class Spec>
VdxStatus get_buf_size(const Spec* pSpec, int* pSize) noexcept {
    if (pSpec == nullptr || pSize == nullptr) return vdxStsNullPtrErr;
    if (identifier_of(pSpec) != Id) return vdxStsContextMatchErr;
    const auto* h = reinterpret_cast<const SpecHeader<T>*>(pSpec);
    *pSize = h->work_bytes >= 1 ? static_cast<int>(h->work_bytes) + 32 : 0;
    return vdxStsNoErr;
}

template <class T, std::uint32_t Id, class Spec>
VdxStatus transform(const Spec* pSpec, const T* src, T* dst, bool inverse, Vdx8u* pBuffer) noexcept {
    if (pSpec == nullptr) return vdxStsNullPtrErr;
    if (identifier_of(pSpec) != Id) return vdxStsContextMatchErr;
    if (src == nullptr || dst == nullptr) return vdxStsNullPtrErr;
    const auto* h = reinterpret_cast<const SpecHeader<T>*>(pSpec);
    const bool need = work_needed<T>(h->plan, src, dst);
    WorkBuffer work(pBuffer, need ? static_cast<int>(h->work_bytes) : 0);
    if (need && !work) return vdxStsMemAllocErr;
    const bool scale = (inverse ? h->inv_scale : h->fwd_scale) != 0;
    run_complex<T>(h->plan, src, dst, inverse, scale, h->factor.value, work.data());
    return vdxStsNoErr;
}

template <class T, std::uint32_t Id, class Spec>
VdxStatus transform_split(const Spec* pSpec, const T* srcRe, const T* srcIm, T* dstRe, T* dstIm, bool inverse,
                          Vdx8u* pBuffer) noexcept {
    if (pSpec == nullptr) return vdxStsNullPtrErr;
    if (identifier_of(pSpec) != Id) return vdxStsContextMatchErr;
    if (srcRe == nullptr || srcIm == nullptr || dstRe == nullptr || dstIm == nullptr) return vdxStsNullPtrErr;
    const auto* h = reinterpret_cast<const SpecHeader<T>*>(pSpec);
    const bool scale = (inverse ? h->inv_scale : h->fwd_scale) != 0;
    const T factor = h->factor.value;
    WorkBuffer work(pBuffer, static_cast<int>(h->work_bytes));
    if (h->work_bytes > 0 && !work) return vdxStsMemAllocErr;
    run_split<T>(h->plan, srcRe, srcIm, dstRe, dstIm, inverse, scale, factor, work.data());
    return vdxStsNoErr;
}

}  // namespace
}  // namespace fft
}  // namespace vdx

using vdx::fft::free_spec;
using vdx::fft::get_buf_size;
using vdx::fft::get_size;
using vdx::fft::init;
using vdx::fft::init_alloc;
using vdx::fft::transform;
using vdx::fft::transform_split;

// One row per family: element type, complex type, object type suffix, identifier.
#define VDX_FFT_FAMILY(T, C, S, ID)                                                                              \
    extern "C" VdxStatus y8_vdxsFFTGetSize_##S(int order, int flag, VdxHintAlgorithm, int* pSpecSize,             \
                                                 int* pSpecBufferSize, int* pBufferSize) noexcept {               \
        return get_size<T>(order, flag, pSpecSize, pSpecBufferSize, pBufferSize);                                \
    }                                                                                                            \
    extern "C" VdxStatus y8_vdxsFFTInit_##S(VdxsFFTSpec_##S** ppSpec, int order, int flag, VdxHintAlgorithm hint, \
                                              Vdx8u* pSpec, Vdx8u* pSpecBuffer) noexcept {                        \
        return init<T, ID>(ppSpec, order, flag, hint, pSpec, pSpecBuffer);                                       \
    }                                                                                                            \
    extern "C" VdxStatus y8_vdxsFFTInitAlloc_##S(VdxsFFTSpec_##S** ppSpec, int order, int flag,                  \
                                                   VdxHintAlgorithm hint) noexcept {                              \
        return init_alloc<T, ID>(ppSpec, order, flag, hint);                                                     \
    }                                                                                                            \
    extern "C" VdxStatus y8_vdxsFFTFree_##S(VdxsFFTSpec_##S* pSpec) noexcept { return free_spec<T, ID>(pSpec); }  \
    extern "C" VdxStatus y8_vdxsFFTGetBufSize_##S(const VdxsFFTSpec_##S* pSpec, int* pSize) noexcept {           \
        return get_buf_size<T, ID>(pSpec, pSize);                                                                \
    }

#define VDX_FFT_INTERLEAVED(T, C, S, ID, E)                                                                      \
    VDX_FFT_FAMILY(T, C, S, ID)                                                                                  \
    extern "C" VdxStatus y8_vdxsFFTFwd_CToC_##E(const C* pSrc, C* pDst, const VdxsFFTSpec_##S* pSpec,            \
                                                 Vdx8u* pBuffer) noexcept {                                       \
        return transform<T, ID>(pSpec, reinterpret_cast<const T*>(pSrc), reinterpret_cast<T*>(pDst), false,     \
                                pBuffer);                                                                        \
    }                                                                                                            \
    extern "C" VdxStatus y8_vdxsFFTInv_CToC_##E(const C* pSrc, C* pDst, const VdxsFFTSpec_##S* pSpec,            \
                                                 Vdx8u* pBuffer) noexcept {                                       \
        return transform<T, ID>(pSpec, reinterpret_cast<const T*>(pSrc), reinterpret_cast<T*>(pDst), true,      \
                                pBuffer);                                                                        \
    }                                                                                                            \
    extern "C" VdxStatus y8_vdxsFFTFwd_CToC_##E##_I(C* pSrcDst, const VdxsFFTSpec_##S* pSpec,                    \
                                                     Vdx8u* pBuffer) noexcept {                                   \
        return transform<T, ID>(pSpec, reinterpret_cast<const T*>(pSrcDst), reinterpret_cast<T*>(pSrcDst),      \
                                false, pBuffer);                                                                 \
    }                                                                                                            \
    extern "C" VdxStatus y8_vdxsFFTInv_CToC_##E##_I(C* pSrcDst, const VdxsFFTSpec_##S* pSpec,                    \
                                                     Vdx8u* pBuffer) noexcept {                                   \
        return transform<T, ID>(pSpec, reinterpret_cast<const T*>(pSrcDst), reinterpret_cast<T*>(pSrcDst),      \
                                true, pBuffer);                                                                  \
    }

#define VDX_FFT_SPLIT(T, S, ID, E)                                                                               \
    VDX_FFT_FAMILY(T, T, S, ID)                                                                                  \
    extern "C" VdxStatus y8_vdxsFFTFwd_CToC_##E(const T* pSrcRe, const T* pSrcIm, T* pDstRe, T* pDstIm,           \
                                                 const VdxsFFTSpec_##S* pSpec, Vdx8u* pBuffer) noexcept {         \
        return transform_split<T, ID>(pSpec, pSrcRe, pSrcIm, pDstRe, pDstIm, false, pBuffer);                    \
    }                                                                                                            \
    extern "C" VdxStatus y8_vdxsFFTInv_CToC_##E(const T* pSrcRe, const T* pSrcIm, T* pDstRe, T* pDstIm,           \
                                                 const VdxsFFTSpec_##S* pSpec, Vdx8u* pBuffer) noexcept {         \
        return transform_split<T, ID>(pSpec, pSrcRe, pSrcIm, pDstRe, pDstIm, true, pBuffer);                     \
    }                                                                                                            \
    extern "C" VdxStatus y8_vdxsFFTFwd_CToC_##E##_I(T* pSrcDstRe, T* pSrcDstIm, const VdxsFFTSpec_##S* pSpec,     \
                                                     Vdx8u* pBuffer) noexcept {                                   \
        return transform_split<T, ID>(pSpec, pSrcDstRe, pSrcDstIm, pSrcDstRe, pSrcDstIm, false, pBuffer);        \
    }                                                                                                            \
    extern "C" VdxStatus y8_vdxsFFTInv_CToC_##E##_I(T* pSrcDstRe, T* pSrcDstIm, const VdxsFFTSpec_##S* pSpec,     \
                                                     Vdx8u* pBuffer) noexcept {                                   \
        return transform_split<T, ID>(pSpec, pSrcDstRe, pSrcDstIm, pSrcDstRe, pSrcDstIm, true, pBuffer);         \
    }

VDX_FFT_INTERLEAVED(Vdx32f, Vdx32fc, C_32fc, 4u, 32fc)
VDX_FFT_SPLIT(Vdx32f, C_32f, 5u, 32f)
VDX_FFT_INTERLEAVED(Vdx64f, Vdx64fc, C_64fc, 7u, 64fc)
VDX_FFT_SPLIT(Vdx64f, C_64f, 8u, 64f)
