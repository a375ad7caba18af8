// Real FFT families R_32f and R_64f, black box, once per kernel variant
// (CTest runs the program twice).
//
// Oracle: a long-double radix-2 FFT of the real signal (twiddles from
// cosl/sinl of each exact angle), read through the layout tables.  Errors are
// measured against eps * (order + 2) * ||x||, the growth of a sound FFT; a
// wrong twiddle, index or layout slot is off by the size of the data.
// Cross-checks between paths are bit for bit: in place against out of place,
// null against caller work buffers, unaligned data, thread counts.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "mismatches.h"
#include "vdxcore.h"
#include "vdxs.h"

namespace {

using CL = std::complex<long double>;
enum class Layout { pack, perm, ccs };
const Layout kLayouts[] = {Layout::pack, Layout::perm, Layout::ccs};
const int kFlags[] = {VDX_FFT_DIV_FWD_BY_N, VDX_FFT_DIV_INV_BY_N, VDX_FFT_DIV_BY_SQRTN, VDX_FFT_NODIV_BY_ANY};

// One family's exports, by layout.
template <class T, class S>
struct Family {
    VdxStatus (*get_size)(int, int, VdxHintAlgorithm, int*, int*, int*);
    VdxStatus (*init)(S**, int, int, VdxHintAlgorithm, Vdx8u*, Vdx8u*);
    VdxStatus (*init_alloc)(S**, int, int, VdxHintAlgorithm);
    VdxStatus (*free)(S*);
    VdxStatus (*get_buf_size)(const S*, int*);
    VdxStatus (*fwd[3])(const T*, T*, const S*, Vdx8u*);
    VdxStatus (*fwd_i[3])(T*, const S*, Vdx8u*);
    VdxStatus (*inv[3])(const T*, T*, const S*, Vdx8u*);
    VdxStatus (*inv_i[3])(T*, const S*, Vdx8u*);
    int max_order;
};

const Family<Vdx32f, VdxsFFTSpec_R_32f> kR32f = {
    vdxsFFTGetSize_R_32f,
    vdxsFFTInit_R_32f,
    vdxsFFTInitAlloc_R_32f,
    vdxsFFTFree_R_32f,
    vdxsFFTGetBufSize_R_32f,
    {vdxsFFTFwd_RToPack_32f, vdxsFFTFwd_RToPerm_32f, vdxsFFTFwd_RToCCS_32f},
    {vdxsFFTFwd_RToPack_32f_I, vdxsFFTFwd_RToPerm_32f_I, vdxsFFTFwd_RToCCS_32f_I},
    {vdxsFFTInv_PackToR_32f, vdxsFFTInv_PermToR_32f, vdxsFFTInv_CCSToR_32f},
    {vdxsFFTInv_PackToR_32f_I, vdxsFFTInv_PermToR_32f_I, vdxsFFTInv_CCSToR_32f_I},
    29};
const Family<Vdx64f, VdxsFFTSpec_R_64f> kR64f = {
    vdxsFFTGetSize_R_64f,
    vdxsFFTInit_R_64f,
    vdxsFFTInitAlloc_R_64f,
    vdxsFFTFree_R_64f,
    vdxsFFTGetBufSize_R_64f,
    {vdxsFFTFwd_RToPack_64f, vdxsFFTFwd_RToPerm_64f, vdxsFFTFwd_RToCCS_64f},
    {vdxsFFTFwd_RToPack_64f_I, vdxsFFTFwd_RToPerm_64f_I, vdxsFFTFwd_RToCCS_64f_I},
    {vdxsFFTInv_PackToR_64f, vdxsFFTInv_PermToR_64f, vdxsFFTInv_CCSToR_64f},
    {vdxsFFTInv_PackToR_64f_I, vdxsFFTInv_PermToR_64f_I, vdxsFFTInv_CCSToR_64f_I},
    28};

template <class T>
const auto& family() {
    if constexpr (sizeof(T) == 4) return kR32f;
    else return kR64f;
}
template <class T>
using SpecOf = std::conditional_t<sizeof(T) == 4, VdxsFFTSpec_R_32f, VdxsFFTSpec_R_64f>;

// An object built by Init in vector-owned memory, placed at an offset that
// varies with the order; Init must stay inside the sizes GetSize reported
// (guard bytes follow both blocks).
template <class T>
struct Spec {
    std::vector<Vdx8u> mem, init_buf;
    SpecOf<T>* spec = nullptr;
    Vdx8u* block = nullptr;  // the memory given to Init
    int buf_size = 0;
    Spec(int order, int flag) {
        int s = 0, i = 0;
        EXPECT_EQ(family<T>().get_size(order, flag, vdxAlgHintNone, &s, &i, &buf_size), vdxStsNoErr);
        const int off = (order * 7) % 32, guard = 64;
        mem.assign(off + s + guard, 0xA5);
        init_buf.assign(off + i + guard, 0xA5);
        block = mem.data() + off;
        EXPECT_EQ(family<T>().init(&spec, order, flag, vdxAlgHintNone, block,
                                   i ? init_buf.data() + off : nullptr),
                  vdxStsNoErr);
        for (int b = 0; b < guard; ++b) {
            EXPECT_EQ(mem[off + s + b], 0xA5) << "object of order " << order << " overruns its size";
            EXPECT_EQ(init_buf[off + i + b], 0xA5) << "init buffer of order " << order << " overruns its size";
        }
    }
};

int reals_of(Layout l, int n) { return l == Layout::ccs ? n + 2 : n; }

// Where X[k] lies: {slot of the real part, slot of the imaginary part or -1}.
std::pair<int, int> slots(Layout l, int k, int n) {
    if (k == 0) return {0, l == Layout::ccs ? 1 : -1};
    if (2 * k == n) return {l == Layout::pack ? n - 1 : l == Layout::perm ? 1 : n, l == Layout::ccs ? n + 1 : -1};
    const int re = l == Layout::pack ? 2 * k - 1 : 2 * k;
    return {re, re + 1};
}

// X[k], k = 0..N/2, of real x, in long double.
std::vector<CL> reference_dft(const std::vector<long double>& x) {
    const int n = int(x.size());
    std::vector<CL> a(n);
    for (int i = 0, j = 0; i < n; ++i) {
        a[j] = x[i];
        for (int bit = n >> 1; bit > 0 && ((j ^= bit) & bit) == 0; bit >>= 1) {
        }
    }
    for (int len = 2; len <= n; len <<= 1) {
        std::vector<CL> w(len / 2);
        for (int j = 0; j < len / 2; ++j) {
            const long double t = -2.0L * 3.14159265358979323846264338327950288L * j / len;
            w[j] = CL(cosl(t), sinl(t));
        }
        for (int i = 0; i < n; i += len) {
            for (int j = 0; j < len / 2; ++j) {
                const CL u = a[i + j], v = a[i + j + len / 2] * w[j];
                a[i + j] = u + v;
                a[i + j + len / 2] = u - v;
            }
        }
    }
    a.resize(n / 2 + 1);
    return a;
}

std::mt19937_64 rng{0xF7A1};

template <class T>
std::vector<T> random_signal(int n) {
    std::uniform_real_distribution<double> d(-1, 1);
    std::vector<T> x(n);
    for (auto& v : x) v = static_cast<T>(d(rng));
    return x;
}

long double norm2(const std::vector<long double>& x) {
    long double s = 0;
    for (long double v : x) s += v * v;
    return sqrtl(s);
}

template <class T>
long double tolerance(int order, long double norm) {
    return 4 * std::numeric_limits<T>::epsilon() * (order + 2) * (norm + 1);
}

// ---------------------------------------------------------------- accuracy

template <class T>
class FftReal : public ::testing::Test {};
using Types = ::testing::Types<Vdx32f, Vdx64f>;
TYPED_TEST_SUITE(FftReal, Types);

// Every layout up to order 12, then one layout per order up to order 20 (21
// for R_32f, where the coefficients come from two levels), against the
// reference; the forward factor of every flag.
TYPED_TEST(FftReal, ForwardMatchesTheLongDoubleDftInEveryLayout) {
    using T = TypeParam;
    const auto& f = family<T>();
    Mismatches m;
    const int last = sizeof(T) == 4 ? 21 : 20;
    for (int order = 0; order <= last; ++order) {
        const int n = 1 << order;
        const auto x = random_signal<T>(n);
        const std::vector<long double> xl(x.begin(), x.end());
        const auto ref = reference_dft(xl);
        for (int flag : kFlags) {
            if (order > 12 && flag != VDX_FFT_DIV_BY_SQRTN) continue;
            const long double scale = flag == VDX_FFT_DIV_FWD_BY_N   ? 1.0L / n
                                      : flag == VDX_FFT_DIV_BY_SQRTN ? 1.0L / sqrtl(n)
                                                                     : 1.0L;
            Spec<T> s(order, flag);
            for (Layout l : kLayouts) {
                if (order > 12 && l != kLayouts[order % 3]) continue;
                std::vector<T> y(reals_of(l, n) + 1, T(-7));
                ASSERT_EQ(f.fwd[int(l)](x.data(), y.data(), s.spec, nullptr), vdxStsNoErr);
                const long double tol = tolerance<T>(order, norm2(xl)) * scale;
                for (int k = 0; k <= n / 2; ++k) {
                    const auto [re, im] = slots(l, k, n);
                    const long double er = fabsl(y[re] - ref[k].real() * scale);
                    // The zero slots of CCS hold exactly 0.
                    const long double ei = im < 0                   ? 0
                                           : 2 * k == n || k == 0 ? (y[im] == 0 ? 0 : INFINITY)
                                                                  : fabsl(y[im] - ref[k].imag() * scale);
                    if (!(er <= tol && ei <= tol)) {
                        m.note([&](auto& os) {
                            os << "order " << order << " flag " << flag << " layout " << int(l) << " k " << k
                               << ": got (" << y[re] << ", " << (im < 0 ? 0 : y[im]) << ") want " << ref[k] * scale;
                        });
                    }
                }
                if (y.back() != T(-7)) m.note([&](auto& os) { os << "order " << order << ": written past the end"; });
            }
        }
    }
    EXPECT_NO_MISMATCH(m);
}

// Inverse of forward, for every flag and layout: the signal times N (flag
// 8), or the signal (flags 1, 2, 4), within the FFT's rounding.
TYPED_TEST(FftReal, RoundTripsRestoreTheSignalForEveryFlagAndLayout) {
    using T = TypeParam;
    const auto& f = family<T>();
    Mismatches m;
    for (int order = 0; order <= 13; ++order) {
        const int n = 1 << order;
        const auto x = random_signal<T>(n);
        const std::vector<long double> xl(x.begin(), x.end());
        for (int flag : kFlags) {
            Spec<T> s(order, flag);
            const long double gain = flag == VDX_FFT_NODIV_BY_ANY ? n : 1;
            for (Layout l : kLayouts) {
                std::vector<T> y(reals_of(l, n)), z(n);
                ASSERT_EQ(f.fwd[int(l)](x.data(), y.data(), s.spec, nullptr), vdxStsNoErr);
                ASSERT_EQ(f.inv[int(l)](y.data(), z.data(), s.spec, nullptr), vdxStsNoErr);
                const long double tol = 2 * tolerance<T>(order, norm2(xl)) * gain;
                for (int i = 0; i < n; ++i) {
                    if (!(fabsl(z[i] - gain * xl[i]) <= tol)) {
                        m.note([&](auto& os) {
                            os << "order " << order << " flag " << flag << " layout " << int(l) << " i " << i << ": "
                               << z[i] << " for " << gain * xl[i];
                        });
                        break;
                    }
                }
            }
        }
    }
    EXPECT_NO_MISMATCH(m);
}

// ---------------------------------------------------------------- paths agree

// In place, unaligned data, caller buffers and thread counts all give the
// bits of the plain out-of-place call; CCSToR never reads slots 1 and N+1.
TYPED_TEST(FftReal, EveryPathGivesTheSameBits) {
    using T = TypeParam;
    const auto& f = family<T>();
    Mismatches m;
    for (int order = 0; order <= 17; ++order) {
        const int n = 1 << order;
        Spec<T> s(order, order % 2 ? VDX_FFT_DIV_BY_SQRTN : VDX_FFT_NODIV_BY_ANY);
        std::vector<Vdx8u> buf(s.buf_size + 1);
        const auto x = random_signal<T>(n);
        for (Layout l : kLayouts) {
            const int li = int(l), len = reals_of(l, n);
            std::vector<T> y(len), yi(len + 1), z(n), zi(len + 1);
            ASSERT_EQ(f.fwd[li](x.data(), y.data(), s.spec, nullptr), vdxStsNoErr);
            ASSERT_EQ(f.inv[li](y.data(), z.data(), s.spec, nullptr), vdxStsNoErr);
            auto same = [&](const T* a, const T* b, int count, const char* what) {
                if (std::memcmp(a, b, count * sizeof(T)) != 0) {
                    m.note([&](auto& os) { os << "order " << order << " layout " << li << ": " << what; });
                }
            };
            // In place, one element off the vector's alignment.
            std::memcpy(yi.data() + 1, x.data(), n * sizeof(T));
            ASSERT_EQ(f.fwd_i[li](yi.data() + 1, s.spec, nullptr), vdxStsNoErr);
            same(y.data(), yi.data() + 1, len, "forward in place");
            std::memcpy(zi.data() + 1, y.data(), len * sizeof(T));
            ASSERT_EQ(f.inv_i[li](zi.data() + 1, s.spec, nullptr), vdxStsNoErr);
            same(z.data(), zi.data() + 1, n, "inverse in place");
            // Caller work buffers, misaligned by one byte.
            std::vector<T> yb(len), zb(n);
            ASSERT_EQ(f.fwd[li](x.data(), yb.data(), s.spec, buf.data() + 1), vdxStsNoErr);
            ASSERT_EQ(f.inv[li](y.data(), zb.data(), s.spec, buf.data() + 1), vdxStsNoErr);
            same(y.data(), yb.data(), len, "forward with a caller buffer");
            same(z.data(), zb.data(), n, "inverse with a caller buffer");
            if (l == Layout::ccs) {
                std::vector<T> dirty = y;
                dirty[1] = std::numeric_limits<T>::quiet_NaN();
                dirty[n + 1] = T(1e30);
                ASSERT_EQ(f.inv[li](dirty.data(), zb.data(), s.spec, nullptr), vdxStsNoErr);
                same(z.data(), zb.data(), n, "CCSToR read slot 1 or N+1");
            }
            if (order >= 13 && l == Layout::perm) {
                for (int threads : {1, 2, 3}) {
                    vdxcoreSetNumThreads(threads);
                    Spec<T> st(order, order % 2 ? VDX_FFT_DIV_BY_SQRTN : VDX_FFT_NODIV_BY_ANY);
                    ASSERT_EQ(f.fwd[li](x.data(), yb.data(), st.spec, nullptr), vdxStsNoErr);
                    ASSERT_EQ(f.inv[li](y.data(), zb.data(), st.spec, nullptr), vdxStsNoErr);
                    same(y.data(), yb.data(), len, "forward with another thread count");
                    same(z.data(), zb.data(), n, "inverse with another thread count");
                }
                vdxcoreSetNumThreads(0);
            }
        }
    }
    EXPECT_NO_MISMATCH(m);
}

// N = 1 and N = 2 exactly: Pack and Perm coincide, CCS adds the zero slots.
TYPED_TEST(FftReal, LengthsOneAndTwoLayouts) {
    using T = TypeParam;
    const auto& f = family<T>();
    Spec<T> s1(0, VDX_FFT_NODIV_BY_ANY), s2(1, VDX_FFT_NODIV_BY_ANY), h2(1, VDX_FFT_DIV_FWD_BY_N);
    const T x[2] = {T(3.5), T(-1.25)};
    for (Layout l : kLayouts) {
        T y[4] = {9, 9, 9, 9};
        ASSERT_EQ(f.fwd[int(l)](x, y, s1.spec, nullptr), vdxStsNoErr);
        EXPECT_EQ(y[0], T(3.5));
        EXPECT_EQ(y[1], l == Layout::ccs ? T(0) : T(9));
        ASSERT_EQ(f.fwd[int(l)](x, y, s2.spec, nullptr), vdxStsNoErr);
        const int nyq = l == Layout::ccs ? 2 : 1;
        EXPECT_EQ(y[0], T(2.25));
        EXPECT_EQ(y[nyq], T(4.75));
        if (l == Layout::ccs) {
            EXPECT_TRUE(y[1] == 0 && y[3] == 0);
        }
        ASSERT_EQ(f.fwd[int(l)](x, y, h2.spec, nullptr), vdxStsNoErr);
        EXPECT_EQ(y[0], T(1.125));
        EXPECT_EQ(y[nyq], T(2.375));
        T z[2] = {0, 0};
        ASSERT_EQ(f.inv[int(l)](y, z, h2.spec, nullptr), vdxStsNoErr);
        EXPECT_EQ(z[0], T(3.5));
        EXPECT_EQ(z[1], T(-1.25));
    }
}

// ---------------------------------------------------------------- statuses

TYPED_TEST(FftReal, SpecFunctionsCheckInOrderAndKeepIdentifiersHonest) {
    using T = TypeParam;
    const auto& f = family<T>();
    int a = -1, b = -1, c = -1;
    EXPECT_EQ(f.get_size(-1, 8, vdxAlgHintNone, nullptr, &b, &c), vdxStsFFTOrderErr);
    EXPECT_EQ(f.get_size(31, 3, vdxAlgHintNone, &a, &b, &c), vdxStsFFTOrderErr);
    EXPECT_EQ(f.get_size(5, 8, vdxAlgHintNone, &a, nullptr, &c), vdxStsNullPtrErr);
    EXPECT_EQ(f.get_size(f.max_order + 1, 3, vdxAlgHintNone, &a, &b, &c), vdxStsFFTFlagErr);
    EXPECT_EQ(f.get_size(f.max_order + 1, 8, vdxAlgHintNone, &a, &b, &c), vdxStsFFTOrderErr);
    EXPECT_EQ(a, -1);
    EXPECT_EQ(f.get_size(0, 4, vdxAlgHintNone, &a, &b, &c), vdxStsNoErr);
    EXPECT_TRUE(a == 168 && b == 0 && c == 0) << a << " " << b << " " << c;

    // A failed Init clears the identifier of a valid object in the same memory.
    Spec<T> s(8, VDX_FFT_NODIV_BY_ANY);
    std::vector<T> x(256), y(256);
    SpecOf<T>* out = nullptr;
    EXPECT_EQ(f.init(&out, 8, 3, vdxAlgHintNone, s.block, nullptr), vdxStsFFTFlagErr);
    EXPECT_EQ(f.fwd[0](x.data(), y.data(), s.spec, nullptr), vdxStsContextMatchErr);
    EXPECT_EQ(f.init(&out, f.max_order + 1, 8, vdxAlgHintNone, s.block, nullptr), vdxStsFFTOrderErr);
    EXPECT_EQ(f.init(nullptr, 8, 8, vdxAlgHintNone, s.block, nullptr), vdxStsNullPtrErr);
    ASSERT_EQ(f.init(&out, 8, 8, vdxAlgHintNone, s.block, nullptr), vdxStsNoErr);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(out) % 32, 0u);

