// Auto- and cross-correlation, black box, against long-double sums (which
// conjugate the first signal).  Lengths and windows on both sides of every
// FFT switch; a single lag is always a direct sum, so the bits of one-lag
// calls tell which lags the FFT computed.  16-bit forms against exact sums,
// rounded half to even and saturated; CrossCorr_16s64s exactly; statuses.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdint>
#include <latch>
#include <random>
#include <thread>
#include <vector>

#include "exact_rules.h"
#include "fft_common.h"
#include "fir_elements.h"
#include "mismatches.h"
#include "vdxs.h"

namespace {

std::mt19937 rng(5);
using fir_test::cx;
using fir_test::LC;
enum class Norm { none, a, b };

// Uniform in [-1, 1], or whole numbers in [-whole, whole].
template <class T>
std::vector<T> random_signal(int n, int whole = 0) {
    std::vector<double> v(2 * n);
    for (auto& x : v) x = whole ? std::uniform_int_distribution<int>(-whole, whole)(rng) : std::uniform_real_distribution<double>(-1, 1)(rng);
    std::vector<T> out(n);
    if constexpr (std::is_arithmetic_v<T>) std::copy(v.begin(), v.begin() + n, out.begin());
    else for (int i = 0; i < n; ++i) out[i] = {decltype(T::re)(v[i]), decltype(T::re)(v[n + i])};
    return out;
}

// sum over n of conj(x1[n]) x2[n + t], and a tolerance for both methods.
template <class T>
LC exact_lag(const std::vector<T>& x1, const std::vector<T>& x2, long t) {
    LC s = 0;
    for (long n = t < 0 ? -t : 0; n < long(x1.size()) && n + t < long(x2.size()); ++n)
        s += std::conj(cx(x1[n])) * cx(x2[n + t]);
    return s;
}
template <class T>
long double tolerance(const std::vector<T>& x1, const std::vector<T>& x2, long double eps) {
    auto energy = [](const std::vector<T>& x) { long double e = 0; for (const T& v : x) e += std::norm(cx(v)); return e; };
    return 64 * eps * std::sqrt(energy(x1) * energy(x2));
}

#define VDX_CORR_SET(code, T, P)                                                                         \
    constexpr long double eps_of(const T*) { return std::numeric_limits<P>::epsilon(); }                 \
    VdxStatus autocorr(const T* s, int n, T* d, int m, Norm k) {                                         \
        return k == Norm::a ? vdxsAutoCorr_NormA_##code(s, n, d, m)                                      \
               : k == Norm::b ? vdxsAutoCorr_NormB_##code(s, n, d, m) : vdxsAutoCorr_##code(s, n, d, m); \
    }                                                                                                    \
    VdxStatus crosscorr(const T* a, int na, const T* b, int nb, T* d, int m, int low) {                  \
        return vdxsCrossCorr_##code(a, na, b, nb, d, m, low);                                            \
    }
VDX_CORR_SET(32f, Vdx32f, Vdx32f)
VDX_CORR_SET(64f, Vdx64f, Vdx64f)
VDX_CORR_SET(32fc, Vdx32fc, Vdx32f)
VDX_CORR_SET(64fc, Vdx64fc, Vdx64f)
#undef VDX_CORR_SET

// Threads of the program making the process's first call of an FFT size at
// once (one of them builds the shared transform the others then use; the
// first test of the file, so that no earlier call has built it) all get the
// bits a later call gets.
TEST(Corr, FirstCallsFromManyThreads) {
    const auto x = random_signal<Vdx64fc>(2000);
    constexpr int kThreads = 4, kLags = 400;
    std::vector<std::vector<Vdx64fc>> got(kThreads, std::vector<Vdx64fc>(kLags));
    std::latch start(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            start.arrive_and_wait();
            vdxsAutoCorr_64fc(x.data(), 2000, got[t].data(), kLags);
        });
    for (auto& t : threads) t.join();
    std::vector<Vdx64fc> later(kLags);
    ASSERT_EQ(vdxsAutoCorr_64fc(x.data(), 2000, later.data(), kLags), vdxStsNoErr);
    EXPECT_NEAR(std::abs(cx(later[1]) - exact_lag(x, x, 1)), 0, tolerance(x, x, eps_of(later.data())));
    for (int t = 0; t < kThreads; ++t)
        EXPECT_EQ(0, std::memcmp(got[t].data(), later.data(), sizeof(Vdx64fc) * kLags)) << "thread " << t;
}

long double divisor(Norm norm, int len, int k) { return norm == Norm::a ? len : norm == Norm::b ? len - k : 1; }
Vdx16s scaled(long double v, int sf) { return exact::rounded<Vdx16s>(std::ldexp(v, -sf)); }

// Whole-number signals: direct sums are exact, the FFT leaves fractions.
struct AutoRow { int len, dstLen; bool direct; };

