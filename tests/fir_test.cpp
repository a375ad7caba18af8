// FIR filters against a direct sum in long double for every tap / data row,
// across every method and stage switch, in every way of calling.
#include <gtest/gtest.h>

#include <cstring>

#include "fir_rows.h"
#include "vdxcore.h"

namespace {

using namespace fir_test;

// y(n) = sum h(k) x(n-k) over history (oldest first) followed by x, in
// long double parts (no library code, no complex-product helpers).
template <class T, class D>
Reference reference(const std::vector<T>& h, const std::vector<D>& hist_newest_first, const std::vector<D>& x,
                    long double hscale = 1) {
    const int L = static_cast<int>(h.size()), n = static_cast<int>(x.size());
    std::vector<long double> hr(L), hi(L), ha(L), xr(n + L), xi(n + L), xa(n + L);  // x(i - L) at i
    for (int k = 0; k < L; ++k) {
        const LC v = cx(h[k]) * hscale;
        hr[k] = v.real(), hi[k] = v.imag(), ha[k] = std::abs(v);
    }
    for (int i = 0; i < n + L; ++i) {
        const int k = L - 1 - i;  // history index, newest first
        const bool known = k < static_cast<int>(hist_newest_first.size());
        const LC v = i >= L ? cx(x[i - L]) : (known ? cx(hist_newest_first[k]) : LC(0));
        xr[i] = v.real(), xi[i] = v.imag(), xa[i] = std::abs(v);
    }
    Reference r{std::vector<LC>(n), std::vector<long double>(n)};
    for (int i = 0; i < n; ++i) {
        long double sr = 0, si = 0, b = 0;
        for (int k = 0; k < L; ++k) {
            const int j = i + L - k;
            sr += hr[k] * xr[j] - hi[k] * xi[j];
            si += hr[k] * xi[j] + hi[k] * xr[j];
            b += ha[k] * xa[j];
        }
        r.y[i] = LC(sr, si);
        r.bound[i] = b;
    }
    return r;
}

template <class R>
class FirRow : public testing::Test {};
using Rows = testing::Types<Row32f, Row32fc, Row64f, Row64fc, Row64f_32f, Row64fc_32fc, Row32f_16s, Row32fc_16sc,
                            Row64f_32s, Row64fc_32sc, Row64f_16s, Row64fc_16sc, Row32s_16s, Row32sc_16sc, Row16s,
                            Row32s>;
TYPED_TEST_SUITE(FirRow, Rows);

const int kTapCounts[] = {1, 2, 3, 4, 5, 31, 32, 63, 64, 65, 100, 1024};

// Block lengths around every switch for L taps: shorter than L, the first
// block (L rounded up to 4, plus one) and one more, 255/256 and 511/512
// (overlap-save), the first overlap-save block, and 1600/1601 (threads).
std::vector<int> block_lengths(int L) {
    const int first = (L + 3) / 4 * 4 + 1;
    int fft = 4;
    while ((1 << fft) <= L) ++fft;
    const int m = (2 << fft) - (L - 1);
    std::vector<int> v{1, 2, first - 1, first, first + 1, 255, 256, 511, 512, m, m + 1, 1600, 1601, 3 * m + 5};
    if (L > 2) v.push_back(L / 2);
    return v;
}

template <class R>
struct Filter {
    void* st = nullptr;
    Filter(const std::vector<typename R::Tap>& h, const std::vector<typename R::Data>* dly) {
        EXPECT_EQ(R::init(&st, h.data(), static_cast<int>(h.size()), dly ? dly->data() : nullptr), vdxStsNoErr);
    }
    ~Filter() { R::free(st); }
};

TYPED_TEST(FirRow, BlocksMatchTheDirectSumAcrossEverySwitch) {
    using R = TypeParam;
    using S = Scales<R>;
    for (int L : kTapCounts) {
        const auto h = random_vec<typename R::Tap>(L, L, S::taps());
        const auto dly = random_vec<typename R::Data>(L, 7 * L, S::data());
        for (int n : block_lengths(L)) {
            SCOPED_TRACE(testing::Message() << "L " << L << " n " << n);
            const auto x = random_vec<typename R::Data>(n, n + L, S::data());
            const Reference ref = reference(h, dly, x);
            Filter<R> f(h, &dly);
            std::vector<typename R::Data> y(n);
            ASSERT_EQ(R::fir(x.data(), y.data(), n, f.st, S::sf(L)), vdxStsNoErr);
            expect_close<typename R::Data, typename R::W>(y, ref, S::sf(L));
            // In place, from the same history.
            Filter<R> g(h, &dly);
            auto z = x;
            ASSERT_EQ(R::fir_i(z.data(), n, g.st, S::sf(L)), vdxStsNoErr);
            expect_close<typename R::Data, typename R::W>(z, ref, S::sf(L));
        }
    }
}

TYPED_TEST(FirRow, PiecesContinueOneCall) {
    using R = TypeParam;
    using S = Scales<R>;
    const int total = 3100;
    for (int L : {5, 64, 100}) {
        const auto h = random_vec<typename R::Tap>(L, 3 * L, S::taps());
        const auto x = random_vec<typename R::Data>(total, L, S::data());
        const Reference ref = reference(h, std::vector<typename R::Data>{}, x);
        for (int piece : {1, 7, 1000}) {
            for (int mode = 0; mode < 3; ++mode) {  // out of place, in place, single samples
                SCOPED_TRACE(testing::Message() << "L " << L << " piece " << piece << " mode " << mode);
                Filter<R> f(h, nullptr);
                std::vector<typename R::Data> y(total);
                auto z = x;
                for (int at = 0; at < total; at += piece) {
                    const int n = std::min(piece, total - at);
                    const VdxStatus s = mode == 0   ? R::fir(x.data() + at, y.data() + at, n, f.st, S::sf(L))
                                        : mode == 1 ? R::fir_i(z.data() + at, n, f.st, S::sf(L))
                                                    : vdxStsNoErr;
                    ASSERT_EQ(s, vdxStsNoErr);
                    for (int i = 0; mode == 2 && i < n; ++i)
                        ASSERT_EQ(R::one(x[at + i], &y[at + i], f.st, S::sf(L)), vdxStsNoErr);
                }
                expect_close<typename R::Data, typename R::W>(mode == 1 ? z : y, ref, S::sf(L));
            }
        }
    }
}

TYPED_TEST(FirRow, DelayLinesRoundTripAndContinueInAFreshState) {
    using R = TypeParam;
    using S = Scales<R>;
    using D = typename R::Data;
    for (int L : {1, 4, 33, 100}) {
        SCOPED_TRACE(testing::Message() << "L " << L);
        const auto h = random_vec<typename R::Tap>(L, L, S::taps());
        Filter<R> f(h, nullptr);
        auto line_of = [&](void* st) {
            std::vector<D> v(L);
            EXPECT_EQ(R::get_dly(st, v.data()), vdxStsNoErr);
            return v;
        };
        const auto line = random_vec<D>(L, 2 * L, S::data());
        ASSERT_EQ(R::set_dly(f.st, line.data()), vdxStsNoErr);
        EXPECT_TRUE(same_vectors(line_of(f.st), line));
        // Blocks shorter and longer than L, and single samples: the line
        // holds the newest L inputs.
        unsigned seed = 0;
        for (int n : {std::max(2, L / 2), L + 600, 1, 1, 1}) {
            const auto x = random_vec<D>(n, n + ++seed, S::data());
            const auto old = line_of(f.st);
            std::vector<D> y(n), expect(L);
            for (int k = 0; k < L; ++k) expect[k] = k < n ? x[n - 1 - k] : old[k - n];
            ASSERT_EQ(n == 1 ? R::one(x[0], y.data(), f.st, 0) : R::fir(x.data(), y.data(), n, f.st, 0), vdxStsNoErr);
            EXPECT_TRUE(same_vectors(line_of(f.st), expect)) << n;
        }
        // A fresh state from that line continues the signal.
        const auto x = random_vec<D>(700, 9, S::data());
        const auto got = line_of(f.st);
        Filter<R> fresh(h, &got);
        std::vector<D> a(700), b(700);
        ASSERT_EQ(R::fir(x.data(), a.data(), 700, f.st, S::sf(L)), vdxStsNoErr);
        ASSERT_EQ(R::fir(x.data(), b.data(), 700, fresh.st, S::sf(L)), vdxStsNoErr);
        EXPECT_TRUE(same_vectors(a, b));
        // A null line clears it.
        ASSERT_EQ(R::set_dly(f.st, nullptr), vdxStsNoErr);
        for (const D& v : line_of(f.st)) EXPECT_EQ(cx(v), LC(0));
    }
}

TYPED_TEST(FirRow, ResultsDoNotDependOnTheThreadCount) {
    using R = TypeParam;
    using S = Scales<R>;
    using D = typename R::Data;
    for (int L : {31, 64, 1024}) {
        const auto h = random_vec<typename R::Tap>(L, L, S::taps());
        for (int n : {801, 1601, 9000}) {
            SCOPED_TRACE(testing::Message() << "L " << L << " n " << n);
            const auto x = random_vec<D>(n, n, S::data());
            std::vector<std::vector<D>> out;
            vdxcoreSetNumThreads(3);  // states sized for three threads
            Filter<R> f1(h, nullptr), f2(h, nullptr), f3(h, nullptr);
            for (int threads = 1; threads <= 3; ++threads) {
                Filter<R>& f = threads == 1 ? f1 : threads == 2 ? f2 : f3;
                vdxcoreSetNumThreads(threads);
                for (int in_place = 0; in_place < 2; ++in_place) {
                    auto y = x;
                    const int sf = S::sf(L);
                    ASSERT_EQ(in_place ? R::fir_i(y.data(), n, f.st, sf) : R::fir(x.data(), y.data(), n, f.st, sf),
                              vdxStsNoErr);
                    out.push_back(y);
                }
            }
            vdxcoreSetNumThreads(0);
            for (size_t k = 2; k < out.size(); ++k)
                EXPECT_EQ(0, std::memcmp(out[k].data(), out[k % 2].data(), n * sizeof(D)));
        }
    }
}

// Pointers before lengths (pointers or lengths alone, and foreign states:
// contract fuzzer).
TYPED_TEST(FirRow, StatusesComeInOrder) {
    using R = TypeParam;
    using D = typename R::Data;
    const auto h = random_vec<typename R::Tap>(8, 1, Scales<R>::taps());
    void* st = nullptr;
    EXPECT_EQ(R::init(&st, nullptr, 0, nullptr), vdxStsNullPtrErr);
    EXPECT_EQ(R::init(&st, h.data(), 0, nullptr), vdxStsFIRLenErr);
    int size = 0;
    EXPECT_EQ(R::size(0, &size), vdxStsFIRLenErr);
    std::vector<D> x(16), y(16);
    EXPECT_EQ(R::fir(x.data(), y.data(), 0, nullptr, 0), vdxStsNullPtrErr);
}

// ---------------------------------------------------------------- rows' own rules

TEST(FirState, FreeOfACallerBufferSucceedsAndLeavesItAlone) {
    const Vdx32f taps[3] = {1, 2, 3};
    int size = 0;
    ASSERT_EQ(vdxsFIRGetStateSize_32f(3, &size), vdxStsNoErr);
    std::vector<Vdx8u> buf(size);
    VdxsFIRState_32f* st = nullptr;
    ASSERT_EQ(vdxsFIRInit_32f(&st, taps, 3, nullptr, buf.data()), vdxStsNoErr);
    const auto copy = buf;
    EXPECT_EQ(vdxsFIRFree_32f(st), vdxStsNoErr);
    EXPECT_EQ(copy, buf);
}

TEST(FirState, IntegerTapsAreShiftedIntoSixteenBits) {
    struct Case {
        std::vector<Vdx32s> taps;
        int factor;
        std::vector<Vdx32s> stored;
        int stored_factor;
    };
    const Case cases[] = {
        {{32767, -5, 3}, 2, {16383, -3, 1}, 3},
        {{32766, -32766}, 0, {32766, -32766}, 0},
        {{100000, 7}, -4, {25000, 1}, -2},
        {{-32768, 1}, 0, {-16384, 0}, 1},
    };
    for (const Case& c : cases) {
        VdxsFIRState32s_16s* st = nullptr;
        const int L = static_cast<int>(c.taps.size());
        ASSERT_EQ(vdxsFIRInitAlloc32s_16s(&st, c.taps.data(), L, c.factor, nullptr), vdxStsNoErr);
        std::vector<Vdx32s> got(L);
        int factor = 99;
        ASSERT_EQ(vdxsFIRGetTaps32s_16s(st, got.data(), &factor), vdxStsNoErr);
        EXPECT_EQ(got, c.stored);
        EXPECT_EQ(factor, c.stored_factor);
        // The filter runs with the real taps stored * 2^factor: an impulse.
        std::vector<Vdx16s> x(L, 0), y(L);
        x[0] = 1;
        ASSERT_EQ(vdxsFIR32s_16s_Sfs(x.data(), y.data(), L, st, -8), vdxStsNoErr);
        for (int k = 0; k < L; ++k) {
            const long double h = std::ldexp(static_cast<long double>(c.stored[k]), c.stored_factor);
            EXPECT_EQ(y[k], rounded<Vdx16s>(LC(h, 0), -8).real());
        }
        vdxsFIRFree32s_16s(st);
    }
}

TEST(FirState, RealTapsForAnIntegerStateAreRoundedAtTheChosenFactor) {
    const Vdx32f taps[] = {0.5f, -0.25f, 0.1f};
    VdxsFIRState32s_16s* st = nullptr;
    ASSERT_EQ(vdxsFIRInitAlloc32s_16s32f(&st, taps, 3, nullptr), vdxStsNoErr);
    std::vector<Vdx32s> t(3);
    int factor = 0;
    ASSERT_EQ(vdxsFIRGetTaps32s_16s(st, t.data(), &factor), vdxStsNoErr);
    EXPECT_EQ(t[0], 16384);
    EXPECT_EQ(factor, -15);
    EXPECT_EQ(t[2], static_cast<Vdx32s>(std::nearbyint(0.1f * 32768.0)));
    Vdx32f back[3];
    ASSERT_EQ(vdxsFIRGetTaps32s_16s32f(st, back), vdxStsNoErr);
    EXPECT_NEAR(back[2], 0.1f, 1.0 / 32768);
    vdxsFIRFree32s_16s(st);
}

TEST(FirState, IntegerOutputsRoundHalfToEvenAndSaturate) {
    // Taps (1, 1) on 16s data: the sums are exact, so every rule shows.
    const Vdx32f taps[2] = {1, 1};
    const Vdx16s x[] = {1, 0, 3, -3, -2, 32767, 32767, -32768, -32768};
    for (int sf : {-16, -1, 0, 1, 2, 17}) {
        VdxsFIRState32f_16s* st = nullptr;
        ASSERT_EQ(vdxsFIRInitAlloc32f_16s(&st, taps, 2, nullptr), vdxStsNoErr);
        Vdx16s y[9];
        ASSERT_EQ(vdxsFIR32f_16s_Sfs(x, y, 9, st, sf), vdxStsNoErr);
        for (int i = 0; i < 9; ++i) {
            const long double sum = x[i] + (i ? x[i - 1] : 0);
            EXPECT_EQ(y[i], rounded<Vdx16s>(LC(sum, 0), sf).real()) << "sf " << sf << " at " << i;
        }
        vdxsFIRFree32f_16s(st);
    }
}

TEST(FirState, StreamStatesReadTheirHistoryFromTheSource) {
    for (int L : {3, 64, 200}) {
        for (int n : {5, 600, 2000}) {
            SCOPED_TRACE(testing::Message() << "L " << L << " n " << n);
            const auto h = random_vec<Vdx32f>(L, L, 1);
            const auto src = random_vec<Vdx32f>(n + L - 1, n, 1);
            // Output i is the sum over src[i .. i+L-1]: history = src[0 .. L-2].
            std::vector<Vdx32f> hist(src.rend() - (L - 1), src.rend()), x(src.begin() + L - 1, src.end());
            const Reference ref = reference(h, hist, x);
            VdxsFIRState_32f* st = nullptr;
            ASSERT_EQ(vdxsFIRStreamInitAlloc_32f(&st, h.data(), L), vdxStsNoErr);
            std::vector<Vdx32f> y(n);
            ASSERT_EQ(vdxsFIR_32f(src.data(), y.data(), n, st), vdxStsNoErr);
            expect_close<Vdx32f, float>(y, ref, 0);
            auto z = src;
            ASSERT_EQ(vdxsFIR_32f_I(z.data(), n, st), vdxStsNoErr);
            z.resize(n);
            expect_close<Vdx32f, float>(z, ref, 0);
            EXPECT_EQ(vdxsFIRGetDlyLine_32f(st, y.data()), vdxStsContextMatchErr);
            vdxsFIRFree_32f(st);
            // 16s, taps with a factor.
            const auto h16 = random_vec<Vdx16s>(L, L, 3000);
            const auto s16 = random_vec<Vdx16s>(n + L - 1, n, 3000);
            std::vector<Vdx16s> hist16(s16.rend() - (L - 1), s16.rend()), x16(s16.begin() + L - 1, s16.end());
            VdxsFIRState_16s* st16 = nullptr;
            ASSERT_EQ(vdxsFIRStreamInitAlloc_16s(&st16, h16.data(), L, -3), vdxStsNoErr);
            std::vector<Vdx16s> y16(n);
            ASSERT_EQ(vdxsFIR_16s_Sfs(s16.data(), y16.data(), n, st16, 8), vdxStsNoErr);
            expect_close<Vdx16s, double>(y16, reference(h16, hist16, x16, 0.125L), 8);
            vdxsFIRFree_16s(st16);
        }
    }
}

// ---------------------------------------------------------------- stateless members

#define DIRECT(Name, P, X, W_, D, M, MI, SF)                                                           \
    struct Name {                                                                                      \
        using W = W_;                                                                                  \
        using Data = D;                                                                                \
        static VdxStatus block(const D* s, D* d, int n, const W* h, int L, D* line, int* i) {          \
            return vdxsFIR##P##_Direct_##X##M(s, d, n, h, L, line, i SF);                              \
        }                                                                                              \
        static VdxStatus block_i(D* s, int n, const W* h, int L, D* line, int* i) {                    \
            return vdxsFIR##P##_Direct_##X##MI(s, n, h, L, line, i SF);                                \
        }                                                                                              \
        static VdxStatus one(D s, D* d, const W* h, int L, D* line, int* i) {                          \
            return vdxsFIROne##P##_Direct_##X##M(s, d, h, L, line, i SF);                              \
        }                                                                                              \
        static VdxStatus one_i(D* s, const W* h, int L, D* line, int* i) {                             \
            return vdxsFIROne##P##_Direct_##X##MI(s, h, L, line, i SF);                                \
        }                                                                                              \
    };
#define NO_SF
#define SF1 , 1
DIRECT(D32f, , 32f, Vdx32f, Vdx32f, , _I, NO_SF)
DIRECT(D32fc, , 32fc, Vdx32fc, Vdx32fc, , _I, NO_SF)
DIRECT(D64f, , 64f, Vdx64f, Vdx64f, , _I, NO_SF)
DIRECT(D64fc, , 64fc, Vdx64fc, Vdx64fc, , _I, NO_SF)
DIRECT(D64f_32f, 64f, 32f, Vdx64f, Vdx32f, , _I, NO_SF)
DIRECT(D64fc_32fc, 64fc, 32fc, Vdx64fc, Vdx32fc, , _I, NO_SF)
DIRECT(D32f_16s, 32f, 16s, Vdx32f, Vdx16s, _Sfs, _ISfs, SF1)
DIRECT(D32fc_16sc, 32fc, 16sc, Vdx32fc, Vdx16sc, _Sfs, _ISfs, SF1)
DIRECT(D64f_32s, 64f, 32s, Vdx64f, Vdx32s, _Sfs, _ISfs, SF1)
DIRECT(D64fc_32sc, 64fc, 32sc, Vdx64fc, Vdx32sc, _Sfs, _ISfs, SF1)
DIRECT(D64f_16s, 64f, 16s, Vdx64f, Vdx16s, _Sfs, _ISfs, SF1)
DIRECT(D64fc_16sc, 64fc, 16sc, Vdx64fc, Vdx16sc, _Sfs, _ISfs, SF1)

template <class R>
class FirDirect : public testing::Test {};
using DirectRows = testing::Types<D32f, D32fc, D64f, D64fc, D64f_32f, D64fc_32fc, D32f_16s, D32fc_16sc, D64f_32s,
                                  D64fc_32sc, D64f_16s, D64fc_16sc>;
TYPED_TEST_SUITE(FirDirect, DirectRows);

TYPED_TEST(FirDirect, EveryFormContinuesTheSameSignal) {
    using R = TypeParam;
    using D = typename R::Data;
    constexpr int sf = kIsInt<D> ? 1 : 0;
    for (int L : {1, 2, 5, 40, 1100}) {
        SCOPED_TRACE(testing::Message() << "L " << L);
        const auto h = random_vec<typename R::W>(L, L, 1);
        const int total = 2600;
        const auto x = random_vec<D>(total, L, kIsInt<D> ? 3000 : 1);
        const Reference ref = reference(h, std::vector<D>{}, x);
        // Pieces through the four forms in turn, each continuing the line.
        std::vector<D> line(2 * L, from<D>(0)), y(total);
        int index = 0, at = 0;
        for (int form = 0; at < total; form = (form + 1) % 4) {
            const int n = std::min(form < 2 ? 1 : 1500, total - at);
            if (form % 2) std::copy(x.begin() + at, x.begin() + at + n, y.begin() + at);  // in place
            const VdxStatus st = form == 0   ? R::one(x[at], &y[at], h.data(), L, line.data(), &index)
                                 : form == 1 ? R::one_i(&y[at], h.data(), L, line.data(), &index)
                                 : form == 2 ? R::block(x.data() + at, y.data() + at, n, h.data(), L, line.data(), &index)
                                             : R::block_i(y.data() + at, n, h.data(), L, line.data(), &index);
            ASSERT_EQ(st, vdxStsNoErr);
            at += n;
        }
        expect_close<D, PartT<typename R::W>>(y, ref, sf);
        // Bad index and length (nothing written on error: contract fuzzer).
        int bad = L;
        EXPECT_EQ(R::block(x.data(), y.data(), 4, h.data(), L, line.data(), &bad), vdxStsDlyLineIndexErr);
        EXPECT_EQ(R::block(x.data(), y.data(), 4, h.data(), 0, line.data(), &index), vdxStsFIRLenErr);
    }
}

}  // namespace
