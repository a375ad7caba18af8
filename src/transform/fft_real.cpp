// The real FFT families R_32f and R_64f: object functions and the forward and
// inverse transforms in the Pack, Perm and CCS layouts (packed.h).
//
// Forward, N = 2^order:
//   order 0..4: a straight-line kernel per length 1, 2, 4, 8, 16 (the
//     algorithm below with an unrolled complex DFT of N/2 points, unit roots
//     from the static 1024-point sine table) writes Perm, times the factor
//     when the forward direction scales.
//   order 5 up: the signal read as N/2 complex values z[n] = x[2n] + i x[2n+1]
//     is transformed by the complex engine of order-1 into the destination
//     (with the forward scaling); then R[0] = Re Z[0] + Im Z[0], R[N/2] =
//     Re Z[0] - Im Z[0] go to slots 0 and 1, X[N/4] = conj(Z[N/4]), and the
//     recombination kernels (fft_real_kernels.h) turn the other pairs
//     (Z[k], Z[N/2-k]) into (X[k], X[N/2-k]) in place: Perm.
//   Pack: R[N/2] taken from slot 1, slots 2..N-1 moved down by one, R[N/2]
//   stored last.  CCS: R[N/2] moved to slot N, 0 in slots 1 and N+1 (only
//   slot 1 for N = 1).
// Inverse: the mirror.  Slots 0 and 1 of the half-length spectrum become
//   R[0] + R[N/2] and R[0] - R[N/2], the inverse recombination reads the
//   source layout directly (an in-place Pack is first moved up by one slot)
//   and writes twice the half-length spectrum into the destination, and the
//   complex inverse of order-1 runs in place there with the inverse scaling.
//   Orders 0..4 use the straight-line mirror, reading the layout's slots
//   directly.  The imaginary
//   slots of CCS at 0 and N/2 are never read.
//
// The recombination coefficients P(k) = (1/2 - sin/2, -cos/2) of 2 pi k/N are
// built by Init from the entries of the base sine table of the order (read
// from the static table up to order 10, computed in double with the
// complementary cosine in the upper octant above).  From order 21 (R_32f)
// or 19 (R_64f) a table of N/4 entries would be the largest part of the object,
// so it is kept in two levels: fine steps j = 0..1031 and coarse steps of
// 1024, multiplied as each vector of terms is recombined.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <immintrin.h>

#include "abi/api.h"
#include "runtime/checks.h"
#include "runtime/isa.h"
#include "runtime/object.h"
#include "transform/fft_real.h"
#include "transform/fft_real_kernels.h"
#include "transform/fft_spec.h"
#include "transform/fft_tables.h"
#include "numeric/types.h"

