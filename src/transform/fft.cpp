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

#include "abi/api.h"
#include "runtime/checks.h"
#include "fft_engine.h"
#include "fft_spec.h"
#include "runtime/object.h"

namespace vdx {
namespace fft {

namespace {

// The descriptor of a complex family (object.h): T, identifier, public type.
// The separate-array families share the sizes and tables of their
// interleaved twins.
template <class T, std::uint32_t Id, class Spec>
struct ComplexFamily : FftChecks<kMaxOrder<T>> {
    using Object = Spec;
    using Header = SpecHeader<T>;
    using Params = FftParams;
    static constexpr std::uint32_t kId = Id;

    static VdxStatus sizes(const FftParams& p, ObjectSizes* s) noexcept {
        const EngineSizes e = engine_sizes<T>(p.order);
        s->object = p.order <= kSmallLast ? kHeaderBytes + 32 : kTablesOffset + e.tables + 32;
        s->init = e.init > 0 ? e.init + 32 : 0;
        s->work = e.work;
        return vdxStsNoErr;
    }
    static VdxStatus build(Header* h, const FftParams& p, const ObjectSizes&, Vdx8u* init) noexcept {
        h->order = p.order;
        h->fwd_scale = scales_forward(p.flag);
        h->inv_scale = scales_inverse(p.flag);
        h->factor.value = normalisation<T>(p.order, p.flag);
        h->hint = p.hint;
        void* tables = p.order <= kSmallLast ? nullptr : reinterpret_cast<Vdx8u*>(h) + kTablesOffset;
        build_plan<T>(&h->plan, p.order, tables, init);
        h->threads = h->plan.threads;
        h->twiddles = tables;
        h->bitrev = h->plan.bitrev;
        return vdxStsNoErr;
    }
    static void release_parts(Header*) noexcept {}
    // A block that merely starts with the identifier is refused: the plan
    // must be of the object's order and its tables inside the object.
    static bool consistent(const Header& h) noexcept {
        if (h.order < 0 || h.order > kMaxOrder<T> || h.plan.order != h.order) return false;
        if (h.fwd_scale > 1 || h.inv_scale > 1 || h.allocated > 1) return false;
        const void* tables = h.order <= kSmallLast ? nullptr : reinterpret_cast<const Vdx8u*>(&h) + kTablesOffset;
        return h.twiddles == tables;
    }
};

using C32fc = ComplexFamily<Vdx32f, ids::fft_c_32fc, VdxsFFTSpec_C_32fc>;
using C32f = ComplexFamily<Vdx32f, ids::fft_c_32f, VdxsFFTSpec_C_32f>;
using C64fc = ComplexFamily<Vdx64f, ids::fft_c_64fc, VdxsFFTSpec_C_64fc>;
using C64f = ComplexFamily<Vdx64f, ids::fft_c_64f, VdxsFFTSpec_C_64f>;

template <class F, class T = typename F::Header::Element>
VdxStatus transform(const typename F::Object* pSpec, const T* src, T* dst, bool inverse, Vdx8u* pBuffer) noexcept {
    VDX_RETURN_IF_ERROR(check_object<F>(pSpec));
    if (src == nullptr || dst == nullptr) return vdxStsNullPtrErr;
    const auto* h = reinterpret_cast<const SpecHeader<T>*>(pSpec);
    const bool need = work_needed<T>(h->plan, src, dst);
    WorkBuffer work(pBuffer, need ? static_cast<int>(h->work_bytes) : 0);
    if (need && !work) return vdxStsMemAllocErr;
    const bool scale = (inverse ? h->inv_scale : h->fwd_scale) != 0;
    run_complex<T>(h->plan, src, dst, inverse, scale, h->factor.value, work.data());
    return vdxStsNoErr;
}

template <class F, class T = typename F::Header::Element>
VdxStatus transform_split(const typename F::Object* pSpec, const T* srcRe, const T* srcIm, T* dstRe, T* dstIm,
                          bool inverse, Vdx8u* pBuffer) noexcept {
    VDX_RETURN_IF_ERROR(check_object<F>(pSpec));
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

using vdx::fft::transform;
using vdx::fft::transform_split;

// One row per family: object suffix, descriptor, element and complex type,
// transform suffix.
#define VDX_FFT_INTERLEAVED(S, F, T, C, E)                                                                      \
    VDX_FFT_OBJECT_ROWS(S, vdx::fft::F)                                                                          \
    extern "C" VdxStatus y8_vdxsFFTFwd_CToC_##E(const C* pSrc, C* pDst, const VdxsFFTSpec_##S* pSpec,            \
                                                 Vdx8u* pBuffer) noexcept {                                       \
        return transform<vdx::fft::F>(pSpec, reinterpret_cast<const T*>(pSrc), reinterpret_cast<T*>(pDst), false, \
                                      pBuffer);                                                                  \
    }                                                                                                            \
    extern "C" VdxStatus y8_vdxsFFTInv_CToC_##E(const C* pSrc, C* pDst, const VdxsFFTSpec_##S* pSpec,            \
                                                 Vdx8u* pBuffer) noexcept {                                       \
        return transform<vdx::fft::F>(pSpec, reinterpret_cast<const T*>(pSrc), reinterpret_cast<T*>(pDst), true,  \
                                      pBuffer);                                                                  \
    }                                                                                                            \
    extern "C" VdxStatus y8_vdxsFFTFwd_CToC_##E##_I(C* pSrcDst, const VdxsFFTSpec_##S* pSpec,                    \
                                                     Vdx8u* pBuffer) noexcept {                                   \
        return transform<vdx::fft::F>(pSpec, reinterpret_cast<const T*>(pSrcDst), reinterpret_cast<T*>(pSrcDst),  \
                                      false, pBuffer);                                                           \
    }                                                                                                            \
    extern "C" VdxStatus y8_vdxsFFTInv_CToC_##E##_I(C* pSrcDst, const VdxsFFTSpec_##S* pSpec,                    \
                                                     Vdx8u* pBuffer) noexcept {                                   \
        return transform<vdx::fft::F>(pSpec, reinterpret_cast<const T*>(pSrcDst), reinterpret_cast<T*>(pSrcDst),  \
                                      true, pBuffer);                                                            \
    }

