// DFT objects of any length: the nine element families and the two
// out-of-order complex ones.  One template per operation; the rows at the
// end instantiate every export.
//
// An object is a header from the library allocator (made only by
// InitAlloc) and what it owns: an FFT object of the family's kind for
// powers of two, or a complex plan (dft_plan.h) and its block of tables;
// the real families' half-length method also owns its recombination
// twiddles, the 16-bit families an inner float DFT object.
//
// Real families, even n with n/2 > 16: the n reals read as n/2 complex
// z[m] = x[2m] + i x[2m+1], Z = DFT(z), and with w = e^(-2 pi i / n)
//   X[k] = (Z[k] + conj Z[n/2-k]) / 2 - i/2 w^k (Z[k] - conj Z[n/2-k]);
// the inverse forms 2 Z[k] = (X[k] + conj X[n/2-k]) + i w^-k (X[k] - conj X[n/2-k])
// and transforms it back into the n reals.  Other lengths run the complex
// plan of length n on the real signal (or on the Hermitian spectrum).
#include <cstring>
#include <type_traits>

#include "abi/api.h"
#include "numeric/convert.h"
#include "runtime/checks.h"
#include "runtime/object.h"
#include "runtime/object_ids.h"
#include "transform/dft_plan.h"
#include "transform/fft_spec.h"
#include "transform/packed.h"

