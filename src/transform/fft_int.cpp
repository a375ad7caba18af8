// Integer FFT families: C_16sc, C_16s (separate arrays), R_16s, C_32sc,
// C_32s, R_32s and R_16s32s.  Each is a wrapper around a floating-point object
// of the same order and flag; the 16-bit families also own a fixed-point core
// for the smallest lengths.
//
// 16-bit objects (Spec16, 72 bytes): identifier, order, forward and inverse
// shifts, the half-power flag, hint, work size, whether the inner float object
// is in use, the allocated marker, then either the Q15 sine table and the
// bit-reversal table of the fixed-point core (orders 1..3 with hint none or
// fast) or the pointer to the inner float spec, which starts at byte 96.
// Shifts by flag: NODIV 0/0, DIV_FWD order/0, DIV_INV 0/order, SQRTN
// order/2 both ways (rounded down), the missing half power at odd orders
// being a fixed-point multiply by 1/sqrt(2).
//
// 32-bit objects (Spec32, 32 bytes): identifier, order, hint, work size,
// allocated marker, pointer to the inner object at byte 32: C_64fc, C_64f,
// R_64f, or R_32f for R_16s32s.
//
// Float path: the signal is widened exactly into the work buffer (floats for
// 16-bit data and R_16s32s, doubles for 32-bit data), transformed by the
// inner object with its own normalisation, and narrowed with the caller's scale
// factor: times 2^-sf, rounded to nearest with ties to even, saturated.  The
// work buffer is that area (8N bytes, 16N for the 32-bit families) followed
// by the inner object's own work buffer; complex transforms run out of place
// into the latter when it holds N elements and the engine needs no buffer
// that way, otherwise in place in the former.
//
// Fixed-point core (16-bit, orders 1..3): the input is widened to 64-bit
// integers with a left shift of 15 - order, run through a radix-2 stage (odd
// orders) with Q15 twiddles and radix-4 butterflies, multiplied by 1/sqrt(2)
// in Q30 when the half-power flag is set, put into natural order through the
// bit-reversal table, and narrowed by a right shift of (direction's shift +
// sf + pre-shift).  Every twiddle product and the 1/sqrt(2) product round
// half to even once; the narrowing rounds half to even and saturates as every
// Sfs form does.  64-bit lanes keep every stage free of overflow.  The real
// 16-bit core transforms the signal as a complex one with zero imaginary
// parts (inverse: the conjugate-symmetric spectrum) and keeps the half it
// needs.
//
// Order 0 of the 16-bit families copies the element with the scale factor
// applied (rounded half to even, saturated), on either path.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "abi/api.h"
#include "runtime/checks.h"
#include "numeric/convert.h"
#include "numeric/fixed.h"
#include "runtime/object.h"
#include "transform/fft_engine.h"
#include "transform/fft_real.h"
#include "transform/fft_spec.h"
#include "transform/packed.h"