#define VDX_FFT_SPLIT(S, F, T, E)                                                                                \
    VDX_FFT_OBJECT_ROWS(S, vdx::fft::F)                                                                          \
    extern "C" VdxStatus y8_vdxsFFTFwd_CToC_##E(const T* pSrcRe, const T* pSrcIm, T* pDstRe, T* pDstIm,           \
                                                 const VdxsFFTSpec_##S* pSpec, Vdx8u* pBuffer) noexcept {         \
        return transform_split<vdx::fft::F>(pSpec, pSrcRe, pSrcIm, pDstRe, pDstIm, false, pBuffer);              \
    }                                                                                                            \
    extern "C" VdxStatus y8_vdxsFFTInv_CToC_##E(const T* pSrcRe, const T* pSrcIm, T* pDstRe, T* pDstIm,           \
                                                 const VdxsFFTSpec_##S* pSpec, Vdx8u* pBuffer) noexcept {         \
        return transform_split<vdx::fft::F>(pSpec, pSrcRe, pSrcIm, pDstRe, pDstIm, true, pBuffer);               \
    }                                                                                                            \
    extern "C" VdxStatus y8_vdxsFFTFwd_CToC_##E##_I(T* pSrcDstRe, T* pSrcDstIm, const VdxsFFTSpec_##S* pSpec,     \
                                                     Vdx8u* pBuffer) noexcept {                                   \
        return transform_split<vdx::fft::F>(pSpec, pSrcDstRe, pSrcDstIm, pSrcDstRe, pSrcDstIm, false, pBuffer);  \
    }                                                                                                            \
    extern "C" VdxStatus y8_vdxsFFTInv_CToC_##E##_I(T* pSrcDstRe, T* pSrcDstIm, const VdxsFFTSpec_##S* pSpec,     \
                                                     Vdx8u* pBuffer) noexcept {                                   \
        return transform_split<vdx::fft::F>(pSpec, pSrcDstRe, pSrcDstIm, pSrcDstRe, pSrcDstIm, true, pBuffer);   \
    }

VDX_FFT_INTERLEAVED(C_32fc, C32fc, Vdx32f, Vdx32fc, 32fc)
VDX_FFT_SPLIT(C_32f, C32f, Vdx32f, 32f)
VDX_FFT_INTERLEAVED(C_64fc, C64fc, Vdx64f, Vdx64fc, 64fc)
VDX_FFT_SPLIT(C_64f, C64f, Vdx64f, 64f)
