// Orthonormal DCT-II (forward) and DCT-III (inverse) objects of any length,
// for 32f, 64f and 16s (which runs the 32f transform and converts).
//
// Methods by length N (64f limits in brackets):
//   small   1, 2, 4, 8: straight-line sums over constant cosines;
//   fft     other powers of two up to 2^27 [2^26]: a real FFT of length N;
//   direct  other N below 36 [46]: an N x N table s_k cos(pi (2n+1) k / 2N);
//   conv    other N: a chirp-convolution complex DFT of length N.
// The fft and conv methods reorder v[n] = x[2n], v[N-1-n] = x[2n+1]; with
// V = DFT(v) and t_k = s_k e^(-pi i k / 2N) (s_0 = 1/sqrt(N), s_k =
// sqrt(2/N)) the forward result is y[k] = Re(t_k V[k]).  The inverse forms
// V'[k] = conj(t_k) (y[k] - i y[N-k]) (halved for k >= 1), whose unscaled
// inverse DFT is v, and puts v back in place.
#include <cmath>
#include <cstring>

#include "abi/api.h"
#include "numeric/convert.h"
#include "runtime/checks.h"
#include "runtime/object.h"
#include "runtime/object_ids.h"
#include "transform/dft_plan.h"
#include "transform/dft_roots.h"