namespace vdx::fft {
namespace {

using packed::Layout;
using RealVariant = Variant<FftRealKernels, &fft_real_kernels_variants>;

template <class T>
struct RealFamily;
template <>
struct RealFamily<float> {
    using Spec = VdxsFFTSpec_R_32f;
    static constexpr std::uint32_t kId = ids::fft_r_32f;
    static constexpr int kMaxOrder = 29;
    static constexpr int kTwoLevelFrom = 21;
};
template <>
struct RealFamily<double> {
    using Spec = VdxsFFTSpec_R_64f;
    static constexpr std::uint32_t kId = ids::fft_r_64f;
    static constexpr int kMaxOrder = 28;
    static constexpr int kTwoLevelFrom = 19;
};

constexpr int kRealSmallLast = 4;   // orders with straight-line kernels
constexpr int kTablesAt = 160;      // the header rounded up to 32

// ---------------------------------------------------------------- sizes

template <class T>
bool two_level(int order) noexcept {
    return order >= RealFamily<T>::kTwoLevelFrom;
}

template <class T>
long long recomb_bytes(int order) noexcept {
    if (order <= kRealSmallLast) return 0;
    const long long entries = two_level<T>(order) ? kRecombFine + (1LL << (order - 11)) : (1LL << order) / 4;
    return (entries * 2 * static_cast<long long>(sizeof(T)) + 31) / 32 * 32;
}

struct RealSizes {
    long long spec;  // with placement slack
    int init;        // with placement slack, 0 when none
    int work;        // stored in the object: without slack, 0 when none
};

template <class T>
RealSizes real_sizes(int order) noexcept {
    if (order <= kRealSmallLast) return {kHeaderBytes + kObjectAlign, 0, 0};
    const EngineSizes e = engine_sizes<T>(order - 1);
    const long long spec = kTablesAt + static_cast<long long>(e.tables) + recomb_bytes<T>(order);
    return {(spec + 31) / 32 * 32 + kObjectAlign, e.init > 0 ? object_bytes(e.init) : 0, e.work};
}


// ---------------------------------------------------------------- unit roots

// Entry k (0 <= k <= N/4) of the base sine table of the order: sin(2 pi k/N).
template <class T>
T sine_entry(int order, long long k) noexcept {
    const long long n = 1LL << order, quarter = n / 4;
    if (k == quarter) return T(1);
    if (order <= 10) return static_sine<T>()[k << (10 - order)];
    const double step = 2.0 * M_PI / static_cast<double>(n);
    return static_cast<T>(k <= n / 8 ? std::sin(static_cast<double>(k) * step)
                                     : std::cos(static_cast<double>(quarter - k) * step));
}

// cos and sin of 2 pi t/N for 0 <= t <= N/2, from the base entries.
template <class T>
void unit_root(int order, long long t, T& c, T& s) noexcept {
    const long long quarter = (1LL << order) / 4;
    if (t <= quarter) {
        c = sine_entry<T>(order, quarter - t);
        s = sine_entry<T>(order, t);
    } else {
        c = -sine_entry<T>(order, t - quarter);
        s = sine_entry<T>(order, 2 * quarter - t);
    }
}

template <class T>
void build_recomb(int order, T* table) noexcept {
    const long long quarter = (1LL << order) / 4;
    T c, s;
    if (!two_level<T>(order)) {
        for (long long k = 1; k <= quarter; ++k) {
            unit_root<T>(order, k, c, s);
            table[2 * (k - 1)] = T(0.5) - T(0.5) * s;
            table[2 * (k - 1) + 1] = -T(0.5) * c;
        }
        return;
    }
    // fine: -i/2 e^(-i t) = (-sin/2, -cos/2); coarse: e^(-i t) = (cos, -sin).
    for (int j = 0; j < kRecombFine; ++j) {
        unit_root<T>(order, j, c, s);
        table[2 * j] = -T(0.5) * s;
        table[2 * j + 1] = -T(0.5) * c;
    }
    T* coarse = table + 2 * kRecombFine;
    for (long long q = 0; q < (1LL << (order - 11)); ++q) {
        unit_root<T>(order, q << 10, c, s);
        coarse[2 * q] = c;
        coarse[2 * q + 1] = -s;
    }
}

// ---------------------------------------------------------------- orders 0..4

// cos and sin of 2 pi u/1024, any u in 0..1023, from the static table (read
// here directly, so that the unrolled kernels fold their unit roots).
template <class T>
constexpr void root_1024(int u, T& c, T& s) noexcept {
    const T* st;
    if constexpr (sizeof(T) == 4) st = kSine1024f;
    else st = kSine1024d;
    const int r = u & 255;
    switch (u >> 8) {
        case 0: c = st[256 - r], s = st[r]; break;
        case 1: c = -st[r], s = st[256 - r]; break;
        case 2: c = -st[256 - r], s = -st[r]; break;
        default: c = st[r], s = -st[256 - r]; break;
    }
}

// Complex DFT of M = 1, 2, 4 or 8 points a[0], a[st], a[2 st], ... (pairs
// st complex apart) into out[0..M), split into even and odd halves down to
// single points; the compiler unrolls it into straight-line code.
template <int M, bool Inverse, class T>
inline void small_cdft(const T* a, int st, T* out) noexcept {
    if constexpr (M == 1) {
        out[0] = a[0];
        out[1] = a[1];
    } else {
        T e[M], o[M];
        small_cdft<M / 2, Inverse>(a, 2 * st, e);
        small_cdft<M / 2, Inverse>(a + 2 * st, 2 * st, o);
        for (int k = 0; k < M / 2; ++k) {
            T c, s;
            root_1024<T>(k * (1024 / M), c, s);
            if (!Inverse) s = -s;
            const T tr = c * o[2 * k] - s * o[2 * k + 1], ti = c * o[2 * k + 1] + s * o[2 * k];
            out[2 * k] = e[2 * k] + tr;
            out[2 * k + 1] = e[2 * k + 1] + ti;
            out[2 * (k + M / 2)] = e[2 * k] - tr;
            out[2 * (k + M / 2) + 1] = e[2 * k + 1] - ti;
        }
    }
}

// The recombination of one pair (k, M-k) of a length-N = 2M transform, in the
// arithmetic of the kernels (fft_real_kernels.h), on z in place.
template <int N, bool Inverse, class T>
inline void small_pair(T* z, int k) noexcept {
    constexpr int M = N / 2;
    T c, s;
    root_1024<T>(k * (1024 / N), c, s);
    const T pr = T(0.5) - T(0.5) * s, pi = Inverse ? T(0.5) * c : -T(0.5) * c;
    const T ar = z[2 * k], ai = z[2 * k + 1], br = z[2 * (M - k)], bi = -z[2 * (M - k) + 1];
    const T dr = ar - br, di = ai - bi;
    const T tr = pr * dr - pi * di, ti = pr * di + pi * dr;
    T xr = br + tr, xi = bi + ti, yr = ar - tr, yi = -(ai - ti);
    if (Inverse) xr += xr, xi += xi, yr += yr, yi += yi;
    z[2 * k] = xr;
    z[2 * k + 1] = xi;
    z[2 * (M - k)] = yr;
    z[2 * (M - k) + 1] = yi;
}

// Orders 1..4 (N = 2M): the large-order algorithm in straight-line form,
// x[2n] + i x[2n+1] through the complex DFT of M points, then DC, Nyquist,
// the middle term and the pairs, into Perm.
template <int N, class T>
void small_forward(const T* x, T* perm) noexcept {
    constexpr int M = N / 2;
    small_cdft<M, false>(x, 1, perm);
    const T zr = perm[0], zi = perm[1];
    perm[0] = zr + zi;
    perm[1] = zr - zi;
    if constexpr (M >= 2) perm[M + 1] = -perm[M + 1];
    for (int k = 1; k < M / 2; ++k) small_pair<N, false>(perm, k);
}

// The mirror: twice the half-length spectrum, read from the layout directly
// (the imaginary slots of X[0] and X[N/2] are not read) and times the factor
// when scaled, then the inverse complex DFT of M points gives N x (or N f x)
// straight into x (src may be x: every slot is read first).
template <int N, class T>
void small_inverse(const T* src, Layout layout, T* x, bool scaled, T f) noexcept {
    constexpr int M = N / 2;
    T z[N];
    const T r0 = src[0], rh = src[packed::nyquist_slot(layout, N)];
    z[0] = r0 + rh;
    z[1] = r0 - rh;
    for (int k = 1; k < M; ++k) {
        const int s = packed::re_slot(layout, k, N);
        z[2 * k] = src[s];
        z[2 * k + 1] = src[s + 1];
    }
    if constexpr (M >= 2) {
        z[M] = z[M] + z[M];
        z[M + 1] = -(z[M + 1] + z[M + 1]);
    }
    for (int k = 1; k < M / 2; ++k) small_pair<N, true>(z, k);
    if (scaled)
        for (int i = 0; i < N; ++i) z[i] *= f;
    small_cdft<M, true>(z, 1, x);
}

// Orders 1..4: Perm terms into a local array, or N x (times f) into dst.
template <class T>
void small_forward_order(int order, const T* in, T* out) noexcept {
    switch (order) {
        case 1: small_forward<2>(in, out); break;
        case 2: small_forward<4>(in, out); break;
        case 3: small_forward<8>(in, out); break;
        default: small_forward<16>(in, out); break;
    }
}
template <class T>
void small_inverse_order(int order, const T* in, Layout layout, T* out, bool scaled, T f) noexcept {
    switch (order) {
        case 1: small_inverse<2>(in, layout, out, scaled, f); break;
        case 2: small_inverse<4>(in, layout, out, scaled, f); break;
        case 3: small_inverse<8>(in, layout, out, scaled, f); break;
        default: small_inverse<16>(in, layout, out, scaled, f); break;
    }
}

// ---------------------------------------------------------------- layouts

// Perm terms in d[0..n) rearranged in place into the layout (CCS: n+2 slots).
template <class T>
void perm_to_layout(T* d, int n, Layout layout) noexcept {
    if (layout == Layout::perm || n == 1) {
        if (layout == Layout::ccs) d[1] = T(0);
        return;
    }
    const T nyquist = d[1];
    if (layout == Layout::pack) {
        std::memmove(d + 1, d + 2, static_cast<std::size_t>(n - 2) * sizeof(T));
        d[n - 1] = nyquist;
    } else {
        d[1] = T(0);
        d[n] = nyquist;
        d[n + 1] = T(0);
    }
}

template <class T>
const T* coarse_of(const RealSpec<T>& spec) noexcept {
    return two_level<T>(spec.order) ? spec.recomb + 2 * kRecombFine : nullptr;
}

template <class T>
const vdx::FftRealRecombination<T>& recombination(const FftRealKernels& k) noexcept {
    return member_of_type<vdx::FftRealRecombination<T>, &FftRealKernels::f32, &FftRealKernels::f64>(k);
}

}  // namespace

// ---------------------------------------------------------------- transforms

template <class T>
void real_forward(const RealSpec<T>& spec, const T* src, T* dst, Layout layout, void* work) noexcept {
    const int order = spec.order, n = 1 << order;
    if (order <= kRealSmallLast) {
        // Each term goes from the local Perm array straight to its slot.
        T perm[16];
        if (order == 0) perm[0] = src[0];
        else small_forward_order<T>(order, src, perm);
        const bool scaled = spec.forward_scaled != 0;
        const T f = spec.factor;
        auto put = [&](int slot, T v) { dst[slot] = scaled ? v * f : v; };
        put(0, perm[0]);
        if (n >= 2) put(packed::nyquist_slot(layout, n), perm[1]);
        for (int k = 1; k < n / 2; ++k) {
            const int s = packed::re_slot(layout, k, n);
            put(s, perm[2 * k]);
            put(s + 1, perm[2 * k + 1]);
        }
        if (layout == Layout::ccs) {
            dst[1] = T(0);
            if (n >= 2) dst[n + 1] = T(0);
        }
        return;
    }
    run_complex<T>(spec.plan, src, dst, false, spec.forward_scaled != 0, spec.factor, work);
    const int quarter = n / 4;
    const T z0r = dst[0], z0i = dst[1];
    dst[0] = z0r + z0i;
    dst[1] = z0r - z0i;
    dst[2 * quarter + 1] = -dst[2 * quarter + 1];
    recombination<T>(RealVariant::table()).forward(dst + 2, dst + 2, quarter, spec.recomb, coarse_of(spec));
    perm_to_layout(dst, n, layout);
}

// The half-length spectrum of an inverse goes to the work buffer when it
// holds it and the complex transform out of it needs none: the transform
// then runs out of place, without the copy an in-place one makes first.
template <class T>
bool half_in_work(const RealSpec<T>& spec, const void* work, const T* dst) noexcept {
    const long bytes = (1L << spec.order) * static_cast<long>(sizeof(T));
    return work != nullptr && spec.work_bytes >= bytes && !work_needed<T>(spec.plan, static_cast<const T*>(work), dst);
}

template <class T>
void real_inverse(const RealSpec<T>& spec, const T* src, T* dst, Layout layout, void* work) noexcept {
    const int order = spec.order, n = 1 << order;
    if (order <= kRealSmallLast) {
        const bool scaled = spec.inverse_scaled != 0;
        if (order == 0) dst[0] = scaled ? src[0] * spec.factor : src[0];
        else small_inverse_order<T>(order, src, layout, dst, scaled, spec.factor);
        return;
    }
    const int quarter = n / 4;
    const T r0 = src[0], rh = src[packed::nyquist_slot(layout, n)];
    const T* in1 = src + packed::re_slot(layout, 1, n);
    const bool via_work = half_in_work(spec, work, dst);
    T* half = via_work ? static_cast<T*>(work) : dst;
    if (!via_work && src == dst && layout == Layout::pack) {
        std::memmove(dst + 2, dst + 1, static_cast<std::size_t>(n - 2) * sizeof(T));
        in1 = dst + 2;
    }
    const T mr = in1[2 * (quarter - 1)], mi = in1[2 * (quarter - 1) + 1];
    half[2 * quarter] = mr + mr;
    half[2 * quarter + 1] = -(mi + mi);
    recombination<T>(RealVariant::table()).inverse(in1, half + 2, quarter, spec.recomb, coarse_of(spec));
    half[0] = r0 + rh;
    half[1] = r0 - rh;
    run_complex<T>(spec.plan, half, dst, true, spec.inverse_scaled != 0, spec.factor, via_work ? nullptr : work);
}

template <class T>
void real_filter(const RealSpec<T>& spec, const T* src, const T* filter, T* dst, void* work) noexcept {
    const int n = 1 << spec.order, quarter = n / 4;
    run_complex<T>(spec.plan, src, dst, false, spec.forward_scaled != 0, spec.factor, work);
    const bool via_work = half_in_work(spec, work, dst);
    T* half = via_work ? static_cast<T*>(work) : dst;
    // X[0] and X[N/2] are real; X[N/4] = conj(Z[N/4]); the inverse reads the
    // products as real_inverse reads its source.
    const T z0r = dst[0], z0i = dst[1];
    const T r0 = (z0r + z0i) * filter[0], rh = (z0r - z0i) * filter[1];
    const T* hm = filter + 2 * quarter;
    const T xr = dst[2 * quarter], xi = -dst[2 * quarter + 1];
    const T yr = hm[0] * xr - hm[1] * xi, yi = hm[0] * xi + hm[1] * xr;
    half[2 * quarter] = yr + yr;
    half[2 * quarter + 1] = -(yi + yi);
    recombination<T>(RealVariant::table()).filter(dst + 2, half + 2, filter + 2, quarter, spec.recomb, coarse_of(spec));
    half[0] = r0 + rh;
    half[1] = r0 - rh;
    run_complex<T>(spec.plan, half, dst, true, spec.inverse_scaled != 0, spec.factor, via_work ? nullptr : work);
}

template void real_forward<float>(const RealSpec<float>&, const float*, float*, Layout, void*) noexcept;
template void real_forward<double>(const RealSpec<double>&, const double*, double*, Layout, void*) noexcept;
template void real_inverse<float>(const RealSpec<float>&, const float*, float*, Layout, void*) noexcept;
template void real_inverse<double>(const RealSpec<double>&, const double*, double*, Layout, void*) noexcept;
template void real_filter<float>(const RealSpec<float>&, const float*, const float*, float*, void*) noexcept;
template void real_filter<double>(const RealSpec<double>&, const double*, const double*, double*, void*) noexcept;

namespace {

// ---------------------------------------------------------------- object functions

// The descriptor of a real family (object.h).
template <class T>
struct RealObject : FftChecks<RealFamily<T>::kMaxOrder> {
    using Object = typename RealFamily<T>::Spec;
    using Header = RealSpec<T>;
    using Params = FftParams;
    static constexpr std::uint32_t kId = RealFamily<T>::kId;