namespace vdx::fft {
namespace {

using packed::Layout;

enum class Shape { interleaved, split, real };

struct Spec16 {
    std::uint32_t id;
    std::int32_t order;
    std::int32_t fwd_shift;
    std::int32_t inv_shift;
    std::uint32_t half_power;  // 1: SQRTN at an odd order (multiply by 1/sqrt(2))
    std::int32_t hint;
    std::uint32_t work_bytes;  // per call, 0 when none is needed
    std::uint32_t use_float;   // 1: the inner float object runs the transform
    std::uint16_t allocated;   // 1 in objects made by InitAlloc
    std::uint16_t seal;        // object.h: set by Init, checked with the identifier
    std::uint32_t reserved;
    void* inner;               // inner float object (float path)
    std::int32_t sine_q15[3];  // round(2^15 sin(2 pi k/N)), k = 0..N/4 (core)
    std::uint8_t bitrev[8];    // bit-reversal permutation of N (core)
    std::uint32_t reserved2;
};
static_assert(sizeof(Spec16) == 72, "the 16-bit wrapper header is 72 bytes");

struct Spec32 {
    std::uint32_t id;
    std::int32_t order;
    std::int32_t hint;
    std::uint32_t work_bytes;
    std::uint16_t allocated;
    std::uint16_t seal;
    std::uint32_t reserved;
    void* inner;
};
static_assert(sizeof(Spec32) == 32, "the 32-bit wrapper header is 32 bytes");

constexpr int kInner16At = 96;  // Spec16 rounded up to 32
constexpr int kInner32At = 32;
constexpr int kCoreLast = 3;    // last order of the fixed-point core
// round(2^30 / sqrt(2))
constexpr std::int64_t kInvSqrt2Q30 = 759250125;

// ---------------------------------------------------------------- families

#define VDX_FFT_INT_TRAITS(Name, Pub, InnerName, InnerId, F_, Id, MaxOrder, Wide16, Sh, In_, Out_)                              \
    struct Name {                                                                                                      \
        using Spec = VdxsFFTSpec_##Pub;                                                                                \
        using InnerSpec = VdxsFFTSpec_##InnerName;                                                                     \
        using F = F_;                                                                                                  \
        using In = In_;                                                                                                \
        using Out = Out_;                                                                                              \
        static constexpr std::uint32_t kId = Id;                                                                       \
        static constexpr std::uint32_t kInnerId = InnerId;                                                             \
        static constexpr int kMaxOrder = MaxOrder;                                                                     \
        static constexpr bool kWrap16 = Wide16;                                                                        \
        static constexpr Shape kShape = Sh;                                                                            \
        static VdxStatus inner_size(int order, int flag, int* a, int* b, int* c) noexcept {                            \
            return y8_vdxsFFTGetSize_##InnerName(order, flag, vdxAlgHintNone, a, b, c);                                \
        }                                                                                                              \
        static VdxStatus inner_init(int order, int flag, Vdx8u* mem, Vdx8u* buf, void** out) noexcept {                \
            InnerSpec* s = nullptr;                                                                                    \
            const VdxStatus st = y8_vdxsFFTInit_##InnerName(&s, order, flag, vdxAlgHintNone, mem, buf);                \
            *out = s;                                                                                                  \
            return st;                                                                                                 \
        }                                                                                                              \
    };

VDX_FFT_INT_TRAITS(FamC16sc, C_16sc, C_32fc, ids::fft_c_32fc, float, ids::fft_c_16sc, 28, true, Shape::interleaved, Vdx16s, Vdx16s)
VDX_FFT_INT_TRAITS(FamC16s, C_16s, C_32f, ids::fft_c_32f, float, ids::fft_c_16s, 28, true, Shape::split, Vdx16s, Vdx16s)
VDX_FFT_INT_TRAITS(FamR16s, R_16s, R_32f, ids::fft_r_32f, float, ids::fft_r_16s, 29, true, Shape::real, Vdx16s, Vdx16s)
VDX_FFT_INT_TRAITS(FamC32sc, C_32sc, C_64fc, ids::fft_c_64fc, double, ids::fft_c_32sc, 27, false, Shape::interleaved, Vdx32s, Vdx32s)
VDX_FFT_INT_TRAITS(FamC32s, C_32s, C_64f, ids::fft_c_64f, double, ids::fft_c_32s, 27, false, Shape::split, Vdx32s, Vdx32s)
VDX_FFT_INT_TRAITS(FamR32s, R_32s, R_64f, ids::fft_r_64f, double, ids::fft_r_32s, 28, false, Shape::real, Vdx32s, Vdx32s)
// Forward Vdx16s -> Vdx32s; the inverse (CCSToR_32s16s) swaps the two.
VDX_FFT_INT_TRAITS(FamR16s32s, R_16s32s, R_32f, ids::fft_r_32f, float, ids::fft_r_16s32s, 29, false, Shape::real, Vdx16s, Vdx32s)
#undef VDX_FFT_INT_TRAITS

// ---------------------------------------------------------------- conversions

void widen(const Vdx16s* s, float* d, int n) noexcept { convert_16s32f(s, d, n); }
void widen(const Vdx32s* s, double* d, int n) noexcept { convert_32s64f(s, d, n); }
void widen(const Vdx32s* s, float* d, int n) noexcept {
    for (int i = 0; i < n; ++i) d[i] = static_cast<float>(s[i]);  // one rounding to nearest
}
void narrow(const float* s, Vdx16s* d, int n, int sf) noexcept { convert_32f16s_sfs(s, d, n, sf); }
void narrow(const double* s, Vdx32s* d, int n, int sf) noexcept { convert_64f32s_sfs(s, d, n, sf); }

constexpr int kChunk = 256;

// Floats to Vdx32s through exact doubles: x * 2^-sf is the same value in
// either precision wherever it can round to something other than 0 or
// saturate.
void narrow(const float* s, Vdx32s* d, int n, int sf) noexcept {
    double tmp[kChunk];
    for (int at = 0; at < n; at += kChunk) {
        const int m = n - at < kChunk ? n - at : kChunk;
        for (int i = 0; i < m; ++i) tmp[i] = s[at + i];
        convert_64f32s_sfs(tmp, d + at, m, sf);
    }
}

template <class In, class F>
void widen_split(const In* re, const In* im, F* d, int n) noexcept {
    F r[kChunk], i[kChunk];
    for (int at = 0; at < n; at += kChunk) {
        const int m = n - at < kChunk ? n - at : kChunk;
        widen(re + at, r, m);
        widen(im + at, i, m);
        for (int k = 0; k < m; ++k) {
            d[2 * (at + k)] = r[k];
            d[2 * (at + k) + 1] = i[k];
        }
    }
}

template <class F, class Out>
void narrow_split(const F* s, Out* re, Out* im, int n, int sf) noexcept {
    F r[kChunk], i[kChunk];
    for (int at = 0; at < n; at += kChunk) {
        const int m = n - at < kChunk ? n - at : kChunk;
        for (int k = 0; k < m; ++k) {
            r[k] = s[2 * (at + k)];
            i[k] = s[2 * (at + k) + 1];
        }
        narrow(r, re + at, m, sf);
        narrow(i, im + at, m, sf);
    }
}

// ---------------------------------------------------------------- sizes

struct IntSizes {
    int spec, init, work;  // object and init with placement slack; work without
    bool use_float;
};

constexpr bool core_applies(int order, int hint) noexcept {
    return order <= kCoreLast && (hint == vdxAlgHintNone || hint == vdxAlgHintFast);
}

// The work area of the converted signal: 8N bytes (16-bit families), 16N
// (the others), rounded up to 32; the inner object's work buffer follows.
template <class Fam>
long long conv_bytes(long long n) noexcept {
    return ((Fam::kWrap16 ? 8 : 16) * n + 31) / 32 * 32;
}

template <class Fam>
VdxStatus sizes_of(int order, int flag, int hint, IntSizes& out) noexcept {
    int is = 0, ib = 0, iw = 0;
    VDX_RETURN_IF_ERROR(Fam::inner_size(order, flag, &is, &ib, &iw));
    if (Fam::kWrap16 && core_applies(order, hint)) {
        out = {object_bytes(sizeof(Spec16)), 0, 0, false};
        return vdxStsNoErr;
    }
    const long long conv = conv_bytes<Fam>(1LL << order);
    const long long spec = (Fam::kWrap16 ? kInner16At : kInner32At) + static_cast<long long>(is) + kObjectAlign;
    const long long work = conv + iw;
    if (spec > 2147483647LL || work + kObjectAlign > 2147483647LL) return vdxStsMemAllocErr;
    out = {static_cast<int>(spec), ib, static_cast<int>(work), true};
    return vdxStsNoErr;
}

// ---------------------------------------------------------------- object functions

void build_core(Spec16* h, int order) noexcept {
    const int n = 1 << order;
    const double* st = static_sine<double>();
    for (int k = 0; k <= n / 4; ++k) {
        const double s = k == n / 4 && n >= 4 ? 1.0 : st[k << (10 - order)];
        h->sine_q15[k] = static_cast<std::int32_t>(std::nearbyint(s * 32768.0));
    }
    for (int i = 0; i < n; ++i) {
        int r = 0;
        for (int b = 0; b < order; ++b) r |= ((i >> b) & 1) << (order - 1 - b);
        h->bitrev[i] = static_cast<std::uint8_t>(r);
    }
}

template <class Fam>
using Header = std::conditional_t<Fam::kWrap16, Spec16, Spec32>;

// The descriptor of an integer family (object.h): a wrapper header, then
// the inner float object (float path) at kInner16At / kInner32At.
template <class Fam>
struct IntObject : FftChecks<Fam::kMaxOrder> {
    using Object = typename Fam::Spec;
    using Header = fft::Header<Fam>;
    using Params = FftParams;
    static constexpr std::uint32_t kId = Fam::kId;

