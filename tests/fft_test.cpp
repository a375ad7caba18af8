// Complex FFT: FFT objects and the forward and inverse transforms of the
// C_32fc, C_32f, C_64fc and C_64f families, against a long-double DFT.
#include <gtest/gtest.h>
#include <immintrin.h>

#include <cmath>
#include <complex>
#include <cstring>
#include <random>
#include <thread>
#include <vector>

#include "mismatches.h"
#include "vdxcore.h"
#include "vdxs.h"

namespace {

using LD = long double;
using CLD = std::complex<LD>;

// Each family: element type, object type and the entry points of both forms.
struct F32 {
    using T = Vdx32f;
    using C = Vdx32fc;
    using Spec = VdxsFFTSpec_C_32fc;
    using SplitSpec = VdxsFFTSpec_C_32f;
    static constexpr int kMax = 28;
    static constexpr int kTwoLevel = 13, kBlocked = 18;
    static constexpr auto GetSize = vdxsFFTGetSize_C_32fc;
    static constexpr auto Init = vdxsFFTInit_C_32fc;
    static constexpr auto InitAlloc = vdxsFFTInitAlloc_C_32fc;
    static constexpr auto Free = vdxsFFTFree_C_32fc;
    static constexpr auto GetBufSize = vdxsFFTGetBufSize_C_32fc;
    static constexpr auto Fwd = vdxsFFTFwd_CToC_32fc;
    static constexpr auto Inv = vdxsFFTInv_CToC_32fc;
    static constexpr auto FwdI = vdxsFFTFwd_CToC_32fc_I;
    static constexpr auto InvI = vdxsFFTInv_CToC_32fc_I;
    static constexpr auto SGetSize = vdxsFFTGetSize_C_32f;
    static constexpr auto SInit = vdxsFFTInit_C_32f;
    static constexpr auto SInitAlloc = vdxsFFTInitAlloc_C_32f;
    static constexpr auto SFree = vdxsFFTFree_C_32f;
    static constexpr auto SFwd = vdxsFFTFwd_CToC_32f;
    static constexpr auto SInv = vdxsFFTInv_CToC_32f;
    static constexpr auto SFwdI = vdxsFFTFwd_CToC_32f_I;
    static constexpr auto SInvI = vdxsFFTInv_CToC_32f_I;
};
struct F64 {
    using T = Vdx64f;
    using C = Vdx64fc;
    using Spec = VdxsFFTSpec_C_64fc;
    using SplitSpec = VdxsFFTSpec_C_64f;
    static constexpr int kMax = 27;
    static constexpr int kTwoLevel = 12, kBlocked = 17;
    static constexpr auto GetSize = vdxsFFTGetSize_C_64fc;
    static constexpr auto Init = vdxsFFTInit_C_64fc;
    static constexpr auto InitAlloc = vdxsFFTInitAlloc_C_64fc;
    static constexpr auto Free = vdxsFFTFree_C_64fc;
    static constexpr auto GetBufSize = vdxsFFTGetBufSize_C_64fc;
    static constexpr auto Fwd = vdxsFFTFwd_CToC_64fc;
    static constexpr auto Inv = vdxsFFTInv_CToC_64fc;
    static constexpr auto FwdI = vdxsFFTFwd_CToC_64fc_I;
    static constexpr auto InvI = vdxsFFTInv_CToC_64fc_I;
    static constexpr auto SGetSize = vdxsFFTGetSize_C_64f;
    static constexpr auto SInit = vdxsFFTInit_C_64f;
    static constexpr auto SInitAlloc = vdxsFFTInitAlloc_C_64f;
    static constexpr auto SFree = vdxsFFTFree_C_64f;
    static constexpr auto SFwd = vdxsFFTFwd_CToC_64f;
    static constexpr auto SInv = vdxsFFTInv_CToC_64f;
    static constexpr auto SFwdI = vdxsFFTFwd_CToC_64f_I;
    static constexpr auto SInvI = vdxsFFTInv_CToC_64f_I;
};

struct ThreadScope {
    explicit ThreadScope(int n) { vdxcoreSetNumThreads(n); }
    ~ThreadScope() { vdxcoreSetNumThreads(0); }
};

// The DFT in long double: direct for short lengths, otherwise radix-2 with
// every twiddle computed directly (no recurrences).
void reference(const std::vector<CLD>& x, std::vector<CLD>& X, bool inverse) {
    const size_t n = x.size();
    const LD sign = inverse ? 1 : -1, pi = 3.141592653589793238462643383279502884L;
    X.assign(n, 0);
    if (n <= 64) {
        for (size_t k = 0; k < n; ++k)
            for (size_t j = 0; j < n; ++j) {
                const LD a = sign * 2 * pi * static_cast<LD>((j * k) % n) / n;
                X[k] += x[j] * CLD(cosl(a), sinl(a));
            }
        return;
    }
    int bits = 0;
    while ((size_t(1) << bits) < n) ++bits;
    for (size_t i = 0; i < n; ++i) {
        size_t r = 0;
        for (int b = 0; b < bits; ++b) r |= ((i >> b) & 1) << (bits - 1 - b);
        X[r] = x[i];
    }
    std::vector<LD> wr(n / 2), wi(n / 2);
    for (size_t j = 0; j < n / 2; ++j) {
        wr[j] = cosl(2 * pi * j / n);
        wi[j] = sign * sinl(2 * pi * j / n);
    }
    auto* d = reinterpret_cast<LD*>(X.data());
    for (size_t len = 2; len <= n; len *= 2)
        for (size_t b = 0; b < n; b += len)
            for (size_t k = 0; k < len / 2; ++k) {
                const size_t t = n / len * k, i = 2 * (b + k), j = i + len;
                const LD re = d[j] * wr[t] - d[j + 1] * wi[t], im = d[j] * wi[t] + d[j + 1] * wr[t];
                d[j] = d[i] - re;
                d[j + 1] = d[i + 1] - im;
                d[i] += re;
                d[i + 1] += im;
            }
}

template <class T>
std::vector<T> random_signal(int order, unsigned seed) {
    std::mt19937 gen(seed);
    std::uniform_real_distribution<double> dist(-1.0, 1.0);
    std::vector<T> v(2L << order);
    for (auto& x : v) x = static_cast<T>(dist(gen));
    return v;
}

// Relative RMS distance of an interleaved result from the reference.
template <class T>
double rel_rms(const T* y, const std::vector<CLD>& ref) {
    LD num = 0, den = 0;
    for (size_t k = 0; k < ref.size(); ++k) {
        num += std::norm(CLD(y[2 * k], y[2 * k + 1]) - ref[k]);
        den += std::norm(ref[k]);
    }
    return den == 0 ? std::sqrt(static_cast<double>(num)) : std::sqrt(static_cast<double>(num / den));
}

// An object in caller memory, at an offset of `shift` bytes from a vdxMalloc block.
template <class F>
struct CallerSpec {
    std::vector<Vdx8u> mem, init;
    typename F::Spec* spec = nullptr;
    int work = 0;
    CallerSpec(int order, int flag, int shift = 0) {
        int size = 0, initSize = 0;
        EXPECT_EQ(F::GetSize(order, flag, vdxAlgHintNone, &size, &initSize, &work), vdxStsNoErr);
        mem.resize(size + shift);
        init.resize(initSize);
        EXPECT_EQ(F::Init(&spec, order, flag, vdxAlgHintNone, mem.data() + shift, initSize ? init.data() : nullptr),
                  vdxStsNoErr);
    }
};

template <class F>
class Fft : public ::testing::Test {};
using Families = ::testing::Types<F32, F64>;
TYPED_TEST_SUITE(Fft, Families);

TYPED_TEST(Fft, SizeQueryAndInitFollowTheCheckOrderAndSizeRules) {
    using F = TypeParam;
    Mismatches bad;
    for (int order : {-1, 0, 1, 5, 6, 10, 11, F::kMax, F::kMax + 1, 30, 31}) {
        for (int flag : {0, 1, 2, 3, 4, 8, 16}) {
            const bool flagOk = flag == 1 || flag == 2 || flag == 4 || flag == 8;
            VdxStatus want = order < 0 || order > 30 ? vdxStsFFTOrderErr
                             : !flagOk               ? vdxStsFFTFlagErr
                             : order > F::kMax       ? vdxStsFFTOrderErr
                                                     : vdxStsNoErr;
            int s = -1, i = -1, w = -1, ss = -1, si = -1, sw = -1;
            const VdxStatus got = F::GetSize(order, flag, vdxAlgHintNone, &s, &i, &w);
            const VdxStatus sgot = F::SGetSize(order, flag, vdxAlgHintFast, &ss, &si, &sw);
            if (got != want || sgot != want || s != ss || i != si || w != sw)
                bad.note([&](auto& os) { os << "order " << order << " flag " << flag << ": " << got << "/" << sgot; });
            if (F::GetSize(order, flag, vdxAlgHintNone, nullptr, &i, &w) !=
                (order < 0 || order > 30 ? vdxStsFFTOrderErr : vdxStsNullPtrErr))
                bad.note([&](auto& os) { os << "null pointer, order " << order << " flag " << flag; });
            if (want != vdxStsNoErr) continue;
            const bool sizesOk = order <= 5 ? s == 168 && i == 0 && w == 0
                                            : s % 32 == 0 && w % 32 == 0 && w >= (int(sizeof(typename F::C)) << order) &&
                                                  (order <= 10 ? i == 0 : i % 32 == 0 && i > 0);
            if (!sizesOk)
                bad.note([&](auto& os) { os << "sizes at order " << order << ": " << s << " " << i << " " << w; });
        }
    }
    EXPECT_NO_MISMATCH(bad);

    // Init: pointers, order, flag, then the init buffer from order 11; a
    // failure leaves the identifier 0, so the memory no longer passes as a spec.
    CallerSpec<F> cs(11, 8, 7);
    std::vector<typename F::C> x(2048), y(2048);
    EXPECT_EQ(F::Fwd(x.data(), y.data(), cs.spec, nullptr), vdxStsNoErr);
    typename F::Spec* out = nullptr;
    EXPECT_EQ(F::Init(nullptr, 11, 8, vdxAlgHintNone, cs.mem.data(), cs.init.data()), vdxStsNullPtrErr);
    EXPECT_EQ(F::Init(&out, 11, 8, vdxAlgHintNone, nullptr, cs.init.data()), vdxStsNullPtrErr);
    EXPECT_EQ(F::Fwd(x.data(), y.data(), cs.spec, nullptr), vdxStsNoErr);
    EXPECT_EQ(F::Init(&out, 11, 3, vdxAlgHintNone, cs.mem.data() + 7, cs.init.data()), vdxStsFFTFlagErr);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(F::Fwd(x.data(), y.data(), cs.spec, nullptr), vdxStsContextMatchErr);
    EXPECT_EQ(F::Init(&out, F::kMax + 1, 8, vdxAlgHintNone, cs.mem.data() + 7, cs.init.data()), vdxStsFFTOrderErr);
    EXPECT_EQ(F::Init(&out, 11, 8, vdxAlgHintNone, cs.mem.data() + 7, nullptr), vdxStsNullPtrErr);
    EXPECT_EQ(F::Init(&out, 10, 8, vdxAlgHintNone, cs.mem.data() + 7, nullptr), vdxStsNoErr);
    const uintptr_t at = reinterpret_cast<uintptr_t>(cs.mem.data() + 7);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(out), (at + 31) & ~uintptr_t(31))
        << "object at the first 32-byte boundary at or after pSpec";
}

