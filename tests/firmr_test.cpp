// Multi-rate FIR filters against a long-double reference that inserts the
// zeros, filters and decimates by definition: rows x factors x phases x tap
// counts on both sides of the kind switches, in every form.
#include <gtest/gtest.h>

#include "fir_rows.h"
#include "vdxcore.h"

namespace {

using namespace fir_test;

// Zero insertion (input k at k U + upPhase, history newest first before
// input 0), a direct FIR over the up-sampled signal, every D-th output from
// downPhase.
template <class T, class D>
Reference reference(const std::vector<T>& h, const std::vector<D>& hist, const std::vector<D>& x, const Shape& g) {
    const long H = static_cast<long>(hist.size()), U = g.up;
    const long len = (H + static_cast<long>(x.size())) * U;
    std::vector<LC> u(len);  // up-sampled position p - H U at index p
    for (long k = -H; k < static_cast<long>(x.size()); ++k)
        u[(k + H) * U + g.up_phase] = k < 0 ? cx(hist[-k - 1]) : cx(x[k]);
    const long outs = static_cast<long>(x.size()) / g.down * U;
    Reference r{std::vector<LC>(outs), std::vector<long double>(outs)};
    for (long n = 0; n < outs; ++n) {
        const long m = n * g.down + g.down_phase + H * U;
        for (long j = 0; j < static_cast<long>(h.size()) && m - j >= 0; ++j) {
            r.y[n] += cx(h[j]) * u[m - j];
            r.bound[n] += std::abs(cx(h[j])) * std::abs(u[m - j]);
        }
    }
    return r;
}

template <class R>
class FirMrRow : public testing::Test {};
using Rows = testing::Types<Row32f, Row32fc, Row64f, Row64fc, Row64f_32f, Row64fc_32fc, Row32f_16s, Row32fc_16sc,
                            Row64f_32s, Row64fc_32sc, Row64f_16s, Row64fc_16sc, Row32sc_16sc, Row16s, Row32s>;
TYPED_TEST_SUITE(FirMrRow, Rows);

const int kFactors[][2] = {{1, 2}, {2, 1}, {3, 2}, {2, 3}, {4, 1}, {1, 4}, {5, 7}, {3, 1}, {1, 1}};
// 1 and 2 taps switch kinds at 3/1, 5 and 7 at 1/2; the others reach
// several taps per phase and the four-tap groups.
const int kTapCounts[] = {1, 2, 5, 7, 13, 40};

// Every phase pair: taps and a random delay line given to Init or set after
// it (SetTaps rebuilds the tables of every kind), the signal in three pieces,
// the delay line afterwards (the newest ceil(L/U) inputs, newest first).
TYPED_TEST(FirMrRow, PiecesMatchTheDefinition) {
    using R = TypeParam;
    using D = typename R::Data;
    for (const auto& f : kFactors) {
        for (int L : kTapCounts) {
            const int sf = Scales<R>::sf(L);
            for (int pu = 0; pu < f[0]; ++pu) {
                for (int pd = 0; pd < f[1]; ++pd) {
                    const Shape g{L, f[0], pu, f[1], pd};
                    SCOPED_TRACE(testing::Message() << "L " << L << " up " << f[0] << "/" << pu << " down " << f[1] << "/" << pd);
                    const int H = (L + g.up - 1) / g.up, iters = 23;
                    const auto h = random_vec<typename R::Tap>(L, L + 7 * pu, Scales<R>::taps());
                    const auto hist = random_vec<D>(H, 3 + pd, Scales<R>::data());
                    const auto x = random_vec<D>(iters * g.down, 11 + L, Scales<R>::data());
                    void* st = nullptr;
                    // Odd phase sums: other taps and a zero line at Init, then SetTaps
                    // (integer taps at factor 1: twice their value) and SetDlyLine.
                    const bool set_later = (pu + pd) % 2 == 1 && g.up * g.down > 1;
                    const auto first = set_later ? random_vec<typename R::Tap>(L, 99, Scales<R>::taps()) : h;
                    ASSERT_EQ(R::mr_init(&st, first.data(), g, set_later ? nullptr : hist.data()), vdxStsNoErr);
                    if (set_later) {
                        ASSERT_EQ(R::set_taps(st, h.data()), vdxStsNoErr);
                        ASSERT_EQ(R::set_dly(st, hist.data()), vdxStsNoErr);
                    }
                    std::vector<D> y(iters * g.up);
                    int done = 0;
                    for (int piece : {1, 7, iters - 8}) {
                        ASSERT_EQ(R::fir(x.data() + done * g.down, y.data() + done * g.up, piece, st, sf), vdxStsNoErr);
                        done += piece;
                    }
                    std::vector<LC> taps;
                    for (auto t : h) taps.push_back(cx(t) * (set_later && kIsInt<typename R::Tap> ? 2.0L : 1.0L));
                    expect_close<D, typename R::W>(y, reference(taps, hist, x, g), sf);
                    if (g.up * g.down > 1) {  // (1/1 builds a single-rate state)
                        std::vector<D> line(H);
                        ASSERT_EQ(R::get_dly(st, line.data()), vdxStsNoErr);
                        for (int i = 0; i < H; ++i) ASSERT_EQ(cx(line[i]), cx(x[x.size() - 1 - i])) << i;
                    }
                    ASSERT_EQ(R::free(st), vdxStsNoErr);
                }
            }
        }
    }
}

// ---------------------------------------------------------------- 32f specifics

VdxStatus init32f(VdxsFIRState_32f** st, const std::vector<float>& h, const Shape& g, Vdx8u* buf) {
    return vdxsFIRMRInit_32f(st, h.data(), g.L, g.up, g.up_phase, g.down, g.down_phase, nullptr, buf);
}

// Only single-rate states take One: 1/1 builds one (of the single-rate
// size), 1/2 does not.
TEST(FirMr, OneToOneBuildsASingleRateState) {
    const std::vector<float> h{0.5f, 0.25f, 0.125f};
    int single = 0;
    ASSERT_EQ(vdxsFIRGetStateSize_32f(3, &single), vdxStsNoErr);
    VdxsFIRState_32f* st = nullptr;
    for (int down : {1, 2}) {
        int size = 0;
        ASSERT_EQ(vdxsFIRMRGetStateSize_32f(3, 1, down, &size), vdxStsNoErr);
        EXPECT_TRUE(down != 1 || size == single) << size;
        std::vector<Vdx8u> buf(size);
        ASSERT_EQ(init32f(&st, h, {3, 1, 0, down, 0}, buf.data()), vdxStsNoErr);
        float y = 0;
        EXPECT_EQ(vdxsFIROne_32f(2.0f, &y, st), down == 1 ? vdxStsNoErr : vdxStsContextMatchErr);
        EXPECT_EQ(y, down == 1 ? 1.0f : 0.0f);
    }
}

// (Pointers alone: contract fuzzer.)
TEST(FirMr, StatusesInOrder) {
    const std::vector<float> h(4, 1.0f);
    std::vector<Vdx8u> buf(1 << 16);
    VdxsFIRState_32f* st = nullptr;
    struct Case {
        Shape g;
        bool null_taps;
        VdxStatus want;
    };
    const Case cases[] = {
        {{0, 0, 5, 0, 5}, true, vdxStsNullPtrErr},   {{0, 0, 5, 0, 5}, false, vdxStsFIRLenErr},
        {{4, 0, 5, 1, 5}, false, vdxStsFIRMRFactorErr}, {{4, 1, 5, 0, 5}, false, vdxStsFIRMRFactorErr},
        {{4, 3, 3, 2, 0}, false, vdxStsFIRMRPhaseErr},  {{4, 3, 0, 2, 2}, false, vdxStsFIRMRPhaseErr},
        {{4, 3, -1, 2, 0}, false, vdxStsFIRMRPhaseErr}, {{4, 65536, 0, 65536, 0}, false, vdxStsMemAllocErr},
    };
    for (const Case& c : cases) {
        const Shape& g = c.g;
        EXPECT_EQ(vdxsFIRMRInit_32f(&st, c.null_taps ? nullptr : h.data(), g.L, g.up, g.up_phase, g.down,
                                    g.down_phase, nullptr, buf.data()), c.want);
    }
    int n = 0;
    EXPECT_EQ(vdxsFIRMRGetStateSize_32f(4, 0, 2, &n), vdxStsFIRMRFactorErr);
    EXPECT_EQ(vdxsFIRMRGetStateSize_32f(0, 1, 2, &n), vdxStsFIRLenErr);
    ASSERT_EQ(init32f(&st, h, {4, 3, 0, 2, 0}, buf.data()), vdxStsNoErr);
    float x[4] = {}, y[6];
    EXPECT_EQ(vdxsFIR_32f(x, y, 0, st), vdxStsSizeErr);
    EXPECT_EQ(vdxsFIR_64f(reinterpret_cast<double*>(x), reinterpret_cast<double*>(y), 1,
                          reinterpret_cast<VdxsFIRState_64f*>(st)), vdxStsContextMatchErr);
    EXPECT_EQ(vdxsFIRMR_Direct_32f(x, y, 0, h.data(), 4, 3, 3, 2, 0, x), vdxStsSizeErr);
    EXPECT_EQ(vdxsFIRMR_Direct_32f(x, y, 1, h.data(), 4, 3, 3, 2, 0, x), vdxStsFIRMRPhaseErr);
}

// Outputs do not depend on the thread count: a call large enough to split.
TEST(FirMr, ThreadCountsGiveTheSameOutputs) {
    for (const Shape& g : {Shape{64, 1, 0, 4, 3}, Shape{64, 4, 1, 1, 0}, Shape{96, 3, 2, 2, 1}, Shape{3, 7, 0, 1, 0}}) {
        const auto h = random_vec<float>(g.L, 1, 1);
        const int iters = 30000 / g.down;
        const auto x = random_vec<float>(iters * g.down, 2, 1);
        std::vector<float> first;
        for (int threads = 1; threads <= 3; ++threads) {
            vdxcoreSetNumThreads(threads);
            VdxsFIRState_32f* st = nullptr;
            ASSERT_EQ(vdxsFIRMRInitAlloc_32f(&st, h.data(), g.L, g.up, g.up_phase, g.down, g.down_phase, nullptr),
                      vdxStsNoErr);
            std::vector<float> y(static_cast<size_t>(iters) * g.up);
            ASSERT_EQ(vdxsFIR_32f(x.data(), y.data(), iters, st), vdxStsNoErr);
            vdxsFIRFree_32f(st);
            if (threads == 1) {
                first = y;
                expect_close<float, float>(y, reference(h, std::vector<float>((g.L + g.up - 1) / g.up), x, g), 0);
            } else {
                ASSERT_EQ(y, first) << threads << " threads";
            }
        }
        vdxcoreSetNumThreads(0);
    }
}

// Stream states read their history in front of the inputs; the stateless
// members carry the caller's line, in place too (more outputs than inputs).
TEST(FirMr, StreamAndStatelessForms) {
    for (const Shape& g : {Shape{13, 3, 2, 2, 1}, Shape{7, 1, 0, 2, 1}, Shape{4, 2, 0, 5, 4}, Shape{5, 1, 0, 1, 0}}) {
        SCOPED_TRACE(testing::Message() << g.L << " " << g.up << "/" << g.down);
        const int iters = 30, H = (g.L + g.up - 1) / g.up;
        const int Hs = std::max(0, static_cast<int>(std::floor((g.L - 1.0 + g.up_phase - g.down_phase) / g.up)));
        const auto h = random_vec<float>(g.L, 4, 1);
        const auto all = random_vec<float>(H + iters * g.down, 5, 1);
        const std::vector<float> hist(all.rbegin() + iters * g.down, all.rend()), x(all.begin() + H, all.end());
        const Reference want = reference(h, hist, x, g);
        VdxsFIRState_32f* st = nullptr;
        ASSERT_EQ(vdxsFIRMRStreamInitAlloc_32f(&st, h.data(), g.L, g.up, g.up_phase, g.down, g.down_phase), vdxStsNoErr);
        std::vector<float> y(iters * g.up);
        ASSERT_EQ(vdxsFIR_32f(all.data() + (H - Hs), y.data(), iters, st), vdxStsNoErr);
        expect_close<float, float>(y, want, 0);
        vdxsFIRFree_32f(st);

        std::vector<float> line(hist), io(std::max(g.up, g.down) * iters);
        std::copy(x.begin(), x.end(), io.begin());
        ASSERT_EQ(vdxsFIRMR_Direct_32f_I(io.data(), 10, h.data(), g.L, g.up, g.up_phase, g.down, g.down_phase,
                                         line.data()), vdxStsNoErr);
        ASSERT_EQ(vdxsFIRMR_Direct_32f(x.data() + 10 * g.down, y.data(), iters - 10, h.data(), g.L, g.up,
                                       g.up_phase, g.down, g.down_phase, line.data()), vdxStsNoErr);
        std::copy(y.begin(), y.begin() + (iters - 10) * g.up, y.begin() + 10 * g.up);
        std::copy(io.begin(), io.begin() + 10 * g.up, y.begin());
        expect_close<float, float>(y, want, 0);
        for (int i = 0; i < H; ++i) ASSERT_EQ(line[i], x[x.size() - 1 - i]);
    }
}

// The 16s stream and the integer-tap stateless form: 16s data scaled and
// saturated, taps times 2^tapsFactor.
TEST(FirMr, IntegerStreamAndStateless) {
    const Shape g{9, 2, 1, 3, 2};
    const int iters = 40, H = (g.L + g.up - 1) / g.up, sf = 3, factor = -2;
    const int Hs = (g.L - 1 + g.up_phase - g.down_phase) / g.up;
    const auto h = random_vec<Vdx16s>(g.L, 6, 20000);
    const auto all = random_vec<Vdx16s>(H + iters * g.down, 7, 30000);
    const std::vector<Vdx16s> hist(all.rbegin() + iters * g.down, all.rend()), x(all.begin() + H, all.end());
    Reference want = reference(h, hist, x, g);
    for (auto& w : want.y) w = std::ldexp(w.real(), factor);
    VdxsFIRState_16s* st = nullptr;
    ASSERT_EQ(vdxsFIRMRStreamInitAlloc_16s(&st, h.data(), g.L, factor, g.up, g.up_phase, g.down, g.down_phase),
              vdxStsNoErr);
    std::vector<Vdx16s> y(iters * g.up);
    ASSERT_EQ(vdxsFIR_16s_Sfs(all.data() + (H - Hs), y.data(), iters, st, sf), vdxStsNoErr);
    expect_close<Vdx16s, double>(y, want, sf);
    vdxsFIRFree_16s(st);
    const std::vector<Vdx32s> h32(h.begin(), h.end());
    std::vector<Vdx16s> line(hist);
    ASSERT_EQ(vdxsFIRMR32s_Direct_16s_Sfs(x.data(), y.data(), iters, h32.data(), g.L, factor, g.up, g.up_phase,
                                          g.down, g.down_phase, line.data(), sf), vdxStsNoErr);
    expect_close<Vdx16s, double>(y, want, sf);
}

}  // namespace