    static VdxStatus sizes(const FftParams& p, ObjectSizes* out) noexcept {
        IntSizes s;
        VDX_RETURN_IF_ERROR(sizes_of<Fam>(p.order, p.flag, p.hint, s));
        *out = {s.spec, s.init, s.work};
        return vdxStsNoErr;
    }
    static VdxStatus build(Header* h, const FftParams& p, const ObjectSizes&, Vdx8u* init) noexcept {
        const int order = p.order, flag = p.flag;
        const bool use_float = !(Fam::kWrap16 && core_applies(order, p.hint));
        void* inner = nullptr;
        if (use_float) {
            Vdx8u* base = reinterpret_cast<Vdx8u*>(h);
            // The inner Init rounds the init buffer up to 32 again: already aligned.
            VDX_RETURN_IF_ERROR(Fam::inner_init(order, flag, base + (Fam::kWrap16 ? kInner16At : kInner32At), init,
                                                &inner));
        }
        h->order = order;
        h->hint = p.hint;
        h->inner = inner;
        if constexpr (Fam::kWrap16) {
            h->fwd_shift = flag == VDX_FFT_DIV_FWD_BY_N ? order : flag == VDX_FFT_DIV_BY_SQRTN ? order / 2 : 0;
            h->inv_shift = flag == VDX_FFT_DIV_INV_BY_N ? order : flag == VDX_FFT_DIV_BY_SQRTN ? order / 2 : 0;
            h->half_power = flag == VDX_FFT_DIV_BY_SQRTN && order % 2 != 0;
            h->use_float = use_float;
            if (!use_float) build_core(h, order);
        }
        return vdxStsNoErr;
    }
    // The inner object dies with its wrapper.
    static void release_parts(Header* h) noexcept {
        if (h->inner != nullptr) set_identifier(h->inner, 0);
    }
    // A block that merely starts with the identifier is refused: the order
    // and shifts in range, and the inner object where Init puts it, of the
    // inner family and of the same order (its own fields are checked by its
    // own call).
    static bool consistent(const Header& h) noexcept {
        if (h.order < 0 || h.order > Fam::kMaxOrder || h.allocated > 1) return false;
        const auto* base = reinterpret_cast<const Vdx8u*>(&h);
        bool use_float = true;
        if constexpr (Fam::kWrap16) {
            if (h.use_float > 1 || h.half_power > 1) return false;
            use_float = h.use_float == 1;
            if (!use_float) {
                if (h.order > kCoreLast || h.fwd_shift < 0 || h.fwd_shift > h.order || h.inv_shift < 0 ||
                    h.inv_shift > h.order)
                    return false;
                for (int i = 0; i < (1 << h.order); ++i)
                    if (h.bitrev[i] >= (1 << h.order)) return false;
                return h.inner == nullptr;
            }
        }
        const Vdx8u* inner = base + (Fam::kWrap16 ? kInner16At : kInner32At);
        if (!use_float || h.inner != inner || identifier_of(inner) != Fam::kInnerId) return false;
        std::int32_t innerOrder;
        std::memcpy(&innerOrder, inner + 4, sizeof innerOrder);  // every float object: id, then order
        return innerOrder == h.order;
    }
};

// ---------------------------------------------------------------- fixed-point core

// x * q / 2^bits rounded half to even.
inline std::int64_t mul_round(std::int64_t x, std::int64_t q, int bits) noexcept {
    return shift_right_round_even(x * q, bits);
}

// a: N complex values (re, im) in natural order, widened; on return the
// transform in natural order (times 1/sqrt(2) when the half-power flag is set).
void core(const Spec16& h, std::int64_t* a, bool inverse) noexcept {
    const int order = h.order, n = 1 << order, quarter = n / 4;
    if (order % 2 != 0) {
        const int half = n / 2;
        for (int j = 0; j < half; ++j) {
            // w^j = cos - i sin (forward) or cos + i sin (inverse) of 2 pi j/N
            const std::int64_t c = j <= quarter ? h.sine_q15[quarter - j] : -h.sine_q15[j - quarter];
            const std::int64_t s = j <= quarter ? h.sine_q15[j] : h.sine_q15[half - j];
            std::int64_t* x = a + 2 * j;
            std::int64_t* y = a + 2 * (j + half);
            const std::int64_t dr = x[0] - y[0], di = x[1] - y[1];
            x[0] += y[0];
            x[1] += y[1];
            if (j == 0) {  // w^0 = 1 (and N = 2 has no other twiddle)
                y[0] = dr, y[1] = di;
                continue;
            }
            if (inverse) {
                y[0] = shift_right_round_even(dr * c - di * s, 15);
                y[1] = shift_right_round_even(di * c + dr * s, 15);
            } else {
                y[0] = shift_right_round_even(dr * c + di * s, 15);
                y[1] = shift_right_round_even(di * c - dr * s, 15);
            }
        }
    }
    if (n >= 4) {
        for (int b = 0; b < n; b += 4) {
            std::int64_t* x = a + 2 * b;
            const std::int64_t t0r = x[0] + x[4], t0i = x[1] + x[5], t1r = x[0] - x[4], t1i = x[1] - x[5];
            const std::int64_t t2r = x[2] + x[6], t2i = x[3] + x[7], t3r = x[2] - x[6], t3i = x[3] - x[7];
            // -i t3 forward, +i t3 inverse
            const std::int64_t ur = inverse ? -t3i : t3i, ui = inverse ? t3r : -t3r;
            x[0] = t0r + t2r, x[1] = t0i + t2i;  // X0
            x[2] = t0r - t2r, x[3] = t0i - t2i;  // X2
            x[4] = t1r + ur, x[5] = t1i + ui;    // X1
            x[6] = t1r - ur, x[7] = t1i - ui;    // X3
        }
    }
    if (h.half_power) {
        for (int i = 0; i < 2 * n; ++i) a[i] = mul_round(a[i], kInvSqrt2Q30, 30);
    }
    std::int64_t t[16];
    for (int i = 0; i < n; ++i) {
        t[2 * h.bitrev[i]] = a[2 * i];
        t[2 * h.bitrev[i] + 1] = a[2 * i + 1];
    }
    std::memcpy(a, t, static_cast<std::size_t>(2 * n) * sizeof(std::int64_t));
}

// The right shift that takes a core result to the caller's scale, kept in a
// range where scale_round_sat is exact for any sf.
int narrow_shift(const Spec16& h, bool inverse, int sf) noexcept {
    const long long total = static_cast<long long>(inverse ? h.inv_shift : h.fwd_shift) + sf + (15 - h.order);
    return static_cast<int>(total < -1000 ? -1000 : total > 1000 ? 1000 : total);
}

// ---------------------------------------------------------------- complex transforms

// The signal seen element by element, interleaved (im null) or split.
template <class T>
struct Cplx {
    T* re;
    T* im;
    T& r(long k) const noexcept { return im ? re[k] : re[2 * k]; }
    T& i(long k) const noexcept { return im ? im[k] : re[2 * k + 1]; }
};

template <class Fam, bool Inverse>
VdxStatus complex_transform(const typename Fam::Spec* pSpec, Cplx<const typename Fam::In> src,
                            Cplx<typename Fam::Out> dst, int sf, Vdx8u* pBuffer) noexcept {
    using F = typename Fam::F;
    VDX_RETURN_IF_ERROR(check_object<IntObject<Fam>>(pSpec));
    if (src.re == nullptr || dst.re == nullptr) return vdxStsNullPtrErr;
    if (Fam::kShape == Shape::split && (src.im == nullptr || dst.im == nullptr)) return vdxStsNullPtrErr;
    const auto& h = *reinterpret_cast<const Header<Fam>*>(pSpec);
    const int order = h.order, n = 1 << order;

    if constexpr (Fam::kWrap16) {
        if (order == 0) {
            const std::int64_t r = src.r(0), i = src.i(0);
            dst.r(0) = scale_round_sat<Vdx16s>(r, sf);
            dst.i(0) = scale_round_sat<Vdx16s>(i, sf);
            return vdxStsNoErr;
        }
        if (!h.use_float) {
            std::int64_t a[16];
            for (int k = 0; k < n; ++k) {
                a[2 * k] = static_cast<std::int64_t>(src.r(k)) << (15 - order);
                a[2 * k + 1] = static_cast<std::int64_t>(src.i(k)) << (15 - order);
            }
            core(h, a, Inverse);
            const int s = narrow_shift(h, Inverse, sf);
            for (int k = 0; k < n; ++k) {
                dst.r(k) = scale_round_sat<Vdx16s>(a[2 * k], s);
                dst.i(k) = scale_round_sat<Vdx16s>(a[2 * k + 1], s);
            }
            return vdxStsNoErr;
        }
    }

    WorkBuffer work(pBuffer, static_cast<int>(h.work_bytes));
    if (!work) return vdxStsMemAllocErr;
    F* buf = reinterpret_cast<F*>(work.data());
    const long long conv = conv_bytes<Fam>(n);
    void* innerWork = work.data() + conv;
    if (Fam::kShape == Shape::split) widen_split(src.re, src.im, buf, n);
    else widen(src.re, buf, 2 * n);
    const auto* inner = static_cast<const SpecHeader<F>*>(h.inner);
    const bool scale = (Inverse ? inner->inv_scale : inner->fwd_scale) != 0;
    // Out of place into the inner work area when it holds N elements and the
    // engine needs no buffer that way (faster than in place), else in place.
    F* out = static_cast<F*>(innerWork);
    if (h.work_bytes - conv >= 2LL * n * static_cast<long long>(sizeof(F)) && !work_needed<F>(inner->plan, buf, out)) {
        run_complex<F>(inner->plan, buf, out, Inverse, scale, inner->factor.value, nullptr);
    } else {
        run_complex<F>(inner->plan, buf, buf, Inverse, scale, inner->factor.value, innerWork);
        out = buf;
    }
    if (Fam::kShape == Shape::split) narrow_split(out, dst.re, dst.im, n, sf);
    else narrow(out, dst.re, 2 * n, sf);
    return vdxStsNoErr;
}

// ---------------------------------------------------------------- real transforms

// X[0..N/2] of a real signal (re, im pairs) into the layout, narrowed.
void core_store_layout(const std::int64_t* x, Vdx16s* dst, Layout layout, int n, int s) noexcept {
    dst[0] = scale_round_sat<Vdx16s>(x[0], s);
    if (layout == Layout::ccs) {
        dst[1] = 0;
        dst[n + 1] = 0;
    }
    dst[packed::nyquist_slot(layout, n)] = scale_round_sat<Vdx16s>(x[n], s);
    for (int k = 1; k < n / 2; ++k) {
        const int at = packed::re_slot(layout, k, n);
        dst[at] = scale_round_sat<Vdx16s>(x[2 * k], s);
        dst[at + 1] = scale_round_sat<Vdx16s>(x[2 * k + 1], s);
    }
}

template <class Fam, bool Inverse, Layout L>
VdxStatus real_transform(const typename Fam::Spec* pSpec, const void* pSrc, void* pDst, int sf,
                         Vdx8u* pBuffer) noexcept {
    using F = typename Fam::F;
    // Forward In -> Out; the inverse of R_16s32s reads Vdx32s and writes Vdx16s.
    using Src = std::conditional_t<Inverse, typename Fam::Out, typename Fam::In>;
    using Dst = std::conditional_t<Inverse, typename Fam::In, typename Fam::Out>;
    VDX_RETURN_IF_ERROR(check_object<IntObject<Fam>>(pSpec));
    if (any_null(pSrc, pDst)) return vdxStsNullPtrErr;
    const auto* src = static_cast<const Src*>(pSrc);
    auto* dst = static_cast<Dst*>(pDst);
    const auto& h = *reinterpret_cast<const Header<Fam>*>(pSpec);
    const int order = h.order, n = 1 << order;

    if constexpr (Fam::kWrap16) {
        if (order == 0) {
            const Vdx16s v = scale_round_sat<Vdx16s>(src[0], sf);
            dst[0] = v;
            if (!Inverse && L == Layout::ccs) dst[1] = 0;
            return vdxStsNoErr;
        }
        if (!h.use_float) {
            const int pre = 15 - order;
            std::int64_t a[16];
            if (!Inverse) {
                for (int k = 0; k < n; ++k) a[2 * k] = static_cast<std::int64_t>(src[k]) << pre, a[2 * k + 1] = 0;
            } else {
                // The conjugate-symmetric spectrum; I[0] and I[N/2] are 0.
                a[0] = static_cast<std::int64_t>(src[0]) << pre, a[1] = 0;
                a[n] = static_cast<std::int64_t>(src[packed::nyquist_slot(L, n)]) << pre, a[n + 1] = 0;
                for (int k = 1; k < n / 2; ++k) {
                    const int at = packed::re_slot(L, k, n);
                    a[2 * k] = a[2 * (n - k)] = static_cast<std::int64_t>(src[at]) << pre;
                    a[2 * k + 1] = static_cast<std::int64_t>(src[at + 1]) << pre;
                    a[2 * (n - k) + 1] = -a[2 * k + 1];
                }
            }
            core(h, a, Inverse);
            const int s = narrow_shift(h, Inverse, sf);
            if (!Inverse) {
                core_store_layout(a, dst, L, n, s);
            } else {
                for (int k = 0; k < n; ++k) dst[k] = scale_round_sat<Vdx16s>(a[2 * k], s);
            }
            return vdxStsNoErr;
        }
    }

    WorkBuffer work(pBuffer, static_cast<int>(h.work_bytes));
    if (!work) return vdxStsMemAllocErr;
    F* buf = reinterpret_cast<F*>(work.data());
    void* innerWork = work.data() + conv_bytes<Fam>(n);
    const auto& inner = *static_cast<const RealSpec<F>*>(h.inner);
    if (!Inverse) {
        widen(src, buf, n);
        real_forward<F>(inner, buf, buf, L, innerWork);
        narrow(buf, dst, packed::layout_reals(L, n), sf);
    } else {
        widen(src, buf, packed::layout_reals(L, n));
        real_inverse<F>(inner, buf, buf, L, innerWork);
        narrow(buf, dst, n, sf);
    }
    return vdxStsNoErr;
}

}  // namespace
}  // namespace vdx::fft