TYPED_TEST(Fft, ObjectsCheckIdentifiersAndFreeOnlyWhatTheyAllocated) {
    using F = TypeParam;
    for (int order : {0, 6, 12, F::kTwoLevel + 1}) {
        CallerSpec<F> cs(order, 2);
        int size = -1, getSize = 0, dummy = 0;
        F::GetSize(order, 2, vdxAlgHintNone, &dummy, &dummy, &getSize);
        EXPECT_EQ(F::GetBufSize(cs.spec, &size), vdxStsNoErr);
        EXPECT_EQ(size, getSize) << "order " << order;
        EXPECT_EQ(F::GetBufSize(nullptr, &size), vdxStsNullPtrErr);
        EXPECT_EQ(F::GetBufSize(cs.spec, nullptr), vdxStsNullPtrErr);

        // An object of another family is refused by every entry; nothing written.
        const size_t n = size_t(1) << order;
        std::vector<typename F::C> x(n), y(n);
        std::vector<typename F::T> re(n, 1), im(n, 2);
        std::memset(y.data(), 0x5A, n * sizeof y[0]);
        auto* foreign = reinterpret_cast<typename F::SplitSpec*>(cs.spec);
        EXPECT_EQ(F::SFwd(re.data(), im.data(), re.data(), im.data(), foreign, nullptr), vdxStsContextMatchErr);
        EXPECT_EQ(F::SInvI(re.data(), im.data(), foreign, nullptr), vdxStsContextMatchErr);
        EXPECT_EQ(F::SFree(foreign), vdxStsContextMatchErr);
        EXPECT_EQ(F::Fwd(nullptr, y.data(), cs.spec, nullptr), vdxStsNullPtrErr);
        EXPECT_EQ(F::Inv(x.data(), nullptr, cs.spec, nullptr), vdxStsNullPtrErr);
        EXPECT_EQ(F::FwdI(nullptr, cs.spec, nullptr), vdxStsNullPtrErr);
        EXPECT_EQ(F::Fwd(x.data(), y.data(), nullptr, nullptr), vdxStsNullPtrErr);
        EXPECT_EQ(F::SFwd(re.data(), nullptr, re.data(), im.data(), reinterpret_cast<typename F::SplitSpec*>(0), nullptr),
                  vdxStsNullPtrErr);
        for (size_t k = 0; k < n * sizeof y[0]; ++k) ASSERT_EQ(reinterpret_cast<Vdx8u*>(y.data())[k], 0x5A);
        EXPECT_EQ(re[0], 1);

        // Free of a caller-memory object only invalidates it.
        EXPECT_EQ(F::Free(cs.spec), vdxStsNoErr);
        EXPECT_EQ(F::Free(cs.spec), vdxStsContextMatchErr);
        EXPECT_EQ(F::Fwd(x.data(), y.data(), cs.spec, nullptr), vdxStsContextMatchErr);
        EXPECT_EQ(F::Free(nullptr), vdxStsNullPtrErr);

        typename F::Spec* a = nullptr;
        typename F::SplitSpec* b = nullptr;
        EXPECT_EQ(F::InitAlloc(&a, order, 4, vdxAlgHintAccurate), vdxStsNoErr);
        EXPECT_EQ(F::SInitAlloc(&b, order, 4, vdxAlgHintAccurate), vdxStsNoErr);
        EXPECT_EQ(reinterpret_cast<uintptr_t>(a) % 32, 0u);
        EXPECT_EQ(F::Fwd(x.data(), y.data(), reinterpret_cast<typename F::Spec*>(b), nullptr), vdxStsContextMatchErr);
        EXPECT_EQ(F::Free(a), vdxStsNoErr);
        EXPECT_EQ(F::SFree(b), vdxStsNoErr);
        EXPECT_EQ(F::InitAlloc(&a, order, 5, vdxAlgHintNone), vdxStsFFTFlagErr);
        EXPECT_EQ(F::InitAlloc(&a, F::kMax + 1, 1, vdxAlgHintNone), vdxStsFFTOrderErr);
        EXPECT_EQ(F::InitAlloc(nullptr, order, 1, vdxAlgHintNone), vdxStsNullPtrErr);
    }
}

