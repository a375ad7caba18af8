// Reductions, black box, over lengths 1..70 and a few longer ones at offsets
// 0..3: float sums bit for bit against their documented fixed order,
// integer results against exact arithmetic, extrema a first-improvement scan.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <vector>

#include "exact_rules.h"
#include "mismatches.h"

namespace {

std::vector<int> lengths() {
    std::vector<int> v = {127, 128, 129, 1000, 4099};
    for (int n = 1; n <= 70; ++n) v.push_back(n);
    return v;
}

// Runs body(n, off, g) for every length and element offset 0..3.
template <class Body>
void sweep(unsigned seed, Body body) {
    std::mt19937_64 g(seed);
    for (int n : lengths())
        for (int off = 0; off < 4; ++off) body(n, off, g);
}

// Integers over the whole type (range <= 0) or over [-range, range] (ties);
// floats in [-range, range].
template <class T>
std::vector<T> random_vector(std::mt19937_64& g, int n, double range) {
    std::vector<T> v(n);
    const double lo = std::is_signed_v<T> ? -range : 0;
    for (auto& e : v) {
        if constexpr (std::is_floating_point_v<T>) e = static_cast<T>(std::uniform_real_distribution<double>(-range, range)(g));
        else e = range <= 0 ? static_cast<T>(g()) : static_cast<T>(std::llround(std::uniform_real_distribution<double>(lo, range)(g)));
    }
    return v;
}

// The result f(src, n, &result, extra...) writes.
template <class R, class F, class S, class... E>
R result_of(F f, const S* src, int n, E... extra) {
    R r{};
    f(src, n, &r, extra...);
    return r;
}

// ------------------------------------------------------------ float sums

// The library's order: P partials per component (element i into i mod P
// over whole blocks), halving-tree fold, leftovers one by one.
template <class A, int P, int C, class S>
void model_sum(const S* x, int n, A* sum, A* sq) {
    A p[P * C] = {}, q[P * C] = {};
    const int whole = n / P * P;
    auto add = [&](int slot, int i) {
        const A e = static_cast<A>(x[i]);
        p[slot] += e, q[slot] += e * e;
    };
    for (int i = 0; i < whole * C; ++i) add(i % (P * C), i);
    for (int c = 0; c < C; ++c) {
        for (int h = P / 2; h >= 1; h /= 2)
            for (int j = 0; j < h; ++j) p[j * C + c] += p[(j + h) * C + c], q[j * C + c] += q[(j + h) * C + c];
        for (int i = whole; i < n; ++i) add(c, i * C + c);
        sum[c] = p[c];
        if (sq) sq[c] = q[c];
    }
}

double model_std_dev(double s, double q, int n) {
    return std::sqrt(std::max(double(n) * q - s * s, 0.0) / (double(n) * (n - 1)));
}

// The model of a 32f sum by hint (float partials when fast), widened to double.
template <int C>
void model_32f(const float* x, int n, VdxHintAlgorithm h, double* s, double* q) {
    if (h != vdxAlgHintFast) return model_sum<double, 8, C>(x, n, s, q);
    float fs[C], fq;
    model_sum<float, 16, C>(x, n, fs, q ? &fq : nullptr);
    for (int c = 0; c < C; ++c) s[c] = fs[c];
    if (q) *q = fq;
}

TEST(Reduce, FloatSumsFollowTheirFixedOrder) {
    Mismatches m;
    sweep(1, [&](int n, int off, auto& g) {
        std::vector<float> f = random_vector<float>(g, 2 * n + off, 1.0);
        std::vector<double> d = random_vector<double>(g, 2 * n + off, 1.0);
        for (auto& e : f) e += 1.5f;
        for (auto& e : d) e += 1.5;
        const float* x = f.data() + off;
        const double* y = d.data() + off;
        const auto same = [&](auto got, auto want, const char* what, int h = -1) {
            m.expect(same_bits(got, want), what, "n", n, "hint", h);
        };
        const auto* fc = reinterpret_cast<const Vdx32fc*>(x);
        const auto* dc = reinterpret_cast<const Vdx64fc*>(y);
        double s[2], q;
        for (VdxHintAlgorithm h : {vdxAlgHintNone, vdxAlgHintFast, vdxAlgHintAccurate}) {
            model_32f<1>(x, n, h, s, &q);
            same(result_of<float>(vdxsSum_32f, x, n, h), float(s[0]), "Sum_32f", h);
            same(result_of<float>(vdxsMean_32f, x, n, h), float(s[0] / n), "Mean_32f", h);
            if (n >= 2) same(result_of<float>(vdxsStdDev_32f, x, n, h), float(model_std_dev(s[0], q, n)), "StdDev_32f", h);
            model_32f<2>(x, n, h, s, nullptr);
            same(result_of<Vdx32fc>(vdxsSum_32fc, fc, n, h), Vdx32fc{float(s[0]), float(s[1])}, "Sum_32fc", h);
            same(result_of<Vdx32fc>(vdxsMean_32fc, fc, n, h), Vdx32fc{float(s[0] / n), float(s[1] / n)}, "Mean_32fc", h);
        }
        if (n >= 2) {
            std::array<float, 2> r;
            model_32f<1>(x, n, vdxAlgHintNone, s, &q);
            vdxsMeanStdDev_32f(x, n, &r[0], &r[1]);
            same(r, std::array{float(s[0] / n), float(model_std_dev(s[0], q, n))}, "MeanStdDev_32f");
        }
        model_sum<double, 8, 1>(y, n, s, &q);
        same(result_of<double>(vdxsSum_64f, y, n), s[0], "Sum_64f");
        same(result_of<double>(vdxsMean_64f, y, n), s[0] / n, "Mean_64f");
        if (n >= 2) {
            std::array<double, 2> r;
            same(result_of<double>(vdxsStdDev_64f, y, n), model_std_dev(s[0], q, n), "StdDev_64f");
            vdxsMeanStdDev_64f(y, n, &r[0], &r[1]);
            same(r, std::array{s[0] / n, model_std_dev(s[0], q, n)}, "MeanStdDev_64f");
        }
        model_sum<double, 8, 2>(y, n, s, nullptr);
        same(result_of<Vdx64fc>(vdxsSum_64fc, dc, n), Vdx64fc{s[0], s[1]}, "Sum_64fc");
        same(result_of<Vdx64fc>(vdxsMean_64fc, dc, n), Vdx64fc{s[0] / n, s[1] / n}, "Mean_64fc");
    });
    EXPECT_NO_MISMATCH(m);
    // A constant vector has deviation exactly 0 with double sums (the clamp
    // absorbs rounding); float sums make no such promise.
    std::vector<float> k(1001, 0.1f);
    for (VdxHintAlgorithm h : {vdxAlgHintNone, vdxAlgHintAccurate}) {
        float r = -1;
        ASSERT_EQ(vdxsStdDev_32f(k.data(), 1001, &r, h), vdxStsNoErr);
        EXPECT_EQ(r, 0.0f);
    }
}

// ------------------------------------------------------------ integer results

using exact::i128;

TEST(Reduce, IntegerSumsAndMeansScaleRoundAndSaturate) {
    std::mt19937_64 g(2);
    Mismatches m;
    std::vector<int> ns = lengths();
    ns.insert(ns.end(), {65537, 131075});
    for (int n : ns) {
        const bool big = n > 5000;
        for (int off = 0; off < 4; off += (big ? 3 : 1)) {
            // Full range, all -32768 and all 32767 (the extremes stress the lanes).
            for (int kind = 0; kind < 3; ++kind) {
                std::vector<Vdx16s> v = random_vector<Vdx16s>(g, 2 * n + off, 0);
                if (kind) std::fill(v.begin(), v.end(), kind == 1 ? -32768 : 32767);
                std::vector<Vdx32s> w = random_vector<Vdx32s>(g, n + off, kind ? 0 : 100000);
                const Vdx16s* x = v.data() + off;
                const Vdx32s* y = w.data() + off;
                const auto* z = reinterpret_cast<const Vdx16sc*>(x);
                i128 s = 0, re = 0, im = 0, t = 0;
                for (int i = 0; i < n; ++i) s += x[i], re += x[2 * i], im += x[2 * i + 1], t += y[i];
                for (int sf = -35; sf <= 40; sf += (big ? 7 : 1)) {
                    const auto same = [&](const char* what, i128 got, i128 want) { m.expect(got == want, what, "n", n, "kind", kind, "sf", sf); };
                    const auto same2 = [&](const char* what, auto got, i128 re, i128 im) { same(what, got.re, re), same(what, got.im, im); };
                    const auto q32 = [&](i128 v, i128 len) { return exact::quotient(v, len, sf, vdxRndNear, INT32_MIN, INT32_MAX); };
                    const auto q16 = [&](i128 v, i128 len) { return exact::quotient(v, len, sf, vdxRndNear, -32768, 32767); };
                    same("Sum_16s32s", result_of<Vdx32s>(vdxsSum_16s32s_Sfs, x, n, sf), q32(s, 1));
                    same("Sum_16s", result_of<Vdx16s>(vdxsSum_16s_Sfs, x, n, sf), q16(s, 1));
                    same("Sum_32s", result_of<Vdx32s>(vdxsSum_32s_Sfs, y, n, sf), q32(t, 1));
                    same("Mean_16s", result_of<Vdx16s>(vdxsMean_16s_Sfs, x, n, sf), q16(s, n));
                    same2("Sum_16sc32sc", result_of<Vdx32sc>(vdxsSum_16sc32sc_Sfs, z, n, sf), q32(re, 1), q32(im, 1));
                    same2("Sum_16sc", result_of<Vdx16sc>(vdxsSum_16sc_Sfs, z, n, sf), q16(re, 1), q16(im, 1));
                    same2("Mean_16sc", result_of<Vdx16sc>(vdxsMean_16sc_Sfs, z, n, sf), q16(re, n), q16(im, n));
                    // Mean_32s, sf < 0: a sum that fits 32 bits is shifted first, others the rounded mean.
                    i128 mean = q32(t, n);
                    if (sf < 0 && (t < INT32_MIN || t > INT32_MAX || sf <= -32)) {
                        const i128 q = exact::quotient(t, n, 0, vdxRndNear, INT64_MIN, INT64_MAX);
                        mean = sf <= -32 ? (q > 0 ? INT32_MAX : (q < 0 ? INT32_MIN : 0))
                                         : exact::clamp128(q << -sf, INT32_MIN, INT32_MAX);
                    }
                    same("Mean_32s", result_of<Vdx32s>(vdxsMean_32s_Sfs, y, n, sf), mean);
                }
            }
        }
    }
    EXPECT_NO_MISMATCH(m);
}

TEST(Reduce, IntegerStdDevRoundsTheExactDeviation) {
    std::mt19937_64 g(3);
    Mismatches m;
    for (int n : lengths()) {
        for (int kind = 0; kind < 2 && n >= 2; ++kind) {
            std::vector<Vdx16s> v = random_vector<Vdx16s>(g, n + 1, kind ? 0 : 3);
            const Vdx16s* x = v.data() + 1;
            long double s = 0, dev = 0;
            for (int i = 0; i < n; ++i) s += x[i];
            const long double mean = s / n;
            for (int i = 0; i < n; ++i) dev += (x[i] - mean) * (x[i] - mean);
            dev = std::sqrt(dev / (n - 1));
            // Results within rounding noise of a tie are skipped.
            const auto near_tie = [](long double y) { return std::fabs(y - std::floor(y) - 0.5L) < 1e-12L * (1 + std::fabs(y)); };
            for (int sf = -20; sf <= 20; ++sf) {
                const long double y = std::ldexp(dev, -sf), mu = std::ldexp(mean, -sf);
                if (near_tie(y)) continue;
                Vdx32s a = -1, b = -1;
                Vdx16s c = -1, d = -1;
                vdxsStdDev_16s32s_Sfs(x, n, &a, sf);
                vdxsStdDev_16s_Sfs(x, n, &c, sf);
                vdxsMeanStdDev_16s32s_Sfs(x, n, &b, &a, sf);
                vdxsMeanStdDev_16s_Sfs(x, n, &d, &c, sf);
                m.expect(a == exact::rounded<Vdx32s>(y) && c == exact::rounded<Vdx16s>(y), "StdDev n", n, "sf", sf);
                m.expect(near_tie(mu) || (b == exact::rounded<Vdx32s>(mu) && d == exact::rounded<Vdx16s>(mu)),
                         "MeanStdDev mean n", n, "sf", sf);
            }
        }
    }
    EXPECT_NO_MISMATCH(m);
}

// ------------------------------------------------------------ extrema

// The extrema of one type; the signed and float types also have Min, Max
// and their Indx forms, and the Abs rows only those, by magnitude.
template <class T>
struct Extrema {
    VdxStatus (*min_max)(const T*, int, T*, T*);
    VdxStatus (*min_max_indx)(const T*, int, T*, int*, T*, int*);
    VdxStatus (*min)(const T*, int, T*) = nullptr;
    VdxStatus (*max)(const T*, int, T*) = nullptr;
    VdxStatus (*min_indx)(const T*, int, T*, int*) = nullptr;
    VdxStatus (*max_indx)(const T*, int, T*, int*) = nullptr;
    bool by_magnitude = false;
};

// The type's magnitude: |-32768| saturates, |INT32_MIN| wraps.
template <class T>
T magnitude(T x) {
    if constexpr (sizeof(T) == 2) return x == -32768 ? 32767 : T(x < 0 ? -x : x);
    return T(x < 0 ? 0u - Vdx32u(x) : Vdx32u(x));
}

// First strict improvement of key(x), NaNs skipped; a vector of NaNs gives index 0.
template <class T, class Key>
int reference_extremum(const T* x, int n, bool max, Key key) {
    int at = -1;
    for (int i = 0; i < n; ++i) {
        if (x[i] == x[i] && (at < 0 || (max ? key(x[i]) > key(x[at]) : key(x[i]) < key(x[at])))) at = i;
    }
    return std::max(at, 0);
}

// Wide values (kind 0), narrow ones (ties); for floats NaNs (kind >= 1),
// zeros of both signs and infinities (kind 2), all NaN (kind 3); for
// integers the type's bounds among narrow ones (kind 2), nothing beyond one
// bound (kind 3).
template <class T>
std::vector<T> extrema_input(std::mt19937_64& g, int size, int kind, bool odd) {
    using L = std::numeric_limits<T>;
    std::vector<T> v = random_vector<T>(g, size, kind == 0 ? 0 : 3);
    for (auto& e : v) {
        const unsigned r = g() % 16;
        if constexpr (std::is_floating_point_v<T>) {
            if (kind == 0) e *= 1e6;
            if (kind >= 1 && r == 0) e = L::quiet_NaN();
            if (kind == 2 && r >= 1 && r <= 3) e = r == 1 ? T(-0.0) : r == 2 ? T(0.0) : (g() & 1) ? INFINITY : -INFINITY;
            if (kind == 3) e = L::quiet_NaN();
        } else {
            if (kind == 2 && r < 2) e = r ? L::max() : L::lowest();
            if (kind == 3) e = (r % 4) ? (odd ? L::max() : L::lowest()) : T((odd ? L::max() : L::lowest()) / 2);
        }
    }
    return v;
}

template <class T>
void check_extrema(Mismatches& m, const Extrema<T>& f) {
    const auto key = [&](T v) { return f.by_magnitude ? magnitude(v) : v; };
    sweep(4, [&](int n, int off, auto& g) {
        for (int kind = 0; kind < 4; ++kind) {
            const std::vector<T> v = extrema_input<T>(g, n + off, kind, n & 1);
            const T* x = v.data() + off;
            const int lo = reference_extremum(x, n, false, key), hi = reference_extremum(x, n, true, key);
            const auto expect = [&](bool ok, const char* what) {
                m.expect(ok, what, sizeof(T), f.by_magnitude ? "Abs" : "", "n", n, "kind", kind);
            };
            T a, b;
            int i = -1, j = -1;
            if (f.min_max) {
                f.min_max(x, n, &a, &b);
                expect(same_bits(a, x[lo]) && same_bits(b, x[hi]), "MinMax");
                f.min_max_indx(x, n, &a, &i, &b, &j);
                expect(same_bits(a, x[lo]) && same_bits(b, x[hi]) && i == lo && j == hi, "MinMaxIndx");
            }
            if (!f.min) continue;
            for (int max = 0; max < 2; ++max) {
                const int want = max ? hi : lo;
                (max ? f.max : f.min)(x, n, &a);
                expect(same_bits(a, key(x[want])), max ? "Max" : "Min");
                i = -1;
                (max ? f.max_indx : f.min_indx)(x, n, &a, &i);
                expect(same_bits(a, key(x[want])) && i == want, max ? "MaxIndx" : "MinIndx");
            }
            expect(f.by_magnitude || f.min_indx(x, n, &a, nullptr) == vdxStsNoErr, "MinIndx takes a null index");
        }
    });
}

TEST(Reduce, ExtremaReportTheFirstOccurrence) {
    Mismatches m;
    check_extrema<Vdx8u>(m, {vdxsMinMax_8u, vdxsMinMaxIndx_8u});
    check_extrema<Vdx16u>(m, {vdxsMinMax_16u, vdxsMinMaxIndx_16u});
    check_extrema<Vdx32u>(m, {vdxsMinMax_32u, vdxsMinMaxIndx_32u});
#define VDX_EXTREMA(code) \
    {vdxsMinMax_##code, vdxsMinMaxIndx_##code, vdxsMin_##code, vdxsMax_##code, vdxsMinIndx_##code, vdxsMaxIndx_##code}
    check_extrema<Vdx16s>(m, VDX_EXTREMA(16s));
    check_extrema<Vdx32s>(m, VDX_EXTREMA(32s));
    check_extrema<Vdx32f>(m, VDX_EXTREMA(32f));
    check_extrema<Vdx64f>(m, VDX_EXTREMA(64f));
#undef VDX_EXTREMA
    check_extrema<Vdx16s>(m, {nullptr, nullptr, vdxsMinAbs_16s, vdxsMaxAbs_16s, vdxsMinAbsIndx_16s, vdxsMaxAbsIndx_16s, true});
    check_extrema<Vdx32s>(m, {nullptr, nullptr, vdxsMinAbs_32s, vdxsMaxAbs_32s, vdxsMinAbsIndx_32s, vdxsMaxAbsIndx_32s, true});
    EXPECT_NO_MISMATCH(m);
}

// -0 and +0 are equal, and the value-only extrema return the first of
// them: a -0 / +0 pair at every two positions of a vector of two whole
// vectors and a tail, the rest of it larger (Min) or smaller (Max).
template <class T>
void check_signed_zeros(Mismatches& m, VdxStatus (*min)(const T*, int, T*), VdxStatus (*max)(const T*, int, T*),
                        VdxStatus (*min_max)(const T*, int, T*, T*)) {
    constexpr int kLen = 2 * 64 / sizeof(T) + 3;
    for (int off = 0; off < 2; ++off)
        for (int first = 0; first < kLen; ++first)
            for (int second = 0; second < kLen; ++second)
                for (int sign = 0; sign < 2 && first != second; ++sign)
                    for (int above = 0; above < 2; ++above) {
                        std::vector<T> v(kLen + off);
                        for (int i = 0; i < kLen; ++i) v[off + i] = (above ? 1 : -1) * T(1 + i % 5);
                        v[off + first] = sign ? T(-0.0) : T(0.0);
                        v[off + second] = sign ? T(0.0) : T(-0.0);
                        const T want = v[off + std::min(first, second)];
                        T one = 7, lo = 7, hi = 7;
                        (above ? min : max)(v.data() + off, kLen, &one);
                        min_max(v.data() + off, kLen, &lo, &hi);
                        m.expect(same_bits(one, want) && same_bits(above ? lo : hi, want), above ? "Min" : "Max",
                                 sizeof(T), "zeros at", first, second, "first negative", sign, "offset", off);
                    }
}

TEST(Reduce, SignedZerosGiveTheFirstOfThemAtEveryLane) {
    Mismatches m;
    check_signed_zeros<Vdx32f>(m, vdxsMin_32f, vdxsMax_32f, vdxsMinMax_32f);
    check_signed_zeros<Vdx64f>(m, vdxsMin_64f, vdxsMax_64f, vdxsMinMax_64f);
    EXPECT_NO_MISMATCH(m);
}

// ------------------------------------------------------------ every

// The second operand wins ties; a NaN loses to a number.
template <class T>
T every_reference(T a, T b, bool max) {
    if (b != b) return a;
    if (a != a) return b;
    return max ? (a > b ? a : b) : (a < b ? a : b);
}

template <class T>
void check_every(Mismatches& m, VdxStatus (*min_i)(const T*, T*, int), VdxStatus (*max_i)(const T*, T*, int),
                 VdxStatus (*min2)(const T*, const T*, T*, Vdx32u), VdxStatus (*max2)(const T*, const T*, T*, Vdx32u)) {
    sweep(6, [&](int n, int off, auto& g) {
        std::vector<T> a = random_vector<T>(g, n + off, 0), b = random_vector<T>(g, n + off, 0);
        if constexpr (std::is_floating_point_v<T>) {
            for (int i = 0; i < n + off; ++i) {
                const unsigned r = g() % 8;
                if (r < 2) (r ? b : a)[i] = T(NAN);
                if (r == 2 || r == 3) a[i] = T(r == 2 ? -0.0 : 0.0), b[i] = T(r == 2 ? 0.0 : -0.0);
            }
        }
        for (int max = 0; max < 2; ++max) {
            // One guard element after the end must stay untouched.
            std::vector<T> d(n + off + 1, T(7)), s(b);
            s.push_back(T(7));
            const T* x = a.data() + off;
            (max ? max_i : min_i)(x, s.data() + off, n);
            if (min2) (max ? max2 : min2)(x, b.data() + off, d.data() + off, n);
            for (int i = 0; i < n; ++i) {
                const T want = every_reference(x[i], b[off + i], max);
                m.expect(same_bits(s[off + i], want) && (!min2 || same_bits(d[off + i], want)), "Every", sizeof(T),
                         "max", max, "n", n, "i", i);
            }
            m.expect(s[off + n] == T(7) && d[off + n] == T(7), "Every wrote past n", n);
        }
    });
}

TEST(Reduce, MinEveryMaxEveryKeepTheSecondOnTiesAndSkipNaN) {
    Mismatches m;
    check_every<Vdx8u>(m, vdxsMinEvery_8u_I, vdxsMaxEvery_8u_I, vdxsMinEvery_8u, vdxsMaxEvery_8u);
    check_every<Vdx16u>(m, vdxsMinEvery_16u_I, vdxsMaxEvery_16u_I, vdxsMinEvery_16u, vdxsMaxEvery_16u);
    check_every<Vdx16s>(m, vdxsMinEvery_16s_I, vdxsMaxEvery_16s_I, nullptr, nullptr);
    check_every<Vdx32s>(m, vdxsMinEvery_32s_I, vdxsMaxEvery_32s_I, nullptr, nullptr);
    check_every<Vdx32f>(m, vdxsMinEvery_32f_I, vdxsMaxEvery_32f_I, vdxsMinEvery_32f, vdxsMaxEvery_32f);
    check_every<Vdx64f>(m, vdxsMinEvery_64f_I, vdxsMaxEvery_64f_I, vdxsMinEvery_64f, vdxsMaxEvery_64f);
    EXPECT_NO_MISMATCH(m);
}

// ------------------------------------------------------------ order, counts, crossings, windows

// Significant bits of the largest magnitude.
int bit_order(unsigned long long big) { return big ? 64 - __builtin_clzll(big) : 0; }

// Float MaxOrder: frexp's exponent of the largest finite magnitude (zeros
// and subnormals count as the smallest normal's); non-finite elements only
// raise the warning.
template <class F>
void check_float_order(Mismatches& m, std::mt19937_64& g, int n, int off) {
    using L = std::numeric_limits<F>;
    std::vector<F> v(n + off);
    bool special = false;
    int want = L::min_exponent - 1;
    for (int i = 0; i < n + off; ++i) {
        const int r = int(g() % 64);
        v[i] = std::ldexp(F(1) + F(g() % 999983) / F(999983), int(g() % 400) - 200) * ((g() & 1) ? 1 : -1);
        if (r == 0) v[i] = (g() & 1) ? INFINITY : NAN;
        if (r == 1) v[i] = L::denorm_min() * 3;
        if (i < off) continue;
        special |= !std::isfinite(v[i]);
        int e = L::min_exponent - 1;
        if (std::isfinite(v[i]) && std::fabs(v[i]) >= L::min()) std::frexp(v[i], &e);
        want = std::max(want, e);
    }
    int got = 0;
    VdxStatus st;
    if constexpr (sizeof(F) == 4) st = vdxsMaxOrder_32f(v.data() + off, n, &got);
    else st = vdxsMaxOrder_64f(v.data() + off, n, &got);
    m.expect(got == want && st == (special ? vdxStsNonFiniteArg : vdxStsNoErr), "MaxOrder", sizeof(F), "n", n);
}

TEST(Reduce, MaxOrderCountInRangeAndZeroCrossing) {
    Mismatches m;
    sweep(7, [&](int n, int off, auto& g) {
        std::vector<Vdx32s> w = random_vector<Vdx32s>(g, n + off, (g() % 3) ? 1 << (g() % 31) : 0);
        std::vector<Vdx16s> h = random_vector<Vdx16s>(g, n + off, 2);
        std::vector<float> f = random_vector<float>(g, n + off, 2);
        for (auto& e : f) e = g() % 10 ? std::round(e) : (g() & 1) ? -0.0f : NAN;  // sign changes, zeros, NaNs
        const Vdx32s* y = w.data() + off;
        const Vdx16s* x = h.data() + off;
        const float* z = f.data() + off;
        unsigned long long big = 0, big16 = 0;
        std::vector<Vdx16s> k(n);  // |-32768| has 16 bits
        for (int i = 0; i < n; ++i) {
            k[i] = Vdx16s(i == n / 2 && (g() & 1) ? -32768 : y[i] >> 16);
            big = std::max<unsigned long long>(big, std::llabs((long long)y[i]));
            big16 = std::max<unsigned long long>(big16, std::abs(int(k[i])));
        }
        int order = -1, order16 = -1;
        vdxsMaxOrder_32s(y, n, &order);
        vdxsMaxOrder_16s(k.data(), n, &order16);
        m.expect(order == bit_order(big) && order16 == bit_order(big16), "MaxOrder integer n", n);
        check_float_order<float>(m, g, n, off);
        check_float_order<double>(m, g, n, off);
        // CountInRange between two elements, both bounds excluded.
        const Vdx32s lo = y[g() % n], hi = y[g() % n];
        int want = 0, got = -1;
        for (int i = 0; i < n; ++i) want += lo < y[i] && y[i] < hi;
        vdxsCountInRange_32s(y, n, &got, lo, hi);
        m.expect(got == want, "CountInRange n", n);
        // ZeroCrossing, each type from its definition.
        auto sign = [](double v) { return (v > 0) - (v < 0); };
        auto crossings = [&](auto* v, int type) {
            long long c = 0;
            for (int i = 1; i < n; ++i) {
                const int a = sign(v[i - 1]), b = sign(v[i]);
                c += type == 0 ? (a * b < 0) : type == 1 ? ((v[i - 1] < 0) != (v[i] < 0)) : std::abs(a - b);
            }
            return float(type == 2 ? c / 2 : c);
        };
        for (int type = 0; type < 3; ++type) {
            float r1 = -1, r2 = -1;
            vdxsZeroCrossing_16s32f(x, n, &r1, VdxZCType(type));
            vdxsZeroCrossing_32f(z, n, &r2, VdxZCType(type));
            m.expect(r1 == crossings(x, type) && r2 == crossings(z, type), "ZeroCrossing n", n, "type", type);
        }
    });
    EXPECT_NO_MISMATCH(m);
}

TEST(Reduce, SumWindowRunsTheWindowForward) {
    std::mt19937_64 g(8);
    Mismatches m;
    for (int len : {1, 2, 9, 100})
        for (int w = 1; w <= 40; ++w) {
            std::vector<Vdx16s> x = random_vector<Vdx16s>(g, len + w - 1, 0);
            std::vector<Vdx8u> u = random_vector<Vdx8u>(g, len + w - 1, 0);
            // Eight partials for the first window, then the running update.
            auto model = [&](auto* v, int i) {
                float s;
                model_sum<float, 8, 1>(v, w, &s, nullptr);
                for (int k = 0; k < i; ++k) s += float(int(v[k + w]) - int(v[k]));
                return s;
            };
            std::vector<float> d1(len + 1, -7.0f), d2(len + 1, -7.0f);
            vdxsSumWindow_16s32f(x.data(), d1.data(), len, w);
            vdxsSumWindow_8u32f(u.data(), d2.data(), len, w);
            long long exact = 0;
            for (int k = 0; k < w; ++k) exact += u[k];
            for (int i = 0; i < len; ++i)
                m.expect(same_bits(d1[i], model(x.data(), i)) && same_bits(d2[i], model(u.data(), i)), "SumWindow len",
                         len, "w", w, "i", i);
            // Byte sums stay below 2^24: exact.
            m.expect(d2[0] == float(exact) && d1[len] == -7.0f && d2[len] == -7.0f, "SumWindow exact/guard", len, w);
        }
    EXPECT_NO_MISMATCH(m);
}

// ------------------------------------------------------------ statuses

// Every member's pointer and length checks run in the contract fuzzer;
// these are the rules of their own.
TEST(Reduce, ChecksComeInOrder) {
    float f[4] = {1, 2, 3, 4}, out = -5;
    Vdx16s s[4] = {1, 2, 3, 4}, o16 = -5;
    Vdx8u u8[4] = {1, 2, 3, 4};
    const std::pair<VdxStatus, VdxStatus> rows[] = {
        {vdxsStdDev_32f(f, 1, &out, vdxAlgHintFast), vdxStsSizeErr},
        {vdxsMeanStdDev_16s_Sfs(s, 1, &o16, &o16, 0), vdxStsSizeErr},
        {vdxsMaxOrder_16s(nullptr, 0, nullptr), vdxStsSizeErr},  // the length first
        {vdxsZeroCrossing_32f(nullptr, 4, &out, VdxZCType(7)), vdxStsNullPtrErr},
        {vdxsZeroCrossing_16s32f(s, 4, &out, VdxZCType(3)), vdxStsRangeErr},
        {vdxsZeroCrossing_16s32f(s, 4, &out, VdxZCType(-1)), vdxStsRangeErr},
        {vdxsSumWindow_16s32f(s, nullptr, 1, 0), vdxStsNullPtrErr},
        {vdxsSumWindow_16s32f(s, f, 1, 0), vdxStsMaskSizeErr},
        {vdxsSumWindow_8u32f(u8, f, 0, 1), vdxStsNoErr},
        {vdxsSumWindow_8u32f(u8, f, -4, 2), vdxStsNoErr},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) EXPECT_EQ(rows[i].first, rows[i].second) << "row " << i;
}

}  // namespace
