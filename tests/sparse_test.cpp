// Sparse FIR and IIR against the dense sum and the recurrence in long
// double, over tap layouts, delay lines and streams cut in pieces; statuses.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "fir_elements.h"
#include "vdxs.h"

namespace {

struct Taps {
    std::vector<Vdx32f> value;
    std::vector<int> pos;
};

std::vector<Vdx32f> signal(int len, unsigned seed) { return fir_test::random_vec<Vdx32f>(len, seed, 1); }

// x(n), or before time 0 the delay line (newest first), then zeros.
long double at(const std::vector<Vdx32f>& x, const std::vector<Vdx32f>& dly, int n) {
    if (n >= 0) return x[n];
    return -n - 1 < static_cast<int>(dly.size()) ? dly[-n - 1] : 0.0L;
}

// Runs filter(src, dst, n) over x in pieces cycling through `sizes`, in place
// or not, and checks every plan gives the first one's bits; returns those.
template <class Filter>
std::vector<Vdx32f> in_pieces(const std::vector<Vdx32f>& x, const std::vector<std::vector<int>>& plans, Filter make) {
    std::vector<Vdx32f> first;
    for (const auto& sizes : plans)
        for (bool in_place : {false, true}) {
            auto filter = make();
            std::vector<Vdx32f> y = x;
            const int len = static_cast<int>(x.size());
            for (int done = 0, k = 0; done < len; ++k) {
                const int n = std::min(len - done, sizes[k % sizes.size()]);
                EXPECT_EQ(filter((in_place ? y.data() : x.data()) + done, y.data() + done, n), vdxStsNoErr);
                done += n;
            }
            if (first.empty()) first = y;
            EXPECT_EQ(0, std::memcmp(y.data(), first.data(), sizeof(Vdx32f) * len))
                << "piece " << sizes[0] << " in place " << in_place;
        }
    return first;
}

TEST(SparseFir, MatchesTheDenseSumInAnyPieces) {
    const Taps layouts[] = {
        {{1.5f}, {0}},
        {{0.5f, -0.25f}, {3, 7}},
        {{0.1f, 0.2f, 0.3f, -0.4f, 0.5f}, {0, 1, 2, 3, 4}},
        {{1.0f, -0.5f, 0.25f, 0.125f}, {1, 50, 200, 999}},
        {{0.3f, -0.1f, 0.7f, 0.2f, -0.6f, 0.05f, 0.9f, -0.35f, 0.15f}, {2, 5, 9, 17, 18, 33, 64, 65, 100}},
    };
    const auto x = signal(3000, 1);
    for (const Taps& t : layouts)
        for (bool with_dly : {false, true}) {
            const int order = t.pos.back(), count = static_cast<int>(t.pos.size());
            SCOPED_TRACE(testing::Message() << "order " << order << " delay line " << with_dly);
            const auto dly = with_dly ? signal(order, 2) : std::vector<Vdx32f>{};
            int size = 0;
            ASSERT_EQ(vdxsFIRSparseGetStateSize_32f(count, std::max(order, 1), &size), vdxStsNoErr);
            std::vector<Vdx8u> mem;
            const std::vector<std::vector<int>> plans = {
                {3000}, {1}, {std::max(1, order - 1)}, {std::max(1, order)}, {order + 1}, {5, 300, 77, 1024}};
            const auto y = in_pieces(x, plans, [&] {
                mem.assign(size, 0);
                VdxsFIRSparseState_32f* s = nullptr;
                const Vdx32f* line = with_dly ? dly.data() : nullptr;
                EXPECT_EQ(vdxsFIRSparseInit_32f(&s, t.value.data(), t.pos.data(), count, line, mem.data()), vdxStsNoErr);
                return [s](const Vdx32f* src, Vdx32f* dst, int n) { return vdxsFIRSparse_32f(src, dst, n, s); };
            });
            for (int n = 0; n < 3000; ++n) {
                long double sum = 0, mag = 0;
                for (int k = 0; k < count; ++k) {
                    sum += t.value[k] * at(x, dly, n - t.pos[k]);
                    mag += std::fabs(t.value[k] * at(x, dly, n - t.pos[k]));
                }
                ASSERT_NEAR(y[n], sum, 6e-7 * mag) << n;
            }
        }
}

TEST(SparseIir, MatchesTheRecurrenceInAnyPieces) {
    const struct {
        Taps num, den;
    } layouts[] = {
        {{{1.0f}, {0}}, {{0.5f}, {1}}},
        {{{0.5f, 0.3f}, {0, 4}}, {{-0.4f, 0.2f}, {1, 3}}},
        {{{1.0f, -0.7f, 0.2f}, {2, 9, 40}}, {{0.3f, -0.2f, 0.1f, 0.05f, -0.05f}, {8, 16, 17, 30, 100}}},
        {{{0.25f}, {0}}, {{0.9f}, {1500}}},
    };
    const auto x = signal(4000, 5);
    for (const auto& f : layouts)
        for (bool with_dly : {false, true}) {
            const int p1 = f.num.pos.back(), p2 = f.den.pos.back();
            const int n1 = static_cast<int>(f.num.pos.size()), n2 = static_cast<int>(f.den.pos.size());
            SCOPED_TRACE(testing::Message() << "orders " << p1 << "/" << p2 << " delay line " << with_dly);
            const auto dly = with_dly ? signal(p1 + p2, 6) : std::vector<Vdx32f>{};
            std::vector<Vdx32f> taps = f.num.value, dly_in, dly_out;
            std::vector<int> pos = f.num.pos;
            taps.insert(taps.end(), f.den.value.begin(), f.den.value.end());
            pos.insert(pos.end(), f.den.pos.begin(), f.den.pos.end());
            if (with_dly) dly_in.assign(dly.begin(), dly.begin() + p1), dly_out.assign(dly.begin() + p1, dly.end());
            int size = 0;
            ASSERT_EQ(vdxsIIRSparseGetStateSize_32f(n1, n2, p1, p2, &size), vdxStsNoErr);
            std::vector<Vdx8u> mem;
            const auto y = in_pieces(x, {{4000}, {1}, {7, 1024, 1, 2000}, {p2 + 1}}, [&] {
                mem.assign(size, 0);
                VdxsIIRSparseState_32f* s = nullptr;
                const Vdx32f* line = with_dly ? dly.data() : nullptr;
                EXPECT_EQ(vdxsIIRSparseInit_32f(&s, taps.data(), pos.data(), n1, n2, line, mem.data()), vdxStsNoErr);
                return [s](const Vdx32f* src, Vdx32f* dst, int n) { return vdxsIIRSparse_32f(src, dst, n, s); };
            });
            std::vector<long double> out(4000);
            for (int n = 0; n < 4000; ++n) {
                long double sum = 0;
                for (int k = 0; k < n1; ++k) sum += f.num.value[k] * at(x, dly_in, n - f.num.pos[k]);
                for (int k = 0; k < n2; ++k) {
                    const int m = n - f.den.pos[k];
                    sum += f.den.value[k] * (m >= 0 ? out[m] : at({}, dly_out, m));
                }
                out[n] = sum;
                ASSERT_NEAR(y[n], sum, 2e-5 * (1 + std::fabs(sum))) << n;
            }
        }
}

TEST(Sparse, StatusesInOrder) {
    int size = 0;
    EXPECT_EQ(vdxsFIRSparseGetStateSize_32f(0, 5, &size), vdxStsFIRLenErr);
    EXPECT_EQ(vdxsFIRSparseGetStateSize_32f(2, 0, &size), vdxStsFIRLenErr);
    EXPECT_EQ(vdxsFIRSparseGetStateSize_32f(1, 2000000000, &size), vdxStsSizeErr);
    EXPECT_EQ(vdxsIIRSparseGetStateSize_32f(0, 1, 1, 1, &size), vdxStsIIROrderErr);
    EXPECT_EQ(vdxsIIRSparseGetStateSize_32f(1, -1, -1, 1, &size), vdxStsIIROrderErr);
    EXPECT_EQ(vdxsIIRSparseGetStateSize_32f(1, 0, -1, 1, &size), vdxStsSparseTapPosErr);
    EXPECT_EQ(vdxsIIRSparseGetStateSize_32f(1, 0, 0, -1, &size), vdxStsSparseTapPosErr);
    EXPECT_EQ(vdxsIIRSparseGetStateSize_32f(1, 0, 0, 0, &size), vdxStsNoErr);

    std::vector<Vdx8u> fir_mem(4096), iir_mem(65536);
    const Vdx32f taps[3] = {1, 2, 3};
    VdxsFIRSparseState_32f* fir = nullptr;
    VdxsIIRSparseState_32f* iir = nullptr;
    const struct {
        std::vector<int> pos;
        int n1, n2;  // n2 < 0: the FIR
        VdxStatus want;
    } inits[] = {{{0, 5, 5}, 3, -1, vdxStsSparseTapPosErr}, {{-1, 3}, 2, -1, vdxStsSparseTapPosErr},
                 {{4, 2}, 2, -1, vdxStsSparseTapPosErr},    {{0}, 0, -1, vdxStsFIRLenErr},
                 {{3, 7}, 2, -1, vdxStsNoErr},              {{0, 1}, 1, 0, vdxStsIIROrderErr},
                 {{0, 1}, 0, 2, vdxStsIIROrderErr},         {{0, 0}, 1, 1, vdxStsSparseTapPosErr},
                 {{-2, 1}, 1, 1, vdxStsSparseTapPosErr},    {{0, 3, 3}, 1, 2, vdxStsSparseTapPosErr},
                 {{1, 1, 4}, 2, 1, vdxStsSparseTapPosErr},  {{1, 1, 4}, 1, 2, vdxStsNoErr}};
    for (const auto& c : inits) {
        const int* pos = c.pos.data();
        if (c.n2 < 0) EXPECT_EQ(vdxsFIRSparseInit_32f(&fir, taps, pos, c.n1, nullptr, fir_mem.data()), c.want) << pos[0];
        else EXPECT_EQ(vdxsIIRSparseInit_32f(&iir, taps, pos, c.n1, c.n2, nullptr, iir_mem.data()), c.want) << pos[0];
    }
    // Filtering: the length (the fuzzer makes no sparse state), then a state of
    // the other kind or copied elsewhere; nothing written (pointers: fuzzer).
    Vdx32f x[4] = {1, 2, 3, 4}, y[4] = {9, 9, 9, 9};
    std::vector<Vdx8u> moved(iir_mem.size() + 32);  // a copy elsewhere is no state
    std::memcpy(moved.data() + 32, iir, 4096);
    EXPECT_EQ(vdxsFIRSparse_32f(x, y, 0, fir), vdxStsSizeErr);
    EXPECT_EQ(vdxsIIRSparse_32f(x, y, -1, iir), vdxStsSizeErr);
    EXPECT_EQ(vdxsFIRSparse_32f(x, y, 4, reinterpret_cast<VdxsFIRSparseState_32f*>(iir)), vdxStsContextMatchErr);
    EXPECT_EQ(vdxsIIRSparse_32f(x, y, 4, reinterpret_cast<VdxsIIRSparseState_32f*>(fir)), vdxStsContextMatchErr);
    auto* copy = reinterpret_cast<VdxsIIRSparseState_32f*>(moved.data() + 32);
    EXPECT_EQ(vdxsIIRSparse_32f(x, y, 4, copy), vdxStsContextMatchErr);
    for (Vdx32f v : y) EXPECT_EQ(v, 9);
    EXPECT_EQ(vdxsIIRSparse_32f(x, y, 4, iir), vdxStsNoErr);
}

}  // namespace