// Init stays inside the sizes GetSize reports (guard bytes after the object and
// the init buffer survive), the init buffer is not needed afterwards, and an
// impulse comes out as exactly the normalisation factor in every bin (1/N
// for flags 1 and 2; for flag 4 one Newton step from the reciprocal-square-
// root estimate in single precision, 1/sqrt(N) in double).
TYPED_TEST(Fft, InitStaysInsideItsSizesAndFactorsAreExact) {
    using F = TypeParam;
    using T = typename F::T;
    Mismatches bad;
    for (int order : {0, 4, 5, 6, 10, 11, 12, F::kTwoLevel, F::kBlocked, F::kBlocked + 1, F::kBlocked + 2}) {
        const size_t n = size_t(1) << order;
        for (int flag : {1, 2, 4}) {
            int size = 0, initSize = 0, work = 0;
            F::GetSize(order, flag, vdxAlgHintNone, &size, &initSize, &work);
            for (int shift : {0, 13}) {
                std::vector<Vdx8u> mem(size + shift + 64, 0xC3), init(initSize + 64, 0xC3);
                typename F::Spec* spec = nullptr;
                ASSERT_EQ(F::Init(&spec, order, flag, vdxAlgHintNone, mem.data() + shift, init.data()), vdxStsNoErr);
                for (size_t k = size + shift; k < mem.size(); ++k)
                    if (mem[k] != 0xC3) bad.note([&](auto& os) { os << "object overrun, order " << order; });
                for (size_t k = initSize; k < init.size(); ++k)
                    if (init[k] != 0xC3) bad.note([&](auto& os) { os << "init buffer overrun, order " << order; });
                std::fill(init.begin(), init.end(), 0x7F);  // released by the caller
                std::vector<T> x(2 * n, T(0)), y(2 * n);
                x[0] = 1;
                const bool fwdScaled = flag != 2;
                F::Fwd(reinterpret_cast<const typename F::C*>(x.data()), reinterpret_cast<typename F::C*>(y.data()),
                       spec, nullptr);
                T want = 1;
                if (fwdScaled && flag == 1) {
                    want = T(1) / T(n);
                } else if (fwdScaled) {
                    if (sizeof(T) == 4) {
                        const float nf = float(n), e = _mm_cvtss_f32(_mm_rsqrt_ss(_mm_set_ss(nf)));
                        want = T(e * (3.0f - nf * e * e) * 0.5f);
                    } else {
                        want = T(1.0 / std::sqrt(double(n)));
                    }
                }
                for (size_t k = 0; k < n; ++k)
                    if (y[2 * k] != want || y[2 * k + 1] != 0)
                        bad.note([&](auto& os) {
                            os << "order " << order << " flag " << flag << " bin " << k << ": " << y[2 * k] << " "
                               << y[2 * k + 1] << " want " << want;
                        });
            }
        }
    }
    EXPECT_NO_MISMATCH(bad);
}

