// Real FFT families R_32f and R_64f against a long-double radix-2 FFT read
// through the layout slots, within eps * (order + 2) * ||x|| (a wrong twiddle,
// index or slot is off by the size of the data); paths agree bit for bit.
#include <gtest/gtest.h>

#include <limits>
#include <random>

#include "fft_common.h"
#include "mismatches.h"

namespace {

// One family's exports, the transforms by layout.
template <class T, class S>
struct Family {
    using Spec = S;
    VdxStatus (*init_alloc)(S**, int, int, VdxHintAlgorithm);
    VdxStatus (*free)(S*);
    VdxStatus (*get_buf_size)(const S*, int*);
    VdxStatus (*fwd[3])(const T*, T*, const S*, Vdx8u*);
    VdxStatus (*fwd_i[3])(T*, const S*, Vdx8u*);
    VdxStatus (*inv[3])(const T*, T*, const S*, Vdx8u*);
    VdxStatus (*inv_i[3])(T*, const S*, Vdx8u*);
};
#define REAL_FAMILY(E)                                                                                     \
    {vdxsFFTInitAlloc_R_##E, vdxsFFTFree_R_##E, vdxsFFTGetBufSize_R_##E,                                   \
     {vdxsFFTFwd_RToPack_##E, vdxsFFTFwd_RToPerm_##E, vdxsFFTFwd_RToCCS_##E},                              \
     {vdxsFFTFwd_RToPack_##E##_I, vdxsFFTFwd_RToPerm_##E##_I, vdxsFFTFwd_RToCCS_##E##_I},                  \
     {vdxsFFTInv_PackToR_##E, vdxsFFTInv_PermToR_##E, vdxsFFTInv_CCSToR_##E},                              \
     {vdxsFFTInv_PackToR_##E##_I, vdxsFFTInv_PermToR_##E##_I, vdxsFFTInv_CCSToR_##E##_I}}
const Family<Vdx32f, VdxsFFTSpec_R_32f> kR32f = REAL_FAMILY(32f);
const Family<Vdx64f, VdxsFFTSpec_R_64f> kR64f = REAL_FAMILY(64f);
#undef REAL_FAMILY

template <class T>
const auto& family() {
    if constexpr (sizeof(T) == 4) return kR32f;
    else return kR64f;
}

// An InitAlloc object, released at the end of the scope.
template <class T>
struct Spec {
    typename std::decay_t<decltype(family<T>())>::Spec* spec = nullptr;
    int buf_size = 0;
    Spec(int order, int flag) {
        EXPECT_EQ(family<T>().init_alloc(&spec, order, flag, vdxAlgHintNone), vdxStsNoErr);
        family<T>().get_buf_size(spec, &buf_size);
    }
    ~Spec() { family<T>().free(spec); }
};

int reals_of(int layout, int n) { return layout == kCcs ? 2 * (n / 2 + 1) : n; }

std::mt19937_64 rng{0xF7A1};

template <class T>
std::vector<T> random_signal(int n) {
    std::uniform_real_distribution<double> d(-1, 1);
    std::vector<T> x(n);
    for (auto& v : x) v = static_cast<T>(d(rng));
    return x;
}

template <class T>
long double tolerance(int order, const std::vector<long double>& x) {
    long double s = 0;
    for (long double v : x) s += v * v;
    return 4 * std::numeric_limits<T>::epsilon() * (order + 2) * (sqrtl(s) + 1);
}

template <class T>
class FftReal : public ::testing::Test {};
using Types = ::testing::Types<Vdx32f, Vdx64f>;
TYPED_TEST_SUITE(FftReal, Types);

// Every order to 20 (21 for R_32f) against the reference, every flag and
// layout up to order 13, one of each above; CCS zero slots hold 0, nothing is
// written past the layout, the inverse restores the signal.  In place off
// the alignment, a caller buffer, another object and 1..3 threads give the
// bits of the plain call; CCSToR never reads slots 1 and N+1.
TYPED_TEST(FftReal, MatchesTheLongDoubleDftInEveryLayoutAndEveryPathGivesTheSameBits) {
    using T = TypeParam;
    const auto& f = family<T>();
    Mismatches m;
    for (int order = 0; order <= (sizeof(T) == 4 ? 21 : 20); ++order) {
        const int n = 1 << order;
        const auto x = random_signal<T>(n);
        const std::vector<long double> xl(x.begin(), x.end());
        const auto ref = dft(std::vector<CL>(xl.begin(), xl.end()), false);
        const long double tol = tolerance<T>(order, xl);
        const bool two_level = order >= (sizeof(T) == 4 ? 14 : 13) && order <= (sizeof(T) == 4 ? 18 : 17);
        for (int flag : kFlags) {
            if (order > 13 && flag != kFlags[order % 4]) continue;
            const long double scale = factor(flag, false, n), gain = n * scale * factor(flag, true, n);
            Spec<T> s(order, flag);
            std::vector<Vdx8u> buf(s.buf_size + 1);
            for (int l : {kPack, kPerm, kCcs}) {
                if (order > 13 && l != order % 3) continue;
                const int len = reals_of(l, n);
                std::vector<T> y(len + 1, T(-7)), z(n), yi(len + 1), zi(len + 1), yb(len), zb(n);
                ASSERT_EQ(f.fwd[l](x.data(), y.data(), s.spec, nullptr), vdxStsNoErr);
                ASSERT_EQ(f.inv[l](y.data(), z.data(), s.spec, nullptr), vdxStsNoErr);
                auto fail = [&](const char* what) {
                    m.note([&](auto& os) { os << "order " << order << " flag " << flag << " layout " << l << ": " << what; });
                };
                for (int k = 0; k <= n / 2; ++k) {
                    const auto [re, im] = slots(l, k, n);
                    const long double er = fabsl(y[re] - ref[k].real() * scale);
                    const long double ei = im < 0                   ? 0
                                           : 2 * k == n || k == 0 ? (y[im] == 0 ? 0 : INFINITY)
                                                                  : fabsl(y[im] - ref[k].imag() * scale);
                    if (!(er <= tol * scale && ei <= tol * scale)) fail("differs from the reference");
                }
                bool back = y.back() == T(-7);
                for (int i = 0; back && i < n; ++i) back = fabsl(z[i] - gain * xl[i]) <= 2 * tol * gain;
                if (!back) fail("round trip or tail");
                auto same = [&](const T* a, const T* b, int count, const char* what) {
                    if (std::memcmp(a, b, count * sizeof(T)) != 0) fail(what);
                };
                std::memcpy(yi.data() + 1, x.data(), n * sizeof(T));
                std::memcpy(zi.data() + 1, y.data(), len * sizeof(T));
                ASSERT_EQ(f.fwd_i[l](yi.data() + 1, s.spec, nullptr), vdxStsNoErr);
                ASSERT_EQ(f.inv_i[l](zi.data() + 1, s.spec, nullptr), vdxStsNoErr);
                same(y.data(), yi.data() + 1, len, "forward in place");
                same(z.data(), zi.data() + 1, n, "inverse in place");
                for (int threads : {1, 2, 3}) {
                    ThreadScope scope(two_level ? threads : 0);
                    Spec<T> st(order, flag);
                    std::vector<T> dirty(y.begin(), y.end() - 1);
                    if (l == kCcs) dirty[1] = std::numeric_limits<T>::quiet_NaN(), dirty[len - 1] = T(1e30);
                    ASSERT_EQ(f.fwd[l](x.data(), yb.data(), st.spec, buf.data() + 1), vdxStsNoErr);
                    ASSERT_EQ(f.inv[l](dirty.data(), zb.data(), st.spec, buf.data() + 1), vdxStsNoErr);
                    same(y.data(), yb.data(), len, "forward with a caller buffer or another thread count");
                    same(z.data(), zb.data(), n, "inverse with a caller buffer, another thread count or CCS's zero slots");
                    if (!two_level) break;
                }
            }
        }
    }
    EXPECT_NO_MISMATCH(m);
}

}  // namespace