namespace vdx::dft {
namespace {

enum class Kind { complex, split, real };

template <class T>
struct DftHeader {
    std::uint32_t id;
    std::int32_t length;
    std::uint32_t fwd_scale;  // 1: the forward transform multiplies by factor
    std::uint32_t inv_scale;
    fft::FactorSlot<T> factor;  // 1/n or 1/sqrt(n)
    std::int32_t hint;
    std::uint32_t work_bytes;  // per call, no slack
    std::uint16_t allocated;   // always 1: made by InitAlloc
    std::uint16_t seal;
    std::int32_t pow2;         // the inner FFT object is in use
    std::int32_t half;         // real: the plan has length n/2
    void* fft_spec;            // pow2: the FFT object of the family's kind
    void* float_spec;          // 16-bit families: the inner float DFT object
    Vdx8u* tables;             // the plan's block
    T* recomb;                 // half: w^k, k = 0 .. n/2
    ComplexPlan<T> plan;
};

template <class T>
long reals_bytes(long reals) noexcept {
    return round32(reals * static_cast<long>(sizeof(T)));
}

// Staging of the real families: the spectrum X (m+1 pairs) and, for the
// half-length method, Z (m+1 pairs); the plan's work after them.
template <class T>
long real_staging(long m) noexcept {
    return 2 * reals_bytes<T>(2 * (m + 1));
}

// ---- the FFT objects a power-of-two DFT object holds, per (T, kind)

template <class T, Kind K>
struct FftOf;

#define VDX_DFT_FFT_ROWS(T, C, S, CS, RS)                                                                          \
    template <>                                                                                                  \
    struct FftOf<T, Kind::complex> {                                                                             \
        static VdxStatus make(void** s, int order, int flag, int hint) noexcept {                                 \
            return y8_vdxsFFTInitAlloc_C_##CS(reinterpret_cast<VdxsFFTSpec_C_##CS**>(s), order, flag,              \
                                              static_cast<VdxHintAlgorithm>(hint));                              \
        }                                                                                                        \
        static void release(void* s) noexcept { y8_vdxsFFTFree_C_##CS(static_cast<VdxsFFTSpec_C_##CS*>(s)); }    \
        static int buf(const void* s) noexcept {                                                                 \
            int n = 0;                                                                                           \
            y8_vdxsFFTGetBufSize_C_##CS(static_cast<const VdxsFFTSpec_C_##CS*>(s), &n);                          \
            return n;                                                                                            \
        }                                                                                                        \
        static void run(const void* s, const T* src, T* dst, bool inv, Vdx8u* w) noexcept {                     \
            auto* spec = static_cast<const VdxsFFTSpec_C_##CS*>(s);                                              \
            (inv ? y8_vdxsFFTInv_CToC_##CS : y8_vdxsFFTFwd_CToC_##CS)(reinterpret_cast<const C*>(src),          \
                                                                      reinterpret_cast<C*>(dst), spec, w);      \
        }                                                                                                        \
    };                                                                                                           \
    template <>                                                                                                  \
    struct FftOf<T, Kind::split> {                                                                               \
        static VdxStatus make(void** s, int order, int flag, int hint) noexcept {                                 \
            return y8_vdxsFFTInitAlloc_C_##S(reinterpret_cast<VdxsFFTSpec_C_##S**>(s), order, flag,                \
                                             static_cast<VdxHintAlgorithm>(hint));                               \
        }                                                                                                        \
        static void release(void* s) noexcept { y8_vdxsFFTFree_C_##S(static_cast<VdxsFFTSpec_C_##S*>(s)); }      \
        static int buf(const void* s) noexcept {                                                                 \
            int n = 0;                                                                                           \
            y8_vdxsFFTGetBufSize_C_##S(static_cast<const VdxsFFTSpec_C_##S*>(s), &n);                            \
            return n;                                                                                            \
        }                                                                                                        \
        static void run(const void* s, const T* sre, const T* sim, T* dre, T* dim, bool inv, Vdx8u* w) noexcept { \
            auto* spec = static_cast<const VdxsFFTSpec_C_##S*>(s);                                               \
            (inv ? y8_vdxsFFTInv_CToC_##S : y8_vdxsFFTFwd_CToC_##S)(sre, sim, dre, dim, spec, w);               \
        }                                                                                                        \
    };                                                                                                           \
    template <>                                                                                                  \
    struct FftOf<T, Kind::real> {                                                                                \
        static VdxStatus make(void** s, int order, int flag, int hint) noexcept {                                 \
            return y8_vdxsFFTInitAlloc_R_##RS(reinterpret_cast<VdxsFFTSpec_R_##RS**>(s), order, flag,              \
                                              static_cast<VdxHintAlgorithm>(hint));                              \
        }                                                                                                        \
        static void release(void* s) noexcept { y8_vdxsFFTFree_R_##RS(static_cast<VdxsFFTSpec_R_##RS*>(s)); }    \
        static int buf(const void* s) noexcept {                                                                 \
            int n = 0;                                                                                           \
            y8_vdxsFFTGetBufSize_R_##RS(static_cast<const VdxsFFTSpec_R_##RS*>(s), &n);                          \
            return n;                                                                                            \
        }                                                                                                        \
        static void forward(const void* s, const T* src, T* dst, packed::Layout l, Vdx8u* w) noexcept {          \
            auto* spec = static_cast<const VdxsFFTSpec_R_##RS*>(s);                                              \
            (l == packed::Layout::pack   ? y8_vdxsFFTFwd_RToPack_##RS                                            \
             : l == packed::Layout::perm ? y8_vdxsFFTFwd_RToPerm_##RS                                            \
                                         : y8_vdxsFFTFwd_RToCCS_##RS)(src, dst, spec, w);                        \
        }                                                                                                        \
        static void inverse(const void* s, const T* src, T* dst, packed::Layout l, Vdx8u* w) noexcept {          \
            auto* spec = static_cast<const VdxsFFTSpec_R_##RS*>(s);                                              \
            (l == packed::Layout::pack   ? y8_vdxsFFTInv_PackToR_##RS                                            \
             : l == packed::Layout::perm ? y8_vdxsFFTInv_PermToR_##RS                                            \
                                         : y8_vdxsFFTInv_CCSToR_##RS)(src, dst, spec, w);                        \
        }                                                                                                        \
    };
VDX_DFT_FFT_ROWS(Vdx32f, Vdx32fc, 32f, 32fc, 32f)
VDX_DFT_FFT_ROWS(Vdx64f, Vdx64fc, 64f, 64fc, 64f)
#undef VDX_DFT_FFT_ROWS

int pow2_order(int n) noexcept {
    if (n < 1 || (n & (n - 1)) != 0) return -1;
    int m = 0;
    while ((1 << m) < n) ++m;
    return m;
}

// ---- building and releasing

template <class T, Kind K>
VdxStatus build_float(DftHeader<T>* h, int n, int flag, int hint) noexcept {
    h->length = n;
    h->fwd_scale = fft::scales_forward(flag);
    h->inv_scale = fft::scales_inverse(flag);
    h->factor.value = normalisation<T>(n, flag);
    h->hint = hint;
    if (const int order = pow2_order(n); order >= 0) {
        if (FftOf<T, K>::make(&h->fft_spec, order, flag, hint) != vdxStsNoErr) {
            h->fft_spec = nullptr;
            return order > fft::kMaxOrder<T> ? vdxStsSizeErr : vdxStsMemAllocErr;
        }
        h->pow2 = 1;
        const int buf = FftOf<T, K>::buf(h->fft_spec);
        h->work_bytes = static_cast<std::uint32_t>(buf > 0 ? buf - 32 : 0);
        return vdxStsNoErr;
    }
    h->half = K == Kind::real && n % 2 == 0 && n / 2 > 16;
    const int m = h->half ? n / 2 : n;
    VDX_RETURN_IF_ERROR(build_allocated<T>(&h->plan, m, false, &h->tables));
    long staging = 0;  // the call's own data area before the plan's work
    if constexpr (K == Kind::split) staging = reals_bytes<T>(2L * n);
    if constexpr (K == Kind::real) staging = real_staging<T>(m);
    if (h->half) {
        h->recomb = reinterpret_cast<T*>(y8_vdxsMalloc_8u(static_cast<int>(sizeof(T)) * 2 * (m + 1)));
        if (h->recomb == nullptr) return vdxStsMemAllocErr;
        const long double step = 6.283185307179586476925286766559005768L / n;
        for (int k = 0; k <= m; ++k) {
            h->recomb[2 * k] = static_cast<T>(cosl(step * k));
            h->recomb[2 * k + 1] = static_cast<T>(-sinl(step * k));
        }
    }
    const long work = staging + h->plan.work_bytes;
    if (work > 2147483647L - 64) return vdxStsMemAllocErr;
    h->work_bytes = static_cast<std::uint32_t>(work);
    return vdxStsNoErr;
}

template <class T, Kind K>
void release_float(DftHeader<T>* h) noexcept {
    if (h->fft_spec != nullptr) FftOf<T, K>::release(h->fft_spec);
    y8_vdxsFree(h->tables);
    y8_vdxsFree(reinterpret_cast<Vdx8u*>(h->recomb));
    h->fft_spec = nullptr;
    h->tables = nullptr;
    h->recomb = nullptr;
}

// The descriptor of a family (object.h's checks and Free): element T of the
// transform, kind, identifier, public type; Inner is the float family a
// 16-bit family holds (void for the float families).
template <class T, Kind K, std::uint32_t Id, class Spec, class Inner = void>
struct Family {
    using Object = Spec;
    using Header = DftHeader<T>;
    static constexpr std::uint32_t kId = Id;
    static constexpr Kind kKind = K;
    static constexpr bool kInt16 = !std::is_void_v<Inner>;

    static VdxStatus build(Header* h, int n, int flag, int hint) noexcept;
    static void release_parts(Header* h) noexcept;
    static bool consistent(const Header& h) noexcept {
        if (h.length < 1 || h.allocated != 1 || h.fwd_scale > 1 || h.inv_scale > 1) return false;
        if constexpr (kInt16) return h.float_spec != nullptr;
        return h.pow2 ? h.fft_spec != nullptr : h.plan.n == (h.half ? h.length / 2 : h.length);
    }
};

template <class F>
VdxStatus init_alloc(typename F::Object** pp, int n, int flag, int hint) noexcept {
    using Header = typename F::Header;
    if (pp == nullptr) return vdxStsNullPtrErr;
    if (n < 1) return vdxStsSizeErr;
    auto* h = reinterpret_cast<Header*>(y8_vdxsMalloc_8u(static_cast<int>(sizeof(Header))));
    if (h == nullptr) return vdxStsMemAllocErr;
    std::memset(static_cast<void*>(h), 0, sizeof(Header));
    const VdxStatus status = fft::valid_flag(flag) ? F::build(h, n, flag, hint) : vdxStsFFTFlagErr;
    if (status < 0) {
        F::release_parts(h);
        y8_vdxsFree(reinterpret_cast<Vdx8u*>(h));
        return status;
    }
    h->allocated = 1;
    h->seal = seal_of(h, F::kId);
    set_identifier(h, F::kId);
    *pp = reinterpret_cast<typename F::Object*>(h);
    return vdxStsNoErr;
}

template <class T, Kind K, std::uint32_t Id, class Spec, class Inner>
VdxStatus Family<T, K, Id, Spec, Inner>::build(Header* h, int n, int flag, int hint) noexcept {
    if constexpr (!kInt16) {
        return build_float<T, K>(h, n, flag, hint);
    } else {
        h->length = n;
        h->hint = hint;
        typename Inner::Object* inner = nullptr;
        VDX_RETURN_IF_ERROR(init_alloc<Inner>(&inner, n, flag, hint));
        h->float_spec = inner;
        const auto* f = reinterpret_cast<const typename Inner::Header*>(inner);
        h->fwd_scale = f->fwd_scale;
        h->inv_scale = f->inv_scale;
        h->factor = f->factor;
        const long staging = K == Kind::real ? reals_bytes<float>(n + 2L) : 2 * reals_bytes<float>(n) ;
        const long work = staging + f->work_bytes;
        if (work > 2147483647L - 64) return vdxStsMemAllocErr;
        h->work_bytes = static_cast<std::uint32_t>(work);
        return vdxStsNoErr;
    }
}

template <class T, Kind K, std::uint32_t Id, class Spec, class Inner>
void Family<T, K, Id, Spec, Inner>::release_parts(Header* h) noexcept {
    if constexpr (kInt16) {
        if (h->float_spec != nullptr) object_free<Inner>(static_cast<typename Inner::Object*>(h->float_spec));
        h->float_spec = nullptr;
    } else {
        release_float<T, K>(h);
    }
}

using C32fc = Family<Vdx32f, Kind::complex, ids::dft_c_32fc, VdxsDFTSpec_C_32fc>;
using C32f = Family<Vdx32f, Kind::split, ids::dft_c_32f, VdxsDFTSpec_C_32f>;
using R32f = Family<Vdx32f, Kind::real, ids::dft_r_32f, VdxsDFTSpec_R_32f>;
using C64fc = Family<Vdx64f, Kind::complex, ids::dft_c_64fc, VdxsDFTSpec_C_64fc>;
using C64f = Family<Vdx64f, Kind::split, ids::dft_c_64f, VdxsDFTSpec_C_64f>;
using R64f = Family<Vdx64f, Kind::real, ids::dft_r_64f, VdxsDFTSpec_R_64f>;
using C16sc = Family<Vdx32f, Kind::complex, ids::dft_c_16sc, VdxsDFTSpec_C_16sc, C32fc>;
using C16s = Family<Vdx32f, Kind::split, ids::dft_c_16s, VdxsDFTSpec_C_16s, C32f>;
using R16s = Family<Vdx32f, Kind::real, ids::dft_r_16s, VdxsDFTSpec_R_16s, R32f>;
using OutOrd32fc = Family<Vdx32f, Kind::complex, ids::dft_outord_c_32fc, VdxsDFTOutOrdSpec_C_32fc>;
using OutOrd64fc = Family<Vdx64f, Kind::complex, ids::dft_outord_c_64fc, VdxsDFTOutOrdSpec_C_64fc>;

// ---- the float transforms of a valid header

template <class T>
void finish(const DftHeader<T>& h, T* d, long reals, bool inverse) noexcept {
    if ((inverse ? h.inv_scale : h.fwd_scale) != 0) scale<T>(d, reals, h.factor.value);
}

template <class T>
void run_complex(const DftHeader<T>& h, const T* src, T* dst, bool inverse, Vdx8u* work) noexcept {
    if (h.pow2) return FftOf<T, Kind::complex>::run(h.fft_spec, src, dst, inverse, work);
    run<T>(h.plan, src, dst, inverse, work);
    finish(h, dst, 2L * h.length, inverse);
}

template <class T>
void run_split(const DftHeader<T>& h, const T* sre, const T* sim, T* dre, T* dim, bool inverse,
               Vdx8u* work) noexcept {
    if (h.pow2) return FftOf<T, Kind::split>::run(h.fft_spec, sre, sim, dre, dim, inverse, work);
    const long n = h.length;
    T* x = reinterpret_cast<T*>(work);
    for (long i = 0; i < n; ++i) x[2 * i] = sre[i], x[2 * i + 1] = sim[i];
    run<T>(h.plan, x, x, inverse, work + reals_bytes<T>(2 * n));
    finish(h, x, 2 * n, inverse);
    for (long i = 0; i < n; ++i) dre[i] = x[2 * i], dim[i] = x[2 * i + 1];
}

// X[0 .. n/2] (pairs) into the layout and back; the inverse ignores the
// imaginary parts of X[0] and (even n) X[n/2].
template <class T>
void store_half(const T* X, long n, T* dst, packed::Layout layout) noexcept {
    const long h = n / 2, odd = n % 2;
    if (layout == packed::Layout::ccs) {
        std::memcpy(dst, X, sizeof(T) * 2 * static_cast<size_t>(h + 1));
        dst[1] = T(0);
        if (odd == 0) dst[n + 1] = T(0);
        return;
    }
    // Pack and Perm: the pairs k = 1 .. h-1 (h for odd n) in one run.
    const bool perm_even = layout == packed::Layout::perm && odd == 0;
    std::memmove(dst + (perm_even ? 2 : 1), X + 2, sizeof(T) * 2 * static_cast<size_t>(h - 1 + odd));
    dst[0] = X[0];
    if (odd == 0 && n > 1) dst[perm_even ? 1 : n - 1] = X[2 * h];
}

template <class T>
void load_half(const T* src, long n, T* X, packed::Layout layout) noexcept {
    const long h = n / 2, odd = n % 2;
    const bool paired = layout == packed::Layout::ccs || (layout == packed::Layout::perm && odd == 0);
    std::memcpy(X + 2, src + (paired ? 2 : 1), sizeof(T) * 2 * static_cast<size_t>(h - 1 + odd));
    X[0] = src[0], X[1] = T(0);
    if (odd == 0 && n > 1) X[2 * h] = src[packed::nyquist_slot(layout, static_cast<int>(n))], X[2 * h + 1] = T(0);
}

template <class T>
void real_forward(const DftHeader<T>& h, const T* src, T* dst, packed::Layout layout, Vdx8u* work) noexcept {
    if (h.pow2) return FftOf<T, Kind::real>::forward(h.fft_spec, src, dst, layout, work);
    const long n = h.length, m = h.plan.n;
    T* X = reinterpret_cast<T*>(work);
    T* Z = reinterpret_cast<T*>(work + reals_bytes<T>(2 * (m + 1)));
    Vdx8u* plan_work = work + real_staging<T>(m);
    if (h.half) {
        run<T>(h.plan, src, Z, false, plan_work);
        Z[2 * m] = Z[0], Z[2 * m + 1] = Z[1];
        if (layout == packed::Layout::ccs) {
            // CCS is the m + 1 pairs themselves: recombined straight into
            // dst, without a pass through X.
            kernels<T>().split(Z, h.recomb, static_cast<int>(m), dst);
            dst[1] = dst[n + 1] = T(0);
            finish(h, dst, packed::layout_reals(layout, static_cast<int>(n)), false);
            return;
        }
        kernels<T>().split(Z, h.recomb, static_cast<int>(m), X);
    } else {
        for (long i = 0; i < n; ++i) X[2 * i] = src[i], X[2 * i + 1] = T(0);
        run<T>(h.plan, X, X, false, plan_work);
    }
    store_half(X, n, dst, layout);
    finish(h, dst, packed::layout_reals(layout, static_cast<int>(n)), false);
}

template <class T>
void real_inverse(const DftHeader<T>& h, const T* src, T* dst, packed::Layout layout, Vdx8u* work) noexcept {
    if (h.pow2) return FftOf<T, Kind::real>::inverse(h.fft_spec, src, dst, layout, work);
    const long n = h.length, m = h.plan.n;
    T* X = reinterpret_cast<T*>(work);
    T* Z = reinterpret_cast<T*>(work + reals_bytes<T>(2 * (m + 1)));
    Vdx8u* plan_work = work + real_staging<T>(m);
    load_half(src, n, X, layout);
    if (h.half) {
        kernels<T>().join(X, h.recomb, static_cast<int>(m), Z);
        run<T>(h.plan, Z, dst, true, plan_work);
    } else {
        for (long k = n / 2 + 1; k < n; ++k) X[2 * k] = X[2 * (n - k)], X[2 * k + 1] = -X[2 * (n - k) + 1];
        run<T>(h.plan, X, X, true, plan_work);
        for (long i = 0; i < n; ++i) dst[i] = X[2 * i];
    }
    finish(h, dst, n, true);
}

// ---- the exported operations

template <class F>
const typename F::Header& header_of(const void* spec) noexcept {
    return *static_cast<const typename F::Header*>(spec);
}

// The transforms' checks, in order: the object, its identifier, the data
// pointers.
template <class F, class... P>
VdxStatus check_call(const void* spec, const P*... data) noexcept {
    VDX_RETURN_IF_ERROR(check_object<F>(spec));
    return any_null(data...) ? vdxStsNullPtrErr : vdxStsNoErr;
}

// The call's work buffer (object.h), or vdxStsMemAllocErr from the caller.
#define VDX_DFT_WORK(F, spec, pBuffer, work)                                          \
    const std::uint32_t work##_bytes = header_of<F>(spec).work_bytes;                \
    WorkBuffer work(pBuffer, static_cast<int>(work##_bytes));                        \
    if (work##_bytes > 0 && !work) return vdxStsMemAllocErr

template <class F, class T>
VdxStatus complex_transform(const void* spec, const T* src, T* dst, bool inverse, Vdx8u* pBuffer) noexcept {
    VDX_RETURN_IF_ERROR(check_call<F>(spec, src, dst));
    VDX_DFT_WORK(F, spec, pBuffer, w);
    run_complex(header_of<F>(spec), src, dst, inverse, w.data());
    return vdxStsNoErr;
}

template <class F, class T>
VdxStatus split_transform(const void* spec, const T* sre, const T* sim, T* dre, T* dim, bool inverse,
                          Vdx8u* pBuffer) noexcept {
    VDX_RETURN_IF_ERROR(check_call<F>(spec, sre, sim, dre, dim));
    VDX_DFT_WORK(F, spec, pBuffer, w);
    run_split(header_of<F>(spec), sre, sim, dre, dim, inverse, w.data());
    return vdxStsNoErr;
}

template <class F, class T>
VdxStatus real_transform(const void* spec, const T* src, T* dst, packed::Layout layout, bool inverse,
                         Vdx8u* pBuffer) noexcept {
    VDX_RETURN_IF_ERROR(check_call<F>(spec, src, dst));
    VDX_DFT_WORK(F, spec, pBuffer, w);
    if (inverse) {
        real_inverse(header_of<F>(spec), src, dst, layout, w.data());
    } else {
        real_forward(header_of<F>(spec), src, dst, layout, w.data());
    }
    return vdxStsNoErr;
}

// 16-bit: converted into float at the start of the work buffer, transformed
// there by the inner float object (its work after), converted back.
template <class F>
const DftHeader<float>& inner_of(const void* spec) noexcept {
    return *static_cast<const DftHeader<float>*>(header_of<F>(spec).float_spec);
}

template <class F>
VdxStatus complex16_transform(const void* spec, const Vdx16sc* src, Vdx16sc* dst, bool inverse, int sf,
                              Vdx8u* pBuffer) noexcept {
    VDX_RETURN_IF_ERROR(check_call<F>(spec, src, dst));
    VDX_DFT_WORK(F, spec, pBuffer, w);
    const int n = header_of<F>(spec).length;
    auto* x = reinterpret_cast<Vdx32f*>(w.data());
    convert_16s32f(reinterpret_cast<const Vdx16s*>(src), x, 2 * n);
    run_complex(inner_of<F>(spec), x, x, inverse, w.data() + 2 * reals_bytes<float>(n));
    convert_32f16s_sfs(x, reinterpret_cast<Vdx16s*>(dst), 2 * n, sf);
    return vdxStsNoErr;
}

template <class F>
VdxStatus split16_transform(const void* spec, const Vdx16s* sre, const Vdx16s* sim, Vdx16s* dre, Vdx16s* dim,
                            bool inverse, int sf, Vdx8u* pBuffer) noexcept {
    VDX_RETURN_IF_ERROR(check_call<F>(spec, sre, sim, dre, dim));
    VDX_DFT_WORK(F, spec, pBuffer, w);
    const int n = header_of<F>(spec).length;
    auto* re = reinterpret_cast<Vdx32f*>(w.data());
    auto* im = reinterpret_cast<Vdx32f*>(w.data() + reals_bytes<float>(n));
    convert_16s32f(sre, re, n);
    convert_16s32f(sim, im, n);
    run_split(inner_of<F>(spec), re, im, re, im, inverse, w.data() + 2 * reals_bytes<float>(n));
    convert_32f16s_sfs(re, dre, n, sf);
    convert_32f16s_sfs(im, dim, n, sf);
    return vdxStsNoErr;
}

template <class F>
VdxStatus real16_transform(const void* spec, const Vdx16s* src, Vdx16s* dst, packed::Layout layout, bool inverse,
                           int sf, Vdx8u* pBuffer) noexcept {
    VDX_RETURN_IF_ERROR(check_call<F>(spec, src, dst));
    VDX_DFT_WORK(F, spec, pBuffer, w);
    const int n = header_of<F>(spec).length;
    const int spectrum = packed::layout_reals(layout, n);
    auto* x = reinterpret_cast<Vdx32f*>(w.data());
    Vdx8u* inner_work = w.data() + reals_bytes<float>(n + 2L);
    if (inverse) {
        convert_16s32f(src, x, spectrum);
        real_inverse(inner_of<F>(spec), x, x, layout, inner_work);
        convert_32f16s_sfs(x, dst, n, sf);
    } else {
        convert_16s32f(src, x, n);
        real_forward(inner_of<F>(spec), x, x, layout, inner_work);
        convert_32f16s_sfs(x, dst, spectrum, sf);
    }
    return vdxStsNoErr;
}

}  // namespace
}  // namespace vdx::dft

namespace dft = vdx::dft;
using vdx::packed::Layout;

#define VDX_DFT_OBJECT_ROWS(P, S, F)                                                                             \
    extern "C" VdxStatus y8_vdxs##P##InitAlloc_##S(Vdxs##P##Spec_##S** ppSpec, int length, int flag,             \
                                                   VdxHintAlgorithm hint) noexcept {                             \
        return dft::init_alloc<dft::F>(ppSpec, length, flag, static_cast<int>(hint));                            \
    }                                                                                                            \
    extern "C" VdxStatus y8_vdxs##P##Free_##S(Vdxs##P##Spec_##S* pSpec) noexcept {                               \
        return vdx::object_free<dft::F>(pSpec);                                                                  \
    }                                                                                                            \
    extern "C" VdxStatus y8_vdxs##P##GetBufSize_##S(const Vdxs##P##Spec_##S* pSpec, int* pSize) noexcept {       \
        return vdx::object_buf_size<dft::F>(pSpec, pSize);                                                       \
    }

#define VDX_DFT_COMPLEX(P, S, F, T, C, E)                                                                           \
    VDX_DFT_OBJECT_ROWS(P, S, F)                                                                                 \
    extern "C" VdxStatus y8_vdxs##P##Fwd_CToC_##E(const C* pSrc, C* pDst, const Vdxs##P##Spec_##S* pSpec,       \
                                                  Vdx8u* pBuffer) noexcept {                                     \
        return dft::complex_transform<dft::F>(pSpec, reinterpret_cast<const T*>(pSrc), reinterpret_cast<T*>(pDst), \
                                              false, pBuffer);                                                   \
    }                                                                                                            \
    extern "C" VdxStatus y8_vdxs##P##Inv_CToC_##E(const C* pSrc, C* pDst, const Vdxs##P##Spec_##S* pSpec,       \
                                                  Vdx8u* pBuffer) noexcept {                                     \
        return dft::complex_transform<dft::F>(pSpec, reinterpret_cast<const T*>(pSrc), reinterpret_cast<T*>(pDst), \
                                              true, pBuffer);                                                    \
    }

#define VDX_DFT_SPLIT(S, F, T)                                                                                   \
    VDX_DFT_OBJECT_ROWS(DFT, C_##S, F)                                                                           \
    extern "C" VdxStatus y8_vdxsDFTFwd_CToC_##S(const T* pSrcRe, const T* pSrcIm, T* pDstRe, T* pDstIm,          \
                                                const VdxsDFTSpec_C_##S* pSpec, Vdx8u* pBuffer) noexcept {       \
        return dft::split_transform<dft::F>(pSpec, pSrcRe, pSrcIm, pDstRe, pDstIm, false, pBuffer);              \
    }                                                                                                            \
    extern "C" VdxStatus y8_vdxsDFTInv_CToC_##S(const T* pSrcRe, const T* pSrcIm, T* pDstRe, T* pDstIm,          \
                                                const VdxsDFTSpec_C_##S* pSpec, Vdx8u* pBuffer) noexcept {       \
        return dft::split_transform<dft::F>(pSpec, pSrcRe, pSrcIm, pDstRe, pDstIm, true, pBuffer);               \
    }

