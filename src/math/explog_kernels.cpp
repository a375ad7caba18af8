// Exponential and logarithm kernels, written once against the vector layer
// and compiled once per instruction-set variant (VDX_ISA: a name of variants.def).
//
// e^x:  x = n ln2 + r with n = round(x / ln2) and |r| <= ln2 / 2 (the product
//       n ln2_hi is exact, so r loses nothing but the rounding of n ln2_lo);
//       e^r = 1 + r + r^2 (1/2 + r Q(r)); e^x = e^r 2^n, with 2^n added to
//       the exponent field.  1 + r is carried as its rounded value and its
//       exact error, so the result is rounded essentially once.  Vectors
//       with a lane whose result is not a normal number take a second path
//       that clamps x, scales by two powers of two in turn (the first product
//       is exact: only subnormal results are rounded a second time) and
//       copies NaN lanes through.
// ln x: x = 2^k m with m in [sqrt(1/2), sqrt(2)), f = m - 1 (exact);
//       ln x = k ln2 + ln(1 + f).  The sum k ln2_hi + f is carried as its
//       rounded value and its exact error (k ln2_hi is exact and at least as
//       large as f).  Float: ln(1 + f) = f + f^2 (-1/2 + f q(f)).  Double:
//       with s = f / (2 + f), ln(1 + f) = f - f^2/2 + s (f^2/2 + s^2 T(s^2)),
//       and f^2/2 too is split off exactly, so that what is rounded before
//       the last addition is small.  Vectors with a lane that is not a
//       positive normal finite number take a second path (subnormals scaled
//       up, element rules applied).
//
// The polynomials are minimax fits of the relative error (Remez exchange,
// computed in 60-digit arithmetic, then rounded to the working precision;
// scripts/explog_minimax.py prints them):
//   float  Q, degree 3 on |r| <= 0.3468:              e^r error 2^-27.8
//   double Q, degree 9 on |r| <= 0.3468:              e^r error 2^-63.5
//   float  q, degree 7 on f in [sqrt(1/2)-1, sqrt(2)-1]: ln error 2^-27.3
//   double T, degree 6 on s^2 <= 0.02944:             ln error 2^-59.5
//
// Vectors are processed whole; the tail (fewer elements than one vector)
// goes through a padded local vector, so every element gets the same
// arithmetic wherever it lies.
#include "math/explog_kernels.h"

#include <cstdint>

#include "simd/simd.h"