    // Transforms: spec, identifier, then data; nothing written on failure.
    y.assign(256, T(5));
    EXPECT_EQ(f.inv[2](nullptr, y.data(), nullptr, nullptr), vdxStsNullPtrErr);
    EXPECT_EQ(f.fwd[1](x.data(), nullptr, out, nullptr), vdxStsNullPtrErr);
    EXPECT_EQ(f.inv_i[0](nullptr, out, nullptr), vdxStsNullPtrErr);
    Spec<std::conditional_t<sizeof(T) == 4, double, float>> other(8, VDX_FFT_NODIV_BY_ANY);
    EXPECT_EQ(f.fwd[1](x.data(), y.data(), reinterpret_cast<const SpecOf<T>*>(other.spec), nullptr),
              vdxStsContextMatchErr);
    for (T v : y) ASSERT_EQ(v, T(5));

    int size = -1;
    EXPECT_EQ(f.get_buf_size(out, nullptr), vdxStsNullPtrErr);
    EXPECT_EQ(f.get_buf_size(out, &size), vdxStsNoErr);
    EXPECT_EQ(size, s.buf_size);

    // Free: a caller-memory object is only invalidated; the second Free fails.
    EXPECT_EQ(f.free(out), vdxStsNoErr);
    EXPECT_EQ(f.free(out), vdxStsContextMatchErr);
    EXPECT_EQ(f.free(nullptr), vdxStsNullPtrErr);
    SpecOf<T>* owned = nullptr;
    EXPECT_EQ(f.init_alloc(&owned, 3, 7, vdxAlgHintNone), vdxStsFFTFlagErr);
    ASSERT_EQ(f.init_alloc(&owned, 10, VDX_FFT_DIV_INV_BY_N, vdxAlgHintNone), vdxStsNoErr);
    std::vector<T> r = random_signal<T>(1024), q(1026), back(1024);
    ASSERT_EQ(f.fwd[2](r.data(), q.data(), owned, nullptr), vdxStsNoErr);
    ASSERT_EQ(f.inv[2](q.data(), back.data(), owned, nullptr), vdxStsNoErr);
    for (int i = 0; i < 1024; ++i) ASSERT_NEAR(back[i], r[i], 1e-5);
    EXPECT_EQ(f.free(owned), vdxStsNoErr);
}

}  // namespace
