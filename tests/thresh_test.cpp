// Threshold family, black box: lengths 1..40 and around the vector widths,
// offsets 0..3, out of place and in place, guard elements around the
// destination.  Real members against bit-exact rules; complex ones decide on
// squared magnitudes in __float128, replaced values in long double (within
// one ulp; 16sc exactly).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "exact_rules.h"
#include "mismatches.h"
#include "vdxcore.h"
#include "vdxs.h"

namespace {

std::mt19937_64 rng{0x7E5E};

const std::vector<int> kLengths = [] {
    std::vector<int> v;
    for (int n = 1; n <= 40; ++n) v.push_back(n);
    for (int n : {63, 64, 65, 127, 128, 129}) v.push_back(n);
    return v;
}();

// A member and its in-place form: fn(src, dst, len, args...), fn_i(buf, len, args...).
template <class T, class... A>
struct Pair {
    VdxStatus (*fn)(const T*, T*, int, A...);
    VdxStatus (*fn_i)(T*, int, A...);
};
template <class T, class... A>
Pair<T, A...> pair(VdxStatus (*fn)(const T*, T*, int, A...), VdxStatus (*fn_i)(T*, int, A...)) {
    return {fn, fn_i};
}
#define VDX_PAIR(name) pair(name, name##_I)

// The status every call but LTInv's must give.
template <class T>
VdxStatus no_warning(const T*, int) { return vdxStsNoErr; }

// Both forms with args at every length and offset: the status against
// want(src, len), each element with check(x, y), and the guards.
template <class T, class... A, class Check, class Want>
void sweep(const std::vector<T>& pool, Pair<T, A...> p, Check check, Want want, const char* what,
           std::type_identity_t<A>... args) {
    Mismatches m;
    constexpr int kGuard = 4;
    T guard;
    std::memset(&guard, 0x5A, sizeof guard);
    for (int len : kLengths) {
        for (int off = 0; off < 4; ++off) {
            for (int in_place = 0; in_place < 2; ++in_place) {
                std::vector<T> src(len + off), dst(len + off + 2 * kGuard, guard);
                for (int i = 0; i < len; ++i) src[off + i] = pool[(len * 7 + i) % pool.size()];
                T* d = dst.data() + kGuard + off;
                if (in_place) std::memcpy(d, src.data() + off, len * sizeof(T));
                const VdxStatus st = in_place ? p.fn_i(d, len, args...) : p.fn(src.data() + off, d, len, args...);
                m.expect(st == want(src.data() + off, len), what, "len", len, "status", st);
                for (int i = 0; i < len; ++i)
                    m.expect(check(src[off + i], d[i]), what, "len", len, "off", off, "in place", in_place, "i", i);
                for (int g = 0; g < kGuard; ++g)
                    m.expect(same_bits(dst[off + g], guard) && same_bits(dst[kGuard + off + len + g], guard), what,
                             "len", len, "wrote a guard");
            }
        }
    }
    EXPECT_NO_MISMATCH(m);
}

// A check that wants exactly rule(x).
template <class Rule>
auto exact(Rule rule) { return [rule](auto x, auto y) { return same_bits(y, decltype(x)(rule(x))); }; }

// LTInv's status: vdxStsInvZeroArg exactly when a zero element meets a zero level.
template <class P>
auto inverse_status(P level) {
    return [level](const auto* x, int n) {
        bool zero = false;
        for (int i = 0; i < n; ++i) {
            if constexpr (std::is_floating_point_v<std::remove_cvref_t<decltype(*x)>>) zero |= x[i] == 0;
            else zero |= x[i].re == 0 && x[i].im == 0;
        }
        return level == 0 && zero ? vdxStsInvZeroArg : vdxStsNoErr;
    };
}

// ---------------------------------------------------------------- real members

// The pool's first `specials` elements (edge values) spread through it, one
// in every 7 places, so that every slice of 7 or more elements meets some.
template <class T>
std::vector<T> spread(std::vector<T> v, std::size_t specials) {
    std::vector<T> edge(v.begin(), v.begin() + specials);
    std::shuffle(v.begin(), v.end(), rng);
    for (std::size_t i = 0; i < v.size(); i += 7) v[i] = edge[(i / 7) % specials];
    return v;
}

template <class T>
std::vector<T> real_pool(T level) {
    using L = std::numeric_limits<T>;
    std::vector<T> v;
    std::size_t specials;
    if constexpr (std::is_floating_point_v<T>) {
        for (T e : {T(0), -T(0), level, -level, L::infinity(), -L::infinity(), L::quiet_NaN(), -L::quiet_NaN(),
                    L::denorm_min(), -L::denorm_min(), L::max(), L::lowest(), std::nextafter(level, T(0)),
                    std::nextafter(level, T(10))})
            v.push_back(e);
        specials = v.size();
        while (v.size() < 997) v.push_back(T(std::uniform_real_distribution<double>(-3, 3)(rng)) * level);
    } else {
        for (T e : {T(0), level, T(-level), T(level - 1), T(level + 1), T(1 - level), T(-1 - level), L::min(), L::max(),
                    T(-1), T(1)})
            v.push_back(e);
        specials = v.size();
        while (v.size() < 997) {
            const std::int64_t near = (rng() % 2 ? 1 : -1) * std::int64_t{level} + std::int64_t(rng() % 9) - 4;
            v.push_back(rng() % 2 ? static_cast<T>(rng())
                                  : static_cast<T>(std::clamp<std::int64_t>(near, L::min(), L::max())));
        }
    }
    return spread(std::move(v), specials);
}

template <class T>
T lt_abs(T x, T level) {
    if constexpr (std::is_floating_point_v<T>) return std::fabs(x) < level ? std::copysign(level, x) : x;
    else return std::llabs(x) < level ? (x < 0 ? T(-level) : level) : x;
}

// A level above l (for LTValGTVal), within the type.
template <class T>
T above(T l) {
    const long double h = static_cast<long double>(l) + std::fabs(static_cast<long double>(l)) / 2 + 1;
    return static_cast<T>(std::min<long double>(h, std::numeric_limits<T>::max()));
}

// The real members of one type; the selector, LTVal and GTVal are missing for 32s.
template <class T>
struct RealMembers {
    Pair<T, T> lt, gt, lt_abs, gt_abs;
    Pair<T, T, T, T, T> lt_val_gt_val;
    Pair<T, T, VdxCmpOp> select{};
    Pair<T, T, T> lt_val{}, gt_val{};
};
#define VDX_REAL(c)                                                                                     \
    VDX_PAIR(vdxsThreshold_LT_##c), VDX_PAIR(vdxsThreshold_GT_##c), VDX_PAIR(vdxsThreshold_LTAbs_##c), \
        VDX_PAIR(vdxsThreshold_GTAbs_##c), VDX_PAIR(vdxsThreshold_LTValGTVal_##c)
#define VDX_SELECT(c) VDX_PAIR(vdxsThreshold_##c), VDX_PAIR(vdxsThreshold_LTVal_##c), VDX_PAIR(vdxsThreshold_GTVal_##c)

template <class T>
void check_real(std::initializer_list<T> levels, const RealMembers<T>& f) {
    for (T l : levels) {
        SCOPED_TRACE(testing::Message() << "level " << +l);
        const auto pool = real_pool<T>(l == 0 ? T(3) : l);
        const T v = pool[5], w = pool[9], hi = above(l);
        const auto none = no_warning<T>;
        const auto lt = exact([=](T x) { return x < l ? l : x; }), gt = exact([=](T x) { return x > l ? l : x; });
        sweep(pool, f.lt, lt, none, "LT", l);
        sweep(pool, f.gt, gt, none, "GT", l);
        sweep(pool, f.lt_val_gt_val, exact([=](T x) { return x < l ? v : (x > hi ? w : x); }), none, "LTValGTVal", l, v,
              hi, w);
        if (f.select.fn) {
            sweep(pool, f.select, lt, none, "Less", l, vdxCmpLess);
            sweep(pool, f.select, gt, none, "Greater", l, vdxCmpGreater);
            sweep(pool, f.lt_val, exact([=](T x) { return x < l ? v : x; }), none, "LTVal", l, v);
            sweep(pool, f.gt_val, exact([=](T x) { return x > l ? v : x; }), none, "GTVal", l, v);
        }
        if (l < 0) continue;
        sweep(pool, f.lt_abs, exact([=](T x) { return lt_abs(x, l); }), none, "LTAbs", l);
        sweep(pool, f.gt_abs, exact([=](T x) { return x > l ? l : (x < T(-l) ? T(-l) : x); }), none, "GTAbs", l);
    }
}

TEST(ThresholdReal, Sweep_16s) { check_real<Vdx16s>({100, 0, -7, 32767}, {VDX_REAL(16s), VDX_SELECT(16s)}); }
TEST(ThresholdReal, Sweep_32s) { check_real<Vdx32s>({100000, 0, -7, 2147483646}, {VDX_REAL(32s)}); }
TEST(ThresholdReal, Sweep_32f) { check_real<Vdx32f>({0.5f, 0.0f, -0.25f}, {VDX_REAL(32f), VDX_SELECT(32f)}); }
TEST(ThresholdReal, Sweep_64f) { check_real<Vdx64f>({0.5, 0.0, -0.25}, {VDX_REAL(64f), VDX_SELECT(64f)}); }

// ---------------------------------------------------------------- complex members

// The part type of a complex element.
template <class C>
using part_of = decltype(C::re);

template <class C>
__float128 mag2(C z) { return __float128(z.re) * __float128(z.re) + __float128(z.im) * __float128(z.im); }

// A value computed in long double, as the part type: rounded half to even
// and saturated for 16s (exact match wanted), within one ulp for floats.
template <class P>
bool close(P got, long double want) {
    if constexpr (std::is_integral_v<P>) {
        return got == exact::rounded<P>(want);
    } else {
        const P w = static_cast<P>(want);
        return got == w || got == std::nextafter(w, P(INFINITY)) || got == std::nextafter(w, -P(INFINITY)) ||
               (std::isnan(got) && std::isnan(w));
    }
}

template <class C>
std::vector<C> complex_pool(part_of<C> level) {
    using P = part_of<C>;
    std::vector<C> v{{0, 0}, {level, 0}, {0, P(-level)}, {3, 4}, {-6, 8}, {P(level / 2), P(-level / 2)}};
    // |z| close to level.
    for (double a : {0.3, 1.1, 2.5, -2.0}) v.push_back(C{P(level * std::cos(a)), P(level * std::sin(a))});
    // Elements whose test comes out wrong when re^2 + im^2 and level^2 are rounded to double.
    for (int tries = 0, found = 0; tries < 2000 && found < 6; ++tries) {
        const double a = std::uniform_real_distribution<double>(-3.2, 3.2)(rng);
        const C z{P(level * std::cos(a)), P(level * std::sin(a))};
        const double q = double(z.re) * z.re + double(z.im) * z.im, l2 = double(level) * level;
        if ((q < l2) != (mag2(z) < __float128(level) * level) || (q > l2) != (mag2(z) > __float128(level) * level)) {
            v.push_back(z);
            ++found;
        }
    }
    std::size_t specials;
    if constexpr (std::is_floating_point_v<P>) {
        const P inf = std::numeric_limits<P>::infinity(), nan = std::numeric_limits<P>::quiet_NaN();
        for (C e : {C{inf, 1}, C{-2, -inf}, C{inf, -inf}, C{nan, 1}, C{-0.0f, 0},
                    C{std::numeric_limits<P>::denorm_min(), 0}, C{P(3 * level / 5), P(4 * level / 5)}})
            v.push_back(e);
        specials = v.size();
        while (v.size() < 997) {
            const double r = level * std::exp(std::uniform_real_distribution<double>(-5, 5)(rng));
            const double a = std::uniform_real_distribution<double>(-3.2, 3.2)(rng);
            v.push_back(C{P(r * std::cos(a)), P(r * std::sin(a))});
        }
    } else {
        v.push_back(C{-32768, -32768});
        specials = v.size();
        while (v.size() < 997) v.push_back(C{static_cast<P>(rng()), static_cast<P>(rng() % 2 ? rng() : rng() % 64)});
    }
    return spread(std::move(v), specials);
}

// The rule of complex LT (lt) and GT for one element.
template <class C>
bool complex_clamp_ok(C z, C y, part_of<C> level, bool lt) {
    using P = part_of<C>;
    if (level == 0) return lt ? same_bits(y, z) : same_bits(y, C{0, 0});
    const __float128 q = mag2(z), l2 = __float128(level) * __float128(level);
    if (!(lt ? q < l2 : q > l2)) return same_bits(y, z);
    if (q == 0) return same_bits(y, C{level, 0});
    long double re = z.re, im = z.im;
    if (std::isinf(re) || std::isinf(im)) {
        re = std::isinf(re) ? std::copysign(1.0L, re) : std::copysign(0.0L, re);
        im = std::isinf(im) ? std::copysign(1.0L, im) : std::copysign(0.0L, im);
    }
    const long double f = level / std::sqrt(re * re + im * im);
    return close<P>(y.re, re * f) && close<P>(y.im, im * f);
}

template <class C>
bool complex_inverse_ok(C z, C y, part_of<C> level) {
    using P = part_of<C>;
    const __float128 q = mag2(z), l2 = __float128(level) * __float128(level);
    const long double re = z.re, im = z.im, lq = static_cast<long double>(q);
    if (q < l2) {
        if (q == 0) return close<P>(y.re, 1.0L / level) && same_bits(y.im, P(0));
        const long double f = 1.0L / (std::sqrt(lq) * level);
        return close<P>(y.re, re * f) && close<P>(y.im, -im * f);
    }
    if (q == 0) return same_bits(y, C{std::numeric_limits<P>::infinity(), 0});
    if (std::isinf(re) || std::isinf(im)) return same_bits(y, C{std::copysign(P(0), z.re), std::copysign(P(0), -z.im)});
    return close<P>(y.re, re / lq) && close<P>(y.im, -im / lq);
}

template <class C>
void check_complex(std::initializer_list<part_of<C>> levels, Pair<C, part_of<C>> lt_pair, Pair<C, part_of<C>> gt_pair,
                   Pair<C, part_of<C>, VdxCmpOp> select, Pair<C, part_of<C>, C> lt_val, Pair<C, part_of<C>, C> gt_val) {
    using P = part_of<C>;
    for (P l : levels) {
        SCOPED_TRACE(testing::Message() << "level " << +l);
        const auto pool = complex_pool<C>(l == 0 ? P(5) : l);
        const auto none = no_warning<C>;
        const C v = {P(7), P(-3)};
        const __float128 l2 = __float128(l) * __float128(l);
        const auto lt = [=](C x, C y) { return complex_clamp_ok(x, y, l, true); };
        const auto gt = [=](C x, C y) { return complex_clamp_ok(x, y, l, false); };
        sweep(pool, lt_pair, lt, none, "LT", l);
        sweep(pool, gt_pair, gt, none, "GT", l);
        sweep(pool, select, lt, none, "Less", l, vdxCmpLess);
        sweep(pool, select, gt, none, "Greater", l, vdxCmpGreater);
        sweep(pool, lt_val, exact([=](C x) { return mag2(x) < l2 ? v : x; }), none, "LTVal", l, v);
        sweep(pool, gt_val, exact([=](C x) { return mag2(x) > l2 ? v : x; }), none, "GTVal", l, v);
    }
}
#define VDX_COMPLEX(c)                                                                                      \
    VDX_PAIR(vdxsThreshold_LT_##c), VDX_PAIR(vdxsThreshold_GT_##c), VDX_PAIR(vdxsThreshold_##c), \
        VDX_PAIR(vdxsThreshold_LTVal_##c), VDX_PAIR(vdxsThreshold_GTVal_##c)

TEST(ThresholdComplex, Sweep_16sc) { check_complex<Vdx16sc>({1000, 0, 1, 32767}, VDX_COMPLEX(16sc)); }
TEST(ThresholdComplex, Sweep_32fc) { check_complex<Vdx32fc>({2.5f, 0.0f, 1e-20f, 3e30f}, VDX_COMPLEX(32fc)); }
TEST(ThresholdComplex, Sweep_64fc) { check_complex<Vdx64fc>({2.5, 0.0, 1e-200, 1e-160, 3e200}, VDX_COMPLEX(64fc)); }

// LTInv of a real or complex type at each level (0 among them).
template <class T, class P>
void check_inverse(Pair<T, P> f, std::initializer_list<P> levels, const char* what) {
    for (P l : levels) {
        if constexpr (std::is_floating_point_v<T>)
            sweep(real_pool<T>(l == 0 ? 2 : l), f, exact([=](T x) { return T(1) / (std::fabs(x) < l ? std::copysign(l, x) : x); }),
                  inverse_status(l), what, l);
        else
            sweep(complex_pool<T>(l == 0 ? 2 : l), f, [=](T x, T y) { return complex_inverse_ok(x, y, l); },
                  inverse_status(l), what, l);
    }
}

TEST(ThresholdInverse, Sweep) {
    check_inverse<Vdx32f, Vdx32f>(VDX_PAIR(vdxsThreshold_LTInv_32f), {0.5f, 0.0f, 1e-30f}, "LTInv_32f");
    check_inverse<Vdx64f, Vdx64f>(VDX_PAIR(vdxsThreshold_LTInv_64f), {0.5, 0.0, 1e-300}, "LTInv_64f");
    check_inverse<Vdx32fc, Vdx32f>(VDX_PAIR(vdxsThreshold_LTInv_32fc), {2.5f, 0.0f, 1e-20f}, "LTInv_32fc");
    check_inverse<Vdx64fc, Vdx64f>(VDX_PAIR(vdxsThreshold_LTInv_64fc), {2.5, 0.0, 1e-200}, "LTInv_64fc");
}

// ---------------------------------------------------------------- statuses

// The order (length before selector and level), the selector and the level
// rules (pointers, lengths and nothing written on error: contract fuzzer).
TEST(ThresholdStatus, ChecksInOrder) {
    Vdx32f s[3] = {1, 2, 3}, d[3] = {9, 9, 9};
    Vdx16s is[2] = {1, 2}, id[2] = {9, 9};
    Vdx32s wd[2] = {9, 9};
    Vdx64f fd[2] = {9, 9};
    Vdx32fc cd[2] = {{9, 9}, {9, 9}};
    Vdx64fc zd[2] = {{9, 9}, {9, 9}};
    Vdx16sc hd[2] = {{9, 9}, {9, 9}};
    const std::pair<VdxStatus, VdxStatus> rows[] = {
        {vdxsThreshold_LTVal_16sc(nullptr, hd, 2, -1, Vdx16sc{0, 0}), vdxStsNullPtrErr},
        {vdxsThreshold_32fc_I(cd, 0, -1, VdxCmpOp(1)), vdxStsSizeErr},
        {vdxsThreshold_LTValGTVal_16s(is, id, -1, 5, 0, 1, 0), vdxStsSizeErr},
        {vdxsThreshold_LTAbs_32s_I(wd, 0, -1), vdxStsSizeErr},
        {vdxsThreshold_32fc_I(cd, 2, -1, vdxCmpGreater), vdxStsThreshNegLevelErr},
        {vdxsThreshold_LT_32fc_I(cd, 2, -1), vdxStsThreshNegLevelErr},
        {vdxsThreshold_GT_16sc_I(hd, 2, -1), vdxStsThreshNegLevelErr},
        {vdxsThreshold_LTVal_32fc_I(cd, 2, -1, Vdx32fc{0, 0}), vdxStsThreshNegLevelErr},
        {vdxsThreshold_GTVal_64fc_I(zd, 2, -1e-300, Vdx64fc{}), vdxStsThreshNegLevelErr},
        {vdxsThreshold_LTAbs_16s(is, id, 2, -1), vdxStsThreshNegLevelErr},
        {vdxsThreshold_GTAbs_32s_I(wd, 2, -5), vdxStsThreshNegLevelErr},
        {vdxsThreshold_LTAbs_64f_I(fd, 2, -0.5), vdxStsThreshNegLevelErr},
        {vdxsThreshold_LTInv_32f(s, d, 3, -1e-30f), vdxStsThreshNegLevelErr},
        {vdxsThreshold_LTInv_64fc_I(zd, 2, -1), vdxStsThreshNegLevelErr},
        {vdxsThreshold_LTValGTVal_32f(s, d, 3, 2, 0, 1, 0), vdxStsThreshLevelOrderErr},
        {vdxsThreshold_LTValGTVal_32s_I(wd, 2, 2, 0, 1, 0), vdxStsThreshLevelOrderErr},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) EXPECT_EQ(rows[i].first, rows[i].second) << "row " << i;
    for (int op : {1, 2, 3, 5, -1}) {
        EXPECT_EQ(vdxsThreshold_32f(s, d, 3, 1, VdxCmpOp(op)), vdxStsBadArgErr);
        EXPECT_EQ(vdxsThreshold_64fc_I(zd, 2, -1, VdxCmpOp(op)), vdxStsBadArgErr);
    }
    // Real members take negative levels, and LTValGTVal equal ones.
    EXPECT_EQ(vdxsThreshold_32f(s, d, 3, -1, vdxCmpGreater), vdxStsNoErr);
    EXPECT_EQ(vdxsThreshold_LTValGTVal_32f(s, d, 3, 2, 0, 2, 7), vdxStsNoErr);
    EXPECT_TRUE(d[0] == 0 && d[1] == 2 && d[2] == 7);
}

// LTInv around its parallel threshold with 1, 2 and 3 threads: the same
// values every time; a zero element with level 0 in the last block gives
// vdxStsInvZeroArg on the calling thread, vdxStsDivByZero when shared.
template <class T, class P>
void inverse_threads(VdxStatus (*inv)(const T*, T*, int, P), std::vector<T> src) {
    for (int len : {8191, 8192, 8193, 20000}) {
        src[len - 1] = T{};
        std::vector<T> first;
        for (int threads : {1, 2, 3}) {
            vdxcoreSetNumThreads(threads);
            std::vector<T> d(len);
            const VdxStatus want = threads > 1 && len >= 8192 ? vdxStsDivByZero : vdxStsInvZeroArg;
            EXPECT_EQ(inv(src.data(), d.data(), len, 0), want) << len << " " << threads;
            EXPECT_EQ(inv(src.data(), d.data(), len, P(0.25)), vdxStsNoErr);
            if (first.empty()) first = d;
            EXPECT_EQ(std::memcmp(d.data(), first.data(), len * sizeof(T)), 0) << len << " " << threads;
        }
        vdxcoreSetNumThreads(0);
    }
}

TEST(ThresholdInverse, ThreadsAndWarnings) {
    std::vector<Vdx32f> r32(20000);
    for (auto& x : r32) x = static_cast<Vdx32f>(std::uniform_real_distribution<double>(-4, 4)(rng));
    std::vector<Vdx64f> r64(r32.begin(), r32.end());
    std::vector<Vdx32fc> c32(r32.size());
    std::vector<Vdx64fc> c64(r32.size());
    for (std::size_t i = 0; i < r32.size(); ++i) {
        c32[i] = {r32[i], r32[r32.size() - 1 - i]};
        c64[i] = {r64[r32.size() - 1 - i], r64[i]};
    }
    inverse_threads(vdxsThreshold_LTInv_32f, r32);
    inverse_threads(vdxsThreshold_LTInv_64f, r64);
    inverse_threads(vdxsThreshold_LTInv_32fc, c32);
    inverse_threads(vdxsThreshold_LTInv_64fc, c64);
}

}  // namespace