#define VDX_DFT_REAL_LAYOUT(S, F, T, L, Fwd, Inv)                                                                \
    extern "C" VdxStatus y8_vdxsDFTFwd_RTo##Fwd##_##S(const T* pSrc, T* pDst, const VdxsDFTSpec_R_##S* pSpec,   \
                                                      Vdx8u* pBuffer) noexcept {                                 \
        return dft::real_transform<dft::F>(pSpec, pSrc, pDst, Layout::L, false, pBuffer);                        \
    }                                                                                                            \
    extern "C" VdxStatus y8_vdxsDFTInv_##Inv##ToR_##S(const T* pSrc, T* pDst, const VdxsDFTSpec_R_##S* pSpec,   \
                                                      Vdx8u* pBuffer) noexcept {                                 \
        return dft::real_transform<dft::F>(pSpec, pSrc, pDst, Layout::L, true, pBuffer);                         \
    }
#define VDX_DFT_REAL(S, F, T)                            \
    VDX_DFT_OBJECT_ROWS(DFT, R_##S, F)                   \
    VDX_DFT_REAL_LAYOUT(S, F, T, pack, Pack, Pack)       \
    VDX_DFT_REAL_LAYOUT(S, F, T, perm, Perm, Perm)       \
    VDX_DFT_REAL_LAYOUT(S, F, T, ccs, CCS, CCS)

VDX_DFT_COMPLEX(DFT, C_32fc, C32fc, Vdx32f, Vdx32fc, 32fc)
VDX_DFT_COMPLEX(DFT, C_64fc, C64fc, Vdx64f, Vdx64fc, 64fc)
VDX_DFT_COMPLEX(DFTOutOrd, C_32fc, OutOrd32fc, Vdx32f, Vdx32fc, 32fc)
VDX_DFT_COMPLEX(DFTOutOrd, C_64fc, OutOrd64fc, Vdx64f, Vdx64fc, 64fc)
VDX_DFT_SPLIT(32f, C32f, Vdx32f)
VDX_DFT_SPLIT(64f, C64f, Vdx64f)
VDX_DFT_REAL(32f, R32f, Vdx32f)
VDX_DFT_REAL(64f, R64f, Vdx64f)

// The 16-bit families.
VDX_DFT_OBJECT_ROWS(DFT, C_16sc, C16sc)
VDX_DFT_OBJECT_ROWS(DFT, C_16s, C16s)
VDX_DFT_OBJECT_ROWS(DFT, R_16s, R16s)

extern "C" VdxStatus y8_vdxsDFTFwd_CToC_16sc_Sfs(const Vdx16sc* pSrc, Vdx16sc* pDst, const VdxsDFTSpec_C_16sc* pSpec,
                                                 int scaleFactor, Vdx8u* pBuffer) noexcept {
    return dft::complex16_transform<dft::C16sc>(pSpec, pSrc, pDst, false, scaleFactor, pBuffer);
}
extern "C" VdxStatus y8_vdxsDFTInv_CToC_16sc_Sfs(const Vdx16sc* pSrc, Vdx16sc* pDst, const VdxsDFTSpec_C_16sc* pSpec,
                                                 int scaleFactor, Vdx8u* pBuffer) noexcept {
    return dft::complex16_transform<dft::C16sc>(pSpec, pSrc, pDst, true, scaleFactor, pBuffer);
}
extern "C" VdxStatus y8_vdxsDFTFwd_CToC_16s_Sfs(const Vdx16s* pSrcRe, const Vdx16s* pSrcIm, Vdx16s* pDstRe,
                                                Vdx16s* pDstIm, const VdxsDFTSpec_C_16s* pSpec, int scaleFactor,
                                                Vdx8u* pBuffer) noexcept {
    return dft::split16_transform<dft::C16s>(pSpec, pSrcRe, pSrcIm, pDstRe, pDstIm, false, scaleFactor, pBuffer);
}
extern "C" VdxStatus y8_vdxsDFTInv_CToC_16s_Sfs(const Vdx16s* pSrcRe, const Vdx16s* pSrcIm, Vdx16s* pDstRe,
                                                Vdx16s* pDstIm, const VdxsDFTSpec_C_16s* pSpec, int scaleFactor,
                                                Vdx8u* pBuffer) noexcept {
    return dft::split16_transform<dft::C16s>(pSpec, pSrcRe, pSrcIm, pDstRe, pDstIm, true, scaleFactor, pBuffer);
}

#define VDX_DFT_REAL16(L, Fwd, Inv)                                                                              \
    extern "C" VdxStatus y8_vdxsDFTFwd_RTo##Fwd##_16s_Sfs(const Vdx16s* pSrc, Vdx16s* pDst,                     \
                                                          const VdxsDFTSpec_R_16s* pSpec, int scaleFactor,       \
                                                          Vdx8u* pBuffer) noexcept {                             \
        return dft::real16_transform<dft::R16s>(pSpec, pSrc, pDst, Layout::L, false, scaleFactor, pBuffer);      \
    }                                                                                                            \
    extern "C" VdxStatus y8_vdxsDFTInv_##Inv##ToR_16s_Sfs(const Vdx16s* pSrc, Vdx16s* pDst,                     \
                                                          const VdxsDFTSpec_R_16s* pSpec, int scaleFactor,       \
                                                          Vdx8u* pBuffer) noexcept {                             \
        return dft::real16_transform<dft::R16s>(pSpec, pSrc, pDst, Layout::L, true, scaleFactor, pBuffer);       \
    }
VDX_DFT_REAL16(pack, Pack, Pack)
VDX_DFT_REAL16(perm, Perm, Perm)
VDX_DFT_REAL16(ccs, CCS, CCS)