namespace vdx::dct {
namespace {

using dft::Arena;
using dft::ComplexPlan;

enum class Method : std::int32_t { small = 1, fft = 2, direct = 3, conv = 4 };

template <class T>
struct DctHeader {
    using Element = T;
    std::uint32_t id;
    std::int32_t length;
    std::int32_t hint;
    std::uint32_t work_bytes;
    T inv_sqrt_n;    // 1/sqrt(N), as the FFT computes it
    T sqrt2_sqrt_n;  // sqrt(2)/sqrt(N), in double, rounded to T
    std::uint16_t allocated;
    std::uint16_t seal;
    Method method;
    const T* table;              // direct: N x N; fft and conv: N pairs t_k
    void* fft_spec;              // fft: the real FFT object, in the block
    const ComplexPlan<T>* plan;  // conv: in the block
};
static_assert(sizeof(DctHeader<double>) <= 96, "the header fits 96 bytes");
inline constexpr int kHeaderBytes = 96;

struct DctParams {
    int len;
    int hint;
};

template <class T>
struct Limits {
    static constexpr int kDirect = sizeof(T) == 4 ? 36 : 46;        // direct below this
    static constexpr long kFft = sizeof(T) == 4 ? 1L << 27 : 1L << 26;  // largest power of two
    static constexpr long kConvQuery = 1L << 25;                    // conv: below this in GetSize
    static constexpr long kConvInit = sizeof(T) == 4 ? 1L << 26 : 1L << 25;  // and in Init
};

using dft::is_pow2;
using dft::log2_of;

template <class T>
Method method_of(long n) noexcept {
    if (n == 1 || n == 2 || n == 4 || n == 8) return Method::small;
    if (is_pow2(n)) return Method::fft;
    return n < Limits<T>::kDirect ? Method::direct : Method::conv;
}

// The length checks: below 1, and above the method's limit (conv_limit:
// the size query's or Init's).
template <class T>
VdxStatus check_length(long n, long conv_limit) noexcept {
    if (n < 1) return vdxStsSizeErr;
    switch (method_of<T>(n)) {
        case Method::fft: return n <= Limits<T>::kFft ? vdxStsNoErr : vdxStsSizeErr;
        case Method::conv: return n < conv_limit ? vdxStsNoErr : vdxStsSizeErr;
        default: return vdxStsNoErr;
    }
}

// ---- the real FFT of the fft method, per T

template <class T>
struct RealFft;
#define VDX_DCT_FFT_ROW(T, S)                                                                                   \
    template <>                                                                                               \
    struct RealFft<T> {                                                                                       \
        using Spec = VdxsFFTSpec_R_##S;                                                                       \
        static VdxStatus sizes(int order, int* spec, int* init, int* work) noexcept {                         \
            return y8_vdxsFFTGetSize_R_##S(order, VDX_FFT_NODIV_BY_ANY, vdxAlgHintNone, spec, init, work);    \
        }                                                                                                     \
        static VdxStatus init(void** s, int order, int hint, Vdx8u* mem, Vdx8u* init) noexcept {              \
            return y8_vdxsFFTInit_R_##S(reinterpret_cast<Spec**>(s), order, VDX_FFT_NODIV_BY_ANY,               \
                                        static_cast<VdxHintAlgorithm>(hint), mem, init);                      \
        }                                                                                                     \
        static void release(void* s) noexcept { y8_vdxsFFTFree_R_##S(static_cast<Spec*>(s)); }               \
        static void forward(const void* s, T* x, Vdx8u* w) noexcept {                                        \
            y8_vdxsFFTFwd_RToCCS_##S(x, x, static_cast<const Spec*>(s), w);                                   \
        }                                                                                                     \
        static void inverse(const void* s, T* x, Vdx8u* w) noexcept {                                        \
            y8_vdxsFFTInv_CCSToR_##S(x, x, static_cast<const Spec*>(s), w);                                   \
        }                                                                                                     \
    };
VDX_DCT_FFT_ROW(Vdx32f, 32f)
VDX_DCT_FFT_ROW(Vdx64f, 64f)
#undef VDX_DCT_FFT_ROW

// ---- sizes and building

struct Layout {
    long tables;   // bytes after the header
    long init;     // init buffer, no slack
    long work;     // per call, no slack
    int fft_spec;  // fft: the FFT object's bytes (with its slack)
};

template <class T>
VdxStatus layout_of(long n, Layout* l) noexcept {
    *l = Layout{};
    switch (method_of<T>(n)) {
        case Method::small:
            return vdxStsNoErr;
        case Method::direct:
            l->tables = round32(n * n * static_cast<long>(sizeof(T)));
            l->work = round32(n * static_cast<long>(sizeof(T)));
            return vdxStsNoErr;
        case Method::fft: {
            int spec = 0, init = 0, work = 0;
            VDX_RETURN_IF_ERROR(RealFft<T>::sizes(log2_of(n), &spec, &init, &work));
            l->fft_spec = spec;
            l->tables = round32(2 * n * static_cast<long>(sizeof(T))) + round32(spec);
            l->init = init;
            l->work = round32((n + 2) * static_cast<long>(sizeof(T))) + work;
            return vdxStsNoErr;
        }
        case Method::conv: {
            ComplexPlan<T> plan{};
            Arena measure(nullptr);
            measure.take<ComplexPlan<T>>(1);
            VDX_RETURN_IF_ERROR(dft::build<T>(&plan, static_cast<int>(n), true, measure, nullptr));
            l->tables = round32(2 * n * static_cast<long>(sizeof(T))) + measure.used();
            l->init = plan.scratch_bytes;
            l->work = round32(2 * n * static_cast<long>(sizeof(T))) + plan.work_bytes;
            return vdxStsNoErr;
        }
    }
    return vdxStsSizeErr;
}

// s_k in long double: the tables round each entry once.
long double scale_of(long k, long n) noexcept {
    return k == 0 ? 1.0L / sqrtl(static_cast<long double>(n)) : sqrtl(2.0L / static_cast<long double>(n));
}

// s_k cos(pi (2j+1) k / 2N) for the table methods.
template <class T>
T cosine_entry(long j, long k, long n) noexcept {
    const long double angle = 3.141592653589793238462643383279502884L * static_cast<long double>((2 * j + 1) * k % (4 * n)) /
                              static_cast<long double>(2 * n);
    return static_cast<T>(cosl(angle) * scale_of(k, n));
}

template <class T>
VdxStatus build_tables(DctHeader<T>* h, const Layout& l, Vdx8u* tables, Vdx8u* init) noexcept {
    const long n = h->length;
    switch (h->method) {
        case Method::small:
            return vdxStsNoErr;
        case Method::direct: {
            T* m = reinterpret_cast<T*>(tables);
            for (long k = 0; k < n; ++k)
                for (long j = 0; j < n; ++j) m[k * n + j] = cosine_entry<T>(j, k, n);
            h->table = m;
            return vdxStsNoErr;
        }
        case Method::fft:
        case Method::conv: {
            T* t = reinterpret_cast<T*>(tables);
            const long double step = 3.141592653589793238462643383279502884L / static_cast<long double>(2 * n);
            for (long k = 0; k < n; ++k) {
                t[2 * k] = static_cast<T>(scale_of(k, n) * cosl(step * k));
                t[2 * k + 1] = static_cast<T>(-scale_of(k, n) * sinl(step * k));
            }
            h->table = t;
            Vdx8u* rest = tables + round32(2 * n * static_cast<long>(sizeof(T)));
            if (h->method == Method::fft) {
                VDX_RETURN_IF_ERROR(RealFft<T>::init(&h->fft_spec, log2_of(n), h->hint, rest, init));
                return vdxStsNoErr;
            }
            Arena arena(rest);
            auto* plan = arena.take<ComplexPlan<T>>(1);
            VDX_RETURN_IF_ERROR(dft::build<T>(plan, static_cast<int>(n), true, arena, l.init > 0 ? init : nullptr));
            h->plan = plan;
            return vdxStsNoErr;
        }
    }
    return vdxStsSizeErr;
}

// The descriptor (object.h) of a family: element T of the transform (float
// for 16s), identifier, public type; Int16 adds the conversion areas.
template <class T, std::uint32_t Id, class Spec, bool Int16>
struct Family {
    using Object = Spec;
    using Header = DctHeader<T>;
    using Params = DctParams;
    static constexpr std::uint32_t kId = Id;

