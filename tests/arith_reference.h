// Arithmetic family, black box: the harness of the floating-point and integer
// test binaries.  Every member is one row: its function and the element rule
// written from the arithmetic itself (exact integers scaled, rounded by the
// mode and saturated; one IEEE operation per element, nothing fused).  A run
// places the vectors between poisoned guards or against inaccessible pages,
// fills them from pools rich in extremes, ties and near-bound results, and
// compares bit for bit.
#pragma once

#include <gtest/gtest.h>
#include <xmmintrin.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstring>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "exact_rules.h"
#include "guarded_memory.h"
#include "vdxcore.h"
#include "vdxs.h"

namespace arith_test {

using namespace exact;

template <class T>
inline constexpr bool is_complex_v = requires(T v) { v.re; };

// Real and imaginary parts of any element (a real's imaginary part is 0).
template <class T>
auto re_of(const T& v) {
    if constexpr (is_complex_v<T>) return v.re;
    else return v;
}
template <class T>
using part_t = decltype(re_of(std::declval<T>()));
template <class T>
part_t<T> im_of(const T& v) {
    if constexpr (is_complex_v<T>) return v.im;
    else return part_t<T>(0);
}

template <class P>
bool same_part(P a, P b) {
    if constexpr (std::is_floating_point_v<P>) {
        if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
        return std::memcmp(&a, &b, sizeof(P)) == 0;  // -0 differs from +0
    } else {
        return a == b;
    }
}
template <class T>
bool same(const T& a, const T& b) { return same_part(re_of(a), re_of(b)) && same_part(im_of(a), im_of(b)); }
template <class T>
bool is_zero(const T& v) { return re_of(v) == 0 && im_of(v) == 0; }

// An element for failure messages: integers as they are, floats in hex.
template <class T>
std::string show(const T& v) {
    std::ostringstream os;
    os << std::hexfloat << +re_of(v);
    if constexpr (is_complex_v<T>) os << ", " << +im_of(v);
    return os.str();
}

inline std::mt19937_64& rng() {
    static std::mt19937_64 g{0xA517C0DEull};
    return g;
}

template <class P>
P random_bits() {
    P v;
    const auto r = rng()();
    std::memcpy(&v, &r, sizeof(P));
    return v;
}

// Integers: extremes, small values, values near the bounds, random bits, and
// a large share of odd * 2^j: sums and products of those land exactly on a
// rounding tie for every scale factor, and so do their quotients.
template <class P>
P pick_int() {
    auto& g = rng();
    const i128 lo = lo_of<P>(), hi = hi_of<P>();
    auto fit = [&](i128 v) { return P(clamp128(v, lo, hi)); };
    const bool neg = std::is_signed_v<P> && (g() & 1);
    switch (g() % 10) {
        case 0: return fit(std::array<i128, 9>{lo, hi, 0, 1, -1, lo + 1, hi - 1, 2, -2}[g() % 9]);
        case 1: case 2: case 3: {
            const i128 odd = 1 + 2 * i128(g() % 8);
            int j = int(g() % (8 * sizeof(P)));
            while (j > 0 && (odd << j) > hi) --j;
            return fit(neg ? -(odd << j) : (odd << j));
        }
        case 4: return fit(i128(g() % 11) - 5);
        case 5: return fit(neg ? lo + i128(g() % 4) : hi - i128(g() % 4));
        default: return random_bits<P>();
    }
}

// Floats: specials, small dyadic values (products that tie when rounded to
// integers), random bits, and mostly full-mantissa values of moderate
// exponent (whose products and sums all round).
template <class F>
F special_float() {
    using L = std::numeric_limits<F>;
    const F sp[] = {F(0),     -F(0),       L::infinity(), -L::infinity(),   L::quiet_NaN(),         -L::quiet_NaN(), L::max(),
                    L::lowest(), L::min(), L::denorm_min(), -L::denorm_min(), F(3) * L::denorm_min(), F(1),  F(-1),
                    F(0.5),   F(-2)};
    return sp[rng()() % std::size(sp)];
}
template <class F>
F pick_float() {
    auto& g = rng();
    switch (g() % 16) {
        case 0: return special_float<F>();
        case 1: return random_bits<F>();
        case 2: case 3: return F(int(g() % 161) - 80) / F(1 << (g() % 3));
        default: {
            const F v = std::ldexp(F(1) + F(g() >> 11) * F(0x1p-53), int(g() % 49) - 24);
            return (g() & 1) ? -v : v;
        }
    }
}

// Complex values: a share purely real or imaginary, or zero (zero parts
// matter to products and quotients, and make zero divisors).
template <class T, class One>
T make(One one) {
    if constexpr (is_complex_v<T>) {
        T v{one(), one()};
        const auto r = rng()() % 16;
        if (r == 0 || r == 2) v.im = 0;
        if (r == 1 || r == 2) v.re = 0;
        return v;
    } else {
        return one();
    }
}
template <class T>
T pick() {
    using P = part_t<T>;
    return make<T>([] {
        if constexpr (std::is_floating_point_v<P>) return pick_float<P>();
        else return pick_int<P>();
    });
}

// Constants: a quarter of them special values, the rest from the pool.
template <class T>
T pick_constant() {
    using P = part_t<T>;
    if (rng()() % 4 != 0) return pick<T>();
    return make<T>([] {
        if constexpr (std::is_floating_point_v<P>) return special_float<P>();
        const i128 ex[] = {lo_of<P>(), hi_of<P>(), 0, 1, lo_of<P>() + 1, hi_of<P>() - 1, std::is_signed_v<P> ? -1 : 2};
        return P(ex[rng()() % 7]);
    });
}

template <class T>
T nonzero(T v) {
    while (is_zero(v)) v = pick<T>();
    return v;
}
inline int trailing_zeros(u128 m) {
    int n = 0;
    for (; m && !(m & 1); m >>= 1) ++n;
    return n;
}

// Rules: apply<D>(l, r, sf, mode) gives l OP r (l: the dividend, the
// minuend); divides: zero divisors (r) are reported; adjust(x, y) narrows
// operands where exact results are promised only for some.  Ties and bounds
// need no aiming: the pools' odd * 2^j values and near-bound values hit them.

enum class Op { add, sub, mul, div };

struct RuleBase {
    static constexpr bool divides = false, accumulates = false;
    template <class X, class Y>
    static void adjust(X&, const Y&) {}
};

template <class F>
F div_by_zero(F n) {
    if (n > 0) return std::numeric_limits<F>::infinity();
    if (n < 0) return -std::numeric_limits<F>::infinity();
    return std::numeric_limits<F>::quiet_NaN();
}

// One IEEE operation in F.
template <class F>
F fop(Op op, F a, F b) {
    volatile F va = a, vb = b;
    volatile F r = 0;
    switch (op) {
        case Op::add: r = va + vb; break;
        case Op::sub: r = va - vb; break;
        case Op::mul: r = va * vb; break;
        case Op::div:
            if (b == F(0)) return div_by_zero(a);
            r = va / vb;
            break;
    }
    return r;
}

template <Op O>
struct FloatRule : RuleBase {
    static constexpr bool divides = O == Op::div;
    template <class D, class L, class R>
    static D apply(const L& l, const R& r, int, int) {
        using F = part_t<D>;
        if constexpr (!is_complex_v<D>) {
            return fop(O, F(l), F(r));  // integer operands convert exactly
        } else if constexpr (is_complex_v<L> && is_complex_v<R>) {
            const F a = l.re, b = l.im, c = r.re, d = r.im;
            if constexpr (O == Op::add || O == Op::sub) return D{fop(O, a, c), fop(O, b, d)};
            if constexpr (O == Op::mul)
                return D{fop(Op::sub, fop(Op::mul, a, c), fop(Op::mul, b, d)),
                         fop(Op::add, fop(Op::mul, a, d), fop(Op::mul, b, c))};
            if (c == 0 && d == 0) return D{div_by_zero(a), div_by_zero(b)};
            const F den = fop(Op::add, fop(Op::mul, c, c), fop(Op::mul, d, d));
            return D{fop(Op::div, fop(Op::add, fop(Op::mul, a, c), fop(Op::mul, b, d)), den),
                     fop(Op::div, fop(Op::sub, fop(Op::mul, b, c), fop(Op::mul, a, d)), den)};
        } else {
            static_assert(O == Op::mul, "only products mix real and complex operands");
            const F s = is_complex_v<R> ? F(re_of(l)) : F(re_of(r));
            const auto& z = [&]() -> const auto& {
                if constexpr (is_complex_v<R>) return r;
                else return l;
            }();
            return D{fop(Op::mul, s, z.re), fop(Op::mul, s, z.im)};
        }
    }
};

// Exact integer result, scaled by 2^-sf, rounded half to even, saturated
// (members without a scale factor run with sf = 0: plain saturation).
template <Op O>
struct IntRule : RuleBase {
    template <class D, class L, class R>
    static D apply(const L& l, const R& r, int sf, int) {
        using P = part_t<D>;
        const i128 a = re_of(l), b = im_of(l), c = re_of(r), d = im_of(r);
        const i128 pr = O == Op::add ? a + c : O == Op::sub ? a - c : a * c - b * d;
        const i128 pi = O == Op::add ? b + d : O == Op::sub ? b - d : a * d + b * c;
        if constexpr (is_complex_v<D>) return D{scaled<P>(pr, sf), scaled<P>(pi, sf)};
        else return scaled<P>(pr, sf);
    }
};

// The integer result of a division by zero: the bound on the dividend's side.
template <class P>
P bound_by_sign(i128 n) {
    return n > 0 ? P(hi_of<P>()) : (n < 0 ? P(lo_of<P>()) : P(0));
}

// Integer quotient l / r, exact, scaled, rounded by the call's mode, saturated;
// complex: ((ac + bd) + (bc - ad) i) / (c^2 + d^2), each part rounded.
struct QuotientRule : RuleBase {
    static constexpr bool divides = true;
    template <class D, class L, class R>
    static D apply(const L& l, const R& r, int sf, int mode) {
        using P = part_t<D>;
        const i128 a = re_of(l), b = im_of(l), c = re_of(r), d = im_of(r);
        auto q = [&](i128 n, i128 den) { return P(quotient(n, den, sf, mode, lo_of<P>(), hi_of<P>())); };
        if constexpr (!is_complex_v<D>) {
            return c == 0 ? bound_by_sign<P>(a) : q(a, c);
        } else {
            if (c == 0 && d == 0) return D{bound_by_sign<P>(a), bound_by_sign<P>(b)};
            return D{q(a * c + b * d, c * c + d * d), q(b * c - a * d, c * c + d * d)};
        }
    }
};

// Float product (one rounding in float), then times 2^-sf exactly, rounded
// half to even, saturated; NaN gives 0.
struct FloatProductToIntRule : RuleBase {
    template <class D, class L, class R>
    static D apply(const L& l, const R& r, int sf, int) {
        return scaled_float<D>(fop(Op::mul, l, L(r)), sf);
    }
};

// val (double) times a 64-bit integer, exactly, times 2^-sf, rounded half to
// even, saturated: exact only within 64 significant bits, so generated
// integers keep as many leading bits as the constant's mantissa leaves.
struct DoubleTimesInt64Rule : RuleBase {
    static std::int64_t mantissa(double v, int* exp) {
        int e = 0;
        const double f = std::frexp(v, &e);
        *exp = e - 53;
        return static_cast<std::int64_t>(std::ldexp(f, 53));
    }
    static void adjust(Vdx64s& x, const Vdx64f& val) {
        if (!std::isfinite(val) || val == 0) return;
        int e;
        const u128 m = magnitude(mantissa(val, &e));
        const int keep = 64 - (bit_length(m) - trailing_zeros(m));
        const u128 ux = magnitude(x);
        const int drop = bit_length(ux) - keep;
        const u128 kept = drop > 0 ? ux & ~((u128(1) << drop) - 1) : ux;
        x = static_cast<Vdx64s>(x < 0 ? -static_cast<i128>(kept) : static_cast<i128>(kept));
    }
    template <class D, class L, class R>
    static D apply(const L& x, const R& val, int sf, int) {
        if (std::isnan(val) || (std::isinf(val) && x == 0)) return 0;
        if (std::isinf(val)) return (val > 0) == (x > 0) ? INT64_MAX : INT64_MIN;
        if (val == 0 || x == 0) return 0;
        int e;
        const i128 m = mantissa(val, &e);
        return scaled<Vdx64s>(m * i128(x), static_cast<long long>(sf) - e);
    }
};

// acc + x * y: floats as two IEEE operations (the product rounded, then the
// sum), integers as one exact result scaled, rounded and saturated.
struct FloatMacRule : RuleBase {
    static constexpr bool accumulates = true;
    template <class D, class X, class Y>
    static D accumulate(const D& acc, const X& x, const Y& y, int sf) {
        const D p = FloatRule<Op::mul>::apply<D>(x, y, sf, vdxRndNear);
        return FloatRule<Op::add>::apply<D>(acc, p, sf, vdxRndNear);
    }
};
struct IntMacRule : RuleBase {
    static constexpr bool accumulates = true;
    template <class D, class X, class Y>
    static D accumulate(const D& acc, const X& x, const Y& y, int sf) {
        return scaled<D>(i128(acc) + i128(x) * i128(y), sf);
    }
};

enum class Shape {
    vv,    // (src1[], src2[], dst[], len)
    vvi,   // (src[], srcDst[], len)
    vc,    // (src[], val, dst[], len)
    vci,   // (val, srcDst[], len)
    mac,   // (src1[], src2[], srcDst[], len): srcDst += src1 * src2
    macc,  // (src[], val, srcDst[], len): srcDst += src * val
};

enum class Place { guarded, fence_low, fence_high };

// Three page-fenced regions (one per vector role), shared by every run.
inline Fenced& fences(int role, std::size_t bytes) {
    static Fenced regions[3] = {Fenced(1 << 17), Fenced(1 << 17), Fenced(1 << 17)};
    if (bytes > regions[role].capacity()) std::abort();
    return regions[role];
}

struct RunOptions {
    int len = 1;
    int sf = 0;
    int mode = vdxRndNear;
    Place place = Place::guarded;
    int misalign = 0;                  // 0 .. 26: one of {0, 1, 3} elements for each of three vectors
    bool avoid_zero_divisor = false;   // replace generated zero divisors
    std::vector<int> zero_divisor_at = {};  // divisor elements forced to zero
};

// The scale factors every Sfs member runs with: each regime of the rule
// (rounding shifts, everything rounding to 0, left shifts, sign saturation)
// and the extremes of the argument.
inline std::vector<int> scale_factors() {
    std::vector<int> out = {31, 32, 63, 64, 200, INT_MAX, -31, -32, -63, -64, -200, INT_MIN};
    for (int sf = -20; sf <= 20; ++sf) out.push_back(sf);
    return out;
}

enum Flags : unsigned { kPlain = 0, kSfs = 1, kRound = 2, kZeroConstantError = 4 };

class MemberBase {
public:
    MemberBase(std::string name, unsigned flags) : name_(std::move(name)), flags_(flags) {}
    virtual ~MemberBase() = default;
    const std::string& name() const { return name_; }
    bool sfs() const { return flags_ & kSfs; }
    bool round() const { return flags_ & kRound; }
    bool zero_constant_error() const { return flags_ & kZeroConstantError; }
    virtual bool float_destination() const = 0;

