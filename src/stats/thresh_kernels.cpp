// Threshold kernels, written once against the vector layer and compiled once
// per instruction-set variant (VDX_ISA: a name of variants.def).  Complex elements
// have sections of their own below.
//
// Real elements: every test is one strict vector comparison and every
// replacement a blend, so a NaN element (or level) fails each test and
// passes through:
//   clamp:   min(hi, max(lo, x)) with the operand order of the processor's
//            min and max, which answer their second operand when the first
//            does not win strictly (NaN and equal elements are kept, so the
//            level 0 keeps a -0 element);
//   replace: a mask and a blend per test (x < lo, hi < x);
//   raise:   floats: |x| < level picks level with x's sign bit; integers:
//            0 <= x < level picks level, -level < x < 0 picks -level;
//   inverse: the raised value r, then 1 / r (one correctly rounded
//            division); r == 0 is reported.
// The floating-point kernels use no multiply-add and no approximation, so the
// two variants agree bit for bit.
//
// Vectors are processed whole, two per step; the tail (fewer elements than
// one vector) goes through a padded local vector, so every element gets the
// same arithmetic wherever it lies.  Each vector is loaded before its result
// is stored: the destination may be the source (in-place forms).
#include "stats/thresh_kernels.h"

#include <cstdint>

#include "simd/simd.h"