// Bound on the relative RMS error: a few units of rounding per level.
template <class F>
double error_bound(int order) {
    const double eps = sizeof(typename F::T) == 4 ? 5.96e-8 : 1.11e-16;
    return eps * (1.5 + 0.5 * order);
}

TYPED_TEST(Fft, MatchesTheLongDoubleDftAtEveryOrderInBothDirections) {
    using F = TypeParam;
    using T = typename F::T;
    Mismatches bad;
    for (int order = 0; order <= 20; ++order) {
        CallerSpec<F> cs(order, VDX_FFT_NODIV_BY_ANY);
        const size_t n = size_t(1) << order;
        const auto x = random_signal<T>(order, 100 + order);
        std::vector<CLD> in(n), ref;
        for (size_t k = 0; k < n; ++k) in[k] = CLD(x[2 * k], x[2 * k + 1]);
        for (bool inverse : {false, true}) {
            reference(in, ref, inverse);
            // Source and destination one element off their natural alignment.
            std::vector<T> src(2 * n + 2), dst(2 * n + 2);
            std::copy(x.begin(), x.end(), src.begin() + 1);
            auto* s = reinterpret_cast<const typename F::C*>(src.data() + 1);
            auto* d = reinterpret_cast<typename F::C*>(dst.data() + (order % 2));
            ASSERT_EQ((inverse ? F::Inv : F::Fwd)(s, d, cs.spec, nullptr), vdxStsNoErr);
            const double err = rel_rms(reinterpret_cast<const T*>(d), ref);
            if (!(err <= error_bound<F>(order)))
                bad.note([&](auto& os) { os << "order " << order << (inverse ? " inverse" : " forward") << ": " << err; });
        }
    }
    EXPECT_NO_MISMATCH(bad);
}

