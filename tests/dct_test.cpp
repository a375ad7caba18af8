// DCT-II / DCT-III and the Hilbert transform against long-double
// definitions, for every method of each, with their statuses.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <random>
#include <vector>

#include "vdxs.h"

namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;
using CL = std::complex<long double>;

// Orthonormal DCT-II of x, or DCT-III (its inverse) when inverse.
std::vector<long double> dct_reference(const std::vector<long double>& x, bool inverse) {
    const long n = static_cast<long>(x.size());
    std::vector<long double> y(n, 0), cosine(4 * n);
    for (long m = 0; m < 4 * n; ++m) cosine[m] = cosl(kPi * m / (2 * n));
    for (long k = 0; k < n; ++k)
        for (long j = 0; j < n; ++j) {
            const long double s = k == 0 ? sqrtl(1.0L / n) : sqrtl(2.0L / n);
            const long double c = s * cosine[(2 * j + 1) * k % (4 * n)];
            (inverse ? y[j] : y[k]) += c * (inverse ? x[k] : x[j]);
        }
    return y;
}

template <class T>
struct DctApi;
#define VDX_TEST_DCT(T, S)                                                                                    \
    template <>                                                                                               \
    struct DctApi<T> {                                                                                        \
        static VdxStatus run(int n, const T* x, T* y, bool inv, bool in_place) {                              \
            int spec = 0, init = 0, work = 0;                                                                 \
            VdxStatus st = (inv ? vdxsDCTInvGetSize_##S : vdxsDCTFwdGetSize_##S)(n, vdxAlgHintNone, &spec, &init, &work); \
            if (st != vdxStsNoErr) return st;                                                                 \
            std::vector<Vdx8u> mem(spec), ibuf(init), wbuf(work);                                             \
            if (inv) {                                                                                        \
                VdxsDCTInvSpec_##S* s = nullptr;                                                              \
                if ((st = vdxsDCTInvInit_##S(&s, n, vdxAlgHintNone, mem.data(), ibuf.data()))) return st;     \
                return in_place ? vdxsDCTInv_##S##_I(y, s, wbuf.data()) : vdxsDCTInv_##S(x, y, s, wbuf.data()); \
            }                                                                                                 \
            VdxsDCTFwdSpec_##S* s = nullptr;                                                                  \
            if ((st = vdxsDCTFwdInit_##S(&s, n, vdxAlgHintNone, mem.data(), ibuf.data()))) return st;         \
            return in_place ? vdxsDCTFwd_##S##_I(y, s, nullptr) : vdxsDCTFwd_##S(x, y, s, nullptr);           \
        }                                                                                                     \
    };
VDX_TEST_DCT(Vdx32f, 32f)
VDX_TEST_DCT(Vdx64f, 64f)

// Every length 1 .. 100 and each method's limits (direct below 36 [46],
// powers of two through the FFT, the chirp convolution above).
template <class T>
void dct_against_reference(int n) {
    SCOPED_TRACE(n);
    std::mt19937 g(n);
    std::uniform_real_distribution<double> u(-1, 1);
    std::vector<long double> xl(n);
    std::vector<T> x(n), y(n), place(n);
    for (int i = 0; i < n; ++i) xl[i] = x[i] = static_cast<T>(u(g));
    const double tol = (sizeof(T) == 4 ? 6e-7 : 2e-15) * (4 + std::log2(n));
    for (bool inv : {false, true}) {
        const auto want = dct_reference(xl, inv);
        ASSERT_EQ(DctApi<T>::run(n, x.data(), y.data(), inv, false), vdxStsNoErr);
        place = x;
        ASSERT_EQ(DctApi<T>::run(n, place.data(), place.data(), inv, true), vdxStsNoErr);
        long double e = 0, r = 0;
        for (int i = 0; i < n; ++i) {
            e += (y[i] - want[i]) * (y[i] - want[i]);
            r += want[i] * want[i];
            ASSERT_EQ(place[i], y[i]) << i;
        }
        EXPECT_LT(std::sqrt(static_cast<double>(e / r)), tol) << inv;
    }
}

TEST(Dct, EveryLengthAndMethodMatchesTheDefinition) {
    std::vector<int> ns;
    for (int n = 1; n <= 100; ++n) ns.push_back(n);
    for (int n : {128, 1000, 1024, 1021, 4096}) ns.push_back(n);
    for (int n : ns) {
        dct_against_reference<Vdx32f>(n);
        dct_against_reference<Vdx64f>(n);
    }
}

TEST(Dct, SixteenBitFormsScaleAndRound) {
    for (int n : {8, 12, 64, 100}) {
        for (int sf : {-1, 0, 2}) {
            SCOPED_TRACE(n * 10 + sf);
            VdxsDCTFwdSpec_16s* f = nullptr;
            VdxsDCTInvSpec_16s* i = nullptr;
            ASSERT_EQ(vdxsDCTFwdInitAlloc_16s(&f, n, vdxAlgHintNone), vdxStsNoErr);
            ASSERT_EQ(vdxsDCTInvInitAlloc_16s(&i, n, vdxAlgHintNone), vdxStsNoErr);
            std::mt19937 g(n);
            std::vector<Vdx16s> x(n), y(n), z(n);
            std::vector<long double> xl(n), yl(n);
            for (int k = 0; k < n; ++k) xl[k] = x[k] = static_cast<Vdx16s>(g() % 4001 - 2000);
            ASSERT_EQ(vdxsDCTFwd_16s_Sfs(x.data(), y.data(), f, sf, nullptr), vdxStsNoErr);
            z = x;
            ASSERT_EQ(vdxsDCTFwd_16s_ISfs(z.data(), f, sf, nullptr), vdxStsNoErr);
            const auto want = dct_reference(xl, false);
            for (int k = 0; k < n; ++k) {
                const long double w = std::fmax(-32768.0L, std::fmin(32767.0L, ldexpl(want[k], -sf)));
                ASSERT_LE(std::fabs(w - y[k]), 1) << k;
                ASSERT_EQ(z[k], y[k]);
                yl[k] = y[k];
            }
            ASSERT_EQ(vdxsDCTInv_16s_Sfs(y.data(), z.data(), i, sf == 0 ? 0 : -sf, nullptr), vdxStsNoErr);
            const auto back = dct_reference(yl, true);
            for (int k = 0; k < n; ++k)
                ASSERT_LE(std::fabs(std::fmax(-32768.0L, std::fmin(32767.0L, ldexpl(back[k], sf))) - z[k]), 1) << k;
            EXPECT_EQ(vdxsDCTFwdFree_16s(f), vdxStsNoErr);
            EXPECT_EQ(vdxsDCTInvFree_16s(i), vdxStsNoErr);
        }
    }
}

// The DCT checks the length before the pointers and the method's limit after
// them; Hilbert objects the pointer first (calls with null pointers or
// foreign objects, the three Hilbert families' among them: contract fuzzer).
TEST(Dct, CreationChecksInOrder) {
    int a = 0, b = 0, c = 0;
    EXPECT_EQ(vdxsDCTFwdGetSize_32f(0, vdxAlgHintNone, nullptr, nullptr, nullptr), vdxStsSizeErr);
    EXPECT_EQ(vdxsDCTFwdGetSize_32f(1 << 30, vdxAlgHintNone, nullptr, &b, &c), vdxStsNullPtrErr);
    EXPECT_EQ(vdxsDCTInvInit_64f(nullptr, 0, vdxAlgHintNone, nullptr, nullptr), vdxStsSizeErr);
    EXPECT_EQ(vdxsDCTFwdInitAlloc_16s(nullptr, -3, vdxAlgHintNone), vdxStsSizeErr);
    // Chirp lengths: the size query stops below 2^25, Init of 32f below 2^26.
    EXPECT_EQ(vdxsDCTFwdGetSize_32f((1 << 25) + 1, vdxAlgHintNone, &a, &b, &c), vdxStsSizeErr);
    EXPECT_EQ(vdxsDCTFwdGetSize_64f((1 << 25) + 1, vdxAlgHintNone, &a, &b, &c), vdxStsSizeErr);
    std::vector<Vdx8u> mem(256);
    VdxsDCTInvSpec_32f* big = nullptr;
    EXPECT_EQ(vdxsDCTInvInit_32f(&big, (1 << 26) + 1, vdxAlgHintNone, mem.data(), mem.data()), vdxStsSizeErr);
    EXPECT_EQ(vdxsDCTFwdGetSize_64f(1 << 27, vdxAlgHintNone, &a, &b, &c), vdxStsSizeErr);
    VdxsHilbertSpec_32f32fc* h = nullptr;
    EXPECT_EQ(vdxsHilbertInitAlloc_32f32fc(nullptr, 0, vdxAlgHintNone), vdxStsNullPtrErr);
    EXPECT_EQ(vdxsHilbertInitAlloc_32f32fc(&h, 0, vdxAlgHintNone), vdxStsSizeErr);
    EXPECT_EQ(vdxsHilbertInitAlloc_32f32fc(&h, (1 << 27) + 2, vdxAlgHintNone), vdxStsSizeErr);
}

// The analytic signal by definition: X[0], 2 X[1 .. (N-1)/2], X[N/2] kept
// for even N, zeros above, inverse over N.
std::vector<CL> analytic_reference(const std::vector<long double>& x) {
    const long n = static_cast<long>(x.size());
    std::vector<CL> X(n, 0), y(n, 0);
    for (long k = 0; k < n; ++k)
        for (long j = 0; j < n; ++j) X[k] += x[j] * std::polar(1.0L, -2 * kPi * (j * k % n) / n);
    for (long k = 1; 2 * k < n; ++k) X[k] *= 2;
    for (long k = n / 2 + 1; k < n; ++k) X[k] = 0;
    if (n <= 2) return std::vector<CL>(x.begin(), x.end());
    for (long j = 0; j < n; ++j)
        for (long k = 0; k < n; ++k) y[j] += X[k] * std::polar(1.0L, 2 * kPi * (j * k % n) / n) / (long double)n;
    return y;
}

TEST(Hilbert, AnalyticSignalForEveryMethodOfLength) {
    for (int n : {1, 2, 3, 4, 5, 8, 16, 17, 30, 53, 64, 100, 106, 256, 1000}) {
        SCOPED_TRACE(n);
        VdxsHilbertSpec_32f32fc* h = nullptr;
        VdxsHilbertSpec_16s16sc* h16 = nullptr;
        ASSERT_EQ(vdxsHilbertInitAlloc_32f32fc(&h, n, vdxAlgHintNone), vdxStsNoErr);
        ASSERT_EQ(vdxsHilbertInitAlloc_16s16sc(&h16, n, vdxAlgHintNone), vdxStsNoErr);
        std::mt19937 g(n);
        std::vector<Vdx16s> x16(n);
        std::vector<Vdx32f> x(n);
        std::vector<long double> xl(n);
        for (int i = 0; i < n; ++i) xl[i] = x[i] = x16[i] = static_cast<Vdx16s>(g() % 2001 - 1000);
        std::vector<Vdx32fc> y(n), y16(n);
        std::vector<Vdx16sc> z(n);
        ASSERT_EQ(vdxsHilbert_32f32fc(x.data(), y.data(), h), vdxStsNoErr);
        VdxsHilbertSpec_16s32fc* h32 = nullptr;
        ASSERT_EQ(vdxsHilbertInitAlloc_16s32fc(&h32, n, vdxAlgHintNone), vdxStsNoErr);
        ASSERT_EQ(vdxsHilbert_16s32fc(x16.data(), y16.data(), h32), vdxStsNoErr);
        EXPECT_EQ(vdxsHilbertFree_16s32fc(h32), vdxStsNoErr);
        ASSERT_EQ(vdxsHilbert_16s16sc_Sfs(x16.data(), z.data(), h16, 1), vdxStsNoErr);
        const auto want = analytic_reference(xl);
        long double e = 0, r = 0;
        for (int i = 0; i < n; ++i) {
            e += std::norm(CL(y[i].re, y[i].im) - want[i]);
            r += std::norm(want[i]);
            ASSERT_TRUE(y16[i].re == y[i].re && y16[i].im == y[i].im) << i;
            ASSERT_LE(std::fabs(want[i].real() / 2 - z[i].re), 1) << i;
            ASSERT_LE(std::fabs(want[i].imag() / 2 - z[i].im), 1) << i;
        }
        EXPECT_LT(std::sqrt(static_cast<double>(e / r)), 4e-6);
        EXPECT_EQ(vdxsHilbertFree_32f32fc(h), vdxStsNoErr);
        EXPECT_EQ(vdxsHilbertFree_16s16sc(h16), vdxStsNoErr);
    }
}

}  // namespace