    // One call on fresh data, compared element by element with the rule.
    virtual ::testing::AssertionResult run(const RunOptions& o) const = 0;
    // The rejections particular to the member; nothing may be written.
    virtual void check_rejections() const = 0;

    std::vector<int> scale_factor_list() const { return sfs() ? scale_factors() : std::vector<int>{0}; }
    std::vector<int> modes() const {
        return round() ? std::vector<int>{vdxRndZero, vdxRndNear, vdxRndFinancial} : std::vector<int>{vdxRndNear};
    }

private:
    std::string name_;
    unsigned flags_;
};

// Uniform call: (x, y, dst, len, sf, mode).
template <class X, class Y, class D>
using Call = VdxStatus (*)(const X*, const Y*, D*, int, int, int);

template <Shape S, bool Swapped, class X, class Y, class D, class Rule>
class Member final : public MemberBase {
public:
    Member(std::string name, Call<X, Y, D> call, unsigned flags) : MemberBase(std::move(name), flags), call_(call) {}

    static constexpr bool kYVector = S == Shape::vv || S == Shape::vvi || S == Shape::mac;
    static constexpr bool kAccumulates = S == Shape::mac || S == Shape::macc;
    // Separate source buffers (in-place shapes keep one operand in dst).
    static constexpr bool kXBuffer = S != Shape::vci;
    static constexpr bool kYBuffer = S == Shape::vv || S == Shape::mac;