TYPED_TEST(Fft, FlagsScaleTheirDirectionAndRoundTripsReturnTheInput) {
    using F = TypeParam;
    using T = typename F::T;
    Mismatches bad;
    for (int order : {0, 1, 2, 3, 4, 5, 6, 7, 12, F::kTwoLevel, F::kBlocked}) {
        const size_t n = size_t(1) << order;
        const auto x = random_signal<T>(order, 7 * order + 1);
        std::vector<CLD> in(n), ref[2];
        for (size_t k = 0; k < n; ++k) in[k] = CLD(x[2 * k], x[2 * k + 1]);
        reference(in, ref[0], false);
        reference(in, ref[1], true);
        for (int flag : {1, 2, 4, 8}) {
            CallerSpec<F> cs(order, flag);
            for (int dir = 0; dir < 2; ++dir) {
                const bool scaled = flag == 4 || flag == 1 + dir;
                const LD f = !scaled ? 1 : flag == 4 ? 1 / sqrtl(n) : LD(1) / n;
                std::vector<CLD> want(ref[dir]);
                for (auto& v : want) v *= f;
                std::vector<T> y(2 * n);
                auto* out = reinterpret_cast<typename F::C*>(y.data());
                (dir ? F::Inv : F::Fwd)(reinterpret_cast<const typename F::C*>(x.data()), out, cs.spec, nullptr);
                const double err = rel_rms(y.data(), want);
                if (!(err <= error_bound<F>(order) * 2))
                    bad.note([&](auto& os) { os << "order " << order << " flag " << flag << " dir " << dir << ": " << err; });
            }
            // Forward then inverse, in place: the input, times N without scaling.
            std::vector<T> y(x);
            auto* io = reinterpret_cast<typename F::C*>(y.data());
            F::FwdI(io, cs.spec, nullptr);
            F::InvI(io, cs.spec, nullptr);
            std::vector<CLD> want(in);
            if (flag == 8)
                for (auto& v : want) v *= LD(n);
            const double err = rel_rms(y.data(), want);
            if (!(err <= error_bound<F>(order) * 3))
                bad.note([&](auto& os) { os << "round trip, order " << order << " flag " << flag << ": " << err; });
        }
    }
    EXPECT_NO_MISMATCH(bad);
}