// ---- rows

using vdx::fft::Cplx;
using vdx::packed::Layout;

#define VDX_FFT_INT_SPEC_ROW(Fam, S) VDX_FFT_OBJECT_ROWS(S, vdx::fft::IntObject<vdx::fft::Fam>)

// Interleaved: C is the complex element type.
#define VDX_FFT_INT_INTERLEAVED_ROW(Fam, S, C, T, E)                                                                   \
    VDX_FFT_INT_SPEC_ROW(Fam, S)                                                                                       \
    extern "C" VdxStatus y8_vdxsFFTFwd_CToC_##E##_Sfs(const C* pSrc, C* pDst, const VdxsFFTSpec_##S* pSpec,            \
                                                      int scaleFactor, Vdx8u* pBuffer) noexcept {                      \
        return vdx::fft::complex_transform<vdx::fft::Fam, false>(                                                      \
            pSpec, Cplx<const T>{reinterpret_cast<const T*>(pSrc), nullptr},                                           \
            Cplx<T>{reinterpret_cast<T*>(pDst), nullptr}, scaleFactor, pBuffer);                                       \
    }                                                                                                                  \
    extern "C" VdxStatus y8_vdxsFFTInv_CToC_##E##_Sfs(const C* pSrc, C* pDst, const VdxsFFTSpec_##S* pSpec,            \
                                                      int scaleFactor, Vdx8u* pBuffer) noexcept {                      \
        return vdx::fft::complex_transform<vdx::fft::Fam, true>(                                                       \
            pSpec, Cplx<const T>{reinterpret_cast<const T*>(pSrc), nullptr},                                           \
            Cplx<T>{reinterpret_cast<T*>(pDst), nullptr}, scaleFactor, pBuffer);                                       \
    }                                                                                                                  \
    extern "C" VdxStatus y8_vdxsFFTFwd_CToC_##E##_ISfs(C* pSrcDst, const VdxsFFTSpec_##S* pSpec, int scaleFactor,      \
                                                       Vdx8u* pBuffer) noexcept {                                      \
        return y8_vdxsFFTFwd_CToC_##E##_Sfs(pSrcDst, pSrcDst, pSpec, scaleFactor, pBuffer);                            \
    }                                                                                                                  \
    extern "C" VdxStatus y8_vdxsFFTInv_CToC_##E##_ISfs(C* pSrcDst, const VdxsFFTSpec_##S* pSpec, int scaleFactor,      \
                                                       Vdx8u* pBuffer) noexcept {                                      \
        return y8_vdxsFFTInv_CToC_##E##_Sfs(pSrcDst, pSrcDst, pSpec, scaleFactor, pBuffer);                            \
    }