template <class T>
void check_autocorr(const std::vector<AutoRow>& rows) {
    for (AutoRow r : rows) {
        const auto x = random_signal<T>(r.len, 30);
        for (Norm norm : {Norm::none, Norm::a, Norm::b}) {
            std::vector<T> d(r.dstLen + 1);
            std::memset(static_cast<void*>(d.data()), 0x7F, d.size() * sizeof(T));
            ASSERT_EQ(autocorr(x.data(), r.len, d.data(), r.dstLen, norm), vdxStsNoErr);
            Mismatches m;
            bool whole = true;
            for (int k = 0; k < r.dstLen; ++k) {
                const long double div = k < r.len ? divisor(norm, r.len, k) : 1;
                const LC want = k < r.len ? exact_lag(x, x, k) / div : 0;
                m.expect(std::abs(cx(d[k]) - want) <= tolerance(x, x, eps_of(d.data())) / div, r.len, r.dstLen,
                         "norm", int(norm), "k", k);
                whole = whole && cx(d[k]) == want;
            }
            m.expect(norm != Norm::none || whole == r.direct, "method", r.len, r.dstLen);
            m.expect(cx(d[r.dstLen]) != LC(0), "wrote past dstLen", r.len);
            EXPECT_NO_MISMATCH(m);
        }
    }
}

TEST(AutoCorr, FloatTypesAndSwitches) {
    const std::vector<AutoRow> real = {{1, 1, true}, {5, 9, true}, {855, 855, true}, {856, 856, false},
                                       {2000, 855, true}, {900, 1500, false}, {33000, 900, false}};
    check_autocorr<Vdx32f>(real);
    check_autocorr<Vdx64f>(real);
    check_autocorr<Vdx32fc>({{1, 3, true}, {151, 151, true}, {152, 152, false}, {40, 200, true}});
    check_autocorr<Vdx64fc>({{367, 367, true}, {368, 368, false}, {900, 370, false}, {9000, 370, false}});
}

// Exact below the switch, one step off above; {1, 1} halves 2 and 1 (ties
// to even), {-32768} squared saturates.
TEST(AutoCorr, Fixed16) {
    for (auto [len, dstLen] : {std::pair{2, 2}, std::pair{1, 1}, std::pair{30, 40}, std::pair{1000, 1000}}) {
        auto x = random_signal<Vdx16s>(len, 40);
        if (len < 3) x.assign(len, len == 1 ? -32768 : 1);
        for (int sf : {0, 1, 2, 3, -2, 8}) {
            for (Norm norm : {Norm::none, Norm::a, Norm::b}) {
                std::vector<Vdx16s> d(dstLen);
                ASSERT_EQ(norm == Norm::a   ? vdxsAutoCorr_NormA_16s_Sfs(x.data(), len, d.data(), dstLen, sf)
                          : norm == Norm::b ? vdxsAutoCorr_NormB_16s_Sfs(x.data(), len, d.data(), dstLen, sf)
                                            : vdxsAutoCorr_16s_Sfs(x.data(), len, d.data(), dstLen, sf), vdxStsNoErr);
                Mismatches m;
                for (int k = 0; k < dstLen; ++k) {
                    const long double want = k < len ? scaled(exact_lag(x, x, k).real() / divisor(norm, len, k), sf) : 0;
                    m.expect(std::abs(d[k] - want) <= (len < 856 && norm == Norm::none ? 0 : 1), len, sf, int(norm), k);
                }
                EXPECT_NO_MISMATCH(m);
            }
        }
    }
}

struct Window { int len1, len2, low, dstLen; };

// Every lag near its exact sum; every lag of a direct call with the bits of
// the one-lag (direct) call, and a call by FFT (fft = 1) off those bits
// somewhere; three threads change no bit.
template <class T>
void check_window(Window w, int fft) {
    const auto x1 = random_signal<T>(w.len1), x2 = random_signal<T>(w.len2);
    std::vector<T> d(w.dstLen + 1), threaded(w.dstLen + 1);
    std::memset(static_cast<void*>(d.data()), 0x7F, d.size() * sizeof(T));
    ASSERT_EQ(crosscorr(x1.data(), w.len1, x2.data(), w.len2, d.data(), w.dstLen, w.low), vdxStsNoErr);
    {
        ThreadScope scope(3);
        ASSERT_EQ(crosscorr(x1.data(), w.len1, x2.data(), w.len2, threaded.data(), w.dstLen, w.low), vdxStsNoErr);
    }
    EXPECT_EQ(0, std::memcmp(d.data(), threaded.data(), w.dstLen * sizeof(T))) << "threads " << w.len1 << " " << w.dstLen;
    Mismatches m;
    bool differs = false;
    for (int j = 0; j < w.dstLen; ++j) {
        const long t = long(w.low) + j;
        T one;
        ASSERT_EQ(crosscorr(x1.data(), w.len1, x2.data(), w.len2, &one, 1, int(t)), vdxStsNoErr);
        const bool same = std::memcmp(&one, &d[j], sizeof(T)) == 0;
        m.expect(std::abs(cx(d[j]) - exact_lag(x1, x2, t)) <= tolerance(x1, x2, eps_of(&one)), w.len1, w.len2,
                 w.low, w.dstLen, "lag", t);
        m.expect(same || fft, "not the direct bits", w.len1, w.len2, w.low, w.dstLen, "lag", t);
        differs = differs || !same;
    }
    m.expect(fft < 0 || differs == (fft == 1), "method", w.len1, w.len2, w.low, w.dstLen);
    m.expect(cx(d[w.dstLen]) != LC(0), "wrote past dstLen");
    EXPECT_NO_MISMATCH(m);
}

