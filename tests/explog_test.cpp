// Exponential and logarithm family, black box: float results against long
// double expl/logl in ulps of the destination, integer results against their
// rules in quad precision (exponentials) or long double (logarithms).
#include <gtest/gtest.h>
#include <quadmath.h>

#include <climits>
#include <cmath>
#include <functional>
#include <random>
#include <vector>

#include "mismatches.h"
#include "vdxs.h"

namespace {

// |got - exact| in ulps of D at the exact value; an infinity counts as exact
// only where the exact value rounds to it.
template <class D>
double ulp_error(D got, long double exact) {
    if (std::isinf(got)) return static_cast<D>(exact) == got ? 0.0 : INFINITY;
    if (std::isnan(got)) return INFINITY;
    int e = 0;
    frexpl(fabsl(exact), &e);
    const int ulp_exp = std::max(e, std::numeric_limits<D>::min_exponent) - std::numeric_limits<D>::digits;
    return static_cast<double>(fabsl(static_cast<long double>(got) - exact) / ldexpl(1.0L, ulp_exp));
}
// Long double resolves 2^-11 of a double ulp.
constexpr double kOneUlp = 1.0 + 0x1p-10;

// ---------------------------------------------------------------- float forms

// A float form; InPlace is null where the types differ.
template <class S_, class D_, bool Ln, VdxStatus (*Out)(const S_*, D_*, int), VdxStatus (*InPlace)(D_*, int) = nullptr>
struct Form {
    using S = S_;
    using D = D_;
    static constexpr bool is_ln = Ln;
    static VdxStatus out(const S* s, D* d, int n) { return Out(s, d, n); }
    static VdxStatus in_place(D* io, int n) { return InPlace(io, n); }
    static long double ref(S x) { return Ln ? logl(x) : expl(x); }
};
using Exp32f = Form<Vdx32f, Vdx32f, false, vdxsExp_32f, vdxsExp_32f_I>;
using Exp64f = Form<Vdx64f, Vdx64f, false, vdxsExp_64f, vdxsExp_64f_I>;
using Exp32f64f = Form<Vdx32f, Vdx64f, false, vdxsExp_32f64f>;
using Ln32f = Form<Vdx32f, Vdx32f, true, vdxsLn_32f, vdxsLn_32f_I>;
using Ln64f = Form<Vdx64f, Vdx64f, true, vdxsLn_64f, vdxsLn_64f_I>;
using Ln64f32f = Form<Vdx64f, Vdx32f, true, vdxsLn_64f32f>;

template <class F>
class ExpLogFloat : public ::testing::Test {};
using FloatForms = ::testing::Types<Exp32f, Exp64f, Exp32f64f, Ln32f, Ln64f, Ln64f32f>;
TYPED_TEST_SUITE(ExpLogFloat, FloatForms);
template <class F>
class ExpLogLnWarning : public ::testing::Test {};
using LnForms = ::testing::Types<Ln32f, Ln64f, Ln64f32f>;
TYPED_TEST_SUITE(ExpLogLnWarning, LnForms);

// A dense sweep: 32-bit sources at a fixed stride through every bit pattern,
// 64-bit ones spread over the exponential's domain or every binade of the
// logarithm's; before them, runs of neighbours where the kernels change path
// and at the ends of the reduction intervals, where the polynomials err most.
template <class F>
std::vector<typename F::S> dense_inputs() {
    using S = typename F::S;
    using L = std::numeric_limits<S>;
    std::vector<S> v;
    auto keep = [&](S x) {
        if (std::isfinite(x) && (F::is_ln ? x > 0 : x < 710)) v.push_back(x);
    };
    auto around = [&](long double c, int k) {
        S x = static_cast<S>(c);
        for (int j = 0; j < k; ++j) x = std::nextafter(x, S(-INFINITY));
        for (int j = 0; j <= 2 * k; ++j, x = std::nextafter(x, S(INFINITY))) keep(x);
    };
    const std::vector<long double> ln_edges = {1.0L, 3.0L, static_cast<long double>(L::max())},
                                    exp_edges = {0.0L,    86.5L, -86.5L, 88.7228391L, -87.3365447L, -103.2789L, -103.972077L,
                                                 708.0L,  -708.0L, 709.782712893L, -708.396418532L, -744.44007192L, -745.133219102L};
    for (long double c : F::is_ln ? ln_edges : exp_edges) around(c, 4);
    for (int k = L::min_exponent - L::digits - 1; k <= L::max_exponent; ++k) {
        around(F::is_ln ? ldexpl(0.70710678118654752440L, k) : (k + 0.5L) * 0.69314718055994530942L, 16);
        if (F::is_ln) around(ldexpl(1.0L, k), 4);
    }
    if constexpr (sizeof(S) == 4) {
        for (std::uint64_t b = 0; b < (1ull << 32); b += 1021) keep(from_bits<S>(static_cast<std::uint32_t>(b)));
        return v;
    }
    std::mt19937_64 rng(F::is_ln ? 21 : 22);
    auto unit = [&] { return std::ldexp(static_cast<double>(rng() >> 11), -53); };
    for (int i = 0; i < 3000000; ++i) {
        if (!F::is_ln) keep(S(-745.2 + 1455.0 * unit()));
        else if (i % 3) keep(std::ldexp(S(1 + unit()), int(rng() % 2098) - 1074));
        else keep(S(0.5 + 1.5 * unit()));
    }
    return v;
}

// Within one ulp everywhere, and the same bits in place (tails: the lanes test
// below; offsets: contract_fuzz).
TYPED_TEST(ExpLogFloat, WithinOneUlpOverADenseSweep) {
    using F = TypeParam;
    using D = typename F::D;
    const auto src = dense_inputs<F>();
    const int len = static_cast<int>(src.size());
    std::vector<D> dst(len);
    ASSERT_EQ(F::out(src.data(), dst.data(), len), vdxStsNoErr);
    double worst = 0;
    int at = 0;
    for (int i = 0; i < len; ++i) {
        const double e = ulp_error<D>(dst[i], F::ref(src[i]));
        if (e > worst) worst = e, at = i;
    }
    EXPECT_LE(worst, kOneUlp) << len << " points; worst at x = " << std::hexfloat << +src[at];
    if constexpr (std::is_same_v<typename F::S, D>) {
        std::vector<D> io(src);
        ASSERT_EQ(F::in_place(io.data(), len), vdxStsNoErr);
        ASSERT_EQ(std::memcmp(io.data(), dst.data(), len * sizeof(D)), 0);
    }
}

// Each special element at every position among ordinary ones: exact bits,
// the warning, and the ordinary lanes still within one ulp.
TYPED_TEST(ExpLogFloat, SpecialElementsInEveryLane) {
    using F = TypeParam;
    using S = typename F::S;
    using D = typename F::D;
    using US = std::conditional_t<sizeof(S) == 4, std::uint32_t, std::uint64_t>;
    const US sign = US{1} << (sizeof(S) * 8 - 1), inf_bits = US(bits_of(S(INFINITY)));
    const US quiet = static_cast<US>(sizeof(S) == 4 ? 0x7FC00000ull : 0x7FF8000000000000ull);
    const D inf = INFINITY, neg_nan = sizeof(D) == 4 ? from_bits<D>(0xFFC00000u) : from_bits<D>(0xFFF8000000000000ull);
    struct Special { S x; D want; VdxStatus status; };
    std::vector<Special> specials;
    // NaNs come through: the same bits, or as the processor converts them.
    for (US nan : {US(quiet | 0x1234), US(inf_bits | 0x1234), US(sign | quiet | 0x77)})
        if (!F::is_ln || !(nan & sign)) specials.push_back({from_bits<S>(nan), D(from_bits<S>(nan)), vdxStsNoErr});
    if (F::is_ln) {
        specials.push_back({S(0), -inf, vdxStsLnZeroArg});
        specials.push_back({S(INFINITY), inf, vdxStsNoErr});
        for (S n : {S(-0.0), S(-1), -std::numeric_limits<S>::denorm_min(), S(-INFINITY),
                    from_bits<S>(US(sign | quiet | 5)), from_bits<S>(US(sign | inf_bits | 1))})
            specials.push_back({n, neg_nan, vdxStsLnNegArg});
    } else {
        for (S x : {S(INFINITY), std::numeric_limits<S>::max()}) specials.push_back({x, inf, vdxStsNoErr});
        for (S x : {S(-INFINITY), -std::numeric_limits<S>::max()}) specials.push_back({x, D(0), vdxStsNoErr});
        for (S x : {S(0), S(-0.0)}) specials.push_back({x, D(1), vdxStsNoErr});
    }
    constexpr int kLen = 19;  // two AVX2 float vectors and a tail
    for (const Special& sp : specials)
        for (int at = 0; at < kLen; ++at) {
            std::vector<S> src(kLen);
            for (int i = 0; i < kLen; ++i) src[i] = S(0.3 + 0.37 * i);
            src[at] = sp.x;
            std::vector<D> dst(kLen);
            EXPECT_EQ(F::out(src.data(), dst.data(), kLen), sp.status) << std::hex << bits_of(sp.x) << " at " << at;
            // A converted NaN keeps only its sign.
            const bool converted_nan = std::isnan(sp.want) && !std::is_same_v<S, D>;
            EXPECT_TRUE(converted_nan ? std::isnan(dst[at]) && std::signbit(dst[at]) == std::signbit(sp.want)
                                      : bits_of(dst[at]) == bits_of(sp.want))
                << std::hex << bits_of(sp.x) << " at " << at;
            for (int i = 0; i < kLen; ++i)
                ASSERT_TRUE(i == at || ulp_error<D>(dst[i], F::ref(src[i])) <= kOneUlp) << "lane " << i;
        }
}

// A zero and a negative element at the given places (-1: none) among 777
// ordinary ones, across the 256-element blocks: the first decides the warning.
const std::pair<int, int> kOffenders[] = {{3, 5},    {5, 3},     {0, 1},    {255, 256}, {256, 255}, {254, 600},
                                          {600, 2},  {511, 512}, {770, 769}, {-1, 700}, {700, -1},  {-1, -1}};
template <class T>
VdxStatus place_offenders(std::vector<T>& v, int zero_at, int negative_at) {
    if (zero_at >= 0) v[zero_at] = T(0);
    if (negative_at >= 0) v[negative_at] = T(-3);
    const int first = std::min(static_cast<unsigned>(zero_at), static_cast<unsigned>(negative_at));  // -1 sorts last
    return first < 0 ? vdxStsNoErr : first == zero_at ? vdxStsLnZeroArg : vdxStsLnNegArg;
}

TYPED_TEST(ExpLogLnWarning, FirstOffendingElementDecides) {
    using F = TypeParam;
    using D = typename F::D;
    for (const auto& [zero_at, negative_at] : kOffenders) {
        std::vector<typename F::S> src(777, 2);
        const VdxStatus want = place_offenders(src, zero_at, negative_at);
        std::vector<D> dst(777, D(7));
        EXPECT_EQ(F::out(src.data(), dst.data(), 777), want) << zero_at << " " << negative_at;
        EXPECT_LE(ulp_error<D>(dst[776], logl(2.0L)), kOneUlp);
        if constexpr (std::is_same_v<typename F::S, D>) {
            EXPECT_EQ(F::in_place(src.data(), 777), want);
        }
    }
}

// ---------------------------------------------------------------- integer exponential

// The range of round(e^x 2^-sf) (halves up, saturated to hi) over a relative
// error rel, in quad precision; e^0 2^-sf is exact (the one possible tie).
std::pair<std::int64_t, std::int64_t> exp_rule(std::int64_t x, int sf, std::int64_t hi, double rel) {
    const bool small = std::llabs(x) < 11000 && std::abs(sf) < 16000;
    const __float128 v = small ? ldexpq(expq(static_cast<__float128>(x)), -sf)
                               : expq(static_cast<__float128>(x) - static_cast<__float128>(sf) * logq(2));
    if (x == 0) rel = 0;
    auto rounded = [&](__float128 w) {
        return w >= static_cast<__float128>(hi) + 0.5 ? hi : static_cast<std::int64_t>(floorq(w + 0.5));
    };
    return {rounded(v * (1 - static_cast<__float128>(rel))), rounded(v * (1 + static_cast<__float128>(rel)))};
}

template <class T>
class ExpLogIntExp : public ::testing::Test {};
using IntTypes = ::testing::Types<Vdx16s, Vdx32s, Vdx64s>;
TYPED_TEST_SUITE(ExpLogIntExp, IntTypes);

#define VDX_INT_EXP(T, c)                                                                                  \
    VdxStatus int_exp(const T* s, T* d, int n, int sf) { return vdxsExp_##c##_Sfs(s, d, n, sf); } \
    VdxStatus int_exp(T* io, int n, int sf) { return vdxsExp_##c##_ISfs(io, n, sf); }
VDX_INT_EXP(Vdx16s, 16s) VDX_INT_EXP(Vdx32s, 32s) VDX_INT_EXP(Vdx64s, 64s)
#undef VDX_INT_EXP

// Exact for every scale factor, inside the tables' range and beyond it
// (where a large x balances a large sf), and for the extremes of the type.
TYPED_TEST(ExpLogIntExp, RoundsHalfUpAndSaturatesForEveryScaleFactor) {
    using T = TypeParam;
    const std::int64_t hi = std::numeric_limits<T>::max(), lo = std::numeric_limits<T>::min();
    const int bits = std::numeric_limits<T>::digits;
    std::vector<int> factors;
    for (int sf = -bits - 3; sf <= bits + 3; ++sf) factors.push_back(sf);
    for (int sf : {-100, 100, -1100, 1100, 5000, 100000, INT_MIN, INT_MAX}) factors.push_back(sf);
    for (int sf : factors) {
        std::vector<T> src;
        for (std::int64_t x = -3 * bits / 2 - 4; x <= 3 * bits / 2 + 4; ++x) src.push_back(static_cast<T>(x));
        const std::int64_t centre = static_cast<std::int64_t>(std::llround(sf * 0.6931471805599453));
        for (std::int64_t x = centre - 2; x <= centre + bits * 7 / 10 + 2; ++x)
            if (x >= lo && x <= hi) src.push_back(static_cast<T>(x));
        for (std::int64_t x : {lo, lo + 1, hi - 1, hi}) src.push_back(static_cast<T>(x));
        std::vector<T> dst(src.size()), io(src);
        ASSERT_EQ(int_exp(src.data(), dst.data(), static_cast<int>(src.size()), sf), vdxStsNoErr);
        ASSERT_EQ(int_exp(io.data(), static_cast<int>(io.size()), sf), vdxStsNoErr);
        ASSERT_EQ(io, dst);
        for (std::size_t i = 0; i < src.size(); ++i) {
            // Quad's own uncertainty must leave one answer, and it must be that.
            const auto [low, high] = exp_rule(src[i], sf, hi, 0x1p-100);
            ASSERT_EQ(low, high) << "x " << +src[i] << " sf " << sf;
            ASSERT_EQ(dst[i], low) << "x " << +src[i] << " sf " << sf;
        }
    }
}

// ---------------------------------------------------------------- integer logarithms

// Rules in long double.  sf >= 0: rounded to an integer (10 log10 x: to the
// nearest even one from x = 15 to 1412537544), then shifted right.  sf < 0:
// times 2^-sf, rounded, saturated; *close within 2^-50 (relative) of a half.
std::int64_t log_rule(bool ten_log10, std::int64_t x, int sf, std::int64_t lo, std::int64_t hi, bool* close) {
    *close = false;
    if (x <= 0) return lo;
    const long double v = ten_log10 ? 10 * log10l(static_cast<long double>(x)) : logl(static_cast<long double>(x));
    if (sf >= 0) {
        std::int64_t r = llroundl(v);
        if (ten_log10 && x >= 15 && x <= 1412537544) r = 2 * static_cast<std::int64_t>(floorl((v + 0.5L) / 2));
        return sf >= 63 ? 0 : std::min(r >> sf, hi);
    }
    const long double scaled = ldexpl(v, std::min(-static_cast<long long>(sf), 200LL));
    if (scaled >= hi) return hi;
    *close = fabsl(scaled - floorl(scaled) - 0.5L) < scaled * 0x1p-50L;
    return static_cast<std::int64_t>(nearbyintl(scaled));
}

// A form run on xs converted to its source type (in place if asked).
using LogRun = std::function<VdxStatus(const std::vector<std::int64_t>&, int, std::vector<std::int64_t>*, bool)>;
template <class S, class D>
LogRun log_runner(VdxStatus (*f)(const S*, D*, int, int), VdxStatus (*f_i)(D*, int, int)) {
    return [=](const std::vector<std::int64_t>& xs, int sf, std::vector<std::int64_t>* out, bool in_place) {
        std::vector<S> src(xs.begin(), xs.end());
        std::vector<D> dst(xs.size());
        const int n = static_cast<int>(xs.size());
        const VdxStatus st = in_place ? f_i(reinterpret_cast<D*>(src.data()), n, sf) : f(src.data(), dst.data(), n, sf);
        if (in_place) std::memcpy(dst.data(), src.data(), n * sizeof(D));  // in-place forms have one type
        out->assign(dst.begin(), dst.end());
        return st;
    };
}

struct LogForm {
    const char* name;
    bool ten_log10, src16, dst16, has_in_place;
    LogRun run;
};
const LogForm kLogForms[] = {
    {"Ln_16s", false, true, true, true, log_runner(vdxsLn_16s_Sfs, vdxsLn_16s_ISfs)},
    {"Ln_32s", false, false, false, true, log_runner(vdxsLn_32s_Sfs, vdxsLn_32s_ISfs)},
    {"Ln_32s16s", false, false, true, false, log_runner<Vdx32s, Vdx16s>(vdxsLn_32s16s_Sfs, nullptr)},
    {"TenLog10_32s", true, false, false, true, log_runner(vdxs10Log10_32s_Sfs, vdxs10Log10_32s_ISfs)},
};
class ExpLogIntLog : public ::testing::TestWithParam<LogForm> {};
INSTANTIATE_TEST_SUITE_P(Forms, ExpLogIntLog, ::testing::ValuesIn(kLogForms),
                         [](const auto& info) { return std::string(info.param.name); });

// Every 16-bit value, or the 32-bit integers around every step of the
// rounded value, a random spread and the extremes; sf -40..34 and extremes.
TEST_P(ExpLogIntLog, FollowsItsRuleForEveryScaleFactor) {
    const LogForm& f = GetParam();
    std::vector<std::int64_t> xs;
    if (f.src16) {
        for (std::int64_t x = -32768; x <= 32767; ++x) xs.push_back(x);
    } else {
        for (int j = 1; j <= 190; ++j) {
            const long double step = ceill(f.ten_log10 ? powl(10, j / 20.0L) : expl(j / 2.0L));
            if (step > INT32_MAX) break;
            for (std::int64_t x = static_cast<std::int64_t>(step) - 2; x <= step + 1 && x <= INT32_MAX; ++x)
                xs.push_back(x);
        }
        std::mt19937 rng(5);
        for (int i = 0; i < 3000; ++i) xs.push_back(static_cast<std::int32_t>(rng()) >> (rng() % 31));
        for (std::int64_t x : {std::int64_t{INT32_MIN}, std::int64_t{-1}, std::int64_t{0}, std::int64_t{1},
                               std::int64_t{INT32_MAX}})
            xs.push_back(x);
    }
    const std::int64_t lo = f.dst16 ? -32768 : INT32_MIN, hi = f.dst16 ? 32767 : INT32_MAX;
    std::vector<int> factors{INT_MIN, -1000, 1000, INT_MAX};
    for (int sf = -40; sf <= 34; ++sf) factors.push_back(sf);
    for (int sf : factors) {
        std::vector<std::int64_t> got, again;
        f.run(xs, sf, &got, false);
        for (std::size_t i = 0; i < xs.size(); ++i) {
            bool close = false;
            const std::int64_t want = log_rule(f.ten_log10, xs[i], sf, lo, hi, &close);
            ASSERT_LE(std::llabs(got[i] - want), close ? 1 : 0) << f.name << " x " << xs[i] << " sf " << sf;
        }
        if (f.has_in_place) {
            f.run(xs, sf, &again, true);
            ASSERT_EQ(again, got);
        }
    }
}

// Zero and negative elements give the type's minimum, and the warning of the first.
TEST_P(ExpLogIntLog, FirstNonPositiveElementDecidesTheWarning) {
    const LogForm& f = GetParam();
    const std::int64_t lo = f.dst16 ? -32768 : INT32_MIN, hi = f.dst16 ? 32767 : INT32_MAX;
    bool close;
    for (int sf : {0, 2, -3}) {
        for (const auto& [zero_at, negative_at] : kOffenders) {
            std::vector<std::int64_t> xs(777, 100), got;
            const VdxStatus want = place_offenders(xs, zero_at, negative_at);
            EXPECT_EQ(f.run(xs, sf, &got, false), want);
            for (std::size_t i = 0; i < xs.size(); ++i) ASSERT_EQ(got[i], log_rule(f.ten_log10, xs[i], sf, lo, hi, &close));
        }
    }
}

// ---------------------------------------------------------------- SumLn

// A form on xs converted to its source type: status, result.
using SumRun = std::function<std::pair<VdxStatus, long double>(const std::vector<long double>&)>;
template <class S, class R>
SumRun sum_runner(VdxStatus (*f)(const S*, int, R*)) {
    return [f](const std::vector<long double>& xs) {
        const std::vector<S> src(xs.begin(), xs.end());
        R r = 5;
        const VdxStatus st = f(src.data(), static_cast<int>(src.size()), &r);
        return std::pair<VdxStatus, long double>{st, r};
    };
}
// Forms 1 and 2 sum in double, 3 takes integers.
const std::pair<const char*, SumRun> kSumForms[] = {{"SumLn_32f", sum_runner(vdxsSumLn_32f)},
                                                    {"SumLn_64f", sum_runner(vdxsSumLn_64f)},
                                                    {"SumLn_32f64f", sum_runner(vdxsSumLn_32f64f)},
                                                    {"SumLn_16s32f", sum_runner(vdxsSumLn_16s32f)}};
const auto run_sum = [](int form, const std::vector<long double>& xs) { return kSumForms[form].second(xs); };
class ExpLogSumLn : public ::testing::TestWithParam<int> {};
INSTANTIATE_TEST_SUITE_P(Forms, ExpLogSumLn, ::testing::Values(0, 1, 2, 3),
                         [](const auto& info) { return std::string(kSumForms[info.param].first); });

TEST_P(ExpLogSumLn, MatchesTheSumOfLogarithms) {
    const int form = GetParam();
    std::mt19937_64 rng(9);
    for (int len : {1, 3, 511, 512, 513, 1500, 4099}) {
        std::vector<long double> xs(len);
        long double exact = 0, magnitude = 0;
        for (auto& x : xs) {
            const long double u = std::ldexp(static_cast<long double>(rng() >> 11), -53) * 60 - 30;
            x = form == 3 ? 1 + rng() % 32767 : form == 1 ? static_cast<double>(expl(u)) : static_cast<float>(expl(u));
            exact += logl(x);
            magnitude += fabsl(logl(x));
        }
        const auto [status, got] = run_sum(form, xs);
        ASSERT_EQ(status, vdxStsNoErr);
        // One double rounding per logarithm and addition; float results add half an ulp.
        const long double bound = magnitude * 0x1p-50L + (form == 1 || form == 2 ? 0 : ldexpl(fabsl(exact), -24));
        EXPECT_LE(fabsl(got - exact), bound) << len;
    }
}

// Inside a 512-element block a negative element wins over a zero and a zero
// over a NaN; the first block with a zero or a negative one ends the sum.
TEST_P(ExpLogSumLn, BlockRulesForZeroNegativeAndNaN) {
    const int form = GetParam();
    const long double kZero = 0, kNeg = -2, kNaN = NAN;
    struct Case { int at_a; long double a; int at_b; long double b; VdxStatus status; };
    const Case cases[] = {
        {10, kZero, -1, 0, vdxStsLnZeroArg},        {10, kNeg, -1, 0, vdxStsLnNegArg},
        {0, kZero, 511, kNeg, vdxStsLnNegArg},      {0, kZero, 512, kNeg, vdxStsLnZeroArg},
        {511, kNeg, 512, kZero, vdxStsLnNegArg},    {1100, kNeg, 700, kZero, vdxStsLnZeroArg},
        {5, kNaN, -1, 0, vdxStsNoErr},              {5, kNaN, 6, kZero, vdxStsLnZeroArg},
        {5, kNaN, 600, kZero, vdxStsLnZeroArg},     {5, kNaN, 6, kNeg, vdxStsLnNegArg},
        {1000, kZero, 1100, kNeg, vdxStsLnZeroArg}, {4, -0.0L, -1, 0, vdxStsLnNegArg},
    };
    for (const Case& c : cases) {
        if (form == 3 && (std::isnan(c.a) || std::signbit(c.a) != (c.a < 0))) continue;  // no NaN or -0 among integers
        std::vector<long double> xs(1400, 3);
        xs[c.at_a] = c.a;
        if (c.at_b >= 0) xs[c.at_b] = c.b;
        const auto [status, got] = run_sum(form, xs);
        EXPECT_EQ(status, c.status) << c.at_a << " " << c.at_b;
        EXPECT_TRUE(c.status == vdxStsLnZeroArg ? std::isinf(got) && got > 0 : std::isnan(got));
    }
}

}  // namespace
