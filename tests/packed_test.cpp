// Packed-spectrum arithmetic (MulPack, MulPerm, MulPackConj, ConjPack,
// ConjPerm, ConjCcs) read back into the full complex spectrum in long double:
// float products against the rule of the pairs, 16-bit products against the
// exact integer rounded half to even and clamped, expansions bit for bit.
#include <gtest/gtest.h>

#include <complex>
#include <limits>
#include <random>

#include "exact_rules.h"
#include "mismatches.h"

namespace {

using CL = std::complex<long double>;
enum class Layout { pack, perm, ccs };
const char* const kNames[] = {"Pack", "Perm", "CCS"};

std::mt19937_64 rng{0x9AC4ED};

// X[k] for k = 0..n-1 from n packed reals (Pack, Perm) or n/2+1 complex terms
// (CCS, given as 2(n/2+1) reals, whose zero slots are not read).
template <class T>
std::vector<CL> unpack(Layout l, const T* p, int n) {
    std::vector<CL> x(n);
    const int h = n / 2;
    x[0] = p[0];
    for (int k = 1; k <= (n - 1) / 2; ++k) {
        int s = 2 * k - 1;  // Pack, and Perm of odd length
        if (l == Layout::ccs || (l == Layout::perm && n % 2 == 0)) s = 2 * k;
        x[k] = CL(p[s], p[s + 1]);
    }
    if (n % 2 == 0 && n >= 2) x[h] = p[l == Layout::pack ? n - 1 : l == Layout::perm ? 1 : n];
    for (int k = 1; k < n - h; ++k) x[n - k] = std::conj(x[k]);
    return x;
}

template <class T>
T random_value() {
    if constexpr (std::is_same_v<T, Vdx16s>) {
        const Vdx16s edge[] = {-32768, 32767, 0, 1, -1};
        return rng() % 6 == 0 ? edge[rng() % 5] : static_cast<Vdx16s>(rng());
    } else {
        return static_cast<T>(std::ldexp(std::uniform_real_distribution<double>(-1, 1)(rng), int(rng() % 9) - 4));
    }
}

const int kLengths[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 16, 17, 18, 19, 31, 32, 33, 34, 35, 63, 64, 67, 1024, 1027};

template <class T>
struct FloatMul {
    VdxStatus (*out)(const T*, const T*, T*, int);  // null: only in place
    VdxStatus (*in_place)(const T*, T*, int);
    Layout layout;
    bool conj;
    const char* name;
};

// The rule of one pair part, u*v -/+ w*z with each product rounded to T:
// exact in long double for float (48-bit products, a difference of two
// floats of nearby exponents); for double, the bound of two roundings.
template <class T>
bool part_matches(T got, long double p, long double q, bool minus) {
    if constexpr (std::is_same_v<T, Vdx32f>) {
        const long double pr = static_cast<float>(p), qr = static_cast<float>(q);
        const float want = static_cast<float>(minus ? pr - qr : pr + qr);
        return std::memcmp(&got, &want, sizeof got) == 0;
    } else {
        const long double exact = minus ? p - q : p + q;
        const long double eps = std::numeric_limits<double>::epsilon();
        return fabsl(got - exact) <= eps * (fabsl(p) + fabsl(q) + fabsl(exact));
    }
}

template <class T>
void check_float_products(const FloatMul<T>& f) {
    Mismatches m;
    for (int n : kLengths) {
        for (int off = 0; off < 4; ++off) {
            std::vector<T> a(n + 4), b(n + 4), d(n + off + 1), io(n + off);
            for (size_t i = 0; i < a.size(); ++i) a[i] = random_value<T>(), b[i] = random_value<T>();
            const T* pa = a.data() + off;
            const T* pb = b.data() + (3 - off);  // the sources misaligned differently
            d.back() = T(7);
            T* pd = d.data() + off;
            for (int i = 0; i < n; ++i) io[off + i] = pb[i];
            ASSERT_EQ(f.out ? f.out(pa, pb, pd, n) : vdxStsNoErr, vdxStsNoErr);
            ASSERT_EQ(f.in_place(pa, io.data() + off, n), vdxStsNoErr);
            EXPECT_EQ(d[n + off], T(7)) << "written past the end, n = " << n;
            const auto A = unpack(f.layout, pa, n), B = unpack(f.layout, pb, n), G = unpack(f.layout, io.data() + off, n);
            for (int k = 0; k <= n / 2; ++k) {
                const long double ar = A[k].real(), ai = A[k].imag(), br = B[k].real(), bi = B[k].imag();
                const bool c = f.conj;  // conj: (ar br + ai bi, ai br - ar bi)
                const bool ok = part_matches<T>(static_cast<T>(G[k].real()), ar * br, ai * bi, !c) &&
                                (k == 0 || 2 * k == n ? G[k].imag() == 0
                                                      : part_matches<T>(static_cast<T>(G[k].imag()), c ? ai * br : ar * bi,
                                                                        c ? ar * bi : ai * br, c));
                m.expect(ok, f.name, "n", n, "off", off, "k", k);
            }
            m.expect(!f.out || std::memcmp(pd, io.data() + off, n * sizeof(T)) == 0, f.name, "n", n, "in place differs");
        }
    }
    EXPECT_NO_MISMATCH(m);
}

#define VDX_FLOAT_MULS(c)                                                                           \
    check_float_products<Vdx##c>({vdxsMulPack_##c, vdxsMulPack_##c##_I, Layout::pack, false, "MulPack_" #c}); \
    check_float_products<Vdx##c>({vdxsMulPerm_##c, vdxsMulPerm_##c##_I, Layout::perm, false, "MulPerm_" #c}); \
    check_float_products<Vdx##c>({nullptr, vdxsMulPackConj_##c##_I, Layout::pack, true, "MulPackConj_" #c "_I"})
TEST(PackedMul, FloatProductsFollowTheLayoutAndThePairRule) {
    VDX_FLOAT_MULS(32f);
    VDX_FLOAT_MULS(64f);
}

TEST(PackedMul, SixteenBitProductsAreExactThenScaledRoundedSaturated) {
    struct Form {
        VdxStatus (*out)(const Vdx16s*, const Vdx16s*, Vdx16s*, int, int);
        VdxStatus (*in_place)(const Vdx16s*, Vdx16s*, int, int);
        Layout layout;
    };
    const Form forms[] = {{vdxsMulPack_16s_Sfs, vdxsMulPack_16s_ISfs, Layout::pack},
                          {vdxsMulPerm_16s_Sfs, vdxsMulPerm_16s_ISfs, Layout::perm}};
    Mismatches m;
    for (const Form& f : forms) {
        for (int n : kLengths) {
            for (int sf : {-17, -2, 0, 1, 2, 14, 15, 16, 31, 33, 70}) {
                std::vector<Vdx16s> a(n), b(n), d(n), io;
                for (int i = 0; i < n; ++i) a[i] = random_value<Vdx16s>(), b[i] = random_value<Vdx16s>();
                if (n > 3) a[1] = a[2] = b[1] = b[2] = -32768;  // the one part that needs 33 bits
                io = b;
                ASSERT_EQ(f.out(a.data(), b.data(), d.data(), n, sf), vdxStsNoErr);
                ASSERT_EQ(f.in_place(a.data(), io.data(), n, sf), vdxStsNoErr);
                const auto A = unpack(f.layout, a.data(), n), B = unpack(f.layout, b.data(), n);
                const auto G = unpack(f.layout, d.data(), n);
                for (int k = 0; k <= n / 2; ++k) {
                    const CL p = (k == 0 || 2 * k == n) ? CL(A[k].real() * B[k].real()) : A[k] * B[k];
                    m.expect(G[k].real() == exact::scaled_float<Vdx16s>(p.real(), sf) &&
                                 G[k].imag() == exact::scaled_float<Vdx16s>(p.imag(), sf), kNames[int(f.layout)], "n", n, "sf", sf, "k", k);
                }
                m.expect(d == io, kNames[int(f.layout)], "n", n, "ISfs differs");
            }
        }
    }
    EXPECT_NO_MISMATCH(m);
}

// Out reads its source as S (the parts, or CCS as complex values); In
// expands in place.
template <class S, class C, auto Out, auto In>
void check_expansion(Layout layout) {
    using T = decltype(C::re);
    Mismatches m;
    for (int n : kLengths) {
        const int reals = layout == Layout::ccs ? 2 * (n / 2 + 1) : n;
        std::vector<T> src(reals);
        for (auto& v : src) v = random_value<T>();
        if (layout == Layout::ccs) {
            src[1] = T(5);  // zero slots that must not be read
            if (n % 2 == 0) src[n + 1] = T(9);
        }
        if (n > 2) src[2] = -32768;  // a 16-bit imaginary part that saturates when conjugated
        std::vector<C> d(n + 1), io(n + 1), want(n + 1);
        for (auto* v : {&d, &io, &want}) std::memset(v->data(), 0x7F, v->size() * sizeof(C));  // [n]: a guard
        std::memcpy(io.data(), src.data(), reals * sizeof(T));
        ASSERT_EQ(Out(reinterpret_cast<const S*>(src.data()), d.data(), n), vdxStsNoErr);
        ASSERT_EQ(In(io.data(), n), vdxStsNoErr);
        // The spectrum read through the layout; a 16-bit conjugate saturates.
        const auto X = unpack(layout, src.data(), n);
        for (int k = 0; k < n; ++k)
            want[k] = {static_cast<T>(X[k].real()),
                       static_cast<T>(std::is_same_v<T, Vdx16s> ? std::min(X[k].imag(), 32767.0L) : X[k].imag())};
        for (const auto* got : {&d, &io})
            m.expect(std::memcmp(got->data(), want.data(), want.size() * sizeof(C)) == 0, kNames[int(layout)], "n", n,
                     got == &d ? "out" : "in place");
    }
    EXPECT_NO_MISMATCH(m);
}

#define VDX_EXPANSIONS(c, part)                                                                    \
    check_expansion<Vdx##part, Vdx##c, vdxsConjPack_##c, vdxsConjPack_##c##_I>(Layout::pack); \
    check_expansion<Vdx##part, Vdx##c, vdxsConjPerm_##c, vdxsConjPerm_##c##_I>(Layout::perm); \
    check_expansion<Vdx##c, Vdx##c, vdxsConjCcs_##c, vdxsConjCcs_##c##_I>(Layout::ccs)
TEST(PackedConj, ExpansionGivesTheFullSymmetricSpectrumInAndOutOfPlace) {
    VDX_EXPANSIONS(16sc, 16s);
    VDX_EXPANSIONS(32fc, 32f);
    VDX_EXPANSIONS(64fc, 64f);
}

}  // namespace