namespace vdx {
namespace VDX_ISA {
namespace {

// How one element type lies in vectors: load, store, broadcast and the
// strict comparison a < b as a lane mask.
template <class T>
struct Lane;

template <>
struct Lane<float> {
    using V = Vec<float, kWidth>;
    static V load(const float* p) { return V::loadu(p); }
    static void store(float* p, V v) { v.storeu(p); }
    static V bcast(float x) { return V::set1(x); }
    static V less(V a, V b) { return mask_lt(a, b); }
};
template <>
struct Lane<double> {
    using V = Vec<double, kWidth>;
    static V load(const double* p) { return V::loadu(p); }
    static void store(double* p, V v) { v.storeu(p); }
    static V bcast(double x) { return V::set1(x); }
    static V less(V a, V b) { return mask_lt(a, b); }
};
template <>
struct Lane<std::int16_t> {
    using V = Vec<std::int16_t, kWidth>;
    static V load(const std::int16_t* p) { return V::loadu(p); }
    static void store(std::int16_t* p, V v) { v.storeu(p); }
    static V bcast(std::int16_t x) { return splat<V>(x); }
    static V less(V a, V b) { return cmpgt(b, a); }
};
template <>
struct Lane<std::int32_t> {
    using V = Vec<std::int32_t, kWidth>;
    static V load(const std::int32_t* p) { return V::loadu(p); }
    static void store(std::int32_t* p, V v) { v.storeu(p); }
    static V bcast(std::int32_t x) { return splat<V>(x); }
    static V less(V a, V b) { return cmpgt(b, a); }
};

template <class T>
void clamp(const T* s, T* d, int n, T lo, T hi) noexcept {
    using L = Lane<T>;
    const auto vlo = L::bcast(lo), vhi = L::bcast(hi);
    for_each_vector_padded<L::V::lanes, 2>(s, d, n, T(0),
                             [&](const T* src, T* dst) { L::store(dst, min(vhi, max(vlo, L::load(src)))); });
}

template <class T, bool Low, bool High>
void replace(const T* s, T* d, int n, T lo, T lo_value, T hi, T hi_value) noexcept {
    using L = Lane<T>;
    const auto vlo = L::bcast(lo), vhi = L::bcast(hi);
    const auto vlo_value = L::bcast(lo_value), vhi_value = L::bcast(hi_value);
    for_each_vector_padded<L::V::lanes, 2>(s, d, n, T(0), [&](const T* src, T* dst) {
        const auto x = L::load(src);
        auto r = x;
        if constexpr (High) r = select(L::less(vhi, x), vhi_value, r);
        if constexpr (Low) r = select(L::less(x, vlo), vlo_value, r);
        L::store(dst, r);
    });
}

// Floats: x with its magnitude raised to level (level >= 0 or NaN).
template <class V>
inline V raised(V x, V level, V sign_bit) {
    const V sign = and_bits(x, sign_bit);
    const V magnitude = xor_bits(x, sign);
    return select(mask_lt(magnitude, level), or_bits(level, sign), x);
}

template <class T>
void raise_magnitude(const T* s, T* d, int n, T level) noexcept {
    using L = Lane<T>;
    using V = typename L::V;
    const V vlevel = L::bcast(level);
    if constexpr (T(0.5) != T(0)) {
        const V sign_bit = L::bcast(T(-0.0));
        for_each_vector_padded<L::V::lanes, 2>(s, d, n, T(0),
                                 [&](const T* src, T* dst) { L::store(dst, raised(L::load(src), vlevel, sign_bit)); });
    } else {
        const V zero = L::bcast(0), vneg = L::bcast(static_cast<T>(-level));
        for_each_vector_padded<L::V::lanes, 2>(s, d, n, T(0), [&](const T* src, T* dst) {
            const V x = L::load(src);
            const V negative = L::less(x, zero);
            const V raise_up = andnot(negative, L::less(x, vlevel));
            const V raise_down = negative & L::less(vneg, x);
            L::store(dst, select(raise_up, vlevel, select(raise_down, vneg, x)));
        });
    }
}

template <class T>
bool inverse(const T* s, T* d, int n, T level) noexcept {
    using L = Lane<T>;
    using V = typename L::V;
    const V vlevel = L::bcast(level), sign_bit = L::bcast(T(-0.0)), one = L::bcast(T(1)), zero = V::zero();
    V met = zero;
    // Padding with 1 keeps the tail from reporting a zero it does not hold.
    for_each_vector_padded<L::V::lanes, 2>(s, d, n, T(1), [&](const T* src, T* dst) {
        const V r = raised(L::load(src), vlevel, sign_bit);
        met = or_bits(met, mask_eq(r, zero));
        L::store(dst, one / r);
    });
    return any_lane(met);
}

// ---------------------------------------------------------------- 32fc
//
// One float vector holds VF::lanes / 2 elements; its halves are widened to
// double, where re^2 + im^2 (in both lanes of a pair), the tests and the
// new values are formed, and the results narrowed again.  Kept elements are
// blended in from the float vector itself, so they keep their bits.

using VF = Vec<float, kWidth>;
using VD = Vec<double, kWidth>;
constexpr int kComplexPerVector = VF::lanes / 2;

inline VF load_pairs(const Vdx32fc* p) { return VF::loadu(reinterpret_cast<const float*>(p)); }
inline void store_pairs(Vdx32fc* p, VF v) { v.storeu(reinterpret_cast<float*>(p)); }

inline VD magnitude2(VD x) {
    const VD p = x * x;
    return p + swap_re_im(p);
}

template <bool Lt>
inline VD passes(VD s, VD l2) {
    return Lt ? mask_lt(s, l2) : mask_lt(l2, s);
}

struct Constants {
    VD zero = VD::zero(), one = VD::set1(1.0), inf = VD::set1(__builtin_inf()), sign_bit = VD::set1(-0.0);
};

// x * level / |x| with s = |x|^2: a zero takes (level, 0), an element with
// an infinite part the direction of its infinite parts.
inline VD to_level(VD x, VD s, VD level, const Constants& k) {
    VD r = x * (level / sqrt(s));
    const VD zero_lanes = mask_eq(s, k.zero), inf_lanes = mask_eq(s, k.inf);
    if (any_lane(or_bits(zero_lanes, inf_lanes))) [[unlikely]] {
        r = select(zero_lanes, re_im(level, k.zero), r);
        const VD sign = and_bits(x, k.sign_bit);
        const VD unit = or_bits(sign, and_bits(mask_eq(xor_bits(x, sign), k.inf), k.one));
        r = select(inf_lanes, unit * (level / sqrt(magnitude2(unit))), r);
    }
    return r;
}

template <bool Lt>
void clamp_32fc(const Vdx32fc* s, Vdx32fc* d, int n, float level) noexcept {
    const Constants k;
    const VD vlevel = VD::set1(level), l2 = vlevel * vlevel;
    for_each_vector_padded<kComplexPerVector, 2>(s, d, n, Vdx32fc{0, 0}, [&](const Vdx32fc* src, Vdx32fc* dst) {
        const VF x = load_pairs(src);
        const VD lo = to_f64_lo(x), hi = to_f64_hi(x);
        const VD s_lo = magnitude2(lo), s_hi = magnitude2(hi);
        const VF hit = to_f32(passes<Lt>(s_lo, l2), passes<Lt>(s_hi, l2));
        if (!any_lane(hit)) {
            store_pairs(dst, x);
            return;
        }
        const VF r = to_f32(to_level(lo, s_lo, vlevel, k), to_level(hi, s_hi, vlevel, k));
        store_pairs(dst, select(hit, r, x));
    });
}

template <bool Lt>
void replace_32fc(const Vdx32fc* s, Vdx32fc* d, int n, float level, Vdx32fc value) noexcept {
    const VD vlevel = VD::set1(level), l2 = vlevel * vlevel;
    const VF v = set_pairs<kWidth>(value.re, value.im);
    for_each_vector_padded<kComplexPerVector, 2>(s, d, n, Vdx32fc{0, 0}, [&](const Vdx32fc* src, Vdx32fc* dst) {
        const VF x = load_pairs(src);
        const VF hit = to_f32(passes<Lt>(magnitude2(to_f64_lo(x)), l2), passes<Lt>(magnitude2(to_f64_hi(x)), l2));
        store_pairs(dst, select(hit, v, x));
    });
}

// conj(x) / |x|^2, or conj(x) / (|x| level) below the level; a zero gives
// (1 / level, 0) below a positive level and (+inf, 0) with a zero level (a
// lane of `met`), an infinite part signed zeros.
inline VD inverse_pairs(VD x, VD vlevel, VD l2, VD& met, const Constants& k) {
    const VD s = magnitude2(x);
    const VD below = mask_lt(s, l2);
    const VD conj = xor_bits(x, re_im(k.zero, k.sign_bit));
    VD r = conj / select(below, vlevel * sqrt(s), s);
    const VD zero_lanes = mask_eq(s, k.zero), inf_lanes = mask_eq(s, k.inf);
    if (any_lane(or_bits(zero_lanes, inf_lanes))) [[unlikely]] {
        const VD uninvertible = select(below, k.zero, zero_lanes);
        met = or_bits(met, uninvertible);
        r = select(zero_lanes, re_im(k.one / vlevel, k.zero), r);
        r = select(uninvertible, re_im(k.inf, k.zero), r);
        r = select(inf_lanes, and_bits(conj, k.sign_bit), r);
    }
    return r;
}

bool inverse_32fc(const Vdx32fc* s, Vdx32fc* d, int n, float level) noexcept {
    const Constants k;
    const VD vlevel = VD::set1(level), l2 = vlevel * vlevel;
    VD met = k.zero;
    for_each_vector_padded<kComplexPerVector, 2>(s, d, n, Vdx32fc{1, 0}, [&](const Vdx32fc* src, Vdx32fc* dst) {
        const VF x = load_pairs(src);
        const VD lo = inverse_pairs(to_f64_lo(x), vlevel, l2, met, k);
        const VD hi = inverse_pairs(to_f64_hi(x), vlevel, l2, met, k);
        store_pairs(dst, to_f32(lo, hi));
    });
    return any_lane(met);
}

// ---------------------------------------------------------------- 16sc
//
// re^2 + im^2 of each element is exact in its 32-bit lane (one multiply-add
// of the 16-bit pairs); only (-32768, -32768) reaches 2^31, so the lanes are
// compared as unsigned numbers (sign bits flipped, then a signed test).

using VS = Vec<std::int16_t, kWidth>;
using VI = Vec<std::int32_t, kWidth>;

template <bool Lt>
void replace_16sc(const Vdx16sc* s, Vdx16sc* d, int n, Vdx16s level, Vdx16sc value) noexcept {
    const VI flip = splat<VI>(INT32_MIN);
    const VI l2 = splat<VI>(std::int32_t{level} * level) ^ flip;
    std::uint32_t bits;
    __builtin_memcpy(&bits, &value, sizeof bits);
    const VI v = splat<VI>(static_cast<std::int32_t>(bits));
    for_each_vector_padded<VI::lanes, 2>(s, d, n, Vdx16sc{0, 0}, [&](const Vdx16sc* src, Vdx16sc* dst) {
        const VS x = VS::loadu(src);
        const VI q = madd(x, x) ^ flip;
        const VI hit = Lt ? cmpgt(l2, q) : cmpgt(q, l2);
        select(hit, v, lanes_as<std::int32_t>(x)).storeu(dst);
    });
}

// The clamps widen each element to double (exact), where the 32fc
// operations apply; the new values are rounded half to even and saturated.
template <bool Lt>
void clamp_16sc(const Vdx16sc* s, Vdx16sc* d, int n, Vdx16s level) noexcept {
    const Constants k;
    const VD vlevel = VD::set1(level), l2 = vlevel * vlevel;
    for_each_vector_padded<VI::lanes / 2, 2>(s, d, n, Vdx16sc{0, 0}, [&](const Vdx16sc* src, Vdx16sc* dst) {
        const VI x = load_as_i32<std::int16_t, kWidth>(reinterpret_cast<const std::int16_t*>(src));
        VD lo = to_f64_lo(x), hi = to_f64_hi(x);
        const VD s_lo = magnitude2(lo), s_hi = magnitude2(hi);
        const VD hit_lo = passes<Lt>(s_lo, l2), hit_hi = passes<Lt>(s_hi, l2);
        if (any_lane(or_bits(hit_lo, hit_hi))) {
            lo = select(hit_lo, round_even(to_level(lo, s_lo, vlevel, k)), lo);
            hi = select(hit_hi, round_even(to_level(hi, s_hi, vlevel, k)), hi);
        }
        store_from_i32<std::int16_t, kWidth>(reinterpret_cast<std::int16_t*>(dst), to_i32(lo, hi));
    });
}

// ---------------------------------------------------------------- 64fc
//
// The rules are those of 32fc with long double (64-bit significand, 15-bit
// exponent) as the wide type, where re^2 + im^2 neither overflows nor
// underflows and carries 11 bits more than a double.  The scalar forms below
// decide and compute every element; the vectors only sort out, in double,
// the elements whose test is clear: for a level with level^2 in [2^-900,
// 2^900], a double sum q outside l2 (1 +- 2^-48) lies on the same side as
// the exact one (q is within 2^-51 of it, relatively, or within 2^-1073 when
// a square underflows; an overflow means the element is far above).  A
// vector whose elements all fail their test clearly is stored unchanged;
// value forms blend clear vectors; anything else, and every element under
// other levels, goes through the scalar forms.

using LD = long double;

inline LD magnitude2(const Vdx64fc& z) {
    const LD re = z.re, im = z.im;
    return re * re + im * im;
}

inline Vdx64fc to_level(const Vdx64fc& z, LD q, LD level) {
    if (q == 0) return {static_cast<double>(level), 0};
    LD re = z.re, im = z.im;
    if (__builtin_isinf(q)) {
        re = __builtin_isinf(re) ? __builtin_copysignl(1, re) : __builtin_copysignl(0, re);
        im = __builtin_isinf(im) ? __builtin_copysignl(1, im) : __builtin_copysignl(0, im);
        q = re * re + im * im;
    }
    const LD f = level / __builtin_sqrtl(q);
    return {static_cast<double>(re * f), static_cast<double>(im * f)};
}

template <bool Lt>
inline bool passes(LD q, LD l2) {
    return Lt ? q < l2 : q > l2;
}

// The band of double sums that the vectors leave to the scalar forms: all of
// them when level^2 is outside [2^-900, 2^900].
struct Band {
    VD l2, lo, hi;
    explicit Band(double level) {
        const double l2d = level * level;
        const bool sure = l2d >= 0x1p-900 && l2d <= 0x1p900;
        l2 = VD::set1(l2d);
        lo = VD::set1(sure ? l2d * (1 - 0x1p-48) : 0.0);
        hi = VD::set1(sure ? l2d * (1 + 0x1p-48) : __builtin_inf());
    }
    VD unsure(VD q) const { return and_bits(mask_le(lo, q), mask_le(q, hi)); }
};

constexpr int kComplex64PerVector = VD::lanes / 2;

template <bool Lt>
void clamp_64fc(const Vdx64fc* s, Vdx64fc* d, int n, double level) noexcept {
    const Band band(level);
    const LD l = level, l2 = l * l;
    for_each_vector_padded<kComplex64PerVector, 2>(s, d, n, Vdx64fc{0, 0}, [&](const Vdx64fc* src, Vdx64fc* dst) {
        const VD x = VD::loadu(reinterpret_cast<const double*>(src));
        const VD q = magnitude2(x);
        if (!any_lane(or_bits(passes<Lt>(q, band.l2), band.unsure(q)))) {
            x.storeu(reinterpret_cast<double*>(dst));
            return;
        }
        for (int j = 0; j < kComplex64PerVector; ++j) {
            const Vdx64fc z = src[j];
            const LD zq = magnitude2(z);
            dst[j] = passes<Lt>(zq, l2) ? to_level(z, zq, l) : z;
        }
    });
}

template <bool Lt>
void replace_64fc(const Vdx64fc* s, Vdx64fc* d, int n, double level, Vdx64fc value) noexcept {
    const Band band(level);
    const LD l2 = LD(level) * level;
    const VD v = set_pairs<kWidth>(value.re, value.im);
    for_each_vector_padded<kComplex64PerVector, 2>(s, d, n, Vdx64fc{0, 0}, [&](const Vdx64fc* src, Vdx64fc* dst) {
        const VD x = VD::loadu(reinterpret_cast<const double*>(src));
        const VD q = magnitude2(x);
        if (!any_lane(band.unsure(q))) {
            select(passes<Lt>(q, band.l2), v, x).storeu(reinterpret_cast<double*>(dst));
            return;
        }
        for (int j = 0; j < kComplex64PerVector; ++j) {
            const Vdx64fc z = src[j];
            dst[j] = passes<Lt>(magnitude2(z), l2) ? value : z;
        }
    });
}

// The 32fc rule in long double, element by element.
bool inverse_64fc(const Vdx64fc* s, Vdx64fc* d, int n, double level) noexcept {
    const LD l = level, l2 = l * l;
    bool met = false;
    for (int i = 0; i < n; ++i) {
        const Vdx64fc z = s[i];
        const LD re = z.re, im = z.im, q = magnitude2(z);
        Vdx64fc out;
        if (q < l2) {
            if (q == 0) {
                out = {static_cast<double>(1 / l), 0};
            } else {
                const LD den = l * __builtin_sqrtl(q);
                out = {static_cast<double>(re / den), static_cast<double>(-im / den)};
            }
        } else if (q == 0) {
            met = true;
            out = {__builtin_inf(), 0};
        } else if (__builtin_isinf(q)) {
            out = {__builtin_copysign(0.0, z.re), __builtin_copysign(0.0, -z.im)};
        } else {
            out = {static_cast<double>(re / q), static_cast<double>(-im / q)};
        }
        d[i] = out;
    }
    return met;
}

template <class T>
constexpr ThreshRealSet<T> real_set() {
    return {
        .clamp = clamp<T>,
        .replace = {replace<T, true, false>, replace<T, false, true>, replace<T, true, true>},
        .raise_magnitude = raise_magnitude<T>,
    };
}

}  // namespace

const ThreshKernels thresh_kernels = {
    .s16 = real_set<Vdx16s>(),
    .s32 = real_set<Vdx32s>(),
    .f32 = real_set<Vdx32f>(),
    .f64 = real_set<Vdx64f>(),
    // The complex kernels take Lt: [0] is LT, [1] GT.
    .c16 = {.clamp = {clamp_16sc<true>, clamp_16sc<false>}, .replace = {replace_16sc<true>, replace_16sc<false>}},
    .c32 = {.clamp = {clamp_32fc<true>, clamp_32fc<false>}, .replace = {replace_32fc<true>, replace_32fc<false>}},
    .c64 = {.clamp = {clamp_64fc<true>, clamp_64fc<false>}, .replace = {replace_64fc<true>, replace_64fc<false>}},
    .inverse_32f = inverse<Vdx32f>,
    .inverse_64f = inverse<Vdx64f>,
    .inverse_32fc = inverse_32fc,
    .inverse_64fc = inverse_64fc,
};

}  // namespace VDX_ISA
}  // namespace vdx
