// Packed-spectrum arithmetic, black box: MulPack, MulPerm, MulPackConj and
// the ConjPack/ConjPerm/ConjCcs expansions through the public header and the
// shared library, once per kernel variant (CTest runs the program twice).
//
// The oracle reads every packed array back into the full complex spectrum
// X[0..N-1] (long double), from the layout tables alone, and compares there:
// float products against the rule of the pairs (each product rounded, then
// the sum: exact in long double for 32f, within a tight bound for 64f),
// 16-bit products against the exact integer scaled with nearbyintl (ties to
// even) and clamped, expansions bit for bit.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <type_traits>
#include <vector>

#include "mismatches.h"
#include "vdxs.h"

namespace {

using CL = std::complex<long double>;
enum class Layout { pack, perm, ccs };
const char* name_of(Layout l) { return l == Layout::pack ? "Pack" : l == Layout::perm ? "Perm" : "CCS"; }

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

// ---------------------------------------------------------------- float products

template <class T>
struct FloatMul {
    VdxStatus (*out)(const T*, const T*, T*, int);
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
            for (auto& v : a) v = random_value<T>();
            for (auto& v : b) v = random_value<T>();
            const T* pa = a.data() + off;
            const T* pb = b.data() + (3 - off);  // the sources misaligned differently
            d.back() = T(7);
            T* pd = d.data() + off;
            for (int i = 0; i < n; ++i) io[off + i] = pb[i];
            const bool out_place = f.out != nullptr;
            ASSERT_EQ(out_place ? f.out(pa, pb, pd, n) : vdxStsNoErr, vdxStsNoErr);
            ASSERT_EQ(f.in_place(pa, io.data() + off, n), vdxStsNoErr);
            EXPECT_EQ(d[n + off], T(7)) << "written past the end, n = " << n;
            const auto A = unpack(f.layout, pa, n), B = unpack(f.layout, pb, n);
            // The in-place result is read back like any spectrum, and must be
            // the out-of-place one bit for bit.
            const auto G = unpack(f.layout, io.data() + off, n);
            for (int k = 0; k <= n / 2; ++k) {
                const long double ar = A[k].real(), ai = A[k].imag(), br = B[k].real(), bi = B[k].imag();
                const bool c = f.conj;  // conj: (ar br + ai bi, ai br - ar bi)
                const bool ok = part_matches<T>(static_cast<T>(G[k].real()), ar * br, ai * bi, !c) &&
                                (k == 0 || 2 * k == n ? G[k].imag() == 0
                                                      : part_matches<T>(static_cast<T>(G[k].imag()), c ? ai * br : ar * bi,
                                                                        c ? ar * bi : ai * br, c));
                if (!ok) {
                    m.note([&](auto& os) {
                        os << f.name << " n=" << n << " off=" << off << " k=" << k << " got " << G[k] << " of "
                           << A[k] << " and " << B[k];
                    });
                }
            }
            if (out_place && std::memcmp(pd, io.data() + off, n * sizeof(T)) != 0) {
                m.note([&](auto& os) { os << f.name << " n=" << n << ": in place differs from out of place"; });
            }
        }
    }
    EXPECT_NO_MISMATCH(m);
}

TEST(PackedMul, FloatProductsFollowTheLayoutAndThePairRule) {
    check_float_products<Vdx32f>({vdxsMulPack_32f, vdxsMulPack_32f_I, Layout::pack, false, "MulPack_32f"});
    check_float_products<Vdx32f>({vdxsMulPerm_32f, vdxsMulPerm_32f_I, Layout::perm, false, "MulPerm_32f"});
    check_float_products<Vdx32f>({nullptr, vdxsMulPackConj_32f_I, Layout::pack, true, "MulPackConj_32f_I"});
    check_float_products<Vdx64f>({vdxsMulPack_64f, vdxsMulPack_64f_I, Layout::pack, false, "MulPack_64f"});
    check_float_products<Vdx64f>({vdxsMulPerm_64f, vdxsMulPerm_64f_I, Layout::perm, false, "MulPerm_64f"});
    check_float_products<Vdx64f>({nullptr, vdxsMulPackConj_64f_I, Layout::pack, true, "MulPackConj_64f_I"});
}

