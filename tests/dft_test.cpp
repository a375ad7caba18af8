// Any-length DFT against the long-double definition: every length 1 .. 100
// and chosen lengths of every method, flags, real layouts, 16-bit scaling.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <random>
#include <vector>

#include "fft_common.h"
#include "vdxs.h"

namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;

// X[k] = sum x[n] e^(-+2 pi i n k / N) for the bins asked (all by default),
// exact index reduction so long lengths stay accurate.
std::vector<CL> reference(const std::vector<CL>& x, bool inverse, const std::vector<long>& bins = {}) {
    const long n = static_cast<long>(x.size());
    std::vector<long> ks = bins;
    if (ks.empty())
        for (long k = 0; k < n; ++k) ks.push_back(k);
    std::vector<CL> w(n);
    for (long q = 0; q < n; ++q) w[q] = CL(cosl(2 * kPi * q / n), (inverse ? 1 : -1) * sinl(2 * kPi * q / n));
    std::vector<CL> X;
    for (long k : ks) {
        CL s = 0;
        for (long j = 0, q = 0; j < n; ++j) {
            s += x[j] * w[q];
            q += k;
            if (q >= n) q -= n;
        }
        X.push_back(s);
    }
    return X;
}

template <class T>
std::vector<CL> random_signal(long n, unsigned seed, bool real) {
    std::mt19937 g(seed);
    std::uniform_real_distribution<double> u(-1, 1);
    std::vector<CL> x(n);
    for (auto& v : x) v = CL(static_cast<T>(u(g)), real ? 0 : static_cast<T>(u(g)));
    return x;
}

// Relative RMS distance of got from want.
template <class T>
double rel_rms(const T* got, const std::vector<CL>& want, int stride = 2) {
    long double e = 0, r = 0;
    for (size_t k = 0; k < want.size(); ++k) {
        const CL g(got[stride * k], stride == 2 ? got[stride * k + 1] : 0);
        e += std::norm(g - want[k]);
        r += std::norm(want[k]);
    }
    return r == 0 ? std::sqrt(static_cast<double>(e)) : std::sqrt(static_cast<double>(e / r));
}

template <class T>
double tolerance(long n) {
    return (sizeof(T) == 4 ? 4e-7 : 8e-16) * (4 + std::log2(static_cast<double>(n)));
}