#define VDX_FFT_INT_SPLIT_ROW(Fam, S, T, E)                                                                            \
    VDX_FFT_INT_SPEC_ROW(Fam, S)                                                                                       \
    extern "C" VdxStatus y8_vdxsFFTFwd_CToC_##E##_Sfs(const T* pSrcRe, const T* pSrcIm, T* pDstRe, T* pDstIm,          \
                                                      const VdxsFFTSpec_##S* pSpec, int scaleFactor,                   \
                                                      Vdx8u* pBuffer) noexcept {                                       \
        return vdx::fft::complex_transform<vdx::fft::Fam, false>(pSpec, Cplx<const T>{pSrcRe, pSrcIm},                 \
                                                                 Cplx<T>{pDstRe, pDstIm}, scaleFactor, pBuffer);       \
    }                                                                                                                  \
    extern "C" VdxStatus y8_vdxsFFTInv_CToC_##E##_Sfs(const T* pSrcRe, const T* pSrcIm, T* pDstRe, T* pDstIm,          \
                                                      const VdxsFFTSpec_##S* pSpec, int scaleFactor,                   \
                                                      Vdx8u* pBuffer) noexcept {                                       \
        return vdx::fft::complex_transform<vdx::fft::Fam, true>(pSpec, Cplx<const T>{pSrcRe, pSrcIm},                  \
                                                                Cplx<T>{pDstRe, pDstIm}, scaleFactor, pBuffer);        \
    }                                                                                                                  \
    extern "C" VdxStatus y8_vdxsFFTFwd_CToC_##E##_ISfs(T* pSrcDstRe, T* pSrcDstIm, const VdxsFFTSpec_##S* pSpec,       \
                                                       int scaleFactor, Vdx8u* pBuffer) noexcept {                     \
        return y8_vdxsFFTFwd_CToC_##E##_Sfs(pSrcDstRe, pSrcDstIm, pSrcDstRe, pSrcDstIm, pSpec, scaleFactor,            \
                                            pBuffer);                                                                  \
    }                                                                                                                  \
    extern "C" VdxStatus y8_vdxsFFTInv_CToC_##E##_ISfs(T* pSrcDstRe, T* pSrcDstIm, const VdxsFFTSpec_##S* pSpec,       \
                                                       int scaleFactor, Vdx8u* pBuffer) noexcept {                     \
        return y8_vdxsFFTInv_CToC_##E##_Sfs(pSrcDstRe, pSrcDstIm, pSrcDstRe, pSrcDstIm, pSpec, scaleFactor,            \
                                            pBuffer);                                                                  \
    }