// ---------------------------------------------------------------- 16-bit products

// r * 2^-sf to the nearest integer, ties to even, clamped to 16 bits.
Vdx16s scaled(long double r, int sf) {
    const long double y = nearbyintl(ldexpl(r, -sf));
    return static_cast<Vdx16s>(y > 32767 ? 32767 : y < -32768 ? -32768 : y);
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
                for (auto& v : a) v = random_value<Vdx16s>();
                for (auto& v : b) v = random_value<Vdx16s>();
                if (n > 3) a[1] = a[2] = b[1] = b[2] = -32768;  // the one part that needs 33 bits
                io = b;
                ASSERT_EQ(f.out(a.data(), b.data(), d.data(), n, sf), vdxStsNoErr);
                ASSERT_EQ(f.in_place(a.data(), io.data(), n, sf), vdxStsNoErr);
                const auto A = unpack(f.layout, a.data(), n), B = unpack(f.layout, b.data(), n);
                const auto G = unpack(f.layout, d.data(), n);
                for (int k = 0; k <= n / 2; ++k) {
                    const CL p = (k == 0 || 2 * k == n) ? CL(A[k].real() * B[k].real()) : A[k] * B[k];
                    if (G[k].real() != scaled(p.real(), sf) || G[k].imag() != scaled(p.imag(), sf)) {
                        m.note([&](auto& os) {
                            os << name_of(f.layout) << " n=" << n << " sf=" << sf << " k=" << k << " got "
                               << G[k] << " exact " << p;
                        });
                    }
                }
                if (d != io) m.note([&](auto& os) { os << name_of(f.layout) << " n=" << n << ": ISfs differs"; });
            }
        }
    }
    EXPECT_NO_MISMATCH(m);
}

// ---------------------------------------------------------------- expansions

template <class T, class C>
struct Expand {
    VdxStatus (*out)(const void*, C*, int);
    VdxStatus (*in_place)(C*, int);
    Layout layout;
};

// Wraps the typed exports so that one loop serves all of them.
template <auto F, class S, class C>
VdxStatus out_form(const void* s, C* d, int n) {
    return F(static_cast<const S*>(s), d, n);
}

template <class T, class C>
void check_expansion(const Expand<T, C>& f) {
    Mismatches m;
    for (int n : kLengths) {
        const int reals = f.layout == Layout::ccs ? 2 * (n / 2 + 1) : n;
        std::vector<T> src(reals);
        for (auto& v : src) v = random_value<T>();
        if (f.layout == Layout::ccs) {
            src[1] = T(5);  // zero slots that must not be read
            if (n % 2 == 0) src[n + 1] = T(9);
        }
        if (n > 2) src[2] = -32768;  // a 16-bit imaginary part that saturates when conjugated
        std::vector<C> d(n + 1), io(n + 1);
        std::memset(d.data(), 0x7F, d.size() * sizeof(C));
        std::memset(io.data(), 0x7F, io.size() * sizeof(C));
        std::memcpy(io.data(), src.data(), reals * sizeof(T));
        ASSERT_EQ(f.out(src.data(), d.data(), n), vdxStsNoErr);
        ASSERT_EQ(f.in_place(io.data(), n), vdxStsNoErr);
        C guard;
        std::memset(&guard, 0x7F, sizeof guard);
        if (std::memcmp(&d[n], &guard, sizeof guard) != 0 || std::memcmp(&io[n], &guard, sizeof guard) != 0) {
            m.note([&](auto& os) { os << name_of(f.layout) << " n=" << n << ": written past the end"; });
        }
        // Expected: the spectrum read through the layout; a 16-bit conjugate saturates.
        const auto X = unpack(f.layout, src.data(), n);
        for (int k = 0; k < n; ++k) {
            const T re = static_cast<T>(X[k].real());
            const T im = static_cast<T>(std::is_same_v<T, Vdx16s> ? std::min(X[k].imag(), 32767.0L) : X[k].imag());
            for (const C* got : {&d[k], &io[k]}) {
                if (std::memcmp(&got->re, &re, sizeof re) != 0 || std::memcmp(&got->im, &im, sizeof im) != 0) {
                    m.note([&](auto& os) {
                        os << name_of(f.layout) << " n=" << n << " k=" << k << (got == &d[k] ? " out" : " in place")
                           << ": got (" << +got->re << ", " << +got->im << ") want (" << +re << ", " << +im << ")";
                    });
                }
            }
        }
    }
    EXPECT_NO_MISMATCH(m);
}