    static VdxStatus sizes(const FftParams& p, ObjectSizes* out) noexcept {
        const RealSizes s = real_sizes<T>(p.order);
        if (s.spec > 2147483647LL) return vdxStsMemAllocErr;  // beyond what a size can report
        *out = {static_cast<int>(s.spec), s.init, s.work};
        return vdxStsNoErr;
    }
    static VdxStatus build(Header* spec, const FftParams& p, const ObjectSizes&, Vdx8u* init) noexcept {
        const int order = p.order, flag = p.flag;
        spec->order = order;
        spec->forward_scaled = scales_forward(flag);
        spec->inverse_scaled = scales_inverse(flag);
        spec->factor = normalisation<T>(order, flag);
        spec->hint = p.hint;
        spec->threads = 1;
        if (order > kRealSmallLast) {
            Vdx8u* base = reinterpret_cast<Vdx8u*>(spec);
            const EngineSizes e = engine_sizes<T>(order - 1);
            void* tables = e.tables > 0 ? base + kTablesAt : nullptr;
            build_plan<T>(&spec->plan, order - 1, tables, e.init > 0 ? init : nullptr);
            spec->threads = spec->plan.threads;
            spec->twiddles = spec->plan.stages;
            spec->bitrev = spec->plan.bitrev;
            T* recomb = reinterpret_cast<T*>(base + kTablesAt + e.tables);
            build_recomb<T>(order, recomb);
            spec->recomb = recomb;
        }
        return vdxStsNoErr;
    }
    static void release_parts(Header*) noexcept {}
    // A block that merely starts with the identifier is refused: the inner
    // plan must be of order-1 and the recombination table inside the object.
    static bool consistent(const Header& h) noexcept {
        if (h.order < 0 || h.order > RealFamily<T>::kMaxOrder) return false;
        if (h.forward_scaled > 1 || h.inverse_scaled > 1 || h.allocated > 1) return false;
        if (h.order <= kRealSmallLast) return h.recomb == nullptr;
        const auto* base = reinterpret_cast<const Vdx8u*>(&h);
        return h.plan.order == h.order - 1 && reinterpret_cast<const Vdx8u*>(h.recomb) >= base + kTablesAt;
    }
};

enum class Dir { forward, inverse };

// Checks (spec, identifier, data pointers, work buffer), then the transform.
template <Dir D, Layout L, class T>
VdxStatus transform(const T* src, T* dst, const typename RealFamily<T>::Spec* pSpec, Vdx8u* buffer) noexcept {
    VDX_RETURN_IF_ERROR(check_object<RealObject<T>>(pSpec));
    if (any_null(src, dst)) return vdxStsNullPtrErr;
    const auto& spec = *reinterpret_cast<const RealSpec<T>*>(pSpec);
    // The inverse recombines into the work buffer (or, where that does not
    // serve, in the destination, transformed there in place): it takes a
    // buffer whenever an in-place transform would.
    const bool needed = spec.work_bytes > 0 && (buffer != nullptr || work_needed<T>(spec.plan, D == Dir::forward ? src : dst, dst));
    WorkBuffer work(buffer, needed ? static_cast<int>(spec.work_bytes) : 0);
    if (needed && !work) return vdxStsMemAllocErr;
    if (D == Dir::forward) real_forward<T>(spec, src, dst, L, work.data());
    else real_inverse<T>(spec, src, dst, L, work.data());
    return vdxStsNoErr;
}

}  // namespace
}  // namespace vdx::fft