#define VDX_FFT_INT_REAL_DIR(Fam, S, T, Name, Inverse, L)                                                              \
    extern "C" VdxStatus y8_vdxs##Name##_##T##_Sfs(const Vdx##T* pSrc, Vdx##T* pDst, const VdxsFFTSpec_##S* pSpec,     \
                                                   int scaleFactor, Vdx8u* pBuffer) noexcept {                         \
        return vdx::fft::real_transform<vdx::fft::Fam, Inverse, L>(pSpec, pSrc, pDst, scaleFactor, pBuffer);           \
    }                                                                                                                  \
    extern "C" VdxStatus y8_vdxs##Name##_##T##_ISfs(Vdx##T* pSrcDst, const VdxsFFTSpec_##S* pSpec,                     \
                                                    int scaleFactor, Vdx8u* pBuffer) noexcept {                        \
        return vdx::fft::real_transform<vdx::fft::Fam, Inverse, L>(pSpec, pSrcDst, pSrcDst, scaleFactor,               \
                                                                   pBuffer);                                           \
    }

#define VDX_FFT_INT_REAL_ROW(Fam, S, T)                                                                                \
    VDX_FFT_INT_SPEC_ROW(Fam, S)                                                                                       \
    VDX_FFT_INT_REAL_DIR(Fam, S, T, FFTFwd_RToPack, false, Layout::pack)                                               \
    VDX_FFT_INT_REAL_DIR(Fam, S, T, FFTFwd_RToPerm, false, Layout::perm)                                               \
    VDX_FFT_INT_REAL_DIR(Fam, S, T, FFTFwd_RToCCS, false, Layout::ccs)                                                 \
    VDX_FFT_INT_REAL_DIR(Fam, S, T, FFTInv_PackToR, true, Layout::pack)                                                \
    VDX_FFT_INT_REAL_DIR(Fam, S, T, FFTInv_PermToR, true, Layout::perm)                                                \
    VDX_FFT_INT_REAL_DIR(Fam, S, T, FFTInv_CCSToR, true, Layout::ccs)