// Every way to call one transform gives the same bits: in place or not,
// aligned or not, null or caller buffer, _I forms, split arrays, 1..3
// threads, and several threads sharing one spec.
TYPED_TEST(Fft, EveryPathGivesIdenticalResults) {
    using F = TypeParam;
    using T = typename F::T;
    Mismatches bad;
    const int orders[] = {0, 1, 2, 3, 4, 5, 6, 7, 11, F::kTwoLevel - 1, F::kTwoLevel, F::kTwoLevel + 1, F::kBlocked - 1,
                          F::kBlocked, F::kBlocked + 1};
    for (int order : orders) {
        const size_t n = size_t(1) << order;
        const auto x = random_signal<T>(order, 31 + order);
        for (int dir = 0; dir < 2; ++dir) {
            const auto fwd = dir ? F::Inv : F::Fwd;
            const auto fwdI = dir ? F::InvI : F::FwdI;
            const auto sfwd = dir ? F::SInv : F::SFwd;
            const auto sfwdI = dir ? F::SInvI : F::SFwdI;
            std::vector<T> base;
            for (int threads : {1, 2, 3}) {
                ThreadScope scope(threads);
                CallerSpec<F> cs(order, 4);
                std::vector<Vdx8u> buf(cs.work + 64);
                std::vector<std::vector<T>> results;
                auto run = [&](int srcOff, int dstOff, bool inPlace, Vdx8u* b) {
                    std::vector<T> s(2 * n + 4), d(2 * n + 4);
                    std::copy(x.begin(), x.end(), s.begin() + srcOff);
                    T* dp = inPlace ? s.data() + srcOff : d.data() + dstOff;
                    fwd(reinterpret_cast<const typename F::C*>(s.data() + srcOff), reinterpret_cast<typename F::C*>(dp),
                        cs.spec, b);
                    results.emplace_back(dp, dp + 2 * n);
                };
                run(0, 0, false, nullptr);
                run(1, 3, false, buf.data() + 5);
                run(2, 2, false, nullptr);
                run(0, 0, true, nullptr);
                run(3, 0, true, buf.data() + 1);
                {
                    std::vector<T> io(x);
                    fwdI(reinterpret_cast<typename F::C*>(io.data()), cs.spec, nullptr);
                    results.push_back(io);
                }
                {
                    typename F::SplitSpec* ss = nullptr;
                    F::SInitAlloc(&ss, order, 4, vdxAlgHintNone);
                    std::vector<T> re(n), im(n), ore(n), oim(n), out(2 * n);
                    for (size_t k = 0; k < n; ++k) {
                        re[k] = x[2 * k];
                        im[k] = x[2 * k + 1];
                    }
                    sfwd(re.data(), im.data(), ore.data(), oim.data(), ss, buf.data());
                    for (size_t k = 0; k < n; ++k) {
                        out[2 * k] = ore[k];
                        out[2 * k + 1] = oim[k];
                    }
                    results.push_back(out);
                    sfwdI(re.data(), im.data(), ss, nullptr);
                    for (size_t k = 0; k < n; ++k) {
                        out[2 * k] = re[k];
                        out[2 * k + 1] = im[k];
                    }
                    results.push_back(out);
                    F::SFree(ss);
                }
                if (threads == 1) {
                    // Four threads share one FFT object, each with its own buffer.
                    std::vector<std::vector<T>> outs(4, std::vector<T>(2 * n));
                    std::vector<std::vector<Vdx8u>> bufs(4, std::vector<Vdx8u>(cs.work));
                    std::vector<std::thread> pool;
                    for (int t = 0; t < 4; ++t)
                        pool.emplace_back([&, t] {
                            for (int rep = 0; rep < 3; ++rep)
                                fwd(reinterpret_cast<const typename F::C*>(x.data()),
                                    reinterpret_cast<typename F::C*>(outs[t].data()), cs.spec,
                                    t % 2 ? bufs[t].data() : nullptr);
                        });
                    for (auto& th : pool) th.join();
                    for (auto& o : outs) results.push_back(o);
                }
                if (base.empty()) base = results[0];
                for (size_t r = 0; r < results.size(); ++r)
                    if (std::memcmp(results[r].data(), base.data(), 2 * n * sizeof(T)) != 0)
                        bad.note([&](auto& os) {
                            os << "order " << order << " dir " << dir << " threads " << threads << " path " << r;
                        });
            }
        }
    }
    EXPECT_NO_MISMATCH(bad);
}