    static VdxStatus check_query(const DctParams& p, VdxStatus outputs) noexcept {
        if (p.len < 1) return vdxStsSizeErr;
        VDX_RETURN_IF_ERROR(outputs);
        return check_length<T>(p.len, Limits<T>::kConvQuery);
    }
    static VdxStatus check_init(const DctParams& p) noexcept { return check_length<T>(p.len, Limits<T>::kConvInit); }
    static VdxStatus sizes(const DctParams& p, ObjectSizes* s) noexcept {
        Layout l{};
        VDX_RETURN_IF_ERROR(layout_of<T>(p.len, &l));
        const long convert = Int16 ? 2 * round32(p.len * 4L) : 0;
        const long object = kHeaderBytes + l.tables + 32;
        if (object > 2147483647L - 64 || l.init > 2147483647L - 64 || l.work + convert > 2147483647L - 64)
            return vdxStsSizeErr;
        s->object = static_cast<int>(object);
        s->init = l.init > 0 ? static_cast<int>(l.init) + 32 : 0;
        s->work = static_cast<int>(l.work + convert);
        return vdxStsNoErr;
    }
    static VdxStatus build(Header* h, const DctParams& p, const ObjectSizes&, Vdx8u* init) noexcept {
        h->length = p.len;
        h->hint = p.hint;
        h->method = method_of<T>(p.len);
        h->inv_sqrt_n = dft::normalisation<T>(p.len, VDX_FFT_DIV_BY_SQRTN);
        h->sqrt2_sqrt_n = static_cast<T>(std::sqrt(2.0) / std::sqrt(static_cast<double>(p.len)));
        Layout l{};
        VDX_RETURN_IF_ERROR(layout_of<T>(p.len, &l));
        return build_tables(h, l, reinterpret_cast<Vdx8u*>(h) + kHeaderBytes, init);
    }
    static void release_parts(Header* h) noexcept {
        if (h->fft_spec != nullptr) RealFft<T>::release(h->fft_spec);
        h->fft_spec = nullptr;
    }
    static bool consistent(const Header& h) noexcept {
        if (h.length < 1 || h.method != method_of<T>(h.length) || h.allocated > 1) return false;
        const void* tables = reinterpret_cast<const Vdx8u*>(&h) + kHeaderBytes;
        return h.method == Method::small || h.table == tables;
    }
};

using Fwd32f = Family<Vdx32f, ids::dct_fwd_32f, VdxsDCTFwdSpec_32f, false>;
using Inv32f = Family<Vdx32f, ids::dct_inv_32f, VdxsDCTInvSpec_32f, false>;
using Fwd64f = Family<Vdx64f, ids::dct_fwd_64f, VdxsDCTFwdSpec_64f, false>;
using Inv64f = Family<Vdx64f, ids::dct_inv_64f, VdxsDCTInvSpec_64f, false>;
using Fwd16s = Family<Vdx32f, ids::dct_fwd_16s, VdxsDCTFwdSpec_16s, true>;
using Inv16s = Family<Vdx32f, ids::dct_inv_16s, VdxsDCTInvSpec_16s, true>;

// A length below 1 first, then the pointers, then the method's limit: the
// size query (check_query) and these wrappers of Init and InitAlloc.
template <class F>
VdxStatus init(typename F::Object** pp, int len, int hint, Vdx8u* mem, Vdx8u* init) noexcept {
    if (len < 1) return vdxStsSizeErr;
    return object_init<F>(pp, {len, hint}, mem, init);
}
template <class F>
VdxStatus init_alloc(typename F::Object** pp, int len, int hint) noexcept {
    if (len < 1) return vdxStsSizeErr;
    return object_init_alloc<F>(pp, {len, hint});
}

// ---- the transforms

// Straight-line kernels: cos(pi (2j+1) k / 2N) = cos(pi m / 16) with
// m = (2j+1) k 8/N mod 32.
template <int N, bool Inv, class T>
void small_kernel(const T* x, T* y, const DctHeader<T>& h) noexcept {
    T in[N], out[N] = {};
    for (int i = 0; i < N; ++i) in[i] = x[i];
    for (int k = 0; k < N; ++k) {
        const T s = k == 0 ? h.inv_sqrt_n : h.sqrt2_sqrt_n;
        for (int j = 0; j < N; ++j) {
            const T c = static_cast<T>(dft::kDctCos16[(2 * j + 1) * k * (8 / N) % 32]) * s;
            if (Inv) {
                out[j] += c * in[k];
            } else {
                out[k] += c * in[j];
            }
        }
    }
    for (int i = 0; i < N; ++i) y[i] = out[i];
}

template <bool Inv, class T>
void small(const T* x, T* y, const DctHeader<T>& h) noexcept {
    switch (h.length) {
        case 1: return small_kernel<1, Inv>(x, y, h);
        case 2: return small_kernel<2, Inv>(x, y, h);
        case 4: return small_kernel<4, Inv>(x, y, h);
        default: return small_kernel<8, Inv>(x, y, h);
    }
}

template <bool Inv, class T>
void direct(const T* x, T* y, const DctHeader<T>& h, Vdx8u* work) noexcept {
    const long n = h.length;
    if (x == y) {
        std::memcpy(work, x, sizeof(T) * static_cast<size_t>(n));
        x = reinterpret_cast<const T*>(work);
    }
    const T* m = h.table;
    if (Inv) {
        for (long j = 0; j < n; ++j) y[j] = T(0);
        for (long k = 0; k < n; ++k)
            for (long j = 0; j < n; ++j) y[j] += m[k * n + j] * x[k];
    } else {
        for (long k = 0; k < n; ++k) {
            T sum = T(0);
            for (long j = 0; j < n; ++j) sum += m[k * n + j] * x[j];
            y[k] = sum;
        }
    }
}

// v[n] = x[2n], v[N-1-n] = x[2n+1] into v with the given pair stride (1 for
// reals, 2 for the real parts of complex numbers), and back.
template <class T>
void reorder(const T* x, T* v, long n, long stride) noexcept {
    for (long j = 0; j < n / 2; ++j) v[stride * j] = x[2 * j], v[stride * (n - 1 - j)] = x[2 * j + 1];
    if (n % 2 != 0) v[stride * (n / 2)] = x[n - 1];
}
template <class T>
void unreorder(const T* v, T* x, long n, long stride) noexcept {
    for (long j = 0; j < n / 2; ++j) x[2 * j] = v[stride * j], x[2 * j + 1] = v[stride * (n - 1 - j)];
    if (n % 2 != 0) x[n - 1] = v[stride * (n / 2)];
}

// V'[k] = conj(t_k) (y[k] - i y[N-k]) / (k ? 2 : 1), for k in [0, count).
template <class T>
void pre_twiddle(const T* y, const T* t, long n, long count, T* out) noexcept {
    out[0] = t[0] * y[0], out[1] = T(0);
    for (long k = 1; k < count; ++k) {
        const T ur = y[k] / 2, ui = -y[n - k] / 2, tr = t[2 * k], ti = t[2 * k + 1];
        out[2 * k] = tr * ur + ti * ui;
        out[2 * k + 1] = tr * ui - ti * ur;
    }
}

template <bool Inv, class T>
void via_fft(const T* x, T* y, const DctHeader<T>& h, Vdx8u* work) noexcept {
    const long n = h.length;
    T* v = reinterpret_cast<T*>(work);
    Vdx8u* fft_work = work + round32((n + 2) * static_cast<long>(sizeof(T)));
    const T* t = h.table;
    if (Inv) {
        pre_twiddle(x, t, n, n / 2 + 1, v);
        RealFft<T>::inverse(h.fft_spec, v, fft_work);
        unreorder(v, y, n, 1);
        return;
    }
    reorder(x, v, n, 1);
    RealFft<T>::forward(h.fft_spec, v, fft_work);
    for (long k = 0; k <= n / 2; ++k) y[k] = t[2 * k] * v[2 * k] - t[2 * k + 1] * v[2 * k + 1];
    for (long k = n / 2 + 1; k < n; ++k) y[k] = t[2 * k] * v[2 * (n - k)] + t[2 * k + 1] * v[2 * (n - k) + 1];
}

template <bool Inv, class T>
void via_conv(const T* x, T* y, const DctHeader<T>& h, Vdx8u* work) noexcept {
    const long n = h.length;
    T* a = reinterpret_cast<T*>(work);
    Vdx8u* plan_work = work + round32(2 * n * static_cast<long>(sizeof(T)));
    const T* t = h.table;
    if (Inv) {
        pre_twiddle(x, t, n, n, a);
        dft::run<T>(*h.plan, a, a, true, plan_work);
        unreorder(a, y, n, 2);
        return;
    }
    std::memset(static_cast<void*>(a), 0, sizeof(T) * 2 * static_cast<size_t>(n));
    reorder(x, a, n, 2);
    dft::run<T>(*h.plan, a, a, false, plan_work);
    for (long k = 0; k < n; ++k) y[k] = t[2 * k] * a[2 * k] - t[2 * k + 1] * a[2 * k + 1];
}

template <bool Inv, class T>
void run(const T* x, T* y, const DctHeader<T>& h, Vdx8u* work) noexcept {
    switch (h.method) {
        case Method::small: return small<Inv>(x, y, h);
        case Method::direct: return direct<Inv>(x, y, h, work);
        case Method::fft: return via_fft<Inv>(x, y, h, work);
        case Method::conv: return via_conv<Inv>(x, y, h, work);
    }
}

template <class F, bool Inv, class T>
VdxStatus transform(const void* spec, const T* src, T* dst, Vdx8u* pBuffer) noexcept {
    if (any_null(src, dst, spec)) return vdxStsNullPtrErr;
    const auto* h = checked_header<F>(spec);
    if (h == nullptr) return vdxStsContextMatchErr;
    WorkBuffer work(pBuffer, static_cast<int>(h->work_bytes));
    if (h->work_bytes > 0 && !work) return vdxStsMemAllocErr;
    run<Inv>(src, dst, *h, work.data());
    return vdxStsNoErr;
}

template <class F, bool Inv>
VdxStatus transform16(const void* spec, const Vdx16s* src, Vdx16s* dst, int sf, Vdx8u* pBuffer) noexcept {
    if (any_null(src, dst, spec)) return vdxStsNullPtrErr;
    const auto* h = checked_header<F>(spec);
    if (h == nullptr) return vdxStsContextMatchErr;
    WorkBuffer work(pBuffer, static_cast<int>(h->work_bytes));
    if (!work) return vdxStsMemAllocErr;
    const int n = h->length;
    auto* x = reinterpret_cast<Vdx32f*>(work.data());
    auto* y = reinterpret_cast<Vdx32f*>(work.data() + round32(4L * n));
    convert_16s32f(src, x, n);
    run<Inv>(x, y, *h, work.data() + 2 * round32(4L * n));
    convert_32f16s_sfs(y, dst, n, sf);
    return vdxStsNoErr;
}

}  // namespace
}  // namespace vdx::dct