    bool float_destination() const override { return std::is_floating_point_v<part_t<D>>; }

    ::testing::AssertionResult run(const RunOptions& options) const override {
        RunOptions o = options;
        if (!sfs()) o.sf = 0;  // members without a scale factor compute at 2^0
        if (!round()) o.mode = vdxRndNear;
        const int n = o.len;
        std::vector<X> xs(n);
        std::vector<Y> ys(kYVector ? n : 1);
        std::vector<D> dst0(n);
        auto y_at = [&](int i) -> Y& { return ys[kYVector ? i : 0]; };
        for (auto& v : xs) v = pick<X>();
        for (auto& v : ys) v = kYVector ? pick<Y>() : pick_constant<Y>();
        if (!kYVector && zero_constant_error()) ys[0] = nonzero(ys[0]);
        for (int i = 0; i < n; ++i) Rule::adjust(xs[i], y_at(i));
        if constexpr (Rule::divides) {
            // The divisor is the right operand: x when swapped, y otherwise.
            auto& divisors = [&]() -> auto& {
                if constexpr (Swapped) return xs;
                else return ys;
            }();
            if (o.avoid_zero_divisor)
                for (auto& v : divisors) v = nonzero(v);
            for (int i : o.zero_divisor_at) divisors.at(i) = {};
        }
        if constexpr (kAccumulates)
            for (int i = 0; i < n; ++i)
                dst0[i] = pick<D>();
        else if constexpr (S == Shape::vvi) dst0 = ys;
        else if constexpr (S == Shape::vci) dst0 = xs;

        // Expected elements and status.
        std::vector<D> expect(n);
        bool zero = false;
        for (int i = 0; i < n; ++i) {
            if constexpr (kAccumulates) expect[i] = Rule::template accumulate<D>(dst0[i], xs[i], y_at(i), o.sf);
            else if constexpr (Swapped) expect[i] = Rule::template apply<D>(y_at(i), xs[i], o.sf, o.mode);
            else expect[i] = Rule::template apply<D>(xs[i], y_at(i), o.sf, o.mode);
            if constexpr (Rule::divides) zero |= Swapped ? is_zero(xs[i]) : is_zero(y_at(i));
        }
        const VdxStatus expectStatus = zero ? vdxStsDivByZero : vdxStsNoErr;

        // Each vector at {0, 1, 3} elements past a 64-byte boundary (a digit
        // of misalign in base 3 per role), or against a page fence.
        std::unique_ptr<Guarded> guards[3];
        auto place = [&](int role, const void* values, std::size_t bytes, std::size_t size) -> std::uint8_t* {
            static constexpr int kDigit[3] = {1, 3, 9}, kElems[3] = {0, 1, 3};
            std::uint8_t* p = o.place == Place::guarded ? nullptr : fences(role, bytes).at(o.place == Place::fence_high, bytes);
            if (!p) guards[role] = std::make_unique<Guarded>(bytes, kElems[o.misalign / kDigit[role] % 3] * size), p = guards[role]->data();
            values ? std::memcpy(p, values, bytes) : std::memset(p, kPoison, bytes);
            return p;
        };
        const std::size_t xb = n * sizeof(X), yb = n * sizeof(Y), db = n * sizeof(D);
        const auto* cx = kXBuffer ? reinterpret_cast<const X*>(place(0, xs.data(), xb, sizeof(X))) : nullptr;
        const auto* cy = kYBuffer ? reinterpret_cast<const Y*>(place(1, ys.data(), yb, sizeof(Y))) : (kYVector ? nullptr : ys.data());
        const bool preset = kAccumulates || S == Shape::vvi || S == Shape::vci;
        std::uint8_t* pd = place(2, preset ? dst0.data() : nullptr, db, sizeof(D));
        const VdxStatus status = call_(cx, cy, reinterpret_cast<D*>(pd), n, o.sf, o.mode);

        std::ostringstream where;
        where << name() << " len " << n << " sf " << o.sf << " mode " << o.mode << " misalign " << o.misalign << " place "
              << int(o.place);
        std::vector<D> got(n);
        std::memcpy(got.data(), pd, db);
        for (int i = 0; i < n; ++i)
            if (!same(got[i], expect[i]))
                return ::testing::AssertionFailure() << where.str() << ": element " << i << " of " << show(xs[i]) << " and "
                                                     << show(y_at(i)) << " (srcDst " << show(dst0[i]) << "): "
                                                     << show(got[i]) << ", expected " << show(expect[i]);
        if (status != expectStatus)
            return ::testing::AssertionFailure() << where.str() << ": status " << status << ", expected " << expectStatus;
        for (const auto& g : guards)
            if (g && !g->guards_intact()) return ::testing::AssertionFailure() << where.str() << ": wrote outside its vector";
        if ((kXBuffer && std::memcmp(cx, xs.data(), xb) != 0) || (kYBuffer && std::memcmp(cy, ys.data(), yb) != 0))
            return ::testing::AssertionFailure() << where.str() << ": changed a source vector";
        return ::testing::AssertionSuccess();
    }