VDX_FFT_INT_INTERLEAVED_ROW(FamC16sc, C_16sc, Vdx16sc, Vdx16s, 16sc)
VDX_FFT_INT_SPLIT_ROW(FamC16s, C_16s, Vdx16s, 16s)
VDX_FFT_INT_REAL_ROW(FamR16s, R_16s, 16s)
VDX_FFT_INT_INTERLEAVED_ROW(FamC32sc, C_32sc, Vdx32sc, Vdx32s, 32sc)
VDX_FFT_INT_SPLIT_ROW(FamC32s, C_32s, Vdx32s, 32s)
VDX_FFT_INT_REAL_ROW(FamR32s, R_32s, 32s)

VDX_FFT_INT_SPEC_ROW(FamR16s32s, R_16s32s)
extern "C" VdxStatus y8_vdxsFFTFwd_RToCCS_16s32s_Sfs(const Vdx16s* pSrc, Vdx32s* pDst,
                                                     const VdxsFFTSpec_R_16s32s* pSpec, int scaleFactor,
                                                     Vdx8u* pBuffer) noexcept {
    return vdx::fft::real_transform<vdx::fft::FamR16s32s, false, Layout::ccs>(pSpec, pSrc, pDst, scaleFactor,
                                                                               pBuffer);
}
extern "C" VdxStatus y8_vdxsFFTInv_CCSToR_32s16s_Sfs(const Vdx32s* pSrc, Vdx16s* pDst,
                                                     const VdxsFFTSpec_R_16s32s* pSpec, int scaleFactor,
                                                     Vdx8u* pBuffer) noexcept {
    return vdx::fft::real_transform<vdx::fft::FamR16s32s, true, Layout::ccs>(pSpec, pSrc, pDst, scaleFactor,
                                                                              pBuffer);
}

#undef VDX_FFT_INT_REAL_ROW
#undef VDX_FFT_INT_REAL_DIR
#undef VDX_FFT_INT_SPLIT_ROW
#undef VDX_FFT_INT_INTERLEAVED_ROW
#undef VDX_FFT_INT_SPEC_ROW