// Orders beyond the dense reference, up to 2^23: a few impulses have a DFT
// that is a short sum per bin, checked at sampled bins; in place must equal
// out of place, and the inverse must bring back N times the impulses.
TYPED_TEST(Fft, LargeOrdersMatchSparseSumsAtSampledBins) {
    using F = TypeParam;
    using T = typename F::T;
    using C = typename F::C;
    const LD pi = 3.141592653589793238462643383279502884L;
    const double tol = sizeof(T) == 4 ? 2e-6 : 4e-15;
    std::mt19937_64 gen(21);
    Mismatches bad;
    for (int order = 21; order <= 23; ++order) {
        const size_t n = size_t(1) << order;
        typename F::Spec* spec = nullptr;
        ASSERT_EQ(F::InitAlloc(&spec, order, VDX_FFT_NODIV_BY_ANY, vdxAlgHintNone), vdxStsNoErr);
        std::vector<T> x(2 * n, T(0)), y(2 * n), z;
        std::vector<std::pair<size_t, CLD>> impulses;
        for (int j = 0; j < 3; ++j) {
            const size_t at = gen() % n;
            const T re = T(int(gen() % 2001) - 1000) / 1000, im = T(int(gen() % 2001) - 1000) / 1000;
            x[2 * at] += re;
            x[2 * at + 1] += im;
            impulses.push_back({at, CLD(re, im)});
        }
        ASSERT_EQ(F::Fwd(reinterpret_cast<const C*>(x.data()), reinterpret_cast<C*>(y.data()), spec, nullptr),
                  vdxStsNoErr);
        for (int s = 0; s < 2048; ++s) {
            const size_t k = s == 0 ? 0 : gen() % n;
            CLD ref = 0;
            for (auto& [at, a] : impulses) {
                const LD angle = -2 * pi * static_cast<LD>((at * k) % n) / n;
                ref += a * CLD(cosl(angle), sinl(angle));
            }
            const double err = static_cast<double>(std::abs(CLD(y[2 * k], y[2 * k + 1]) - ref));
            if (!(err <= tol)) bad.note([&](auto& os) { os << "order " << order << " bin " << k << ": " << err; });
        }
        z = x;
        ASSERT_EQ(F::FwdI(reinterpret_cast<C*>(z.data()), spec, nullptr), vdxStsNoErr);
        if (std::memcmp(z.data(), y.data(), y.size() * sizeof(T)) != 0)
            bad.note([&](auto& os) { os << "order " << order << ": in place differs from out of place"; });
        ASSERT_EQ(F::Inv(reinterpret_cast<const C*>(y.data()), reinterpret_cast<C*>(z.data()), spec, nullptr),
                  vdxStsNoErr);
        double worst = 0;
        for (size_t i = 0; i < 2 * n; ++i)
            worst = std::max(worst, std::abs(double(z[i]) / double(n) - double(x[i])));
        if (!(worst <= tol)) bad.note([&](auto& os) { os << "order " << order << " round trip: " << worst; });
        EXPECT_EQ(F::Free(spec), vdxStsNoErr);
    }
    EXPECT_NO_MISMATCH(bad);
}

}  // namespace

// ---- Separate arrays at the blocked orders: no memory beyond the work buffer.

#include <dlfcn.h>

#include <atomic>

// Every block the library asks the core library for is counted: this
// definition comes first in the process's symbol lookup and forwards to the
// core library's.
static std::atomic<long> g_core_allocations{0};
extern "C" void* vdxMalloc(int length) {
    using Malloc = void* (*)(int);
    static const auto next = reinterpret_cast<Malloc>(dlsym(RTLD_NEXT, "vdxMalloc"));
    ++g_core_allocations;
    return next(length);
}

