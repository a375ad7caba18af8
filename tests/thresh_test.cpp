// Threshold family, black box, through the public header.
//
// Real members are swept over lengths 1 .. 40 and around the vector widths,
// pointer offsets 0 .. 3, out of place and in place, against scalar oracles
// written from the rules (bit for bit), with guard elements around the
// destination.  Complex members decide replacement with squared magnitudes
// in __float128 (exact for the test data) and check replaced values against
// z * level / |z| and the reciprocals in long double, within one ulp of the
// part type (16sc: exactly, rounded half to even).  LTInv runs at lengths
// around its parallel threshold with 1, 2 and 3 threads.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <algorithm>
#include <limits>
#include <random>
#include <type_traits>
#include <vector>

#include "mismatches.h"
#include "vdxcore.h"
#include "vdxs.h"

namespace {

std::mt19937_64 rng{0x7E5E};

template <class T>
std::uint64_t bits_of(T v) {
    std::uint64_t b = 0;
    std::memcpy(&b, &v, sizeof v);
    return b;
}
template <class T>
bool same(T a, T b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Distance in ulps between two floats of one type (0 for two NaNs).
template <class F>
std::uint64_t ulps(F a, F b) {
    if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b) ? 0 : ~0ull;
    auto key = [](F x) {
        const std::int64_t m = static_cast<std::int64_t>(bits_of(x) & ~(std::uint64_t{1} << (8 * sizeof(F) - 1)));
        return std::signbit(x) ? -m : m;
    };
    const std::int64_t d = key(a) - key(b);
    return static_cast<std::uint64_t>(d < 0 ? -d : d);
}

const std::vector<int> kLengths = [] {
    std::vector<int> v;
    for (int n = 1; n <= 40; ++n) v.push_back(n);
    for (int n : {63, 64, 65, 127, 128, 129}) v.push_back(n);
    return v;
}();

// Runs op(src, dst, len) out of place and op_i(buf, len) in place for every
// length and offset, and checks each output element with check(x, y) and
// the guard elements around the destination.
template <class T, class Op, class OpI, class Check>
void sweep(const std::vector<T>& pool, Op op, OpI op_i, Check check, const char* what) {
    Mismatches m;
    constexpr int kGuard = 4;
    T guard;
    std::memset(&guard, 0x5A, sizeof guard);
    for (int len : kLengths) {
        for (int off = 0; off < 4; ++off) {
            for (int in_place = 0; in_place < 2; ++in_place) {
                std::vector<T> src(len + off), dst(len + off + 2 * kGuard, guard);
                for (int i = 0; i < len; ++i) src[off + i] = pool[(static_cast<std::size_t>(len) * 7 + i) % pool.size()];
                T* d = dst.data() + kGuard + off;
                if (in_place) std::memcpy(d, src.data() + off, len * sizeof(T));
                const VdxStatus st = in_place ? op_i(d, len) : op(src.data() + off, d, len);
                if (st != vdxStsNoErr) m.note([&](auto& os) { os << what << " len " << len << ": status " << st; });
                for (int i = 0; i < len; ++i) {
                    if (!check(src[off + i], d[i])) {
                        m.note([&](auto& os) {
                            os << what << " len " << len << " off " << off << (in_place ? " in place" : "") << " i "
                               << i;
                        });
                    }
                }
                for (int g = 0; g < kGuard; ++g) {
                    if (!same(dst[off + g], guard) || !same(dst[kGuard + off + len + g], guard)) {
                        m.note([&](auto& os) { os << what << " len " << len << ": wrote a guard"; });
                    }
                }
            }
        }
    }
    EXPECT_NO_MISMATCH(m);
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
            const std::int64_t near = (rng() % 2 ? std::int64_t{level} : -std::int64_t{level}) + std::int64_t(rng() % 9) - 4;
            v.push_back(rng() % 2 ? static_cast<T>(rng())
                                  : static_cast<T>(std::clamp<std::int64_t>(near, L::min(), L::max())));
        }
    }
    return spread(std::move(v), specials);
}