// ---- rows: code, element type

using vdx::fft::Dir;
using vdx::packed::Layout;

#define VDX_FFT_REAL_TRANSFORM_ROW(Name, dir, layout, code, T)                                                    \
    extern "C" VdxStatus y8_vdxs##Name##_##code(const T* pSrc, T* pDst, const VdxsFFTSpec_R_##code* pFFTSpec,     \
                                               Vdx8u* pBuffer) noexcept {                                         \
        return vdx::fft::transform<dir, layout, T>(pSrc, pDst, pFFTSpec, pBuffer);                                \
    }                                                                                                             \
    extern "C" VdxStatus y8_vdxs##Name##_##code##_I(T* pSrcDst, const VdxsFFTSpec_R_##code* pFFTSpec,            \
                                                   Vdx8u* pBuffer) noexcept {                                     \
        return vdx::fft::transform<dir, layout, T>(pSrcDst, pSrcDst, pFFTSpec, pBuffer);                          \
    }

#define VDX_FFT_REAL_ROW(code, T)                                                                 \
    VDX_FFT_OBJECT_ROWS(R_##code, vdx::fft::RealObject<T>)                                        \
    VDX_FFT_REAL_TRANSFORM_ROW(FFTFwd_RToPack, Dir::forward, Layout::pack, code, T)               \
    VDX_FFT_REAL_TRANSFORM_ROW(FFTFwd_RToPerm, Dir::forward, Layout::perm, code, T)               \
    VDX_FFT_REAL_TRANSFORM_ROW(FFTFwd_RToCCS, Dir::forward, Layout::ccs, code, T)                 \
    VDX_FFT_REAL_TRANSFORM_ROW(FFTInv_PackToR, Dir::inverse, Layout::pack, code, T)               \
    VDX_FFT_REAL_TRANSFORM_ROW(FFTInv_PermToR, Dir::inverse, Layout::perm, code, T)               \
    VDX_FFT_REAL_TRANSFORM_ROW(FFTInv_CCSToR, Dir::inverse, Layout::ccs, code, T)

VDX_FFT_REAL_ROW(32f, float)
VDX_FFT_REAL_ROW(64f, double)

#undef VDX_FFT_REAL_ROW
#undef VDX_FFT_REAL_TRANSFORM_ROW
