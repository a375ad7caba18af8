// Fixed-point scaling, rounding and saturation, and the internal conversions
// in every variant.  The oracles work on exact values (__int128, or long
// double where every input and every power of two in play is exact) and
// decide ties explicitly, so they share nothing with the code under test.
#include <gtest/gtest.h>

#include "mismatches.h"
#include <immintrin.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "convert.h"
#include "fixed.h"
#include "isa.h"
#include "kernel_variants.h"
#include "vdxcore.h"

namespace {

template <class... T>
struct Types {};
using DstTypes = Types<Vdx8u, Vdx8s, Vdx16u, Vdx16s, Vdx32u, Vdx32s, Vdx64s>;

template <class Fn, class... T>
void for_each_type(Types<T...>, Fn&& fn) {
    (fn(T{}), ...);
}


// ---------------------------------------------------------------- the caller's MXCSR

constexpr unsigned kCsrDefault = 0x1F80;  // all exceptions masked, round to nearest
constexpr unsigned kCsrFlags = 0x3F;
constexpr unsigned kFtzDaz = 0x8040;
constexpr unsigned kRounding[] = {_MM_ROUND_NEAREST, _MM_ROUND_DOWN, _MM_ROUND_UP, _MM_ROUND_TOWARD_ZERO};

// Puts the given MXCSR in place for its lifetime.
class CallerCsr {
public:
    explicit CallerCsr(unsigned csr) : saved_(_mm_getcsr()) { _mm_setcsr(csr); }
    ~CallerCsr() { _mm_setcsr(saved_); }

private:
    unsigned saved_;
};

bool daz(unsigned csr) { return (csr & 0x40) != 0; }

std::string csr_name(unsigned csr) {
    static const char* const names[] = {"Nearest", "Down", "Up", "TowardZero"};
    std::string s = names[(csr & _MM_ROUND_MASK) >> 13];
    if (csr & kFtzDaz) s += "_FtzDaz";
    return s;
}

std::vector<unsigned> caller_csrs() {
    std::vector<unsigned> v;
    for (unsigned extra : {0u, kFtzDaz})
        for (unsigned rc : kRounding) v.push_back(kCsrDefault | rc | extra);
    return v;
}

// ---------------------------------------------------------------- integer rule

// r * 2^-sf, rounded half to even, clamped to Dst: exact in __int128.
template <class Dst>
Dst ref_scale_round_sat(std::int64_t r, int sf) {
    const __int128 lo = std::numeric_limits<Dst>::min(), hi = std::numeric_limits<Dst>::max();
    __int128 v;
    if (sf <= 0) {
        const long long n = -static_cast<long long>(sf);
        if (r == 0) {
            v = 0;
        } else if (n >= 64) {
            v = r > 0 ? hi + 1 : lo - 1;  // |r| * 2^64 is beyond every bound
        } else {
            v = static_cast<__int128>(r) * (static_cast<__int128>(1) << n);
        }
    } else {
        // |r| / 2^100 < 2^-37: beyond 100 every quotient rounds to 0 as well.
        const int s = sf > 100 ? 100 : sf;
        const __int128 d = static_cast<__int128>(1) << s;
        __int128 q = r / d, rem = r - q * d;
        if (rem < 0) q -= 1, rem += d;  // floor, 0 <= rem < d
        if (2 * rem > d || (2 * rem == d && (q & 1) != 0)) q += 1;
        v = q;
    }
    return static_cast<Dst>(v < lo ? lo : (v > hi ? hi : v));
}

// The rule's own examples, at compile time (the rule is constexpr).
static_assert(vdx::scale_round_sat<Vdx16s>(3, 1) == 2);
static_assert(vdx::scale_round_sat<Vdx16s>(1, 1) == 0);
static_assert(vdx::scale_round_sat<Vdx16s>(5, 1) == 2);
static_assert(vdx::scale_round_sat<Vdx16s>(-3, 1) == -2);
static_assert(vdx::scale_round_sat<Vdx16s>(40000, -16) == 32767);

template <class Dst>
void check_scale(std::int64_t r, int sf, Mismatches& m) {
    const Dst got = vdx::scale_round_sat<Dst>(r, sf);
    const Dst want = ref_scale_round_sat<Dst>(r, sf);
    if (got != want) {
        m.note([&](std::ostream& os) {
            os << sizeof(Dst) * 8 << (std::numeric_limits<Dst>::is_signed ? "s" : "u") << " r=" << r
               << " sf=" << sf << ": got " << +got << ", want " << +want;
        });
    }
}

// Every sum of two 16-bit values, every factor from the sign-saturating
// shifts (-70) to the all-zero ones (70), into every destination type.
TEST(ScaleRoundSat, EverySumOfTwo16BitValuesAndFactor) {
    Mismatches m;
    for (int sf = -70; sf <= 70; ++sf) {
        for (std::int64_t r = -65536; r <= 65534; ++r) {
            for_each_type(DstTypes{}, [&](auto tag) { check_scale<decltype(tag)>(r, sf, m); });
        }
    }
    EXPECT_NO_MISMATCH(m);
}

// The whole 64-bit range: extremes, powers of two and their neighbours, ties
// at every bit position, random values of every magnitude; factors up to the
// 32-bit extremes.
TEST(ScaleRoundSat, SixtyFourBitResultsAndExtremeFactors) {
    std::vector<std::int64_t> rs = {0, 1, -1, INT64_MAX, INT64_MIN, INT64_MAX - 1, INT64_MIN + 1};
    for (int k = 0; k < 63; ++k) {
        const std::int64_t p = std::int64_t{1} << k;
        for (std::int64_t v : {p - 1, p, p + 1, 3 * (p >> 1), 5 * (p >> 2)}) {
            rs.push_back(v);
            rs.push_back(-v);
        }
    }
    std::mt19937_64 rng(12345);
    for (int i = 0; i < 4000; ++i) {
        const auto bits = static_cast<std::int64_t>(rng());
        rs.push_back(bits >> (rng() % 64));
    }
    std::vector<int> sfs = {INT_MIN, INT_MIN + 1, -100000, -1000, -200, -100, 100, 200, 1000, 100000, INT_MAX - 1, INT_MAX};
    for (int sf = -70; sf <= 70; ++sf) sfs.push_back(sf);

    Mismatches m;
    for (int sf : sfs)
        for (std::int64_t r : rs)
            for_each_type(DstTypes{}, [&](auto tag) { check_scale<decltype(tag)>(r, sf, m); });
    EXPECT_NO_MISMATCH(m);
}

// ---------------------------------------------------------------- float to integer

// x * 2^-sf exactly (long double holds every float and double and every
// power of two in reach; beyond it ldexpl gives 0 or infinity, which round
// and saturate as the exact value does), then clamped and rounded by mode
// with the tie decided explicitly.
template <class Dst, class F>
Dst ref_convert(F x, int sf, int mode) {
    using L = std::numeric_limits<Dst>;
    if (std::isnan(x)) return 0;
    const long double y = std::ldexp(static_cast<long double>(x), sf == INT_MIN ? INT_MAX : -sf);
    const long double lo = static_cast<long double>(L::min()), hi = static_cast<long double>(L::max());
    if (y <= lo) return L::min();
    if (y >= hi) return L::max();
    const long double f = std::floor(y), frac = y - f;  // exact: |y| < 2^64
    long double r;
    if (mode == vdxRndZero) {
        r = std::trunc(y);
    } else if (frac != 0.5L) {
        r = frac < 0.5L ? f : f + 1;
    } else if (mode == vdxRndNear) {
        r = std::fmod(f, 2.0L) == 0 ? f : f + 1;
    } else {
        r = y > 0 ? f + 1 : f;  // ties away from zero
    }
    return L::is_signed ? static_cast<Dst>(static_cast<long long>(r))
                        : static_cast<Dst>(static_cast<unsigned long long>(r));
}

std::vector<int> float_sfs() {
    std::vector<int> v = {INT_MIN, INT_MIN + 1, -5000, INT_MAX, INT_MAX - 1, 5000};
    for (int sf = -40; sf <= 40; ++sf) v.push_back(sf);
    for (int a : {63, 64, 65, 126, 127, 128, 129, 130, 149, 150, 151, 240, 241, 1022, 1023, 1024, 1074, 1075,
                  1076, 2000, 2001})
        v.insert(v.end(), {a, -a});
    return v;
}

// Values that land, after scaling by 2^-sf, on or next to integers, ties
// and every type's bounds, plus specials and values unrelated to sf.
template <class F>
std::vector<F> float_sources(int sf, std::mt19937& rng) {
    using L = std::numeric_limits<F>;
    std::vector<long double> targets;
    for (int k = -6; k <= 6; ++k)
        for (long double d : {-0.5L, -0.25L, 0.0L, 0.25L, 0.5L, 0.75L}) targets.push_back(k + d);
    for (long double b : {128.0L, 256.0L, 32768.0L, 65536.0L, 2147483648.0L, 4294967296.0L, 9223372036854775808.0L})
        for (long double d : {-1.5L, -1.0L, -0.5L, 0.0L, 0.5L, 1.0L})
            targets.insert(targets.end(), {b + d, -b + d});
    std::vector<F> v;
    for (long double t : targets) {
        const F x = static_cast<F>(std::ldexp(t, sf == INT_MIN ? INT_MAX : sf));  // may saturate or lose bits
        v.insert(v.end(), {x, std::nextafter(x, F(0)), std::nextafter(x, L::infinity()),
                           std::nextafter(x, -L::infinity())});
    }
    v.insert(v.end(), {F(0), -F(0), L::infinity(), -L::infinity(), L::quiet_NaN(), -L::quiet_NaN(), L::max(),
                       -L::max(), L::min(), -L::min(), L::denorm_min(), -L::denorm_min(), L::min() / 4,
                       std::nextafter(F(0.5), F(0)), -std::nextafter(F(0.5), F(0)), F(2.5), F(-2.5), F(40000)});
    std::uniform_int_distribution<std::uint64_t> bits;
    for (int i = 0; i < 64; ++i) {
        F x;
        if constexpr (sizeof(F) == 4) {
            const auto b = static_cast<std::uint32_t>(bits(rng));
            std::memcpy(&x, &b, sizeof x);
        } else {
            const auto b = bits(rng);
            std::memcpy(&x, &b, sizeof x);
        }
        v.push_back(x);
    }
    return v;
}

// With DAZ set, a subnormal source reads as zero; the results are otherwise
// independent of the caller's MXCSR.
template <class F>
void drop_subnormals(std::vector<F>& v) {
    for (F& x : v)
        if (std::fpclassify(x) == FP_SUBNORMAL) x = 0;
}

class CallerMxcsr : public ::testing::TestWithParam<unsigned> {};

INSTANTIATE_TEST_SUITE_P(AllModes, CallerMxcsr, ::testing::ValuesIn(caller_csrs()),
                         [](const auto& info) { return csr_name(info.param); });

template <class F>
void check_scalar_conversions(unsigned csr) {
    std::mt19937 rng(7);
    Mismatches m;
    for (int sf : float_sfs()) {
        std::vector<F> xs = float_sources<F>(sf, rng);
        if (daz(csr)) drop_subnormals(xs);
        for (int mode : {vdxRndZero, vdxRndNear, vdxRndFinancial}) {
            for_each_type(DstTypes{}, [&](auto tag) {
                using Dst = decltype(tag);
                std::vector<Dst> got(xs.size());
                {
                    CallerCsr caller(csr);
                    if (mode == vdxRndFinancial) {
                        vdx::FinancialRoundingScope scope;
                        for (std::size_t i = 0; i < xs.size(); ++i) got[i] = vdx::convert_sfs<Dst>(xs[i], sf, mode);
                    } else {
                        for (std::size_t i = 0; i < xs.size(); ++i) got[i] = vdx::convert_sfs<Dst>(xs[i], sf, mode);
                    }
                }
                for (std::size_t i = 0; i < xs.size(); ++i) {
                    const Dst want = ref_convert<Dst>(xs[i], sf, mode);
                    if (got[i] != want) {
                        m.note([&](std::ostream& os) {
                            os.precision(21);
                            os << sizeof(F) * 8 << "f->" << sizeof(Dst) * 8
                               << (std::numeric_limits<Dst>::is_signed ? "s" : "u") << " mode " << mode << " x=" << xs[i]
                               << " sf=" << sf << ": got " << +got[i] << ", want " << +want;
                        });
                    }
                }
            });
        }
    }
    EXPECT_NO_MISMATCH(m);
}

TEST_P(CallerMxcsr, FloatToIntegerInEveryModeTypeAndFactor) { check_scalar_conversions<float>(GetParam()); }
TEST_P(CallerMxcsr, DoubleToIntegerInEveryModeTypeAndFactor) { check_scalar_conversions<double>(GetParam()); }

// The scope runs with truncation and changes nothing else; afterwards the
// caller's rounding, FTZ and DAZ are back.
TEST_P(CallerMxcsr, FinancialScopeTruncatesAndRestoresTheCaller) {
    const unsigned csr = GetParam();
    CallerCsr caller(csr);
    {
        vdx::FinancialRoundingScope scope;
        EXPECT_EQ(_mm_getcsr() & ~kCsrFlags, (csr & ~_MM_ROUND_MASK) | _MM_ROUND_TOWARD_ZERO);
        volatile float x = std::nextafter(0.5f, 0.0f), half = 0.5f;
        EXPECT_LT(x + half, 1.0f);
    }
    EXPECT_EQ(_mm_getcsr() & ~kCsrFlags, csr);
}

// The half added in the financial mode must not round up: 0.49999997f + 0.5f
// is 1.0f under round-to-nearest, so without the switch to truncation the
// conversion would give 1.
TEST(FinancialRounding, HalfAdditionDependsOnTruncation) {
    volatile float x = std::nextafter(0.5f, 0.0f);  // 0.49999997f
    CallerCsr caller(kCsrDefault);
    EXPECT_EQ(x + 0.5f, 1.0f);
    vdx::FinancialRoundingScope scope;
    EXPECT_LT(x + 0.5f, 1.0f);
    EXPECT_EQ(vdx::round_sat<Vdx16s>(x, vdxRndFinancial), 0);
    EXPECT_EQ(vdx::round_sat<Vdx16s>(-x, vdxRndFinancial), 0);
    const float constant = 0.49999997f;  // also when the value is known at compile time
    EXPECT_EQ(vdx::round_sat<Vdx16s>(constant, vdxRndFinancial), 0);
}

// Exception flags raised inside the scope stay raised for the caller; only
// the rounding field is put back.
TEST(FinancialRounding, FlagsRaisedInsideSurviveTheScope) {
    CallerCsr caller(kCsrDefault);
    {
        vdx::FinancialRoundingScope scope;
        volatile float a = 1.0f, b = 3.0f;
        volatile float q = a / b;  // inexact
        (void)q;
    }
    EXPECT_NE(_mm_getcsr() & _MM_EXCEPT_INEXACT, 0u);
    EXPECT_EQ(_mm_getcsr() & _MM_ROUND_MASK, unsigned(_MM_ROUND_NEAREST));
}

TEST(RoundModes, AcceptedSets) {
    for (int mode : {-1, 0, 1, 2, 3, 0x7FFFFFFF}) {
        EXPECT_EQ(vdx::round_mode_accepted(mode, vdxRndZero, vdxRndNear, vdxRndFinancial), mode >= 0 && mode <= 2);
        EXPECT_EQ(vdx::round_mode_accepted(mode, vdxRndZero, vdxRndNear), mode == 0 || mode == 1) << mode;
    }
}

// ---------------------------------------------------------------- the conversions

// Each variant's kernels, called directly, and the glue, which must take
// the same inputs (len and sf as they come) to the same results.
struct Runner {
    std::string name;
    std::function<void(const Vdx16s*, Vdx32f*, int)> c16s32f;
    std::function<void(const Vdx32s*, Vdx64f*, int)> c32s64f;
    std::function<void(const Vdx32f*, Vdx16s*, int, int)> c32f16s;
    std::function<void(const Vdx64f*, Vdx32s*, int, int)> c64f32s;
};

std::vector<Runner> runners() {
    auto variant = [](const char* name, const vdx::ConvertKernels& k) {
        return Runner{name, k.convert_16s32f, k.convert_32s64f,
                      [&k](const Vdx32f* s, Vdx16s* d, int n, int sf) {
                          k.convert_32f16s_sfs(s, d, n, vdx::pow2_scale<float>(sf));
                      },
                      [&k](const Vdx64f* s, Vdx32s* d, int n, int sf) {
                          k.convert_64f32s_sfs(s, d, n, vdx::pow2_scale<double>(sf));
                      }};
    };
    std::vector<Runner> v;
    for (const auto& kv : kernel_variants(vdx::convert_kernels_variants)) v.push_back(variant(kv.name.c_str(), *kv.k));
    v.push_back({"glue", vdx::convert_16s32f, vdx::convert_32s64f, vdx::convert_32f16s_sfs, vdx::convert_64f32s_sfs});
    return v;
}

// Runs run(src + so, dst + do, len) for lengths 1..67 (every tail of every
// vector width) and a few long ones, source and destination offsets varying
// with the length, guard zones around the destination; compares with want.
template <class S, class D, class Run>
void sweep(const std::string& what, const std::vector<S>& src, const std::vector<D>& want, Run run, Mismatches& m) {
    constexpr int kGuard = 16;
    std::vector<int> lens;
    for (int n = 1; n <= 67; ++n) lens.push_back(n);
    lens.insert(lens.end(), {1000, 2047, 4099});
    for (int len : lens) {
        const int so = len % 5, dof = (len / 5) % 4;
        std::vector<S> s(len + 8);
        std::copy(src.begin(), src.begin() + len, s.begin() + so);
        std::vector<D> d(len + dof + 2 * kGuard);
        std::memset(d.data(), 0x5A, d.size() * sizeof(D));
        D sentinel;
        std::memset(&sentinel, 0x5A, sizeof sentinel);
        run(s.data() + so, d.data() + kGuard + dof, len);
        for (int i = 0; i < static_cast<int>(d.size()); ++i) {
            const int k = i - kGuard - dof;
            const bool inside = k >= 0 && k < len;
            const D expect = inside ? want[k] : sentinel;
            if (std::memcmp(&d[i], &expect, sizeof(D)) != 0) {
                m.note([&](std::ostream& os) {
                    os.precision(17);
                    os << what << " len=" << len << (inside ? " element " : " guard at ") << k << ": got " << +d[i]
                       << ", want " << +expect;
                    if (inside) os << " (source " << +src[k] << ")";
                });
            }
        }
    }
}

TEST(Convert, IntegersToFloatingPointAreExact) {
    std::mt19937 rng(3);
    std::vector<Vdx16s> s16;
    for (int v = -32768; v <= 32767; ++v) s16.push_back(static_cast<Vdx16s>(v));
    std::shuffle(s16.begin(), s16.end(), rng);
    std::vector<Vdx32s> s32 = {INT32_MIN, INT32_MAX, 0, -1, 1, INT32_MIN + 1, INT32_MAX - 1, 16777217, -16777217};
    std::uniform_int_distribution<std::int32_t> any(INT32_MIN, INT32_MAX);
    while (s32.size() < 5000) s32.push_back(any(rng));
    std::vector<Vdx32f> w32(s16.size());
    for (std::size_t i = 0; i < s16.size(); ++i) w32[i] = static_cast<Vdx32f>(static_cast<long double>(s16[i]));
    std::vector<Vdx64f> w64(s32.size());
    for (std::size_t i = 0; i < s32.size(); ++i) w64[i] = static_cast<Vdx64f>(static_cast<long double>(s32[i]));

    for (const Runner& r : runners()) {
        Mismatches m;
        sweep(r.name + " 16s32f", s16, w32, r.c16s32f, m);
        sweep(r.name + " 32s64f", s32, w64, r.c32s64f, m);
        std::vector<Vdx32f> all(s16.size());  // the whole int16 range in one call
        r.c16s32f(s16.data(), all.data(), static_cast<int>(s16.size()));
        if (all != w32) m.note([&](std::ostream& os) { os << r.name << " 16s32f over the whole range"; });
        EXPECT_NO_MISMATCH(m);
    }
}

// Sources for one factor: the float_sources set, shuffled and repeated up to
// the longest length, so that specials fall into vector bodies and tails.
template <class F>
std::vector<F> long_sources(int sf, std::mt19937& rng, unsigned csr) {
    std::vector<F> base = float_sources<F>(sf, rng);
    if (daz(csr)) drop_subnormals(base);
    std::vector<F> v;
    while (v.size() < 4099) {
        std::shuffle(base.begin(), base.end(), rng);
        v.insert(v.end(), base.begin(), base.end());
    }
    return v;
}

TEST_P(CallerMxcsr, FloatingPointToIntegerRoundsToNearestEvenAndSaturates) {
    const unsigned csr = GetParam();
    std::vector<int> sfs = {INT_MIN, INT_MAX, -200, 200};
    for (int sf = -40; sf <= 40; ++sf) sfs.push_back(sf);
    for (int a : {126, 127, 128, 129, 130, 1023, 1024, 1074, 1075}) sfs.insert(sfs.end(), {a, -a});
    const std::vector<Runner> all = runners();
    std::mt19937 rng(11);
    Mismatches m;
    for (int sf : sfs) {
        const std::vector<Vdx32f> x32 = long_sources<float>(sf, rng, csr);
        const std::vector<Vdx64f> x64 = long_sources<double>(sf, rng, csr);
        std::vector<Vdx16s> w16(x32.size());
        for (std::size_t i = 0; i < x32.size(); ++i) w16[i] = ref_convert<Vdx16s>(x32[i], sf, vdxRndNear);
        std::vector<Vdx32s> w32(x64.size());
        for (std::size_t i = 0; i < x64.size(); ++i) w32[i] = ref_convert<Vdx32s>(x64[i], sf, vdxRndNear);

        CallerCsr caller(csr);
        for (const Runner& r : all) {
            const std::string tag = " sf=" + std::to_string(sf);
            sweep(r.name + " 32f16s" + tag, x32, w16, [&](auto s, auto d, int n) { r.c32f16s(s, d, n, sf); }, m);
            sweep(r.name + " 64f32s" + tag, x64, w32, [&](auto s, auto d, int n) { r.c64f32s(s, d, n, sf); }, m);
        }
        EXPECT_EQ(_mm_getcsr() & ~kCsrFlags, csr);
    }
    EXPECT_NO_MISMATCH(m);
}

// The glue runs the variant the process chose (the best one the core
// library reports), and empty or negative lengths touch nothing.
TEST(Convert, GlueUsesTheChosenVariantAndIgnoresEmptyLengths) {
    EXPECT_EQ(&vdx::convert_kernels(), best_kernel_variant(vdx::convert_kernels_variants));
    for (int len : {0, -1, INT_MIN}) {
        vdx::convert_16s32f(nullptr, nullptr, len);
        vdx::convert_32s64f(nullptr, nullptr, len);
        vdx::convert_32f16s_sfs(nullptr, nullptr, len, 0);
        vdx::convert_64f32s_sfs(nullptr, nullptr, len, 0);
    }
}

}  // namespace
