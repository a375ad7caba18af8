// IIR filters, black box: every row and form against the difference
// equations in long double, around the per-sample / block threshold and the
// 1024-sample chunk, in every way of calling.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstring>
#include <algorithm>
#include <limits>
#include <string>
#include <type_traits>
#include <vector>

#include "exact_rules.h"
#include "fir_elements.h"
#include "fft_common.h"
#include "mismatches.h"
#include "vdxs.h"

namespace {

using namespace fir_test;
enum Form { AR, BQ, DF1 };

// ---------------------------------------------------------------- rows under test

// One row's calls, made uniform: T taps as given, C delay-line type, D data.
// Integer-tap rows are driven with taps * 2^15 and factor 15.
template <class Obj, class T, class C, class D>
struct Api {
    using Object = Obj;
    using Tap = T;
    using Calc = C;
    using Data = D;
    const char* name;
    VdxStatus (*size[3])(int, int*);
    VdxStatus (*init[3])(Obj**, const T*, int, const C*, Vdx8u*);
    VdxStatus (*init_alloc[3])(Obj**, const T*, int, const C*);
    VdxStatus (*free)(Obj*);
    VdxStatus (*set_taps)(const T*, Obj*);
    VdxStatus (*get_dly)(const Obj*, C*);
    VdxStatus (*set_dly)(Obj*, const C*);
    VdxStatus (*one)(D, D*, Obj*, int);
    VdxStatus (*block)(const D*, D*, int, Obj*, int);
    VdxStatus (*in_place)(D*, int, Obj*, int);
};
constexpr int kTapsFactor = 15;

#define FORM(P, K, S) vdxsIIRGetStateSize##P##_##K##S
#define FLOAT_CALLS(P, S, Obj, D)                                                                        \
    [](D s, D* d, Obj* st, int) { return vdxsIIROne##P##_##S(s, d, st); },                                 \
        [](const D* s, D* d, int n, Obj* st, int) { return vdxsIIR##P##_##S(s, d, n, st); },              \
        [](D* s, int n, Obj* st, int) { return vdxsIIR##P##_##S##_I(s, n, st); }
#define INT_CALLS(P, S, Obj, D) \
    vdxsIIROne##P##_##S##_Sfs, vdxsIIR##P##_##S##_Sfs, vdxsIIR##P##_##S##_ISfs
#define STATE_CALLS(P, S) vdxsIIRFree##P##_##S, vdxsIIRSetTaps##P##_##S, vdxsIIRGetDlyLine##P##_##S, vdxsIIRSetDlyLine##P##_##S
#define ROW(P, S, Obj, T, C, D, CALLS)                                                                     \
    Api<Obj, T, C, D>{#P "_" #S,                                                                           \
                      {FORM(P, , S), FORM(P, BiQuad_, S), nullptr},                                       \
                      {vdxsIIRInit##P##_##S, vdxsIIRInit##P##_BiQuad_##S, nullptr},                        \
                      {vdxsIIRInitAlloc##P##_##S, vdxsIIRInitAlloc##P##_BiQuad_##S, nullptr},              \
                      STATE_CALLS(P, S), CALLS(P, S, Obj, D)}

// Runs f on every row (as a generic lambda over the Api).
template <class F>
void for_each_row(F&& f) {
    auto df1_32f = ROW(, 32f, VdxsIIRState_32f, Vdx32f, Vdx32f, Vdx32f, FLOAT_CALLS);
    df1_32f.size[DF1] = vdxsIIRGetStateSize_BiQuad_DF1_32f;
    df1_32f.init[DF1] = vdxsIIRInit_BiQuad_DF1_32f;
    df1_32f.init_alloc[DF1] = vdxsIIRInitAlloc_BiQuad_DF1_32f;
    f(df1_32f);
    f(ROW(, 32fc, VdxsIIRState_32fc, Vdx32fc, Vdx32fc, Vdx32fc, FLOAT_CALLS));
    f(ROW(, 64f, VdxsIIRState_64f, Vdx64f, Vdx64f, Vdx64f, FLOAT_CALLS));
    f(ROW(, 64fc, VdxsIIRState_64fc, Vdx64fc, Vdx64fc, Vdx64fc, FLOAT_CALLS));
    f(ROW(64f, 32f, VdxsIIRState64f_32f, Vdx64f, Vdx64f, Vdx32f, FLOAT_CALLS));
    f(ROW(64fc, 32fc, VdxsIIRState64fc_32fc, Vdx64fc, Vdx64fc, Vdx32fc, FLOAT_CALLS));
    f(ROW(32f, 16s, VdxsIIRState32f_16s, Vdx32f, Vdx32f, Vdx16s, INT_CALLS));
    f(ROW(32fc, 16sc, VdxsIIRState32fc_16sc, Vdx32fc, Vdx32fc, Vdx16sc, INT_CALLS));
    f(ROW(64f, 16s, VdxsIIRState64f_16s, Vdx64f, Vdx64f, Vdx16s, INT_CALLS));
    f(ROW(64fc, 16sc, VdxsIIRState64fc_16sc, Vdx64fc, Vdx64fc, Vdx16sc, INT_CALLS));
    f(ROW(64fc, 32sc, VdxsIIRState64fc_32sc, Vdx64fc, Vdx64fc, Vdx32sc, INT_CALLS));
    // 32s taps through their 32f entry; the integer entry is tested below.
    auto r32s = Api<VdxsIIRState32s_16s, Vdx32f, Vdx32f, Vdx16s>{
        "32s_16s", {vdxsIIRGetStateSize32s_16s, vdxsIIRGetStateSize32s_BiQuad_16s, nullptr},
        {vdxsIIRInit32s_16s32f, vdxsIIRInit32s_BiQuad_16s32f, nullptr},
        {vdxsIIRInitAlloc32s_16s32f, vdxsIIRInitAlloc32s_BiQuad_16s32f, nullptr},
        vdxsIIRFree32s_16s, vdxsIIRSetTaps32s_16s32f, vdxsIIRGetDlyLine32s_16s, vdxsIIRSetDlyLine32s_16s,
        INT_CALLS(32s, 16s, , )};
    f(r32s);
    auto r32sc = Api<VdxsIIRState32sc_16sc, Vdx32sc, Vdx32fc, Vdx16sc>{
        "32sc_16sc", {nullptr, vdxsIIRGetStateSize32sc_BiQuad_16sc, nullptr},
        {nullptr, [](VdxsIIRState32sc_16sc** p, const Vdx32sc* t, int n, const Vdx32fc* d, Vdx8u* b) {
             return vdxsIIRInit32sc_BiQuad_16sc(p, t, n, kTapsFactor, d, b); }, nullptr},
        {nullptr, [](VdxsIIRState32sc_16sc** p, const Vdx32sc* t, int n, const Vdx32fc* d) {
             return vdxsIIRInitAlloc32sc_BiQuad_16sc(p, t, n, kTapsFactor, d); }, nullptr},
        vdxsIIRFree32sc_16sc, [](const Vdx32sc* t, VdxsIIRState32sc_16sc* s) { return vdxsIIRSetTaps32sc_16sc(t, s, kTapsFactor); },
        vdxsIIRGetDlyLine32sc_16sc, vdxsIIRSetDlyLine32sc_16sc, INT_CALLS(32sc, 16sc, , )};
    f(r32sc);
    auto r32s_df1 = Api<VdxsIIRState64f_32s, Vdx64f, Vdx64f, Vdx32s>{
        "64f_32s", {vdxsIIRGetStateSize64f_32s, nullptr, vdxsIIRGetStateSize64f_BiQuad_DF1_32s},
        {vdxsIIRInit64f_32s, nullptr, vdxsIIRInit64f_BiQuad_DF1_32s},
        {vdxsIIRInitAlloc64f_32s, nullptr, vdxsIIRInitAlloc64f_BiQuad_DF1_32s},
        vdxsIIRFree64f_32s, vdxsIIRSetTaps64f_32s, vdxsIIRGetDlyLine64f_32s, vdxsIIRSetDlyLine64f_32s,
        INT_CALLS(64f, 32s, , )};
    f(r32s_df1);
}

// ---------------------------------------------------------------- filters and reference

// Taps as given (AR: b0..bN a0..aN; sections: b0 b1 b2 a0 a1 a2 each).
// Poles at radius r; complex rows get rotated poles and complex numerators.
std::vector<LC> design(Form form, int n, long double r, bool cx, long double a0 = 1) {
    const LC rot = cx ? std::polar(1.0L, 0.7L) : LC(1);
    std::vector<LC> taps;
    auto poly = [&](int order, int seed) {  // a(z) with poles r e^(+-i w)
        std::vector<LC> a{1};
        for (int k = 0; k < order; ++k) {
            const LC p = k % 2 == 0 && k + 1 < order ? std::polar(r, 0.3L + 0.4L * (k + seed))
                                                      : (k % 2 == 1 ? std::conj(std::polar(r, 0.3L + 0.4L * (k - 1 + seed)))
                                                                    : LC(r * (seed % 2 ? -1 : 1)));
            a.push_back(0);
            for (int j = (int)a.size() - 1; j > 0; --j) a[j] -= p * a[j - 1];
        }
        for (int j = 0; j < (int)a.size(); ++j) a[j] = LC(a[j].real()) * std::pow(rot, j);
        return a;
    };
    auto numer = [&](int order, int seed) {
        std::vector<LC> b;
        for (int k = 0; k <= order; ++k) b.push_back((0.5L + 0.3L * std::sin(1.7L * (k + 1) * (seed + 1))) * std::pow(rot, k) * (1 - r * 0.9L));
        return b;
    };
    // AR: one polynomial pair of order n; sections: n pairs of order 2.
    for (int q = 0; q < (form == AR ? 1 : n); ++q) {
        const int order = form == AR ? n : 2, seed = form == AR ? 1 : q;
        for (auto v : numer(order, seed)) taps.push_back(v * a0);
        for (auto v : poly(order, seed)) taps.push_back(v * a0);
    }
    return taps;
}

// y(n) a0 = sum b(k) x(n-k) - sum_{k>=1} a(k) y(n-k), from zero history.
std::vector<LC> difference_eq(const std::vector<LC>& b, const std::vector<LC>& a, const std::vector<LC>& x) {
    std::vector<LC> y(x.size());
    for (size_t n = 0; n < x.size(); ++n) {
        LC acc = 0;
        for (size_t k = 0; k < b.size() && k <= n; ++k) acc += b[k] * x[n - k];
        for (size_t k = 1; k < a.size() && k <= n; ++k) acc -= a[k] * y[n - k];
        y[n] = acc / a[0];
    }
    return y;
}

std::vector<LC> reference(Form form, int n, const std::vector<LC>& taps, std::vector<LC> x) {
    if (form == AR) return difference_eq({taps.begin(), taps.begin() + n + 1}, {taps.begin() + n + 1, taps.end()}, x);
    for (int q = 0; q < n; ++q)
        x = difference_eq({taps.begin() + 6 * q, taps.begin() + 6 * q + 3}, {taps.begin() + 6 * q + 3, taps.begin() + 6 * q + 6}, x);
    return x;
}

// Taps in the row's given type: integer taps carry 2^kTapsFactor (the test
// filters use the values those integers stand for).
template <class T>
std::vector<T> given(const std::vector<LC>& taps) {
    std::vector<T> out;
    for (LC v : taps) out.push_back(from<T>(kIsInt<T> ? LC(std::round(std::ldexp(v.real(), kTapsFactor)), std::round(std::ldexp(v.imag(), kTapsFactor))) : v));
    return out;
}
template <class T>
std::vector<LC> meant(const std::vector<T>& taps) {
    std::vector<LC> out;
    for (T v : taps) out.push_back(kIsInt<T> ? cx(v) * std::ldexp(1.0L, -kTapsFactor) : cx(v));
    return out;
}

template <class D>
std::vector<D> signal(int len, int seed) {
    return random_vec<D>(len, seed, kIsInt<D> ? (sizeof(PartT<D>) == 2 ? 6000 : 3e8) : 1);
}

// ---------------------------------------------------------------- state helpers

template <class A>
typename A::Object* alloc(const A& api, Form form, int n, const std::vector<typename A::Tap>& taps,
                          const typename A::Calc* dly = nullptr) {
    typename A::Object* st = nullptr;
    EXPECT_EQ(api.init_alloc[form](&st, taps.data(), n, dly), vdxStsNoErr) << api.name;
    return st;
}

// A state made by Init in the reported size at mem + 3, followed by 64
// guard bytes.
constexpr int kGuard = 64;
template <class A>
typename A::Object* place(const A& api, Form form, int n, const std::vector<typename A::Tap>& taps,
                          const typename A::Calc* dly, std::vector<Vdx8u>& mem) {
    int bytes = 0;
    EXPECT_EQ(api.size[form](n, &bytes), vdxStsNoErr);
    mem.assign(3 + bytes + kGuard, 0xA5);
    typename A::Object* st = nullptr;
    EXPECT_EQ(api.init[form](&st, taps.data(), n, dly, mem.data() + 3), vdxStsNoErr) << api.name;
    return st;
}

const long double kRadii[] = {0.6L, 0.99L};

// Lengths on both sides of 4 N and of the chunk, and several thousand.
std::vector<int> lengths_for(int n) { return {4 * n - 1 > 0 ? 4 * n - 1 : 1, 4 * n, 4 * n + 1, 1023, 1024, 1025, 5000}; }

// Every form of every row with its sizes.
template <class F>
void for_each_filter(F&& f) {
    for_each_row([&](const auto& api) {
        for (Form form : {AR, BQ, DF1}) {
            if (!api.init_alloc[form]) continue;
            for (int n : form == AR ? std::vector<int>{1, 2, 3, 8, 20} : std::vector<int>{1, 2, 4, 10}) f(api, form, n);
        }
    });
}

template <class D>
std::vector<LC> widen_all(const std::vector<D>& v) {
    std::vector<LC> out;
    for (D x : v) out.push_back(cx(x));
    return out;
}

// |got - want| within the rounding of the computation type, scaled by the
// signal's size and by how much the poles amplify it (up to (1-r)^-2 per
// section); integer outputs may also round the other way.
template <class C, class D>
long double tolerance(long double peak, long double r, Form form, int n, int sf) {
    const long double gain = r > 0.9L ? (form == AR ? 4e4L : 3e3L * n) : 64;
    long double tol = std::numeric_limits<PartT<C>>::epsilon() * gain * peak * std::ldexp(1.0L, -sf);
    if constexpr (std::is_same_v<PartT<D>, Vdx32f>) tol += std::numeric_limits<float>::epsilon() * peak;
    return tol + (kIsInt<D> ? 1 : 0);
}

TEST(Iir, EveryRowAndFormMatchesTheDifferenceEquationsInEveryWayOfCalling) {
    for_each_filter([](const auto& api, Form form, int n) {
        using A = std::remove_reference_t<decltype(api)>;
        using T = typename A::Tap;
        using C = typename A::Calc;
        using D = typename A::Data;
        for (long double r : kRadii)
            for (int len : lengths_for(n)) {
                SCOPED_TRACE(testing::Message() << api.name << " form " << form << " n " << n << " r " << (double)r << " len " << len);
                const auto taps = given<T>(design(form, n, r, kIsComplex<C>));
                const auto x = signal<D>(len, n);
                const auto want = reference(form, n, meant(taps), widen_all(x));
                const int sf = kIsInt<D> ? 1 : 0;
                long double peak = 1;
                for (LC v : want) peak = std::max(peak, std::abs(v));
                const long double tol = tolerance<C, D>(peak, r, form, n, sf);
                Mismatches m;
                auto compare = [&](const std::vector<D>& y, const char* how) {
                    for (int i = 0; i < len; ++i) {
                        LC w = want[i];
                        if constexpr (kIsInt<D>) w = rounded<D>(w, sf);
                        m.expect(std::abs(cx(y[i]) - w) <= tol, how, "at", i);
                    }
                };
                // A fresh state fed in pieces of the given sizes (the last one
                // repeated): one call, 1024 and the rest (a call goes in chunks
                // of 1024: the same bits), 1, 4 N, 1024 (each path in turn).
                auto in_pieces = [&](std::vector<int> sizes) {
                    auto* st = alloc(api, form, n, taps);
                    std::vector<D> out(len);
                    for (int at = 0, k = 0; at < len; ++k) {
                        const int piece = std::min<int>(len - at, sizes[std::min<size_t>(k, sizes.size() - 1)]);
                        EXPECT_EQ(api.block(x.data() + at, out.data() + at, piece, st, sf), vdxStsNoErr);
                        at += piece;
                    }
                    EXPECT_EQ(api.free(st), vdxStsNoErr);
                    return out;
                };
                const auto y = in_pieces({len});
                compare(y, "one call");
                m.expect(same_vectors(y, in_pieces({1024, len})), "1024 and the rest differ from one call");
                compare(in_pieces({1, 4 * n, 1024, len}), "in pieces");
                // In place, and One sample at a time where the block call also
                // goes sample by sample: the same bits.
                auto* st = alloc(api, form, n, taps);
                std::vector<D> z = x;
                ASSERT_EQ(api.in_place(z.data(), len, st, sf), vdxStsNoErr);
                m.expect(same_vectors(y, z), "in place differs");
                api.free(st);
                if (len <= 4 * n && form != DF1) {
                    st = alloc(api, form, n, taps);
                    for (int i = 0; i < len; ++i) ASSERT_EQ(api.one(x[i], &z[i], st, sf), vdxStsNoErr);
                    m.expect(same_vectors(y, z), "One differs from the block call");
                    api.free(st);
                }
                EXPECT_NO_MISMATCH(m);
            }
    });
}

// The delay line after any call continues the signal in a fresh state made
// by Init (caller memory) or SetDlyLine, bit for bit.
TEST(Iir, DelayLinesContinueTheSignalInAFreshState) {
    for_each_filter([](const auto& api, Form form, int n) {
        using A = std::remove_reference_t<decltype(api)>;
        using C = typename A::Calc;
        using D = typename A::Data;
        SCOPED_TRACE(testing::Message() << api.name << " form " << form << " n " << n);
        const auto taps = given<typename A::Tap>(design(form, n, 0.99L, kIsComplex<C>));
        const int len = 3000, cut = 1031;
        const auto x = signal<D>(len, 3);
        auto* st = alloc(api, form, n, taps);
        std::vector<D> y(len), z(len);
        ASSERT_EQ(api.block(x.data(), y.data(), cut, st, 0), vdxStsNoErr);
        std::vector<C> dly(4 * n + 1);
        ASSERT_EQ(api.get_dly(st, dly.data()), vdxStsNoErr);
        std::vector<Vdx8u> mem;
        auto* fresh = place(api, form, n, taps, dly.data(), mem);
        auto* reset = alloc(api, form, n, taps);
        ASSERT_EQ(api.set_dly(reset, dly.data()), vdxStsNoErr);
        ASSERT_EQ(api.block(x.data() + cut, y.data() + cut, len - cut, st, 0), vdxStsNoErr);
        ASSERT_EQ(api.block(x.data() + cut, z.data() + cut, len - cut, fresh, 0), vdxStsNoErr);
        EXPECT_EQ(std::memcmp(y.data() + cut, z.data() + cut, (len - cut) * sizeof(D)), 0) << "Init with the delay line";
        EXPECT_EQ(std::vector<Vdx8u>(mem.end() - kGuard, mem.end()), std::vector<Vdx8u>(kGuard, 0xA5)) << "beyond the size";
        ASSERT_EQ(api.block(x.data() + cut, z.data() + cut, len - cut, reset, 0), vdxStsNoErr);
        EXPECT_EQ(std::memcmp(y.data() + cut, z.data() + cut, (len - cut) * sizeof(D)), 0) << "SetDlyLine";
        // A null delay line clears; Free of a caller-memory state touches nothing.
        ASSERT_EQ(api.set_dly(reset, nullptr), vdxStsNoErr);
        std::vector<C> cleared(4 * n + 1, from<C>(7));
        ASSERT_EQ(api.get_dly(reset, cleared.data()), vdxStsNoErr);
        const int dly_len = form == AR ? n : form == BQ ? 2 * n : 4 * n;
        for (int k = 0; k < dly_len; ++k) EXPECT_EQ(std::abs(cx(cleared[k])), 0) << k;
        EXPECT_TRUE(same_bits(cleared[dly_len], from<C>(7))) << "wrote past the delay line";
        const std::vector<Vdx8u> before = mem;
        EXPECT_EQ(api.free(fresh), vdxStsNoErr);
        EXPECT_EQ(mem, before) << "Free of a state in caller memory";
        api.free(st);
        api.free(reset);
    });
}

// a0 = 2 behaves exactly as the taps divided by 2; SetTaps rebuilds every
// table (a state switched to other taps equals a fresh one), section by
// section up to a failing one.
TEST(Iir, NormalisationAndSetTaps) {
    for_each_filter([](const auto& api, Form form, int n) {
        using A = std::remove_reference_t<decltype(api)>;
        using T = typename A::Tap;
        using C = typename A::Calc;
        using D = typename A::Data;
        if constexpr (!kIsInt<T>) {
            SCOPED_TRACE(testing::Message() << api.name << " form " << form << " n " << n);
            const int len = 2100;
            const auto x = signal<D>(len, 5);
            auto run = [&](const std::vector<T>& taps, const std::vector<T>* later, VdxStatus want = vdxStsNoErr) {
                auto* st = alloc(api, form, n, taps);
                if (later) {
                    EXPECT_EQ(api.set_taps(later->data(), st), want);
                }
                std::vector<D> y(len);
                EXPECT_EQ(api.block(x.data(), y.data(), len, st, 0), vdxStsNoErr);
                api.free(st);
                return y;
            };
            const auto one = given<T>(design(form, n, 0.9L, kIsComplex<C>));
            const auto two = given<T>(design(form, n, 0.9L, kIsComplex<C>, 2));
            std::vector<T> halved;
            for (T t : two) halved.push_back(from<T>(cx(t) / 2.0L));
            EXPECT_TRUE(same_vectors(run(two, nullptr), run(halved, nullptr))) << "a0 = 2";
            const auto other = given<T>(design(form, n, 0.6L, kIsComplex<C>));
            EXPECT_TRUE(same_vectors(run(one, &other), run(other, nullptr))) << "SetTaps";
            // A zero a0 in the last section: the sections before it are stored.
            if (form != AR && n >= 2) {
                auto bad = other, mixed = other;
                bad[6 * (n - 1) + 3] = from<T>(0);
                std::copy(one.end() - 6, one.end(), mixed.end() - 6);
                EXPECT_TRUE(same_vectors(run(one, &bad, vdxStsDivByZeroErr), run(mixed, nullptr))) << "partial SetTaps";
            }
        }
    });
}

// Integer outputs of the identity filter (b = a = (1, 0)): x 2^-sf rounded
// half to even and saturated, by block, by One, and over two channels with
// one scale factor.
TEST(Iir, IntegerOutputsRoundHalfToEvenAndSaturate) {
    const Vdx64f unit[] = {1, 0, 1, 0};
    VdxsIIRState64f_16s* s16 = nullptr;
    VdxsIIRState64f_32s* s32[2] = {};
    ASSERT_EQ(vdxsIIRInitAlloc64f_16s(&s16, unit, 1, nullptr), vdxStsNoErr);
    for (auto*& s : s32) ASSERT_EQ(vdxsIIRInitAlloc64f_32s(&s, unit, 1, nullptr), vdxStsNoErr);
    for (long long x : {1LL, 3LL, 5LL, -3LL, 6LL, 7LL, 12345LL, 30000LL, -30000LL, -32768LL, 2147483647LL})
        for (int sf : {-2, -1, 0, 1, 2, 40}) {
            SCOPED_TRACE(testing::Message() << x << " sf " << sf);
            // Ten samples: the block call takes its block path beyond 4 N = 4.
            std::vector<Vdx16s> x16(10, Vdx16s(x)), y16(10);
            std::vector<Vdx32s> x32(10, Vdx32s(x)), y32(10), yp(10), one(1);
            const Vdx32s* src[] = {x32.data(), x32.data()};
            Vdx32s* dst[] = {yp.data(), y32.data()};
            ASSERT_EQ(vdxsIIR64f_16s_Sfs(x16.data(), y16.data(), 10, s16, sf), vdxStsNoErr);
            ASSERT_EQ(vdxsIIR64f_32s_PSfs(src, dst, 10, 2, s32, sf), vdxStsNoErr);
            ASSERT_EQ(vdxsIIROne64f_32s_Sfs(x32[0], one.data(), s32[0], sf), vdxStsNoErr);
            const long double v = std::ldexp((long double)x, -sf);
            EXPECT_EQ(y16, std::vector<Vdx16s>(10, exact::rounded<Vdx16s>(std::ldexp((long double)x16[0], -sf))));
            EXPECT_EQ(y32, std::vector<Vdx32s>(10, exact::rounded<Vdx32s>(v)));
            EXPECT_TRUE(yp == y32 && one[0] == y32[0]);
        }
    vdxsIIRFree64f_16s(s16);
    for (auto* s : s32) vdxsIIRFree64f_32s(s);
}

// Integer taps t mean t * 2^-tapsFactor: the same filter as the 32f entry.
TEST(Iir, IntegerTapsWithTheirFactor) {
    for (Form form : {AR, BQ}) {
        const int n = form == AR ? 3 : 2;
        const auto ints = given<Vdx32s>(design(form, n, 0.9L, false));
        const auto floats = given<Vdx32f>(meant(ints));
        const auto x = signal<Vdx16s>(900, 2);
        VdxsIIRState32s_16s *a = nullptr, *b = nullptr;
        ASSERT_EQ(form == AR ? vdxsIIRInitAlloc32s_16s(&a, ints.data(), n, kTapsFactor, nullptr)
                             : vdxsIIRInitAlloc32s_BiQuad_16s(&a, ints.data(), n, kTapsFactor, nullptr), vdxStsNoErr);
        ASSERT_EQ(form == AR ? vdxsIIRInitAlloc32s_16s32f(&b, floats.data(), n, nullptr)
                             : vdxsIIRInitAlloc32s_BiQuad_16s32f(&b, floats.data(), n, nullptr), vdxStsNoErr);
        std::vector<Vdx16s> ya(900), yb(900);
        ASSERT_EQ(vdxsIIR32s_16s_Sfs(x.data(), ya.data(), 900, a, 0), vdxStsNoErr);
        ASSERT_EQ(vdxsIIR32s_16s_Sfs(x.data(), yb.data(), 900, b, 0), vdxStsNoErr);
        EXPECT_TRUE(same_vectors(ya, yb)) << "form " << form;
        // SetTaps with another factor: taps * 2 with factor + 1 is the same filter.
        std::vector<Vdx32s> doubled;
        for (Vdx32s t : ints) doubled.push_back(2 * t);
        ASSERT_EQ(vdxsIIRSetTaps32s_16s(doubled.data(), a, kTapsFactor + 1), vdxStsNoErr);
        ASSERT_EQ(vdxsIIRSetDlyLine32s_16s(a, nullptr), vdxStsNoErr);
        ASSERT_EQ(vdxsIIR32s_16s_Sfs(x.data(), ya.data(), 900, a, 0), vdxStsNoErr);
        EXPECT_TRUE(same_vectors(ya, yb)) << "SetTaps, form " << form;
        vdxsIIRFree32s_16s(a);
        vdxsIIRFree32s_16s(b);
    }
}

// Channels: each as its single-channel call would filter it, on one
// thread or two (channels of 4096 samples and more are shared).
class ChannelThreads : public testing::TestWithParam<int> {};
INSTANTIATE_TEST_SUITE_P(Iir, ChannelThreads, testing::Values(1, 2));
TEST_P(ChannelThreads, FilterEachWithItsOwnState) {
    ThreadScope scope(GetParam());
    const int channels = 3, len = 5000;
    std::vector<std::vector<Vdx32f>> x, y(channels, std::vector<Vdx32f>(len)), want = y;
    std::vector<VdxsIIRState_32f*> st(channels), solo(channels);
    std::vector<const Vdx32f*> src;
    std::vector<Vdx32f*> dst;
    for (int c = 0; c < channels; ++c) {
        const auto taps = given<Vdx32f>(design(c == 1 ? AR : BQ, 2 + c, 0.95L, false));
        const Form form = c == 1 ? AR : BQ;
        x.push_back(signal<Vdx32f>(len, c));
        ASSERT_EQ((form == AR ? vdxsIIRInitAlloc_32f : vdxsIIRInitAlloc_BiQuad_32f)(&st[c], taps.data(), 2 + c, nullptr), vdxStsNoErr);
        ASSERT_EQ((form == AR ? vdxsIIRInitAlloc_32f : vdxsIIRInitAlloc_BiQuad_32f)(&solo[c], taps.data(), 2 + c, nullptr), vdxStsNoErr);
        ASSERT_EQ(vdxsIIR_32f(x[c].data(), want[c].data(), len, solo[c]), vdxStsNoErr);
        src.push_back(x[c].data());
        dst.push_back(y[c].data());
    }
    ASSERT_EQ(vdxsIIR_32f_P(src.data(), dst.data(), len, channels, st.data()), vdxStsNoErr);
    for (int c = 0; c < channels; ++c) EXPECT_TRUE(same_vectors(y[c], want[c])) << c;
    // In place continues the same states; one bad state writes nothing.
    for (int c = 0; c < channels; ++c) {
        ASSERT_EQ(vdxsIIR_32f_I(want[c].data(), len, solo[c]), vdxStsNoErr);
    }
    ASSERT_EQ(vdxsIIR_32f_IP(dst.data(), len, channels, st.data()), vdxStsNoErr);
    for (int c = 0; c < channels; ++c) EXPECT_TRUE(same_vectors(y[c], want[c])) << c;
    auto before = y;
    std::vector<VdxsIIRState_32f*> bad = st;
    bad[2] = reinterpret_cast<VdxsIIRState_32f*>(x[0].data());
    EXPECT_EQ(vdxsIIR_32f_IP(dst.data(), len, channels, bad.data()), vdxStsContextMatchErr);
    EXPECT_EQ(vdxsIIR_32f_IP(dst.data(), len, 0, st.data()), vdxStsChannelErr);
    EXPECT_EQ(vdxsIIR_32f_IP(dst.data(), 0, channels, st.data()), vdxStsSizeErr);
    EXPECT_EQ(y, before);
    for (int c = 0; c < channels; ++c) vdxsIIRFree_32f(st[c]), vdxsIIRFree_32f(solo[c]);
}

// Statuses in their order (pointers: contract fuzzer); nothing written on
// error.
TEST(Iir, StatusesAndForeignStates) {
    const Vdx32f ar[] = {1, 0.5f, 1, -0.5f};
    const Vdx32f bq[] = {0, 1, 0, 1, -0.5f, 0};  // b0 = 0
    const Vdx32f a0zero[] = {1, 0.5f, 0, -0.5f};
    const Vdx64f ar64[] = {1, 0.5, 1, -0.5};
    VdxsIIRState_32f* st = nullptr;
    int size = 0;
    EXPECT_EQ(vdxsIIRGetStateSize_32f(0, &size), vdxStsIIROrderErr);
    EXPECT_EQ(vdxsIIRGetStateSize_BiQuad_32f(-1, &size), vdxStsIIROrderErr);
    EXPECT_EQ(vdxsIIRInitAlloc_32f(&st, nullptr, 0, nullptr), vdxStsNullPtrErr);
    EXPECT_EQ(vdxsIIRInitAlloc_32f(&st, ar, 0, nullptr), vdxStsIIROrderErr);
    EXPECT_EQ(vdxsIIRInitAlloc_32f(&st, a0zero, 1, nullptr), vdxStsDivByZeroErr);
    EXPECT_EQ(vdxsIIRInitAlloc_BiQuad_32f(&st, bq, 1, nullptr), vdxStsDivByZeroErr);
    EXPECT_EQ(st, nullptr);
    // The same section is a direct-form-I section: y(n) = 0.5 y(n-1) + x(n-1).
    ASSERT_EQ(vdxsIIRInitAlloc_BiQuad_DF1_32f(&st, bq, 1, nullptr), vdxStsNoErr);
    Vdx32f x[] = {2, 0, 0, 0}, y[4] = {9, 9, 9, 9};
    ASSERT_EQ(vdxsIIR_32f(x, y, 4, st), vdxStsNoErr);
    EXPECT_EQ(std::vector<Vdx32f>(y, y + 4), (std::vector<Vdx32f>{0, 2, 1, 0.5f}));
    Vdx32f one = 5;
    EXPECT_EQ(vdxsIIROne_32f(1, &one, st), vdxStsContextMatchErr) << "One takes no direct-form-I state";
    EXPECT_EQ(one, 5);
    EXPECT_EQ(vdxsIIRFree_32f(st), vdxStsNoErr);
    ASSERT_EQ(vdxsIIRInitAlloc_32f(&st, ar, 1, nullptr), vdxStsNoErr);
    // Block call: the length, the state (the fuzzer makes no filter state).
    EXPECT_EQ(vdxsIIR_32f(x, y, 0, st), vdxStsSizeErr);
    EXPECT_EQ(vdxsIIR_32f(x, y, 4, reinterpret_cast<VdxsIIRState_32f*>(x)), vdxStsContextMatchErr);
    EXPECT_EQ(vdxsIIRSetTaps_32f(a0zero, st), vdxStsDivByZeroErr);
    // A state of another row.
    VdxsIIRState_64f* other = nullptr;
    ASSERT_EQ(vdxsIIRInitAlloc_64f(&other, ar64, 1, nullptr), vdxStsNoErr);
    EXPECT_EQ(vdxsIIR_32f(x, y, 4, reinterpret_cast<VdxsIIRState_32f*>(other)), vdxStsContextMatchErr);
    EXPECT_EQ(vdxsIIRFree_32f(reinterpret_cast<VdxsIIRState_32f*>(other)), vdxStsContextMatchErr);
    Vdx64f dly = 1;
    EXPECT_EQ(vdxsIIRGetDlyLine64f_DF1_32s(reinterpret_cast<VdxsIIRState64f_32s*>(other), &dly), vdxStsContextMatchErr);
    vdxsIIRFree_64f(other);
    // The direct-form-I delay-line calls take only that form.
    const Vdx64f df1_taps[] = {1, 0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0}, regs[] = {1, 2, 3, 4, 5, 6, 7, 8};
    VdxsIIRState64f_32s *df1 = nullptr, *ar32 = nullptr;
    Vdx64f back[8] = {};
    ASSERT_EQ(vdxsIIRInitAlloc64f_BiQuad_DF1_32s(&df1, df1_taps, 2, nullptr), vdxStsNoErr);
    ASSERT_EQ(vdxsIIRInitAlloc64f_32s(&ar32, ar64, 1, nullptr), vdxStsNoErr);
    ASSERT_EQ(vdxsIIRSetDlyLine64f_DF1_32s(df1, regs), vdxStsNoErr);
    ASSERT_EQ(vdxsIIRGetDlyLine64f_DF1_32s(df1, back), vdxStsNoErr);
    EXPECT_EQ(std::vector<Vdx64f>(back, back + 8), std::vector<Vdx64f>(regs, regs + 8));
    EXPECT_EQ(vdxsIIRSetDlyLine64f_DF1_32s(ar32, regs), vdxStsContextMatchErr);
    vdxsIIRFree64f_32s(df1);
    vdxsIIRFree64f_32s(ar32);
    EXPECT_EQ(std::vector<Vdx32f>(y, y + 4), (std::vector<Vdx32f>{0, 2, 1, 0.5f})) << "written on error";
    // The SetTaps above was refused: the state still filters y = x + 0.5 y(n-1) + 0.5 x(n-1).
    ASSERT_EQ(vdxsIIR_32f(x, y, 4, st), vdxStsNoErr);
    EXPECT_EQ(std::vector<Vdx32f>(y, y + 4), (std::vector<Vdx32f>{2, 2, 1, 0.5f}));
    vdxsIIRFree_32f(st);
}

}  // namespace