    // The family's own rules (pointers and lengths alone: contract fuzzer): a
    // bad mode, a zero constant where that is an error (both zeros of a float),
    // each after the pointer and length checks; nothing written.
    void check_rejections() const override {
        const bool zero_err = !kYVector && zero_constant_error();
        if (!round() && !zero_err) return;
        constexpr int kLen = 9;
        std::vector<X> xs(kLen);
        std::vector<Y> ys(kYVector ? kLen : 1);
        std::vector<D> d(kLen);
        for (auto& v : xs) v = pick<X>();
        for (auto& v : ys) v = nonzero(pick<Y>());
        for (auto& v : d) v = pick<D>();
        const std::vector<D> before = d;
        const Y zeros[2] = {Y{}, make<Y>([] { return -part_t<Y>(0); })};
        const Y* bad_y = zero_err ? zeros : ys.data();
        const int bad_mode = round() ? 3 : vdxRndNear;
        auto expect = [&](VdxStatus want, D* dst, int len, const Y* y, int mode) {
            EXPECT_EQ(call_(xs.data(), y, dst, len, 0, mode), want) << name() << " len " << len << " mode " << mode;
        };
        expect(vdxStsNullPtrErr, nullptr, kLen, bad_y, bad_mode);
        expect(vdxStsSizeErr, d.data(), 0, bad_y, bad_mode);
        for (int mode : {3, -1, INT_MIN})
            if (round()) expect(vdxStsRoundModeErr, d.data(), kLen, ys.data(), mode);
        for (const Y& zero : zeros)
            if (zero_err) expect(vdxStsDivByZeroErr, d.data(), kLen, &zero, vdxRndNear);
        EXPECT_EQ(std::memcmp(d.data(), before.data(), sizeof(D) * kLen), 0) << name() << ": wrote on error";
    }

private:
    Call<X, Y, D> call_;
};

using Registry = std::vector<std::unique_ptr<MemberBase>>;

inline std::vector<const MemberBase*> member_pointers(const Registry& registry) {
    std::vector<const MemberBase*> out;
    for (const auto& m : registry) out.push_back(m.get());
    return out;
}

// A Round form called with any int as its mode, as a C caller may pass it.
template <class F>
struct AnyModeOf;
template <class... A>
struct AnyModeOf<VdxStatus (*)(A...) noexcept> {
    using type = VdxStatus (*)(std::conditional_t<std::is_same_v<A, VdxRoundMode>, int, A>...);
};
template <class F>
auto any_mode(F f) {
    return reinterpret_cast<typename AnyModeOf<F>::type>(reinterpret_cast<void (*)()>(f));
}

// A member's shape, types and flags, read from its signature (a form that
// also matches a more general one is the more specialised: vv before vc).
template <Shape S, class X, class Y, class D, unsigned F>
struct Form {};
#define VDX_STRIP(...) __VA_ARGS__
#define VDX_FORM(S, F, TYPES, X, Y, D, ...) \
    template <VDX_STRIP TYPES> Form<Shape::S, X, Y, D, F> form(VdxStatus (*)(__VA_ARGS__) noexcept) { return {}; }
#define VDX_FORMS(S, TYPES, X, Y, D, ...)                                       \
    VDX_FORM(S, kPlain, TYPES, X, Y, D, __VA_ARGS__)                            \
    VDX_FORM(S, kSfs, TYPES, X, Y, D, __VA_ARGS__, int)                         \
    VDX_FORM(S, kSfs | kRound, TYPES, X, Y, D, __VA_ARGS__, VdxRoundMode, int)
VDX_FORMS(vv, (class X, class Y, class D), X, Y, D, const X*, const Y*, D*, int)
VDX_FORMS(vvi, (class X, class D), X, D, D, const X*, D*, int)
VDX_FORMS(vc, (class X, class C, class D), X, C, D, const X*, C, D*, int)
VDX_FORMS(vci, (class C, class D), D, C, D, C, D*, int)
#undef VDX_FORMS
#undef VDX_FORM
#undef VDX_STRIP

// The uniform call of member F: in-place shapes ignore the operand they do
// not take (the harness puts its values into dst), constant shapes read *c.
template <auto F, Shape S, unsigned Fl, class X, class Y, class D>
VdxStatus invoke(const X* x, const Y* c, D* d, int n, int sf, int mode) {
    const auto call = [&](auto... a) {
        if constexpr (Fl & kRound) return any_mode(F)(a..., mode, sf);
        else if constexpr (Fl & kSfs) return F(a..., sf);
        else return F(a...);
    };
    if constexpr (S == Shape::vv || S == Shape::mac) return call(x, c, d, n);
    else if constexpr (S == Shape::vvi) return call(x, d, n);
    else if constexpr (S == Shape::vci) return call(*c, d, n);
    else return call(x, *c, d, n);
}

// Sub and Div of two vectors (second minus / over first), SubCRev and DivCRev
// (constant minus / over element) read their operands in reverse.
consteval bool reads_reversed(std::string_view name) {
    return name.starts_with("Sub_") || name.starts_with("Div_") || name.find("CRev") != std::string_view::npos;
}

template <auto F, bool Swapped, class Rule, unsigned ZeroFlag = kPlain, Shape S, class X, class Y, class D, unsigned Fl>
std::unique_ptr<MemberBase> member(const char* name, Form<S, X, Y, D, Fl>) {
    constexpr Shape shape = !Rule::accumulates ? S : S == Shape::vv ? Shape::mac : Shape::macc;
    return std::make_unique<Member<shape, Swapped, X, Y, D, Rule>>(name, invoke<F, shape, Fl, X, Y, D>, Fl | ZeroFlag);
}
// ROW(name, rule[, kZeroErr]): one member; ROWS: a member and its in-place
// form (the stem with _I, or _Sfs and _ISfs), a zero constant fine for the latter.
#define ROW(name, ...) member<&vdxs##name, reads_reversed(#name), __VA_ARGS__>(#name, form(&vdxs##name))
#define ROWS(stem, R, ...) ROW(stem, R __VA_OPT__(, ) __VA_ARGS__), ROW(stem##_I, R)
#define ROWS_SFS(stem, R, ...) ROW(stem##_Sfs, R __VA_OPT__(, ) __VA_ARGS__), ROW(stem##_ISfs, R)
constexpr unsigned kZeroErr = kZeroConstantError;

template <class... Rows>
Registry registry(Rows... rows) {
    Registry r;
    (r.push_back(std::move(rows)), ...);
    return r;
}

// The suite of every member of a table: the rule over lengths, scale factors
// and alignments, page edges, the member's own rejections.
#define ARITH_MEMBER_TESTS(Suite, members)                                                     \
    class Suite : public ::testing::TestWithParam<const MemberBase*> {};                                 \
    TEST_P(Suite, MatchesItsRuleOverLengthsScaleFactorsAndAlignments) {                                  \
        check_all_lengths(*GetParam(), GetParam()->sfs() ? 1 : 6);                                       \
    }                                                                                                    \
    TEST_P(Suite, StaysInsideItsVectorsAtPageEdges) { check_page_edges(*GetParam()); }                  \
    TEST_P(Suite, RejectsABadModeOrZeroConstantAfterPointersAndLength) { GetParam()->check_rejections(); } \
    INSTANTIATE_TEST_SUITE_P(Members, Suite, ::testing::ValuesIn(member_pointers(members())),            \
                             [](const auto& info) { return info.param->name(); });

// Lengths 1 .. 67 and a long one (about 2000 or 4000 by turns), at rotating
// misalignments of the three vectors, for every scale factor and mode.
inline void check_all_lengths(const MemberBase& m, int rounds) {
    int rotation = 0, turn = 0;
    for (int r = 0; r < rounds; ++r)
        for (int sf : m.scale_factor_list())
            for (int mode : m.modes())
                for (int n = 1; n <= 68; ++n) {
                    const int len = n < 68 ? n : (turn++ % 2 ? 2000 : 4000) + int(rng()() % 100);
                    ASSERT_TRUE(m.run({.len = len, .sf = sf, .mode = mode, .misalign = rotation++ % 27}));
                }
}

// Every short length and a long odd one with the vectors ending at, or
// starting at, an inaccessible page: one element too many faults.
inline void check_page_edges(const MemberBase& m) {
    const std::vector<int> sfs = m.sfs() ? std::vector<int>{0, 1, 5, 17, -3, -17} : std::vector<int>{0};
    for (int sf : sfs)
        for (int mode : m.modes())
            for (Place p : {Place::fence_high, Place::fence_low})
                for (int n = 1; n <= 68; ++n)
                    ASSERT_TRUE(m.run({.len = n < 68 ? n : 2051, .sf = sf, .mode = mode, .place = p}));
}

inline const MemberBase& find_member(const Registry& all, const std::string& name) {
    const auto it = std::find_if(all.begin(), all.end(), [&](const auto& m) { return m->name() == name; });
    if (it == all.end()) std::abort();
    return **it;
}

// Restores the default thread count on scope exit.
struct ThreadCount {
    explicit ThreadCount(int n) { vdxcoreSetNumThreads(n); }
    ~ThreadCount() { vdxcoreSetNumThreads(0); }
};

// A long division around its parallel threshold with 1 .. 4 threads, no zero
// divisor, one in the first block, at the last element, or in each half:
// every element by the rule, the status by the zero divisors.
inline void check_thread_splits(const MemberBase& m, int threshold, const std::vector<int>& sfs) {
    std::size_t turn = 0;
    for (int threads : {1, 2, 3, 4}) {
        ThreadCount pin(threads);
        for (int len : {threshold - 1, threshold, threshold + 1, 3 * threshold + 7})
            for (int where : {-1, 0, 1, 2}) {
                const std::vector<int> zeros[] = {{}, {3}, {len - 1}, {len / 2 - 1, len - 2}};
                ASSERT_TRUE(m.run({.len = len, .sf = sfs[turn++ % sfs.size()], .misalign = (len + where + 1) % 27,
                                   .avoid_zero_divisor = true, .zero_divisor_at = zeros[where + 1]}))
                    << threads << " threads, zero divisor case " << where;
            }
    }
}

// Every member `selected` at `lens` in each of its modes under the caller's
// control word: each result by the rule, and the control word (its flags
// aside) as it was after the call.
template <class Select>
void check_under_control_word(const Registry& all, unsigned caller, std::initializer_list<int> lens, Select selected) {
    const unsigned saved = _mm_getcsr(), kFlags = 0x3F;
    for (const auto& m : all) {
        if (!selected(*m)) continue;
        for (int mode : m->modes())
            for (int len : lens) {
                _mm_setcsr(caller);
                const auto result = m->run({.len = len, .sf = len % 3 - 1, .mode = mode, .misalign = len % 27});
                const unsigned after = _mm_getcsr();
                _mm_setcsr(saved);
                ASSERT_TRUE(result) << "caller MXCSR " << std::hex << caller;
                ASSERT_EQ(after & ~kFlags, caller & ~kFlags) << m->name() << " changed the caller's MXCSR";
            }
    }
}

}  // namespace arith_test