// Direct for every type (measure at most 255), FFT for every type (above
// 511; equal lengths may round like the direct sum), and the type's own
// switch: dstLen last_direct and one more.
template <class T>
void check_crosscorr(int last_direct) {
    for (Window w : {Window{1, 1, 0, 1}, Window{5, 9, -20, 10}, Window{5, 9, 9, 6}, Window{40, 30, -60, 150},
                     Window{1000, 1000, 2000, 10}, Window{500, 1000, -499, last_direct}})
        check_window<T>(w, 0);
    for (Window w : {Window{500, 1000, -499, 1499}, Window{1000, 500, -900, 1200}, Window{1000, 1000, -999, 1999},
                     Window{600, 5000, 10, 4900}, Window{500, 1000, -499, last_direct + 1}})
        check_window<T>(w, w.len1 == w.len2 ? -1 : 1);
    // Lag ranges just over a power of two, whose partial-overlap tips share
    // transform points: both tips in the window (either signal longer), the
    // short tip alone, the long lags beside it alone.
    for (Window w : {Window{700, 1500, -699, 2199}, Window{1500, 700, -1499, 2199}, Window{16384, 16384, -16383, 600},
                     Window{1100, 1100, -50, 1149}})
        check_window<T>(w, 1);
    // Windows much narrower than the signals, by blocks of the first: across
    // lag 0, inside the overlap, blocks whose second-signal span runs past
    // its end.
    for (Window w : {Window{6000, 6000, -300, 600}, Window{6000, 9000, 1000, 800}, Window{16384, 16384, 0, 600},
                     Window{9000, 6000, -8000, 800}})
        check_window<T>(w, 1);
}

TEST(CrossCorr, FloatTypesAndSwitches) {
    check_crosscorr<Vdx32f>(767);
    check_crosscorr<Vdx64f>(1023);
    check_crosscorr<Vdx32fc>(511);
    check_crosscorr<Vdx64fc>(1023);
}

// Full-range samples; {3, 1} against {1} halves 1 and 3 (ties to even).
TEST(CrossCorr, Fixed16AndExact64) {
    for (Window w : {Window{20, 30, -25, 60}, Window{600, 1200, -599, 1799}, Window{9, 9, 20, 5}, Window{2, 1, -1, 2},
                     Window{6000, 6000, -300, 600}}) {
        auto x1 = random_signal<Vdx16s>(w.len1, 32767), x2 = random_signal<Vdx16s>(w.len2, 32767);
        x1[0] = x2[0] = -32768;
        if (w.len2 == 1) x1 = {3, 1}, x2 = {1};
        std::vector<Vdx64s> d64(w.dstLen);
        ASSERT_EQ(vdxsCrossCorr_16s64s(x1.data(), w.len1, x2.data(), w.len2, d64.data(), w.dstLen, w.low), vdxStsNoErr);
        for (int sf : {1, 20, 26}) {
            std::vector<Vdx16s> d(w.dstLen);
            ASSERT_EQ(vdxsCrossCorr_16s_Sfs(x1.data(), w.len1, x2.data(), w.len2, d.data(), w.dstLen, w.low, sf), vdxStsNoErr);
            Mismatches m;
            for (int j = 0; j < w.dstLen; ++j) {
                const long double r = exact_lag(x1, x2, long(w.low) + j).real();
                m.expect(d64[j] == static_cast<std::int64_t>(r), "64s", w.len1, "j", j, "got", d64[j]);
                m.expect(std::abs(d[j] - scaled(r, sf)) <= (w.len1 < 3 ? 0 : 1), "16s sf", sf, "j", j, "got", d[j]);
            }
            EXPECT_NO_MISMATCH(m);
        }
    }
}

// Pointers before lengths (pointers or lengths alone: contract fuzzer).
TEST(Corr, StatusesInOrder) {
    Vdx32f v[4] = {};
    EXPECT_EQ(vdxsAutoCorr_32f(nullptr, 0, v, 0), vdxStsNullPtrErr);
    EXPECT_EQ(vdxsCrossCorr_32f(v, 1, v, 1, nullptr, 0, 0), vdxStsNullPtrErr);
    v[0] = v[1] = 5;  // a window far outside the overlap: zeros, no error
    EXPECT_EQ(vdxsCrossCorr_32f(v, 2, v, 2, v, 2, 2147483600), vdxStsNoErr);
    EXPECT_TRUE(v[0] == 0 && v[1] == 0);
}

}  // namespace