template <class T>
T lt_abs(T x, T level) {
    if constexpr (std::is_floating_point_v<T>) {
        return std::fabs(x) < level ? std::copysign(level, x) : x;
    } else {
        const std::int64_t a = x < 0 ? -std::int64_t{x} : x;
        return a < level ? (x < 0 ? T(-level) : level) : x;
    }
}

#define VDX_SWEEP(what, call, call_i, rule)                                                                    \
    sweep<T>(                                                                                                  \
        pool, [&](const T* s, T* d, int n) { return call; }, [&](T* sd, int n) { return call_i; },            \
        [&](T x, T y) { return same(y, T(rule)); }, what)

// A level above l (for LTValGTVal), within the type.
template <class T>
T above(T l) {
    if constexpr (std::is_floating_point_v<T>) return l + std::fabs(l) / 2 + 1;
    else return static_cast<T>(std::min<std::int64_t>(std::int64_t{l} + std::abs(l / 2) + 1, std::numeric_limits<T>::max()));
}

#define VDX_REAL_SUITE(code, Type, levels)                                                                       \
    TEST(ThresholdReal, Sweep_##code) {                                                                          \
        using T = Type;                                                                                          \
        for (T l : levels) {                                                                                     \
            SCOPED_TRACE(testing::Message() << "level " << +l);                                                 \
            const auto pool = real_pool<T>(l == 0 ? T(3) : l);                                                   \
            const T v = pool[5], w = pool[9], hi = above(l);                                                     \
            VDX_SWEEP("LT", vdxsThreshold_LT_##code(s, d, n, l), vdxsThreshold_LT_##code##_I(sd, n, l),          \
                      x < l ? l : x);                                                                            \
            VDX_SWEEP("GT", vdxsThreshold_GT_##code(s, d, n, l), vdxsThreshold_GT_##code##_I(sd, n, l),          \
                      x > l ? l : x);                                                                            \
            VDX_SWEEP("LTValGTVal", vdxsThreshold_LTValGTVal_##code(s, d, n, l, v, hi, w),                       \
                      vdxsThreshold_LTValGTVal_##code##_I(sd, n, l, v, hi, w), x < l ? v : (x > hi ? w : x));    \
            if (l < 0) continue;                                                                                 \
            VDX_SWEEP("LTAbs", vdxsThreshold_LTAbs_##code(s, d, n, l), vdxsThreshold_LTAbs_##code##_I(sd, n, l), \
                      lt_abs(x, l));                                                                             \
            VDX_SWEEP("GTAbs", vdxsThreshold_GTAbs_##code(s, d, n, l), vdxsThreshold_GTAbs_##code##_I(sd, n, l), \
                      x > l ? l : (x < T(-l) ? T(-l) : x));                                                     \
        }                                                                                                        \
    }

// Members with a selector, LTVal and GTVal (all but 32s).
#define VDX_REAL_SELECT_SUITE(code, Type, levels)                                                                \
    TEST(ThresholdReal, Select_##code) {                                                                         \
        using T = Type;                                                                                          \
        for (T l : levels) {                                                                                     \
            const auto pool = real_pool<T>(l == 0 ? T(3) : l);                                                   \
            const T v = pool[3];                                                                                 \
            VDX_SWEEP("Less", vdxsThreshold_##code(s, d, n, l, vdxCmpLess),                                      \
                      vdxsThreshold_##code##_I(sd, n, l, vdxCmpLess), x < l ? l : x);                           \
            VDX_SWEEP("Greater", vdxsThreshold_##code(s, d, n, l, vdxCmpGreater),                                \
                      vdxsThreshold_##code##_I(sd, n, l, vdxCmpGreater), x > l ? l : x);                        \
            VDX_SWEEP("LTVal", vdxsThreshold_LTVal_##code(s, d, n, l, v), vdxsThreshold_LTVal_##code##_I(sd, n, l, v), \
                      x < l ? v : x);                                                                            \
            VDX_SWEEP("GTVal", vdxsThreshold_GTVal_##code(s, d, n, l, v), vdxsThreshold_GTVal_##code##_I(sd, n, l, v), \
                      x > l ? v : x);                                                                            \
        }                                                                                                        \
    }

const Vdx16s kLevels16s[] = {100, 0, -7, 32767};
const Vdx32s kLevels32s[] = {100000, 0, -7, 2147483646};
const Vdx32f kLevels32f[] = {0.5f, 0.0f, -0.25f};
const Vdx64f kLevels64f[] = {0.5, 0.0, -0.25};
VDX_REAL_SUITE(16s, Vdx16s, kLevels16s)
VDX_REAL_SUITE(32s, Vdx32s, kLevels32s)
VDX_REAL_SUITE(32f, Vdx32f, kLevels32f)
VDX_REAL_SUITE(64f, Vdx64f, kLevels64f)
VDX_REAL_SELECT_SUITE(16s, Vdx16s, kLevels16s)
VDX_REAL_SELECT_SUITE(32f, Vdx32f, kLevels32f)
VDX_REAL_SELECT_SUITE(64f, Vdx64f, kLevels64f)

// Sweeps an LTInv member; its status must be vdxStsInvZeroArg exactly when
// a zero element meets a zero level.
template <class T, class P, class Op, class OpI, class Check>
void inverse_sweep(const std::vector<T>& pool, P level, Op op, OpI op_i, Check check, const char* what) {
    auto expect = [level](const T* x, int n, VdxStatus st) {
        bool zero = false;
        for (int i = 0; i < n; ++i) {
            if constexpr (std::is_floating_point_v<T>) zero |= x[i] == 0;
            else zero |= x[i].re == 0 && x[i].im == 0;
        }
        const VdxStatus want = level == 0 && zero ? vdxStsInvZeroArg : vdxStsNoErr;
        return st == want ? vdxStsNoErr : (st != vdxStsNoErr ? st : VdxStatus(-1000));
    };
    sweep<T>(
        pool, [&](const T* s, T* d, int n) { return expect(s, n, op(s, d, n, level)); },
        [&](T* sd, int n) {
            std::vector<T> in(sd, sd + n);
            return expect(in.data(), n, op_i(sd, n, level));
        },
        check, what);
}

template <class T>
T lt_inverse(T x, T level) {
    return T(1) / (std::fabs(x) < level ? std::copysign(level, x) : x);
}

TEST(ThresholdReal, InverseSweep) {
    for (float l : {0.5f, 0.0f, 1e-30f}) {
        const auto pool = real_pool<Vdx32f>(l == 0 ? 2.0f : l);
        inverse_sweep<Vdx32f>(
            pool, l, vdxsThreshold_LTInv_32f, vdxsThreshold_LTInv_32f_I,
            [&](Vdx32f x, Vdx32f y) { return same(y, lt_inverse(x, l)); }, "LTInv_32f");
    }
    for (double l : {0.5, 0.0, 1e-300}) {
        const auto pool = real_pool<Vdx64f>(l == 0 ? 2.0 : l);
        inverse_sweep<Vdx64f>(
            pool, l, vdxsThreshold_LTInv_64f, vdxsThreshold_LTInv_64f_I,
            [&](Vdx64f x, Vdx64f y) { return same(y, lt_inverse(x, l)); }, "LTInv_64f");
    }
}

// ---------------------------------------------------------------- complex members

template <class C>
struct Cx;
template <>
struct Cx<Vdx16sc> {
    using P = Vdx16s;
};
template <>
struct Cx<Vdx32fc> {
    using P = Vdx32f;
};
template <>
struct Cx<Vdx64fc> {
    using P = Vdx64f;
};

template <class C>
__float128 mag2(C z) {
    return __float128(z.re) * __float128(z.re) + __float128(z.im) * __float128(z.im);
}

// A value computed in long double, as the part type: rounded half to even
// and saturated for 16s (exact match wanted), within one ulp for floats.
template <class P>
bool close(P got, long double want) {
    if constexpr (std::is_integral_v<P>) {
        const long double r = std::nearbyint(std::fmax(std::fmin(want, 32767.0L), -32768.0L));
        return got == static_cast<P>(r);
    } else {
        return ulps(got, static_cast<P>(want)) <= 1;
    }
}

template <class C>
std::vector<C> complex_pool(typename Cx<C>::P level) {
    using P = typename Cx<C>::P;
    std::vector<C> v{{0, 0}, {level, 0}, {0, P(-level)}, {3, 4}, {-6, 8}, {P(level / 2), P(-level / 2)}};
    std::size_t specials;
    if constexpr (std::is_floating_point_v<P>) {
        const P inf = std::numeric_limits<P>::infinity(), nan = std::numeric_limits<P>::quiet_NaN();
        for (C e : {C{inf, 1}, C{-2, -inf}, C{inf, -inf}, C{nan, 1}, C{-0.0f, 0}, C{std::numeric_limits<P>::denorm_min(), 0},
                    C{P(3 * level / 5), P(4 * level / 5)}})
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
bool complex_clamp_ok(C z, C y, typename Cx<C>::P level, bool lt) {
    using P = typename Cx<C>::P;
    if (level == 0) return lt ? same(y, z) : same(y, C{0, 0});
    const __float128 q = mag2(z), l2 = __float128(level) * __float128(level);
    if (!(lt ? q < l2 : q > l2)) return same(y, z);
    if (q == 0) return same(y, C{level, 0});
    long double re = z.re, im = z.im;
    if (std::isinf(re) || std::isinf(im)) {
        re = std::isinf(re) ? std::copysign(1.0L, re) : std::copysign(0.0L, re);
        im = std::isinf(im) ? std::copysign(1.0L, im) : std::copysign(0.0L, im);
    }
    const long double f = level / std::sqrt(re * re + im * im);
    return close<P>(y.re, re * f) && close<P>(y.im, im * f);
}

template <class C>
bool complex_inverse_ok(C z, C y, typename Cx<C>::P level) {
    using P = typename Cx<C>::P;
    const __float128 q = mag2(z), l2 = __float128(level) * __float128(level);
    const long double re = z.re, im = z.im, lq = static_cast<long double>(q);
    if (q < l2) {
        if (q == 0) return close<P>(y.re, 1.0L / level) && same(y.im, P(0));
        const long double f = 1.0L / (std::sqrt(lq) * level);
        return close<P>(y.re, re * f) && close<P>(y.im, -im * f);
    }
    if (q == 0) return same(y, C{std::numeric_limits<P>::infinity(), 0});
    if (std::isinf(re) || std::isinf(im)) return same(y, C{std::copysign(P(0), z.re), std::copysign(P(0), -z.im)});
    return close<P>(y.re, re / lq) && close<P>(y.im, -im / lq);
}

#define VDX_CSWEEP(what, call, call_i, rule) \
    sweep<C>(pool, [&](const C* s, C* d, int n) { return call; }, [&](C* sd, int n) { return call_i; }, \
             [&](C x, C y) { return rule; }, what)

#define VDX_COMPLEX_SUITE(code, Type, levels)                                                                  \
    TEST(ThresholdComplex, Sweep_##code) {                                                                     \
        using C = Type;                                                                                        \
        using P = Cx<C>::P;                                                                                    \
        for (P l : levels) {                                                                                   \
            SCOPED_TRACE(testing::Message() << "level " << +l);                                               \
            const auto pool = complex_pool<C>(l == 0 ? P(5) : l);                                              \
            const C v = {P(7), P(-3)};                                                                         \
            VDX_CSWEEP("LT", vdxsThreshold_LT_##code(s, d, n, l), vdxsThreshold_LT_##code##_I(sd, n, l),       \
                       complex_clamp_ok(x, y, l, true));                                                       \
            VDX_CSWEEP("GT", vdxsThreshold_GT_##code(s, d, n, l), vdxsThreshold_GT_##code##_I(sd, n, l),       \
                       complex_clamp_ok(x, y, l, false));                                                      \
            VDX_CSWEEP("Less", vdxsThreshold_##code(s, d, n, l, vdxCmpLess),                                   \
                       vdxsThreshold_##code##_I(sd, n, l, vdxCmpLess), complex_clamp_ok(x, y, l, true));       \
            VDX_CSWEEP("Greater", vdxsThreshold_##code(s, d, n, l, vdxCmpGreater),                             \
                       vdxsThreshold_##code##_I(sd, n, l, vdxCmpGreater), complex_clamp_ok(x, y, l, false));   \
            const __float128 l2 = __float128(l) * __float128(l);                                               \
            VDX_CSWEEP("LTVal", vdxsThreshold_LTVal_##code(s, d, n, l, v),                                     \
                       vdxsThreshold_LTVal_##code##_I(sd, n, l, v), same(y, mag2(x) < l2 ? v : x));            \
            VDX_CSWEEP("GTVal", vdxsThreshold_GTVal_##code(s, d, n, l, v),                                     \
                       vdxsThreshold_GTVal_##code##_I(sd, n, l, v), same(y, mag2(x) > l2 ? v : x));            \
        }                                                                                                      \
    }

const Vdx16s kCLevels16s[] = {1000, 0, 1, 32767};
const Vdx32f kCLevels32f[] = {2.5f, 0.0f, 1e-20f, 3e30f};
const Vdx64f kCLevels64f[] = {2.5, 0.0, 1e-200, 3e200};
VDX_COMPLEX_SUITE(16sc, Vdx16sc, kCLevels16s)
VDX_COMPLEX_SUITE(32fc, Vdx32fc, kCLevels32f)
VDX_COMPLEX_SUITE(64fc, Vdx64fc, kCLevels64f)

TEST(ThresholdComplex, InverseSweep) {
    for (float l : {2.5f, 0.0f, 1e-20f}) {
        const auto pool = complex_pool<Vdx32fc>(l == 0 ? 2.0f : l);
        inverse_sweep<Vdx32fc>(
            pool, l, vdxsThreshold_LTInv_32fc, vdxsThreshold_LTInv_32fc_I,
            [&](Vdx32fc x, Vdx32fc y) { return complex_inverse_ok(x, y, l); }, "LTInv_32fc");
    }
    for (double l : {2.5, 0.0, 1e-200}) {
        const auto pool = complex_pool<Vdx64fc>(l == 0 ? 2.0 : l);
        inverse_sweep<Vdx64fc>(
            pool, l, vdxsThreshold_LTInv_64fc, vdxsThreshold_LTInv_64fc_I,
            [&](Vdx64fc x, Vdx64fc y) { return complex_inverse_ok(x, y, l); }, "LTInv_64fc");
    }
}

// ---------------------------------------------------------------- statuses

TEST(ThresholdStatus, ChecksInOrderAndWriteNothing) {
    Vdx32f s[3] = {1, 2, 3}, d[3] = {9, 9, 9};
    Vdx64f fs[2] = {1, 2}, fd[2] = {9, 9};
    Vdx32s ws[2] = {1, 2}, wd[2] = {9, 9};
    Vdx16s is[2] = {1, 2}, id[2] = {9, 9};
    Vdx32fc cs[2] = {{1, 1}, {2, 2}}, cd[2] = {{9, 9}, {9, 9}};
    Vdx64fc zs[2] = {{1, 1}, {2, 2}}, zd[2] = {{9, 9}, {9, 9}};
    Vdx16sc hd[2] = {{9, 9}, {9, 9}};
    // Pointers first (even with a bad length), then the length (even with a
    // bad selector or level), then the selector, then the level.
    EXPECT_EQ(vdxsThreshold_32f(nullptr, d, 0, 1, vdxCmpLess), vdxStsNullPtrErr);
    EXPECT_EQ(vdxsThreshold_LT_32f(s, nullptr, 3, 1), vdxStsNullPtrErr);
    EXPECT_EQ(vdxsThreshold_LTInv_32f_I(nullptr, 3, 1), vdxStsNullPtrErr);
    EXPECT_EQ(vdxsThreshold_LTVal_16sc(nullptr, hd, 2, -1, Vdx16sc{0, 0}), vdxStsNullPtrErr);
    for (int len : {0, -1}) {
        EXPECT_EQ(vdxsThreshold_32fc(cs, cd, len, -1, VdxCmpOp(1)), vdxStsSizeErr);
        EXPECT_EQ(vdxsThreshold_LTValGTVal_16s(is, id, len, 5, 0, 1, 0), vdxStsSizeErr);
        EXPECT_EQ(vdxsThreshold_LTAbs_32s_I(wd, len, -1), vdxStsSizeErr);
    }
    for (int op : {1, 2, 3, 5, -1}) {
        EXPECT_EQ(vdxsThreshold_32f(s, d, 3, 1, VdxCmpOp(op)), vdxStsBadArgErr);
        EXPECT_EQ(vdxsThreshold_64fc_I(zd, 2, -1, VdxCmpOp(op)), vdxStsBadArgErr);
    }
    EXPECT_EQ(vdxsThreshold_32fc(cs, cd, 2, -1, vdxCmpGreater), vdxStsThreshNegLevelErr);
    EXPECT_EQ(vdxsThreshold_LT_32fc(cs, cd, 2, -1), vdxStsThreshNegLevelErr);
    EXPECT_EQ(vdxsThreshold_GT_16sc_I(hd, 2, -1), vdxStsThreshNegLevelErr);
    EXPECT_EQ(vdxsThreshold_LTVal_32fc(cs, cd, 2, -1, Vdx32fc{0, 0}), vdxStsThreshNegLevelErr);
    EXPECT_EQ(vdxsThreshold_GTVal_64fc(zs, zd, 2, -1e-300, Vdx64fc{0, 0}), vdxStsThreshNegLevelErr);
    EXPECT_EQ(vdxsThreshold_LTAbs_16s(is, id, 2, -1), vdxStsThreshNegLevelErr);
    EXPECT_EQ(vdxsThreshold_GTAbs_32s(ws, wd, 2, -5), vdxStsThreshNegLevelErr);
    EXPECT_EQ(vdxsThreshold_LTAbs_64f(fs, fd, 2, -0.5), vdxStsThreshNegLevelErr);
    EXPECT_EQ(vdxsThreshold_LTInv_32f(s, d, 3, -1e-30f), vdxStsThreshNegLevelErr);
    EXPECT_EQ(vdxsThreshold_LTInv_64fc_I(zd, 2, -1), vdxStsThreshNegLevelErr);
    EXPECT_EQ(vdxsThreshold_LTValGTVal_32f(s, d, 3, 2, 0, 1, 0), vdxStsThreshLevelOrderErr);
    EXPECT_EQ(vdxsThreshold_LTValGTVal_32s_I(wd, 2, 2, 0, 1, 0), vdxStsThreshLevelOrderErr);
    for (float x : d) EXPECT_EQ(x, 9.0f);
    for (double x : fd) EXPECT_EQ(x, 9.0);
    for (Vdx32s x : wd) EXPECT_EQ(x, 9);
    for (Vdx16s x : id) EXPECT_EQ(x, 9);
    for (Vdx32fc z : cd) EXPECT_TRUE(z.re == 9 && z.im == 9);
    for (Vdx64fc z : zd) EXPECT_TRUE(z.re == 9 && z.im == 9);
    for (Vdx16sc z : hd) EXPECT_TRUE(z.re == 9 && z.im == 9);
    // Real members take negative levels, and LTValGTVal equal ones.
    EXPECT_EQ(vdxsThreshold_32f(s, d, 3, -1, vdxCmpGreater), vdxStsNoErr);
    EXPECT_EQ(vdxsThreshold_GTVal_16s(is, id, 2, -1, 4), vdxStsNoErr);
    EXPECT_EQ(vdxsThreshold_LTValGTVal_32f(s, d, 3, 2, 0, 2, 7), vdxStsNoErr);
    EXPECT_TRUE(d[0] == 0 && d[1] == 2 && d[2] == 7);
}

TEST(ThresholdStatus, Examples) {
    Vdx32fc z = {3, 4}, y;
    ASSERT_EQ(vdxsThreshold_LT_32fc(&z, &y, 1, 10), vdxStsNoErr);
    EXPECT_TRUE(y.re == 6 && y.im == 8);
    vdxsThreshold_LT_32fc(&z, &y, 1, 5);
    EXPECT_TRUE(y.re == 3 && y.im == 4);
    Vdx32fc w = {6, 8};
    vdxsThreshold_GT_32fc(&w, &y, 1, 5);
    EXPECT_TRUE(y.re == 3 && y.im == 4);
    Vdx32f a[4] = {0.5f, -0.5f, 0.0f, 3.0f}, b[4];
    vdxsThreshold_LTAbs_32f(a, b, 4, 1);
    EXPECT_TRUE(b[0] == 1 && b[1] == -1 && b[2] == 1 && b[3] == 3);
    const Vdx32f negative_zero = -0.0f;
    vdxsThreshold_LTAbs_32f(&negative_zero, b, 1, 1);
    EXPECT_EQ(b[0], -1.0f);
    Vdx16s lowest = -32768, r;
    vdxsThreshold_GTAbs_16s(&lowest, &r, 1, 32767);
    EXPECT_EQ(r, -32767);
    vdxsThreshold_LTAbs_16s(&lowest, &r, 1, 32767);
    EXPECT_EQ(r, -32768);
}

// LTInv at lengths around the parallel threshold with 1, 2 and 3 threads: the
// same values every time; a zero element with level 0 in the last block
// gives vdxStsInvZeroArg on the calling thread and vdxStsDivByZero when the
// vector was shared.
TEST(ThresholdInverse, ThreadsAndWarnings) {
    std::vector<Vdx32f> src(20000);
    std::vector<Vdx64fc> csrc(src.size());
    std::vector<Vdx32fc> fsrc(src.size());
    for (std::size_t i = 0; i < src.size(); ++i) {
        src[i] = static_cast<Vdx32f>(std::uniform_real_distribution<double>(-4, 4)(rng));
        csrc[i] = {src[i], src[src.size() - 1 - i]};
        fsrc[i] = {src[src.size() - 1 - i], src[i]};
    }
    for (int len : {8191, 8192, 8193, 20000}) {
        src[len - 1] = 0.0f;
        csrc[len - 1] = {0, 0};
        fsrc[len - 1] = {0, 0};
        std::vector<Vdx32f> first;
        std::vector<Vdx64fc> cfirst;
        std::vector<Vdx32fc> ffirst;
        for (int threads : {1, 2, 3}) {
            vdxcoreSetNumThreads(threads);
            const VdxStatus want = threads > 1 && len >= 8192 ? vdxStsDivByZero : vdxStsInvZeroArg;
            std::vector<Vdx32f> d(len);
            std::vector<Vdx64fc> cd(len);
            std::vector<Vdx32fc> fd(len);
            EXPECT_EQ(vdxsThreshold_LTInv_32f(src.data(), d.data(), len, 0), want) << len << " " << threads;
            EXPECT_EQ(vdxsThreshold_LTInv_64fc(csrc.data(), cd.data(), len, 0), want) << len << " " << threads;
            EXPECT_EQ(vdxsThreshold_LTInv_32fc(fsrc.data(), fd.data(), len, 0), want) << len << " " << threads;
            EXPECT_EQ(vdxsThreshold_LTInv_32f(src.data(), d.data(), len, 0.25f), vdxStsNoErr);
            EXPECT_EQ(vdxsThreshold_LTInv_64fc(csrc.data(), cd.data(), len, 0.25), vdxStsNoErr);
            EXPECT_EQ(vdxsThreshold_LTInv_32fc(fsrc.data(), fd.data(), len, 0.25f), vdxStsNoErr);
            if (first.empty()) {
                first = d;
                cfirst = cd;
                ffirst = fd;
            }
            EXPECT_EQ(std::memcmp(d.data(), first.data(), len * sizeof(Vdx32f)), 0) << len << " " << threads;
            EXPECT_EQ(std::memcmp(cd.data(), cfirst.data(), len * sizeof(Vdx64fc)), 0) << len << " " << threads;
            EXPECT_EQ(std::memcmp(fd.data(), ffirst.data(), len * sizeof(Vdx32fc)), 0) << len << " " << threads;
        }
        vdxcoreSetNumThreads(0);
        src[len - 1] = 1.0f;
    }
}

}  // namespace