namespace vdx {
namespace VDX_ISA {
namespace {

using VF = Vec<float, kWidth>;
using VD = Vec<double, kWidth>;
using VI = Vec<std::int32_t, kWidth>;
using VU = Vec<std::uint64_t, kWidth>;

inline VF fconst(float x) { return VF::set1(x); }
inline VD dconst(double x) { return VD::set1(x); }
inline VI iconst(std::int32_t x) { return splat<VI>(x); }
inline VU uconst(std::uint64_t x) { return splat<VU>(static_cast<std::int64_t>(x)); }
inline VF fbits(std::uint32_t b) { return bits_to_float(iconst(static_cast<std::int32_t>(b))); }
inline VD dbits(std::uint64_t b) { return bits_to_double(uconst(b)); }

template <class V>
constexpr int all_lanes = (1 << V::lanes) - 1;

// An int32 lane mask (all ones or zeros per lane) as a float lane mask.
inline VF as_mask(VI m) { return bits_to_float(m); }

// Records the kind of the first offending lane when nothing is recorded yet.
inline void record_first(int& status, int zero_lanes, int negative_lanes) {
    const int any = zero_lanes | negative_lanes;
    if (status == 0 && any != 0) {
        const int lane = __builtin_ctz(static_cast<unsigned>(any));
        status = ((zero_lanes >> lane) & 1) ? vdxStsLnZeroArg : vdxStsLnNegArg;
    }
}

// ---------------------------------------------------------------- e^x, float

constexpr float kLog2eF = 0x1.715476p+0f;
constexpr float kShifterF = 0x1.8p23f;  // adding it leaves round(y) in the low bits
constexpr float kLn2HiF = 0x1.62e4p-1f;  // 15 bits: n * kLn2HiF is exact for |n| < 2^9
constexpr float kLn2LoF = 0x1.7f7d1cp-20f;
constexpr float kExpF[4] = {0x1.555466p-3f, 0x1.5553p-5f, 0x1.1257d8p-7f, 0x1.6fef62p-10f};

// e^r for the reduced argument, r = x - n ln2 with n = z - shifter.
inline VF exp_reduced(VF x, VF z) {
    const VF n = z - fconst(kShifterF);
    const VF r_hi = mul_add(n, fconst(-kLn2HiF), x);  // exact
    const VF r_lo = n * fconst(-kLn2LoF);
    const VF r = r_hi + r_lo;
    const VF r2 = r * r;
    VF q = mul_add(fconst(kExpF[3]), r, fconst(kExpF[2]));
    q = mul_add(q, r, fconst(kExpF[1]));
    q = mul_add(q, r, fconst(kExpF[0]));
    const VF t = mul_add(q, r, fconst(0.5f));
    // 1 + r_hi as its rounded value and its exact error: the rest is small.
    const VF a = fconst(1.0f) + r_hi;
    const VF a_error = (fconst(1.0f) - a) + r_hi;
    return a + mul_add(r2, t, a_error + r_lo);
}

// Lanes with |x| < 86.5: n in -125 .. 125, every result normal.
inline VF exp_f32_normal(VF x) {
    const VF z = mul_add(x, fconst(kLog2eF), fconst(kShifterF));
    const VF p = exp_reduced(x, z);
    // The low bits of z hold n: shifted up they are n << 23, the exponent step.
    return bits_to_float(float_bits(p) + (float_bits(z) << 23));
}

// Any lanes.  Below -104 the result rounds to 0, above 89 it overflows.
inline VF exp_f32_any(VF x) {
    const VF xc = min(max(x, fconst(-104.0f)), fconst(89.0f));
    const VF z = mul_add(xc, fconst(kLog2eF), fconst(kShifterF));
    const VF p = exp_reduced(xc, z);
    const VI n = float_bits(z) - float_bits(fconst(kShifterF));
    const VI n1 = n >> 1, n2 = n - n1;  // both within the normal exponents
    const VF s1 = bits_to_float((n1 + iconst(127)) << 23);
    const VF s2 = bits_to_float((n2 + iconst(127)) << 23);
    return select(mask_unordered(x), x, p * s1 * s2);
}

inline VF exp_f32(VF x) {
    const VF abs_x = and_bits(x, fbits(0x7FFFFFFFu));
    if (lane_bits(mask_lt(abs_x, fconst(86.5f))) == all_lanes<VF>) return exp_f32_normal(x);
    return exp_f32_any(x);
}

// ---------------------------------------------------------------- e^x, double

constexpr double kLog2eD = 0x1.71547652b82fep+0;
constexpr double kShifterD = 0x1.8p52;
constexpr double kLn2HiD = 0x1.62e42feep-1;  // n * kLn2HiD is exact for |n| < 2^20
constexpr double kLn2LoD = 0x1.a39ef35793c76p-33;
constexpr double kExpD[10] = {0x1.555555555555dp-3,  0x1.555555555556fp-5,  0x1.111111110e30fp-7,
                              0x1.6c16c16c07df0p-10, 0x1.a01a01b703314p-13, 0x1.a01a01fcbbe36p-16,
                              0x1.71dde78ee1daap-19, 0x1.27e40b8c8e36cp-22, 0x1.af7a71e160002p-26,
                              0x1.20d1cd910db65p-29};

inline VD exp_reduced(VD x, VD z) {
    const VD n = z - dconst(kShifterD);
    const VD r_hi = mul_add(n, dconst(-kLn2HiD), x);  // exact
    const VD r_lo = n * dconst(-kLn2LoD);
    const VD r = r_hi + r_lo;
    const VD r2 = r * r;
    const VD r4 = r2 * r2;
    // Estrin's scheme: pairs, then pairs of pairs (a shorter dependency chain).
    const VD p01 = mul_add(dconst(kExpD[1]), r, dconst(kExpD[0]));
    const VD p23 = mul_add(dconst(kExpD[3]), r, dconst(kExpD[2]));
    const VD p45 = mul_add(dconst(kExpD[5]), r, dconst(kExpD[4]));
    const VD p67 = mul_add(dconst(kExpD[7]), r, dconst(kExpD[6]));
    const VD p89 = mul_add(dconst(kExpD[9]), r, dconst(kExpD[8]));
    const VD p03 = mul_add(p23, r2, p01), p47 = mul_add(p67, r2, p45);
    const VD q = mul_add(mul_add(p89, r4, p47), r4, p03);
    const VD t = mul_add(q, r, dconst(0.5));
    const VD a = dconst(1.0) + r_hi;
    const VD a_error = (dconst(1.0) - a) + r_hi;
    return a + mul_add(r2, t, a_error + r_lo);
}

// Lanes with |x| < 708: n in -1021 .. 1021, every result normal.
inline VD exp_f64_normal(VD x) {
    const VD z = mul_add(x, dconst(kLog2eD), dconst(kShifterD));
    const VD p = exp_reduced(x, z);
    return bits_to_double(double_bits(p) + (double_bits(z) << 52));
}

// Any lanes.  Below -746 the result rounds to 0, above 710 it overflows.
inline VD exp_f64_any(VD x) {
    const VD xc = min(max(x, dconst(-746.0)), dconst(710.0));
    const VD z = mul_add(xc, dconst(kLog2eD), dconst(kShifterD));
    const VD p = exp_reduced(xc, z);
    const VD n = z - dconst(kShifterD);
    const VD n1 = round_down(n * dconst(0.5)), n2 = n - n1;
    // 2^j from the integer j in the low bits of j + shifter.
    const VU bias = uconst(std::uint64_t{1023} << 52);
    const VD s1 = bits_to_double((double_bits(n1 + dconst(kShifterD)) << 52) + bias);
    const VD s2 = bits_to_double((double_bits(n2 + dconst(kShifterD)) << 52) + bias);
    return select(mask_unordered(x), x, p * s1 * s2);
}

inline VD exp_f64(VD x) {
    const VD abs_x = and_bits(x, dbits(0x7FFFFFFFFFFFFFFFull));
    if (lane_bits(mask_lt(abs_x, dconst(708.0))) == all_lanes<VD>) return exp_f64_normal(x);
    return exp_f64_any(x);
}

// ---------------------------------------------------------------- ln x, float

constexpr std::int32_t kSqrtHalfBitsF = 0x3F3504F3;  // sqrt(1/2) rounded
constexpr float kLnF[8] = {0x1.555554p-2f,  -0x1.000226p-2f, 0x1.99a008p-3f, -0x1.547244p-3f,
                           0x1.22da1cp-3f, -0x1.0d8542p-3f, 0x1.055b6cp-3f, -0x1.38b588p-4f};

// c[0] + c[1] x + ... + c[7] x^7 by Estrin's scheme (x2 = x^2): pairs, then
// pairs of pairs, for a dependency chain of four steps instead of seven.
inline VF estrin8(VF x, VF x2, const float (&c)[8]) {
    const VF p01 = mul_add(fconst(c[1]), x, fconst(c[0]));
    const VF p23 = mul_add(fconst(c[3]), x, fconst(c[2]));
    const VF p45 = mul_add(fconst(c[5]), x, fconst(c[4]));
    const VF p67 = mul_add(fconst(c[7]), x, fconst(c[6]));
    const VF p03 = mul_add(p23, x2, p01), p47 = mul_add(p67, x2, p45);
    return mul_add(p47, x2 * x2, p03);
}

// ln x for positive normal finite lanes; k_adjust is added to the exponent
// (subnormals come scaled by 2^23 with k_adjust -23).
inline VF ln_f32_core(VF x, VI k_adjust) {
    const VI ix = float_bits(x);
    const VI tmp = ix - iconst(kSqrtHalfBitsF);
    const VF k = to_f32((tmp >> 23) + k_adjust);
    const VF f = bits_to_float(ix - (tmp & iconst(static_cast<std::int32_t>(0xFF800000u)))) - fconst(1.0f);
    const VF f2 = f * f;
    const VF t = mul_add(estrin8(f, f2, kLnF), f, fconst(-0.5f));  // ln(1 + f) = f + f^2 t
    // k ln2_hi is exact, so hi has one rounding and k ln2_hi - hi is exact
    // (|k ln2_hi| >= |f| unless k = 0): hi_error is hi's rounding error.
    const VF hi = mul_add(k, fconst(kLn2HiF), f);
    const VF hi_error = mul_sub(k, fconst(kLn2HiF), hi) + f;
    return hi + mul_add(f2, t, mul_add(k, fconst(kLn2LoF), hi_error));
}

// Every lane: the element rules, and the status of the first offender.
inline VF ln_f32_any(VF x, int& status) {
    const VI ix = float_bits(x);
    const VF negative = as_mask(cmpgt(iconst(0), ix));
    const VF zero = select(negative, VF::zero(), mask_eq(x, fconst(0.0f)));
    const VF subnormal = and_bits(mask_lt(fconst(0.0f), x), mask_lt(x, fconst(0x1p-126f)));
    const VF xs = select(subnormal, x * fconst(0x1p23f), x);
    const VI k_adjust = float_bits(and_bits(subnormal, bits_to_float(iconst(-23))));
    VF y = ln_f32_core(xs, k_adjust);
    // +inf and NaN through; then zeros and negatives.
    y = select(or_bits(mask_unordered(x), mask_le(fconst(__builtin_inff()), x)), x, y);
    y = select(zero, fbits(0xFF800000u), y);
    y = select(negative, fbits(0xFFC00000u), y);
    record_first(status, lane_bits(zero), lane_bits(negative));
    return y;
}

inline VF ln_f32(VF x, int& status) {
    // Positive normal finite: bits in [0x00800000, 0x7F800000); moved by
    // 0x7F800000 that range is [INT_MIN, -2^24) and everything else above.
    const VI normal = cmpgt(iconst(-0x01000000), float_bits(x) + iconst(0x7F800000));
    if (lane_bits(as_mask(normal)) == all_lanes<VF>) return ln_f32_core(x, iconst(0));
    return ln_f32_any(x, status);
}

// ---------------------------------------------------------------- ln x, double

constexpr std::uint64_t kSqrtHalfBitsD = 0x3FE6A09E667F3BCDull;
constexpr double kLnD[7] = {0x1.5555555555592p-1, 0x1.999999997fea9p-2, 0x1.24924941e4979p-2,
                            0x1.c71c5212f867ap-3, 0x1.74663d0d0e994p-3, 0x1.39a1e7df41892p-3,
                            0x1.2f03b6a1b4176p-3};

inline VD ln_f64_core(VD x, VD k_adjust) {
    const VU ix = double_bits(x);
    const VU tmp = ix - uconst(kSqrtHalfBitsD);
    // The top 12 bits of tmp are k as a 12-bit two's complement number:
    // flipping its sign bit gives k + 2048, read as a double beside 2^52.
    const VD k2048 = bits_to_double(((tmp >> 52) ^ uconst(0x800)) | uconst(0x4330000000000000ull));
    const VD k = (k2048 - dconst(0x1p52 + 2048.0)) + k_adjust;
    const VD f = bits_to_double(ix - (tmp & uconst(0xFFF0000000000000ull))) - dconst(1.0);
    const VD s = f / (f + dconst(2.0));
    const VD z = s * s;
    const VD z2 = z * z;
    const VD t01 = mul_add(dconst(kLnD[1]), z, dconst(kLnD[0]));
    const VD t23 = mul_add(dconst(kLnD[3]), z, dconst(kLnD[2]));
    const VD t45 = mul_add(dconst(kLnD[5]), z, dconst(kLnD[4]));
    const VD t = mul_add(mul_add(mul_add(dconst(kLnD[6]), z2, t45), z2, t23), z2, t01);
    // f^2/2 = h + h_lo exactly (h_lo rounded, but tiny).
#if defined(__FMA__)
    const VD half_f = dconst(0.5) * f;
    const VD h = half_f * f;
    const VD h_lo = mul_sub(half_f, f, h);
#else
    // f_hi keeps 26 significant bits of f, so its square is exact.
    const VD f_hi = and_bits(f, dbits(0xFFFFFFFFF8000000ull));
    const VD h = dconst(0.5) * f_hi * f_hi;
    const VD h_lo = dconst(0.5) * (f - f_hi) * (f + f_hi);
#endif
    // k ln2_hi + f - h, each sum as its rounded value and its exact error
    // (k ln2_hi is exact, and every first operand is at least as large as
    // the second).
    const VD hi1 = mul_add(k, dconst(kLn2HiD), f);
    const VD error1 = mul_sub(k, dconst(kLn2HiD), hi1) + f;
    const VD hi = hi1 - h;
    const VD error2 = (hi1 - hi) - h;
    // The rest: s (f^2/2 + s^2 T(s^2)) and the small terms.
    const VD small = mul_add(k, dconst(kLn2LoD), error1 + error2) - h_lo;
    return hi + mul_add(s, mul_add(z, t, h + h_lo), small);
}

inline VD ln_f64_any(VD x, int& status) {
    // The sign bit as a full lane mask: +-1.0 carrying x's sign, below zero.
    const VU sign_bit = uconst(0x8000000000000000ull);
    const VD negative = mask_lt(bits_to_double((double_bits(x) & sign_bit) | uconst(0x3FF0000000000000ull)),
                                dconst(0.0));
    const VD zero = select(negative, VD::zero(), mask_eq(x, dconst(0.0)));
    const VD subnormal = and_bits(mask_lt(dconst(0.0), x), mask_lt(x, dconst(0x1p-1022)));
    const VD xs = select(subnormal, x * dconst(0x1p54), x);
    const VD k_adjust = and_bits(subnormal, dconst(-54.0));
    VD y = ln_f64_core(xs, k_adjust);
    y = select(or_bits(mask_unordered(x), mask_le(dconst(__builtin_inf()), x)), x, y);
    y = select(zero, dbits(0xFFF0000000000000ull), y);
    y = select(negative, dbits(0xFFF8000000000000ull), y);
    record_first(status, lane_bits(zero), lane_bits(negative));
    return y;
}

inline VD ln_f64(VD x, int& status) {
    const VD normal = and_bits(mask_le(dconst(0x1p-1022), x), mask_lt(x, dconst(__builtin_inf())));
    if (lane_bits(normal) == all_lanes<VD>) return ln_f64_core(x, VD::zero());
    return ln_f64_any(x, status);
}

// ---------------------------------------------------------------- vector kernels

void exp_32f(const Vdx32f* src, Vdx32f* dst, int len) noexcept {
    for_each_vector_padded<VF::lanes>(src, dst, len, 0.0f,
                                      [](const float* s, float* d) { exp_f32(VF::loadu(s)).storeu(d); });
}

void exp_64f(const Vdx64f* src, Vdx64f* dst, int len) noexcept {
    for_each_vector_padded<VD::lanes>(src, dst, len, 0.0,
                                      [](const double* s, double* d) { exp_f64(VD::loadu(s)).storeu(d); });
}

void exp_32f64f(const Vdx32f* src, Vdx64f* dst, int len) noexcept {
    for_each_vector_padded<VD::lanes>(src, dst, len, 0.0f,
                           [](const float* s, double* d) { exp_f64(load_f32_as_f64<kWidth>(s)).storeu(d); });
}

int ln_32f(const Vdx32f* src, Vdx32f* dst, int len) noexcept {
    int status = 0;
    for_each_vector_padded<VF::lanes>(src, dst, len, 1.0f,
                           [&](const float* s, float* d) { ln_f32(VF::loadu(s), status).storeu(d); });
    return status;
}

int ln_64f(const Vdx64f* src, Vdx64f* dst, int len) noexcept {
    int status = 0;
    for_each_vector_padded<VD::lanes>(src, dst, len, 1.0,
                           [&](const double* s, double* d) { ln_f64(VD::loadu(s), status).storeu(d); });
    return status;
}

int ln_64f32f(const Vdx64f* src, Vdx32f* dst, int len) noexcept {
    int status = 0;
    for_each_vector_padded<VD::lanes>(src, dst, len, 1.0,
                           [&](const double* s, float* d) { store_f64_as_f32(d, ln_f64(VD::loadu(s), status)); });
    return status;
}

// ---------------------------------------------------------------- sums of logarithms

// One block of at most kSumLnBlock doubles.  Lanes accumulate separately and
// are added in lane order at the end.
int sum_ln_64f(const Vdx64f* src, int len, double* sum) noexcept {
    VD acc = VD::zero();
    int flags = 0;
    int ignored = 0;
    auto step = [&](VD x) {
        const VD normal = and_bits(mask_le(dconst(0x1p-1022), x), mask_lt(x, dconst(__builtin_inf())));
        if (lane_bits(normal) == all_lanes<VD>) {
            acc = acc + ln_f64_core(x, VD::zero());
            return;
        }
        const int negative = lane_bits(x);  // sign bits
        const int zero = lane_bits(mask_eq(x, dconst(0.0))) & ~negative;
        const int nan = lane_bits(mask_unordered(x)) & ~negative;
        flags |= (zero ? kSumLnZero : 0) | (negative ? kSumLnNegative : 0) | (nan ? kSumLnNaN : 0);
        acc = acc + ln_f64_any(x, ignored);
    };
    int i = 0;
    for (; i + VD::lanes <= len; i += VD::lanes) step(VD::loadu(src + i));
    if (i < len) {
        alignas(32) double tail[VD::lanes];
        for (int j = 0; j < VD::lanes; ++j) tail[j] = i + j < len ? src[i + j] : 1.0;
        step(VD::loadu(tail));
    }
    alignas(32) double lanes[VD::lanes];
    acc.storeu(lanes);
    double total = 0.0;
    for (int j = 0; j < VD::lanes; ++j) total += lanes[j];
    *sum = total;
    return flags;
}

int sum_ln_32f(const Vdx32f* src, int len, double* sum) noexcept {
    double wide[kSumLnBlock];
    const int n = len < kSumLnBlock ? len : kSumLnBlock;
    for (int i = 0; i < n; ++i) wide[i] = static_cast<double>(src[i]);
    return sum_ln_64f(wide, n, sum);
}

int sum_ln_16s(const Vdx16s* src, int len, double* sum) noexcept {
    double wide[kSumLnBlock];
    const int n = len < kSumLnBlock ? len : kSumLnBlock;
    for (int i = 0; i < n; ++i) wide[i] = static_cast<double>(src[i]);
    return sum_ln_64f(wide, n, sum);
}

}  // namespace

extern const ExpLogKernels explog_kernels = {
    .exp_32f = exp_32f,
    .exp_64f = exp_64f,
    .exp_32f64f = exp_32f64f,
    .ln_32f = ln_32f,
    .ln_64f = ln_64f,
    .ln_64f32f = ln_64f32f,
    .sum_ln_32f = sum_ln_32f,
    .sum_ln_64f = sum_ln_64f,
    .sum_ln_16s = sum_ln_16s,
};

}  // namespace VDX_ISA
}  // namespace vdx