namespace {

template <class F>
struct SplitBuf;
template <>
struct SplitBuf<F32> {
    static constexpr auto Get = vdxsFFTGetBufSize_C_32f;
};
template <>
struct SplitBuf<F64> {
    static constexpr auto Get = vdxsFFTGetBufSize_C_64f;
};

// The first blocked orders (one and two levels, both band shapes), both
// directions, scaled and not, out of place, in place and with only the real
// array in place: every result equals the interleaved transform bit for bit,
// with a caller buffer of exactly the reported size at an odd address, and
// nothing is allocated; the sources of an out-of-place call stay as they were.
TYPED_TEST(Fft, SplitBlockedOrdersUseOnlyTheWorkBufferAndMatchInterleaved) {
    using F = TypeParam;
    using T = typename F::T;
    using C = typename F::C;
    enum Mode { kOutOfPlace, kInPlace, kRealInPlace };
    Mismatches bad;
    for (int order = F::kBlocked; order <= F::kBlocked + 2; ++order) {
        const size_t n = size_t(1) << order;
        const auto x = random_signal<T>(order, 77 + order);
        std::vector<T> re(n), im(n);
        for (size_t k = 0; k < n; ++k) {
            re[k] = x[2 * k];
            im[k] = x[2 * k + 1];
        }
        for (int flag : {VDX_FFT_NODIV_BY_ANY, VDX_FFT_DIV_BY_SQRTN}) {
            typename F::Spec* spec = nullptr;
            typename F::SplitSpec* ss = nullptr;
            ASSERT_EQ(F::InitAlloc(&spec, order, flag, vdxAlgHintNone), vdxStsNoErr);
            ASSERT_EQ(F::SInitAlloc(&ss, order, flag, vdxAlgHintNone), vdxStsNoErr);
            int bufSize = 0;
            ASSERT_EQ(SplitBuf<F>::Get(ss, &bufSize), vdxStsNoErr);
            constexpr Vdx8u kGuard = 0xA5;
            std::vector<Vdx8u> buf(bufSize + 64, kGuard);
            Vdx8u* b = buf.data() + 1 + (32 - reinterpret_cast<std::uintptr_t>(buf.data() + 1) % 32) % 32 + 1;
            for (int dir = 0; dir < 2; ++dir) {
                std::vector<T> want(2 * n);
                ASSERT_EQ((dir ? F::Inv : F::Fwd)(reinterpret_cast<const C*>(x.data()), reinterpret_cast<C*>(want.data()),
                                                  spec, nullptr),
                          vdxStsNoErr);
                for (Mode mode : {kOutOfPlace, kInPlace, kRealInPlace}) {
                    std::vector<T> sre(re), sim(im), dre(n), dim(n);
                    T* outRe = mode == kOutOfPlace ? dre.data() : sre.data();
                    T* outIm = mode == kInPlace ? sim.data() : dim.data();
                    std::fill(buf.begin(), buf.end(), kGuard);
                    const long before = g_core_allocations;
                    const VdxStatus st = (dir ? F::SInv : F::SFwd)(sre.data(), sim.data(), outRe, outIm, ss, b);
                    const long allocated = g_core_allocations - before;
                    bool same = st == vdxStsNoErr && allocated == 0;
                    for (size_t k = 0; same && k < n; ++k)
                        same = same_bits(outRe[k], want[2 * k]) && same_bits(outIm[k], want[2 * k + 1]);
                    if (mode == kOutOfPlace) same = same && sre == re && sim == im;
                    for (Vdx8u* g = b + bufSize; same && g < buf.data() + buf.size(); ++g) same = *g == kGuard;
                    if (!same)
                        bad.note([&](auto& os) {
                            os << "order " << order << " flag " << flag << " dir " << dir << " mode " << mode
                               << ": status " << st << ", " << allocated << " allocations";
                        });
                }
            }
            EXPECT_EQ(F::SFree(ss), vdxStsNoErr);
            EXPECT_EQ(F::Free(spec), vdxStsNoErr);
        }
    }
    EXPECT_NO_MISMATCH(bad);
}

// One call per regime: with a caller buffer nothing is allocated, without one
// exactly the work buffer is (which also shows the counting works).
TYPED_TEST(Fft, SplitTransformsAllocateOnlyAMissingWorkBuffer) {
    using F = TypeParam;
    using T = typename F::T;
    for (int order : {3, 8, F::kTwoLevel, F::kBlocked}) {
        const size_t n = size_t(1) << order;
        typename F::SplitSpec* ss = nullptr;
        ASSERT_EQ(F::SInitAlloc(&ss, order, VDX_FFT_NODIV_BY_ANY, vdxAlgHintNone), vdxStsNoErr);
        int bufSize = 0;
        ASSERT_EQ(SplitBuf<F>::Get(ss, &bufSize), vdxStsNoErr);
        std::vector<Vdx8u> buf(bufSize + 1);
        std::vector<T> re(n, T(1)), im(n, T(0));
        for (Vdx8u* b : {buf.data(), static_cast<Vdx8u*>(nullptr)}) {
            const long before = g_core_allocations;
            ASSERT_EQ(F::SFwdI(re.data(), im.data(), ss, b), vdxStsNoErr);
            EXPECT_EQ(g_core_allocations - before, b == nullptr && bufSize > 0 ? 1 : 0)
                << "order " << order << (b ? " with" : " without") << " a buffer";
        }
        EXPECT_EQ(F::SFree(ss), vdxStsNoErr);
    }
}

}  // namespace
