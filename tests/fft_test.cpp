// Complex FFT (C_32fc, C_32f, C_64fc, C_64f) against a long-double DFT, and
// every way of calling one transform against the others.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <thread>

#include "fft_common.h"
#include "mismatches.h"

// Counts every block the library asks the core library for: this definition
// comes first in the process's symbol lookup and forwards to the core's.
static std::atomic<long> g_core_allocations{0};
extern "C" void* vdxMalloc(int length) {
    using Malloc = void* (*)(int);
    static const auto next = reinterpret_cast<Malloc>(dlsym(RTLD_NEXT, "vdxMalloc"));
    ++g_core_allocations;
    return next(length);
}

namespace {

using LD = long double;
// Each family: element type, regimes, and the entry points of both forms.
#define FFT_FAMILY(Name, Type, Cplx, E, Two, Blocked)                                             \
    struct Name {                                                                                 \
        using T = Type;                                                                           \
        using C = Cplx;                                                                           \
        using Spec = VdxsFFTSpec_C_##E##c;                                                        \
        using SplitSpec = VdxsFFTSpec_C_##E;                                                      \
        static constexpr int kTwoLevel = Two, kBlocked = Blocked;                                 \
        static constexpr auto InitAlloc = vdxsFFTInitAlloc_C_##E##c;                              \
        static constexpr auto SInitAlloc = vdxsFFTInitAlloc_C_##E;                                \
        static constexpr auto Free = vdxsFFTFree_C_##E##c;                                        \
        static constexpr auto SFree = vdxsFFTFree_C_##E;                                          \
        static constexpr auto GetBufSize = vdxsFFTGetBufSize_C_##E##c;                            \
        static constexpr auto SGetBufSize = vdxsFFTGetBufSize_C_##E;                              \
        static constexpr auto Fwd = vdxsFFTFwd_CToC_##E##c, Inv = vdxsFFTInv_CToC_##E##c;         \
        static constexpr auto FwdI = vdxsFFTFwd_CToC_##E##c_I, InvI = vdxsFFTInv_CToC_##E##c_I;   \
        static constexpr auto SFwd = vdxsFFTFwd_CToC_##E, SInv = vdxsFFTInv_CToC_##E;             \
        static constexpr auto SFwdI = vdxsFFTFwd_CToC_##E##_I, SInvI = vdxsFFTInv_CToC_##E##_I;   \
    };
FFT_FAMILY(F32, Vdx32f, Vdx32fc, 32f, 13, 18)
FFT_FAMILY(F64, Vdx64f, Vdx64fc, 64f, 12, 17)
#undef FFT_FAMILY

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
double rel_rms(const T* y, const std::vector<CL>& ref) {
    LD num = 0, den = 0;
    for (size_t k = 0; k < ref.size(); ++k) {
        num += std::norm(CL(y[2 * k], y[2 * k + 1]) - ref[k]);
        den += std::norm(ref[k]);
    }
    return den == 0 ? std::sqrt(static_cast<double>(num)) : std::sqrt(static_cast<double>(num / den));
}

// A few units of rounding per level; a wrong twiddle is off by far more.
template <class F>
double error_bound(int order) { return (sizeof(typename F::T) == 4 ? 5.96e-8 : 1.11e-16) * (3 + order); }

template <class F>
class Fft : public ::testing::Test {};
using Families = ::testing::Types<F32, F64>;
TYPED_TEST_SUITE(Fft, Families);

// Every order to 20 (each regime and its edges) in both directions, with the
// source and destination off their natural alignment; every flag's factor
// up to the two-level orders, one flag per order above; and forward then
// inverse in place gives the input back (times N unscaled).
TYPED_TEST(Fft, MatchesTheLongDoubleDftAndRoundTrips) {
    using F = TypeParam;
    using T = typename F::T;
    using C = typename F::C;
    Mismatches bad;
    for (int order = 0; order <= 20; ++order) {
        const size_t n = size_t(1) << order;
        const auto x = random_signal<T>(order, 100 + order);
        std::vector<CL> in(n);
        for (size_t k = 0; k < n; ++k) in[k] = CL(x[2 * k], x[2 * k + 1]);
        const std::vector<CL> ref[2] = {dft(in, false), dft(in, true)};
        for (int flag : kFlags) {
            if (order > F::kTwoLevel && flag != kFlags[order % 4]) continue;
            typename F::Spec* spec = nullptr;
            ASSERT_EQ(F::InitAlloc(&spec, order, flag, vdxAlgHintNone), vdxStsNoErr);
            for (int dir = 0; dir < 2; ++dir) {
                std::vector<CL> want(ref[dir]);
                for (auto& v : want) v *= factor(flag, dir, n);
                std::vector<T> src(2 * n + 2), dst(2 * n + 2);
                std::copy(x.begin(), x.end(), src.begin() + 1);
                T* d = dst.data() + order % 2;
                ASSERT_EQ((dir ? F::Inv : F::Fwd)(reinterpret_cast<const C*>(src.data() + 1), reinterpret_cast<C*>(d),
                                                  spec, nullptr),
                          vdxStsNoErr);
                const double err = rel_rms(d, want);
                if (!(err <= error_bound<F>(order)))
                    bad.note([&](auto& os) { os << "order " << order << " flag " << flag << " dir " << dir << ": " << err; });
            }
            std::vector<T> y(x);
            ASSERT_EQ(F::FwdI(reinterpret_cast<C*>(y.data()), spec, nullptr), vdxStsNoErr);
            ASSERT_EQ(F::InvI(reinterpret_cast<C*>(y.data()), spec, nullptr), vdxStsNoErr);
            std::vector<CL> want(in);
            for (auto& v : want) v *= flag == VDX_FFT_NODIV_BY_ANY ? LD(n) : 1;
            const double err = rel_rms(y.data(), want);
            if (!(err <= 2 * error_bound<F>(order)))
                bad.note([&](auto& os) { os << "round trip, order " << order << " flag " << flag << ": " << err; });
            EXPECT_EQ(F::Free(spec), vdxStsNoErr);
        }
    }
    EXPECT_NO_MISMATCH(bad);
}

// Every way to call one transform gives the same bits: in place or not,
// aligned or not, null or caller buffer, _I forms, split arrays, 1..3
// threads, four threads sharing one object.  A split transform with a caller
// buffer at an odd address stays inside it, keeps its sources and allocates
// nothing; without one it allocates only the work buffer.
TYPED_TEST(Fft, EveryPathGivesIdenticalResults) {
    using F = TypeParam;
    using T = typename F::T;
    using C = typename F::C;
    constexpr Vdx8u kGuard = 0xA5;
    Mismatches bad;
    const int orders[] = {0, 1, 2, 3, 4, 5, 6, 7, 11, F::kTwoLevel - 1, F::kTwoLevel, F::kTwoLevel + 1, F::kBlocked - 1,
                          F::kBlocked, F::kBlocked + 1, F::kBlocked + 2};
    for (int order : orders) {
        const size_t n = size_t(1) << order;
        const int flag = kFlags[order % 4];
        const auto x = random_signal<T>(order, 31 + order);
        std::vector<T> re(n), im(n);
        for (size_t k = 0; k < n; ++k) re[k] = x[2 * k], im[k] = x[2 * k + 1];
        for (int dir = 0; dir < 2; ++dir) {
            const auto fwd = dir ? F::Inv : F::Fwd;
            const auto sfwd = dir ? F::SInv : F::SFwd;
            std::vector<T> base;
            for (int threads : {1, 2, 3}) {
                ThreadScope scope(threads);
                typename F::Spec* spec = nullptr;
                typename F::SplitSpec* split = nullptr;
                ASSERT_EQ(F::InitAlloc(&spec, order, flag, vdxAlgHintNone), vdxStsNoErr);
                ASSERT_EQ(F::SInitAlloc(&split, order, flag, vdxAlgHintNone), vdxStsNoErr);
                int work = 0, splitWork = 0;
                F::GetBufSize(spec, &work);
                F::SGetBufSize(split, &splitWork);
                std::vector<Vdx8u> buf(std::max(work, splitWork) + 64, kGuard);
                std::vector<std::vector<T>> results;
                auto run = [&](int srcOff, int dstOff, bool inPlace, Vdx8u* b) {
                    std::vector<T> s(2 * n + 4), d(2 * n + 4);
                    std::copy(x.begin(), x.end(), s.begin() + srcOff);
                    T* dp = inPlace ? s.data() + srcOff : d.data() + dstOff;
                    fwd(reinterpret_cast<const C*>(s.data() + srcOff), reinterpret_cast<C*>(dp), spec, b);
                    results.emplace_back(dp, dp + 2 * n);
                };
                run(0, 0, false, nullptr);
                run(1, 3, false, buf.data() + 5);
                run(2, 2, false, nullptr);
                run(0, 0, true, nullptr);
                run(3, 0, true, buf.data() + 1);
                std::vector<T> io(x);
                (dir ? F::InvI : F::FwdI)(reinterpret_cast<C*>(io.data()), spec, nullptr);
                results.push_back(io);
                auto interleave = [&](const T* r, const T* i) {
                    for (size_t k = 0; k < n; ++k) io[2 * k] = r[k], io[2 * k + 1] = i[k];
                    results.push_back(io);
                };
                std::fill(buf.begin(), buf.end(), kGuard);
                const long before = g_core_allocations;
                std::vector<T> sre(re), sim(im), ore(n), oim(n);
                sfwd(sre.data(), sim.data(), ore.data(), oim.data(), split, buf.data() + 1);
                interleave(ore.data(), oim.data());
                const bool sourcesKept = sre == re && sim == im;
                sfwd(sre.data(), sim.data(), sre.data(), oim.data(), split, buf.data() + 1);
                interleave(sre.data(), oim.data());
                const long withBuffer = g_core_allocations - before;
                bool guarded = true;
                for (size_t g = splitWork + 1; g < buf.size(); ++g) guarded = guarded && buf[g] == kGuard;
                sre = re;
                (dir ? F::SInvI : F::SFwdI)(sre.data(), sim.data(), split, nullptr);
                interleave(sre.data(), sim.data());
                if (!sourcesKept || !guarded || withBuffer != 0 || g_core_allocations - before != (splitWork > 0))
                    bad.note([&](auto& os) { os << "order " << order << ": split transforms write or allocate"; });
                if (threads == 1) {
                    std::vector<std::vector<T>> outs(4, std::vector<T>(2 * n));
                    std::vector<std::vector<Vdx8u>> bufs(4, std::vector<Vdx8u>(work));
                    std::vector<std::thread> pool;
                    for (int t = 0; t < 4; ++t)
                        pool.emplace_back([&, t] {
                            for (int rep = 0; rep < 3; ++rep)
                                fwd(reinterpret_cast<const C*>(x.data()), reinterpret_cast<C*>(outs[t].data()), spec,
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
                F::Free(spec);
                F::SFree(split);
            }
        }
    }
    EXPECT_NO_MISMATCH(bad);
}

// Orders up to 2^23: a few impulses against their short sums at sampled
// bins; in place and split (with a caller buffer, allocating nothing) equal
// out of place bit for bit; the inverse brings back N times the impulses.
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
        typename F::SplitSpec* split = nullptr;
        ASSERT_EQ(F::InitAlloc(&spec, order, VDX_FFT_NODIV_BY_ANY, vdxAlgHintNone), vdxStsNoErr);
        ASSERT_EQ(F::SInitAlloc(&split, order, VDX_FFT_NODIV_BY_ANY, vdxAlgHintNone), vdxStsNoErr);
        std::vector<T> x(2 * n, T(0)), y(2 * n), z, re(n, T(0)), im(n, T(0));
        std::vector<std::pair<size_t, CL>> impulses;
        for (int j = 0; j < 3; ++j) {
            const size_t at = gen() % n;
            const T r = T(int(gen() % 2001) - 1000) / 1000, i = T(int(gen() % 2001) - 1000) / 1000;
            x[2 * at] += r, x[2 * at + 1] += i, re[at] += r, im[at] += i;
            impulses.push_back({at, CL(r, i)});
        }
        ASSERT_EQ(F::Fwd(reinterpret_cast<const C*>(x.data()), reinterpret_cast<C*>(y.data()), spec, nullptr),
                  vdxStsNoErr);
        for (int s = 0; s < 2048; ++s) {
            const size_t k = s == 0 ? 0 : gen() % n;
            CL ref = 0;
            for (auto& [at, a] : impulses) {
                const LD angle = -2 * pi * static_cast<LD>((at * k) % n) / n;
                ref += a * CL(cosl(angle), sinl(angle));
            }
            const double err = static_cast<double>(std::abs(CL(y[2 * k], y[2 * k + 1]) - ref));
            if (!(err <= tol)) bad.note([&](auto& os) { os << "order " << order << " bin " << k << ": " << err; });
        }
        z = x;
        ASSERT_EQ(F::FwdI(reinterpret_cast<C*>(z.data()), spec, nullptr), vdxStsNoErr);
        int bytes = 0;
        ASSERT_EQ(F::SGetBufSize(split, &bytes), vdxStsNoErr);
        std::vector<Vdx8u> buf(bytes);
        const long before = g_core_allocations;
        ASSERT_EQ(F::SFwdI(re.data(), im.data(), split, buf.data()), vdxStsNoErr);
        bool same = g_core_allocations == before && z == y;
        for (size_t k = 0; same && k < n; ++k) same = same_bits(re[k], y[2 * k]) && same_bits(im[k], y[2 * k + 1]);
        if (!same) bad.note([&](auto& os) { os << "order " << order << ": in place or split differs, or allocates"; });
        ASSERT_EQ(F::Inv(reinterpret_cast<const C*>(y.data()), reinterpret_cast<C*>(z.data()), spec, nullptr),
                  vdxStsNoErr);
        double worst = 0;
        for (size_t i = 0; i < 2 * n; ++i) worst = std::max(worst, std::abs(double(z[i]) / double(n) - double(x[i])));
        if (!(worst <= tol)) bad.note([&](auto& os) { os << "order " << order << " round trip: " << worst; });
        EXPECT_EQ(F::Free(spec), vdxStsNoErr);
        EXPECT_EQ(F::SFree(split), vdxStsNoErr);
    }
    EXPECT_NO_MISMATCH(bad);
}

}  // namespace