// One row per precision: interleaved and split complex, real, out of order.
template <class T>
struct Api;
#define VDX_TEST_API(T, C, S)                                                                               \
    template <>                                                                                             \
    struct Api<T> {                                                                                         \
        using Spec = VdxsDFTSpec_C_##S##c;                                                                  \
        using Split = VdxsDFTSpec_C_##S;                                                                    \
        using Real = VdxsDFTSpec_R_##S;                                                                     \
        using OutOrd = VdxsDFTOutOrdSpec_C_##S##c;                                                          \
        static VdxStatus init(Spec** s, int n, int f) { return vdxsDFTInitAlloc_C_##S##c(s, n, f, vdxAlgHintNone); } \
        static VdxStatus init(Split** s, int n, int f) { return vdxsDFTInitAlloc_C_##S(s, n, f, vdxAlgHintNone); } \
        static VdxStatus init(Real** s, int n, int f) { return vdxsDFTInitAlloc_R_##S(s, n, f, vdxAlgHintNone); } \
        static VdxStatus init(OutOrd** s, int n, int f) {                                                    \
            return vdxsDFTOutOrdInitAlloc_C_##S##c(s, n, f, vdxAlgHintNone);                                 \
        }                                                                                                   \
        static void release(Spec* s) { vdxsDFTFree_C_##S##c(s); }                                           \
        static void release(Split* s) { vdxsDFTFree_C_##S(s); }                                             \
        static void release(Real* s) { vdxsDFTFree_R_##S(s); }                                              \
        static void release(OutOrd* s) { vdxsDFTOutOrdFree_C_##S##c(s); }                                   \
        static VdxStatus run(const Spec* s, const T* x, T* y, bool inv) {                                   \
            return (inv ? vdxsDFTInv_CToC_##S##c : vdxsDFTFwd_CToC_##S##c)(                                  \
                reinterpret_cast<const C*>(x), reinterpret_cast<C*>(y), s, nullptr);                        \
        }                                                                                                   \
        static VdxStatus run(const OutOrd* s, const T* x, T* y, bool inv) {                                 \
            return (inv ? vdxsDFTOutOrdInv_CToC_##S##c : vdxsDFTOutOrdFwd_CToC_##S##c)(                      \
                reinterpret_cast<const C*>(x), reinterpret_cast<C*>(y), s, nullptr);                        \
        }                                                                                                   \
        static VdxStatus run(const Split* s, const T* xr, const T* xi, T* yr, T* yi, bool inv) {            \
            return inv ? vdxsDFTInv_CToC_##S(xr, xi, yr, yi, s, nullptr)                                    \
                       : vdxsDFTFwd_CToC_##S(xr, xi, yr, yi, s, nullptr);                                   \
        }                                                                                                   \
        static VdxStatus fwd(const Real* s, const T* x, T* y, int l, Vdx8u* b) {                            \
            return l == kPack ? vdxsDFTFwd_RToPack_##S(x, y, s, b)                                          \
                 : l == kPerm ? vdxsDFTFwd_RToPerm_##S(x, y, s, b)                                          \
                              : vdxsDFTFwd_RToCCS_##S(x, y, s, b);                                          \
        }                                                                                                   \
        static VdxStatus inv(const Real* s, const T* x, T* y, int l, Vdx8u* b) {                            \
            return l == kPack ? vdxsDFTInv_PackToR_##S(x, y, s, b)                                          \
                 : l == kPerm ? vdxsDFTInv_PermToR_##S(x, y, s, b)                                          \
                              : vdxsDFTInv_CCSToR_##S(x, y, s, b);                                          \
        }                                                                                                   \
    };
VDX_TEST_API(Vdx32f, Vdx32fc, 32f)
VDX_TEST_API(Vdx64f, Vdx64fc, 64f)

template <class Spec, class T>
struct Owned {
    Spec* spec = nullptr;
    VdxStatus status;
    Owned(int n, int flag) { status = Api<T>::init(&spec, n, flag); }
    ~Owned() {
        if (spec) Api<T>::release(spec);
    }
};

// Lengths 1 .. 100, then one or more of every method and its limits:
// powers of two; 2^a 3^b 5^c 7^d; factors 11 and 13; a cofactor at the
// limit and past it (not a multiple of 4: 50 [90]; a multiple of 4: 150);
// primes above the direct-sum limit; 6k with k odd.
std::vector<int> lengths() {
    std::vector<int> v;
    for (int n = 1; n <= 100; ++n) v.push_back(n);
    for (int n : {128, 1024, 4096, 360, 1000, 1155, 2520, 4095, 143, 1001, 2 * 47, 2 * 53, 2 * 89, 2 * 97,
                  4 * 149, 4 * 151, 101, 1021, 210, 6 * 45})
        v.push_back(n);
    return v;
}

template <class T>
void complex_against_reference(int n) {
    SCOPED_TRACE(n);
    const int flag = kFlags[n % 4];
    Owned<typename Api<T>::Spec, T> c(n, flag);
    Owned<typename Api<T>::Split, T> s(n, flag);
    ASSERT_EQ(c.status, vdxStsNoErr);
    ASSERT_EQ(s.status, vdxStsNoErr);
    const auto x = random_signal<T>(n, n, false);
    std::vector<T> in(2 * n), out(2 * n), re(n), im(n), ore(n), oim(n);
    for (int i = 0; i < n; ++i) in[2 * i] = re[i] = x[i].real(), in[2 * i + 1] = im[i] = x[i].imag();
    for (bool inv : {false, true}) {
        auto want = reference(x, inv);
        for (auto& v : want) v *= factor(flag, inv, n);
        ASSERT_EQ(Api<T>::run(c.spec, in.data(), out.data(), inv), vdxStsNoErr);
        EXPECT_LT(rel_rms(out.data(), want), tolerance<T>(n));
        // Split arrays and in place give the interleaved out-of-place result.
        ASSERT_EQ(Api<T>::run(s.spec, re.data(), im.data(), ore.data(), oim.data(), inv), vdxStsNoErr);
        std::vector<T> place = in;
        ASSERT_EQ(Api<T>::run(c.spec, place.data(), place.data(), inv), vdxStsNoErr);
        for (int i = 0; i < n; ++i) ASSERT_TRUE(ore[i] == out[2 * i] && oim[i] == out[2 * i + 1]) << i;
        ASSERT_EQ(place, out);
    }
}

TEST(DftComplex, EveryLengthAndMethodMatchesTheDefinition) {
    for (int n : lengths()) {
        complex_against_reference<Vdx32f>(n);
        complex_against_reference<Vdx64f>(n);
    }
}

// Long lengths: spot bins in long double, and the round trip.
template <class T>
void long_length(int n) {
    SCOPED_TRACE(n);
    Owned<typename Api<T>::Spec, T> c(n, VDX_FFT_DIV_INV_BY_N);
    ASSERT_EQ(c.status, vdxStsNoErr);
    const auto x = random_signal<T>(n, 7, false);
    std::vector<T> in(2 * n), out(2 * n), back(2 * n);
    for (int i = 0; i < n; ++i) in[2 * i] = x[i].real(), in[2 * i + 1] = x[i].imag();
    ASSERT_EQ(Api<T>::run(c.spec, in.data(), out.data(), false), vdxStsNoErr);
    const std::vector<long> bins = {0, 1, 2, n / 3, n / 2, n - 1};
    const auto want = reference(x, false, bins);
    for (size_t b = 0; b < bins.size(); ++b)
        EXPECT_LT(std::abs(CL(out[2 * bins[b]], out[2 * bins[b] + 1]) - want[b]), 50 * tolerance<T>(n) * std::sqrt(n));
    ASSERT_EQ(Api<T>::run(c.spec, out.data(), back.data(), true), vdxStsNoErr);
    EXPECT_LT(rel_rms(back.data(), x), 2 * tolerance<T>(n));
}

TEST(DftComplex, LongLengthsNearATenthAndAMillion) {
    for (int n : {44100, 48000, 99991, 100000, 1000000, 999983}) {
        long_length<Vdx32f>(n);
        long_length<Vdx64f>(n);
    }
}

template <class T>
void real_against_reference(int n) {
    SCOPED_TRACE(n);
    const int flag = kFlags[(n + 1) % 4];
    Owned<typename Api<T>::Real, T> r(n, flag);
    ASSERT_EQ(r.status, vdxStsNoErr);
    const auto x = random_signal<T>(n, 3 * n, true);
    auto X = reference(x, false);
    std::vector<T> in(n), spec(n + 2), back(n + 2);
    for (int i = 0; i < n; ++i) in[i] = x[i].real();
    for (int l : {kPack, kPerm, kCcs}) {
        SCOPED_TRACE(l);
        ASSERT_EQ(Api<T>::fwd(r.spec, in.data(), spec.data(), l, nullptr), vdxStsNoErr);
        const long double f = factor(flag, false, n);
        long double e = 0, ref = 0;
        for (int k = 0; 2 * k <= n; ++k) {
            const auto [sr, si] = slots(n % 2 != 0 && l == kPerm ? kPack : l, k, n);
            const CL got(spec[sr], si < 0 ? 0 : spec[si]);
            e += std::norm(got - X[k] * f);
            ref += std::norm(X[k] * f);
        }
        EXPECT_LT(std::sqrt(static_cast<double>(e / ref)), tolerance<T>(n));
        // CCS stores the real bins' imaginary parts as exact zeros, and the
        // inverse ignores them; in place gives the same signal.
        if (l == kCcs) {
            EXPECT_TRUE(spec[1] == 0 && (n % 2 != 0 || spec[n + 1] == 0));
            spec[1] = 1e3, spec[n % 2 == 0 ? n + 1 : 1] = -1e3;
        }
        std::vector<T> place = spec;
        ASSERT_EQ(Api<T>::inv(r.spec, spec.data(), back.data(), l, nullptr), vdxStsNoErr);
        ASSERT_EQ(Api<T>::inv(r.spec, place.data(), place.data(), l, nullptr), vdxStsNoErr);
        const long double g = f * factor(flag, true, n) * n;
        std::vector<CL> want(n);
        for (int i = 0; i < n; ++i) want[i] = x[i] * g;
        EXPECT_LT(rel_rms(back.data(), want, 1), 2 * tolerance<T>(n));
        place.resize(n), back.resize(n);
        ASSERT_EQ(place, back);
    }
}

TEST(DftReal, EveryLayoutAndLengthMatchesTheDefinition) {
    for (int n : lengths()) {
        real_against_reference<Vdx32f>(n);
        real_against_reference<Vdx64f>(n);
    }
}

TEST(DftOutOrd, ForwardThenInverseReturnsTheSignal) {
    for (int n : {7, 64, 210, 1000, 101, 4 * 151}) {
        SCOPED_TRACE(n);
        Owned<Api<Vdx32f>::OutOrd, Vdx32f> o(n, VDX_FFT_DIV_FWD_BY_N);
        ASSERT_EQ(o.status, vdxStsNoErr);
        const auto x = random_signal<float>(n, 11, false);
        std::vector<float> in(2 * n), mid(2 * n), back(2 * n);
        for (int i = 0; i < n; ++i) in[2 * i] = x[i].real(), in[2 * i + 1] = x[i].imag();
        ASSERT_EQ(Api<Vdx32f>::run(o.spec, in.data(), mid.data(), false), vdxStsNoErr);
        ASSERT_EQ(Api<Vdx32f>::run(o.spec, mid.data(), back.data(), true), vdxStsNoErr);
        EXPECT_LT(rel_rms(back.data(), x), 2 * tolerance<float>(n));
    }
}

// 16-bit forms: the float result times 2^-sf, rounded; within one unit of
// the exact value.
TEST(Dft16, ScaleFactorsRoundTheTransform) {
    for (int n : {5, 12, 17, 64, 100, 106}) {
        for (int sf : {-2, 0, 3}) {
            SCOPED_TRACE(n * 100 + sf);
            VdxsDFTSpec_C_16sc* c = nullptr;
            VdxsDFTSpec_C_16s* s = nullptr;
            VdxsDFTSpec_R_16s* r = nullptr;
            ASSERT_EQ(vdxsDFTInitAlloc_C_16sc(&c, n, VDX_FFT_DIV_FWD_BY_N, vdxAlgHintNone), vdxStsNoErr);
            ASSERT_EQ(vdxsDFTInitAlloc_C_16s(&s, n, VDX_FFT_DIV_FWD_BY_N, vdxAlgHintNone), vdxStsNoErr);
            ASSERT_EQ(vdxsDFTInitAlloc_R_16s(&r, n, VDX_FFT_DIV_FWD_BY_N, vdxAlgHintNone), vdxStsNoErr);
            std::mt19937 g(n);
            std::vector<Vdx16sc> x(n), y(n);
            std::vector<Vdx16s> re(n), im(n), yre(n), yim(n), spec(n + 2);
            std::vector<CL> xl(n), xr(n);
            for (int i = 0; i < n; ++i) {
                x[i] = {static_cast<Vdx16s>(g() % 2001 - 1000), static_cast<Vdx16s>(g() % 2001 - 1000)};
                re[i] = x[i].re, im[i] = x[i].im;
                xl[i] = CL(x[i].re, x[i].im), xr[i] = CL(x[i].re, 0);
            }
            const auto X = reference(xl, false), XR = reference(xr, false);
            ASSERT_EQ(vdxsDFTFwd_CToC_16sc_Sfs(x.data(), y.data(), c, sf, nullptr), vdxStsNoErr);
            ASSERT_EQ(vdxsDFTFwd_CToC_16s_Sfs(re.data(), im.data(), yre.data(), yim.data(), s, sf, nullptr), vdxStsNoErr);
            ASSERT_EQ(vdxsDFTFwd_RToCCS_16s_Sfs(re.data(), spec.data(), r, sf, nullptr), vdxStsNoErr);
            const long double scale = ldexpl(1.0L / n, -sf);
            auto near = [](long double want, Vdx16s got) {
                const long double clamped = std::fmax(-32768.0L, std::fmin(32767.0L, want));
                return std::fabs(clamped - got) <= 1;
            };
            for (int k = 0; k < n; ++k) {
                ASSERT_TRUE(near(X[k].real() * scale, y[k].re) && near(X[k].imag() * scale, y[k].im)) << k;
                ASSERT_TRUE(yre[k] == y[k].re && yim[k] == y[k].im) << k;
                if (2 * k <= n) {
                    ASSERT_TRUE(near(XR[k].real() * scale, spec[2 * k])) << k;
                }
            }
            vdxsDFTFree_C_16sc(c);
            vdxsDFTFree_C_16s(s);
            vdxsDFTFree_R_16s(r);
        }
    }
}

// Creation checks in order; calls take the size the object reports as work
// buffer (pointers alone and foreign objects: contract fuzzer).
TEST(DftStatus, CreationChecksInOrder) {
    VdxsDFTSpec_C_32fc* c = nullptr;
    EXPECT_EQ(vdxsDFTInitAlloc_C_32fc(nullptr, 0, 99, vdxAlgHintNone), vdxStsNullPtrErr);
    EXPECT_EQ(vdxsDFTInitAlloc_C_32fc(&c, 0, 99, vdxAlgHintNone), vdxStsSizeErr);
    EXPECT_EQ(vdxsDFTInitAlloc_C_32fc(&c, 10, 3, vdxAlgHintNone), vdxStsFFTFlagErr);
    // Past the mixed-radix and chirp limits only powers of two are built.
    EXPECT_EQ(vdxsDFTInitAlloc_C_32fc(&c, (1 << 27) + 2, 8, vdxAlgHintNone), vdxStsSizeErr);
    VdxsDFTSpec_C_64fc* d = nullptr;
    EXPECT_EQ(vdxsDFTInitAlloc_C_64fc(&d, (1 << 26) + 1, 8, vdxAlgHintNone), vdxStsSizeErr);
    ASSERT_EQ(vdxsDFTInitAlloc_C_32fc(&c, 30, 8, vdxAlgHintNone), vdxStsNoErr);
    std::vector<Vdx32fc> x(30), y(30);
    int size = -1;
    EXPECT_EQ(vdxsDFTGetBufSize_C_32fc(c, &size), vdxStsNoErr);
    EXPECT_GT(size, 0);
    std::vector<Vdx8u> buf(size);
    EXPECT_EQ(vdxsDFTFwd_CToC_32fc(x.data(), y.data(), c, buf.data()), vdxStsNoErr);
    EXPECT_EQ(vdxsDFTFree_C_32fc(c), vdxStsNoErr);
}

}  // namespace