namespace dct = vdx::dct;

#define VDX_DCT_OBJECT(D, S, F)                                                                                  \
    extern "C" VdxStatus y8_vdxsDCT##D##GetSize_##S(int len, VdxHintAlgorithm hint, int* pSpecSize,             \
                                                    int* pSpecBufferSize, int* pBufferSize) noexcept {           \
        return vdx::object_get_size<dct::F>({len, static_cast<int>(hint)}, pSpecSize, pSpecBufferSize,          \
                                            pBufferSize);                                                        \
    }                                                                                                            \
    extern "C" VdxStatus y8_vdxsDCT##D##Init_##S(VdxsDCT##D##Spec_##S** ppSpec, int len, VdxHintAlgorithm hint, \
                                                 Vdx8u* pSpec, Vdx8u* pSpecBuffer) noexcept {                    \
        return dct::init<dct::F>(ppSpec, len, static_cast<int>(hint), pSpec, pSpecBuffer);                       \
    }                                                                                                            \
    extern "C" VdxStatus y8_vdxsDCT##D##InitAlloc_##S(VdxsDCT##D##Spec_##S** ppSpec, int len,                   \
                                                      VdxHintAlgorithm hint) noexcept {                          \
        return dct::init_alloc<dct::F>(ppSpec, len, static_cast<int>(hint));                                     \
    }                                                                                                            \
    extern "C" VdxStatus y8_vdxsDCT##D##Free_##S(VdxsDCT##D##Spec_##S* pSpec) noexcept {                         \
        return vdx::object_free<dct::F>(pSpec);                                                                  \
    }                                                                                                            \
    extern "C" VdxStatus y8_vdxsDCT##D##GetBufSize_##S(const VdxsDCT##D##Spec_##S* pSpec, int* pSize) noexcept { \
        return vdx::object_buf_size<dct::F>(pSpec, pSize);                                                       \
    }