TEST(PackedConj, ExpansionGivesTheFullSymmetricSpectrumInAndOutOfPlace) {
    check_expansion<Vdx16s, Vdx16sc>({out_form<vdxsConjPack_16sc, Vdx16s, Vdx16sc>, vdxsConjPack_16sc_I, Layout::pack});
    check_expansion<Vdx16s, Vdx16sc>({out_form<vdxsConjPerm_16sc, Vdx16s, Vdx16sc>, vdxsConjPerm_16sc_I, Layout::perm});
    check_expansion<Vdx16s, Vdx16sc>({out_form<vdxsConjCcs_16sc, Vdx16sc, Vdx16sc>, vdxsConjCcs_16sc_I, Layout::ccs});
    check_expansion<Vdx32f, Vdx32fc>({out_form<vdxsConjPack_32fc, Vdx32f, Vdx32fc>, vdxsConjPack_32fc_I, Layout::pack});
    check_expansion<Vdx32f, Vdx32fc>({out_form<vdxsConjPerm_32fc, Vdx32f, Vdx32fc>, vdxsConjPerm_32fc_I, Layout::perm});
    check_expansion<Vdx32f, Vdx32fc>({out_form<vdxsConjCcs_32fc, Vdx32fc, Vdx32fc>, vdxsConjCcs_32fc_I, Layout::ccs});
    check_expansion<Vdx64f, Vdx64fc>({out_form<vdxsConjPack_64fc, Vdx64f, Vdx64fc>, vdxsConjPack_64fc_I, Layout::pack});
    check_expansion<Vdx64f, Vdx64fc>({out_form<vdxsConjPerm_64fc, Vdx64f, Vdx64fc>, vdxsConjPerm_64fc_I, Layout::perm});
    check_expansion<Vdx64f, Vdx64fc>({out_form<vdxsConjCcs_64fc, Vdx64fc, Vdx64fc>, vdxsConjCcs_64fc_I, Layout::ccs});
}

// ---------------------------------------------------------------- statuses

// Pointers before lengths, for every shape of call; nothing written.
TEST(PackedStatus, NullPointersBeforeLengthsAndNothingWritten) {
    Vdx32f a[4] = {1, 2, 3, 4}, d[4] = {9, 9, 9, 9};
    Vdx64f e[4] = {1, 2, 3, 4}, g[4] = {9, 9, 9, 9};
    Vdx16s s[4] = {1, 2, 3, 4}, t[4] = {9, 9, 9, 9};
    Vdx32fc c[4] = {{9, 9}, {9, 9}, {9, 9}, {9, 9}};
    const VdxStatus null_first[] = {vdxsMulPack_32f(nullptr, a, d, 0), vdxsMulPerm_32f(a, a, nullptr, 4),
                                    vdxsMulPackConj_32f_I(a, nullptr, 4), vdxsMulPack_16s_Sfs(s, nullptr, t, 4, 0),
                                    vdxsConjPack_32fc(nullptr, c, 4), vdxsConjCcs_32fc_I(nullptr, 0)};
    const VdxStatus size_next[] = {vdxsMulPack_32f(a, a, d, 0), vdxsMulPerm_32f_I(a, d, -1),
                                   vdxsMulPackConj_64f_I(e, g, 0), vdxsMulPerm_16s_ISfs(s, t, 0, 1),
                                   vdxsConjPerm_32fc(a, c, 0), vdxsConjPack_16sc_I(reinterpret_cast<Vdx16sc*>(t), -5)};
    for (VdxStatus st : null_first) EXPECT_EQ(st, vdxStsNullPtrErr);
    for (VdxStatus st : size_next) EXPECT_EQ(st, vdxStsSizeErr);
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(d[i] == 9 && g[i] == 9 && t[i] == 9 && c[i].re == 9);
}

}  // namespace