#define VDX_DCT_FLOAT(D, S, F, T, Inv)                                                                           \
    VDX_DCT_OBJECT(D, S, F)                                                                                      \
    extern "C" VdxStatus y8_vdxsDCT##D##_##S(const T* pSrc, T* pDst, const VdxsDCT##D##Spec_##S* pSpec,         \
                                             Vdx8u* pBuffer) noexcept {                                          \
        return dct::transform<dct::F, Inv>(pSpec, pSrc, pDst, pBuffer);                                          \
    }                                                                                                            \
    extern "C" VdxStatus y8_vdxsDCT##D##_##S##_I(T* pSrcDst, const VdxsDCT##D##Spec_##S* pSpec,                 \
                                                 Vdx8u* pBuffer) noexcept {                                      \
        return dct::transform<dct::F, Inv>(pSpec, pSrcDst, pSrcDst, pBuffer);                                    \
    }

#define VDX_DCT_16S(D, F, Inv)                                                                                   \
    VDX_DCT_OBJECT(D, 16s, F)                                                                                    \
    extern "C" VdxStatus y8_vdxsDCT##D##_16s_Sfs(const Vdx16s* pSrc, Vdx16s* pDst, const VdxsDCT##D##Spec_16s* pSpec, \
                                                 int scaleFactor, Vdx8u* pBuffer) noexcept {                     \
        return dct::transform16<dct::F, Inv>(pSpec, pSrc, pDst, scaleFactor, pBuffer);                           \
    }                                                                                                            \
    extern "C" VdxStatus y8_vdxsDCT##D##_16s_ISfs(Vdx16s* pSrcDst, const VdxsDCT##D##Spec_16s* pSpec,           \
                                                  int scaleFactor, Vdx8u* pBuffer) noexcept {                    \
        return dct::transform16<dct::F, Inv>(pSpec, pSrcDst, pSrcDst, scaleFactor, pBuffer);                     \
    }

VDX_DCT_FLOAT(Fwd, 32f, Fwd32f, Vdx32f, false)
VDX_DCT_FLOAT(Inv, 32f, Inv32f, Vdx32f, true)
VDX_DCT_FLOAT(Fwd, 64f, Fwd64f, Vdx64f, false)
VDX_DCT_FLOAT(Inv, 64f, Inv64f, Vdx64f, true)
VDX_DCT_16S(Fwd, Fwd16s, false)
VDX_DCT_16S(Inv, Inv16s, true)
