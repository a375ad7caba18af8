// Sparse FIR against a dense sum in long double and sparse IIR against the
// per-sample recurrence, over tap layouts (one tap, a few spread wide, a
// dense run, more than one group of four), delay lines, and streams cut in
// pieces shorter than, equal to and longer than the order (bit for bit the
// one-call result), in place and out of place; then the statuses.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <vector>

#include "vdxs.h"

namespace {

struct Taps {
    std::vector<Vdx32f> value;
    std::vector<int> pos;
};

const Taps kFirLayouts[] = {
    {{1.5f}, {0}},
    {{0.5f, -0.25f}, {3, 7}},
    {{0.1f, 0.2f, 0.3f, -0.4f, 0.5f}, {0, 1, 2, 3, 4}},
    {{1.0f, -0.5f, 0.25f, 0.125f}, {1, 50, 200, 999}},
    {{0.3f, -0.1f, 0.7f, 0.2f, -0.6f, 0.05f, 0.9f, -0.35f, 0.15f}, {2, 5, 9, 17, 18, 33, 64, 65, 100}},
};

std::vector<Vdx32f> signal(int len, unsigned seed) {
    std::mt19937 gen(seed);
    std::uniform_real_distribution<float> d(-1.0f, 1.0f);
    std::vector<Vdx32f> x(len);
    for (auto& v : x) v = d(gen);
    return x;
}

// Inputs before time 0 come from the delay line, newest first.
long double past(const std::vector<Vdx32f>& x, const std::vector<Vdx32f>& dly, int n) {
    if (n >= 0) return x[n];
    const int back = -n - 1;
    return back < static_cast<int>(dly.size()) ? dly[back] : 0.0L;
}

// Pieces: lengths that cycle through the given sizes.
std::vector<int> cuts(int total, std::vector<int> sizes) {
    std::vector<int> out;
    for (int at = 0, k = 0; at < total; ++k) {
        const int n = std::min(total - at, sizes[k % sizes.size()]);
        out.push_back(n);
        at += n;
    }
    return out;
}

VdxsFIRSparseState_32f* fir_state(const Taps& t, const Vdx32f* dly, std::vector<Vdx8u>& mem) {
    int size = 0;
    const int n = static_cast<int>(t.value.size());
    EXPECT_EQ(vdxsFIRSparseGetStateSize_32f(n, std::max(1, t.pos.back()), &size), vdxStsNoErr);
    mem.assign(size, 0);
    VdxsFIRSparseState_32f* s = nullptr;
    EXPECT_EQ(vdxsFIRSparseInit_32f(&s, t.value.data(), t.pos.data(), n, dly, mem.data()), vdxStsNoErr);
    return s;
}

TEST(SparseFir, MatchesTheDenseSumInAnyPieces) {
    const int kLen = 3000;
    const auto x = signal(kLen, 1);
    for (const Taps& t : kFirLayouts)
        for (bool with_dly : {false, true}) {
            const int order = t.pos.back();
            const auto dly = with_dly ? signal(order, 2) : std::vector<Vdx32f>{};
            // The sum and the sum of magnitudes of its terms (the error bound's scale).
            std::vector<long double> want(kLen), mag(kLen);
            for (int n = 0; n < kLen; ++n)
                for (size_t k = 0; k < t.value.size(); ++k) {
                    const long double term = t.value[k] * past(x, dly, n - t.pos[k]);
                    want[n] += term;
                    mag[n] += std::fabs(term);
                }
            std::vector<Vdx32f> first;
            const std::vector<std::vector<int>> plans = {
                {kLen}, {1}, {std::max(1, order - 1)}, {std::max(1, order)}, {order + 1}, {5, 300, 1, 77, 1024}};
            for (const auto& plan : plans)
                for (bool in_place : {false, true}) {
                    SCOPED_TRACE(testing::Message() << "order " << order << " dly " << with_dly << " piece "
                                                    << plan[0] << " in place " << in_place);
                    std::vector<Vdx8u> mem;
                    VdxsFIRSparseState_32f* s = fir_state(t, with_dly ? dly.data() : nullptr, mem);
                    std::vector<Vdx32f> y = x;
                    int at = 0;
                    for (int n : cuts(kLen, plan)) {
                        const Vdx32f* src = in_place ? y.data() + at : x.data() + at;
                        ASSERT_EQ(vdxsFIRSparse_32f(src, y.data() + at, n, s), vdxStsNoErr);
                        at += n;
                    }
                    if (first.empty()) {
                        first = y;
                        for (int n = 0; n < kLen; ++n) ASSERT_NEAR(y[n], want[n], 6e-7 * mag[n]) << n;
                    } else {
                        ASSERT_EQ(0, std::memcmp(y.data(), first.data(), sizeof(Vdx32f) * kLen));
                    }
                }
        }
}

TEST(SparseFir, OneTapAtZeroScales) {
    const Taps t{{-2.0f}, {0}};
    std::vector<Vdx8u> mem;
    VdxsFIRSparseState_32f* s = fir_state(t, nullptr, mem);
    const std::vector<Vdx32f> x = {1, -3, 0.5f, 8};
    std::vector<Vdx32f> y(4);
    ASSERT_EQ(vdxsFIRSparse_32f(x.data(), y.data(), 4, s), vdxStsNoErr);
    EXPECT_EQ(y, (std::vector<Vdx32f>{-2, 6, -1, -16}));
}

// ---------------------------------------------------------------- IIR

struct Iir {
    Taps num, den;
};

const Iir kIirLayouts[] = {
    {{{1.0f}, {0}}, {{0.5f}, {1}}},
    {{{0.5f, 0.3f}, {0, 4}}, {{-0.4f, 0.2f}, {1, 3}}},
    {{{1.0f, -0.7f, 0.2f}, {2, 9, 40}}, {{0.3f, -0.2f, 0.1f, 0.05f, -0.05f}, {8, 16, 17, 30, 100}}},
    {{{0.25f}, {0}}, {{0.9f}, {1500}}},
};

TEST(SparseIir, MatchesTheRecurrenceInAnyPieces) {
    const int kLen = 4000;
    const auto x = signal(kLen, 5);
    for (const Iir& f : kIirLayouts)
        for (bool with_dly : {false, true}) {
            const int p1 = f.num.pos.back(), p2 = f.den.pos.back();
            const auto dly = with_dly ? signal(p1 + p2, 6) : std::vector<Vdx32f>{};
            const std::vector<Vdx32f> dly_in(dly.begin(), dly.begin() + (with_dly ? p1 : 0));
            const std::vector<Vdx32f> dly_out(dly.begin() + (with_dly ? p1 : 0), dly.end());
            std::vector<long double> want(kLen);
            auto y_at = [&](int n) { return n >= 0 ? want[n] : past({}, dly_out, n); };
            for (int n = 0; n < kLen; ++n) {
                long double sum = 0;
                for (size_t k = 0; k < f.num.value.size(); ++k) sum += f.num.value[k] * past(x, dly_in, n - f.num.pos[k]);
                for (size_t k = 0; k < f.den.value.size(); ++k) sum += f.den.value[k] * y_at(n - f.den.pos[k]);
                want[n] = sum;
            }
            std::vector<Vdx32f> first;
            const std::vector<std::vector<int>> plans = {{kLen}, {1}, {7, 1024, 1, 2000}, {p2 + 1}};
            for (const auto& plan : plans)
                for (bool in_place : {false, true}) {
                    SCOPED_TRACE(testing::Message() << "orders " << p1 << "/" << p2 << " dly " << with_dly
                                                    << " piece " << plan[0] << " in place " << in_place);
                    std::vector<Vdx32f> taps = f.num.value;
                    taps.insert(taps.end(), f.den.value.begin(), f.den.value.end());
                    std::vector<int> pos = f.num.pos;
                    pos.insert(pos.end(), f.den.pos.begin(), f.den.pos.end());
                    const int n1 = static_cast<int>(f.num.value.size()), n2 = static_cast<int>(f.den.value.size());
                    int size = 0;
                    ASSERT_EQ(vdxsIIRSparseGetStateSize_32f(n1, n2, p1, p2, &size), vdxStsNoErr);
                    std::vector<Vdx8u> mem(size);
                    VdxsIIRSparseState_32f* s = nullptr;
                    ASSERT_EQ(vdxsIIRSparseInit_32f(&s, taps.data(), pos.data(), n1, n2,
                                                    with_dly ? dly.data() : nullptr, mem.data()),
                              vdxStsNoErr);
                    std::vector<Vdx32f> y = x;
                    int at = 0;
                    for (int n : cuts(kLen, plan)) {
                        const Vdx32f* src = in_place ? y.data() + at : x.data() + at;
                        ASSERT_EQ(vdxsIIRSparse_32f(src, y.data() + at, n, s), vdxStsNoErr);
                        at += n;
                    }
                    if (first.empty()) {
                        first = y;
                        for (int n = 0; n < kLen; ++n) ASSERT_NEAR(y[n], want[n], 2e-5 * (1 + std::fabs(want[n]))) << n;
                    } else {
                        ASSERT_EQ(0, std::memcmp(y.data(), first.data(), sizeof(Vdx32f) * kLen));
                    }
                }
        }
}

// ---------------------------------------------------------------- statuses

TEST(Sparse, StatusesInOrder) {
    int size = 0;
    EXPECT_EQ(vdxsFIRSparseGetStateSize_32f(1, 1, nullptr), vdxStsNullPtrErr);
    EXPECT_EQ(vdxsFIRSparseGetStateSize_32f(0, 5, &size), vdxStsFIRLenErr);
    EXPECT_EQ(vdxsFIRSparseGetStateSize_32f(2, 0, &size), vdxStsFIRLenErr);
    EXPECT_EQ(vdxsFIRSparseGetStateSize_32f(1, 2000000000, &size), vdxStsSizeErr);
    EXPECT_EQ(vdxsIIRSparseGetStateSize_32f(1, 1, 1, 1, nullptr), vdxStsNullPtrErr);
    EXPECT_EQ(vdxsIIRSparseGetStateSize_32f(0, 1, 1, 1, &size), vdxStsIIROrderErr);
    EXPECT_EQ(vdxsIIRSparseGetStateSize_32f(1, -1, -1, 1, &size), vdxStsIIROrderErr);
    EXPECT_EQ(vdxsIIRSparseGetStateSize_32f(1, 0, -1, 1, &size), vdxStsSparseTapPosErr);
    EXPECT_EQ(vdxsIIRSparseGetStateSize_32f(1, 0, 0, -1, &size), vdxStsSparseTapPosErr);
    EXPECT_EQ(vdxsIIRSparseGetStateSize_32f(1, 0, 0, 0, &size), vdxStsNoErr);

    std::vector<Vdx8u> mem(4096);
    const Vdx32f taps[3] = {1, 2, 3};
    struct FirCase {
        std::vector<int> pos;
        int n;
        VdxStatus want;
    };
    const FirCase fir_cases[] = {
        {{0, 5, 5}, 3, vdxStsSparseTapPosErr}, {{-1, 3}, 2, vdxStsSparseTapPosErr},
        {{4, 2}, 2, vdxStsSparseTapPosErr},    {{0}, 0, vdxStsFIRLenErr},
        {{3, 7}, 2, vdxStsNoErr},
    };
    VdxsFIRSparseState_32f* fir = nullptr;
    for (const FirCase& c : fir_cases) {
        EXPECT_EQ(vdxsFIRSparseInit_32f(&fir, taps, c.pos.data(), c.n, nullptr, mem.data()), c.want) << c.pos[0];
        EXPECT_EQ(vdxsFIRSparseInit_32f(&fir, taps, nullptr, c.n, nullptr, mem.data()), vdxStsNullPtrErr);
    }
    EXPECT_EQ(vdxsFIRSparseInit_32f(nullptr, taps, fir_cases[4].pos.data(), 2, nullptr, mem.data()), vdxStsNullPtrErr);
    EXPECT_EQ(vdxsFIRSparseInit_32f(&fir, taps, fir_cases[4].pos.data(), 2, nullptr, nullptr), vdxStsNullPtrErr);

    struct IirCase {
        std::vector<int> pos;
        int n1, n2;
        VdxStatus want;
    };
    const IirCase iir_cases[] = {
        {{0, 1}, 1, 0, vdxStsIIROrderErr},      {{0, 1}, 0, 2, vdxStsIIROrderErr},
        {{0, 0}, 1, 1, vdxStsSparseTapPosErr},  {{-2, 1}, 1, 1, vdxStsSparseTapPosErr},
        {{0, 3, 3}, 1, 2, vdxStsSparseTapPosErr}, {{1, 1, 4}, 2, 1, vdxStsSparseTapPosErr},
        {{1, 1, 4}, 1, 2, vdxStsNoErr},
    };
    std::vector<Vdx8u> iir_mem(65536);
    VdxsIIRSparseState_32f* iir = nullptr;
    for (const IirCase& c : iir_cases)
        EXPECT_EQ(vdxsIIRSparseInit_32f(&iir, taps, c.pos.data(), c.n1, c.n2, nullptr, iir_mem.data()), c.want)
            << c.n1 << " " << c.n2;

    // Filtering: pointers, length, then the state's identity; nothing written.
    Vdx32f x[4] = {1, 2, 3, 4}, y[4] = {9, 9, 9, 9};
    EXPECT_EQ(vdxsFIRSparse_32f(nullptr, y, 0, fir), vdxStsNullPtrErr);
    EXPECT_EQ(vdxsFIRSparse_32f(x, nullptr, 4, fir), vdxStsNullPtrErr);
    EXPECT_EQ(vdxsFIRSparse_32f(x, y, 4, nullptr), vdxStsNullPtrErr);
    EXPECT_EQ(vdxsFIRSparse_32f(x, y, 0, fir), vdxStsSizeErr);
    EXPECT_EQ(vdxsFIRSparse_32f(x, y, 4, reinterpret_cast<VdxsFIRSparseState_32f*>(iir)), vdxStsContextMatchErr);
    EXPECT_EQ(vdxsIIRSparse_32f(x, y, 4, reinterpret_cast<VdxsIIRSparseState_32f*>(fir)), vdxStsContextMatchErr);
    EXPECT_EQ(vdxsIIRSparse_32f(x, y, -1, iir), vdxStsSizeErr);
    for (Vdx32f v : y) EXPECT_EQ(v, 9);
    // A copy of a state elsewhere is not a state.
    std::vector<Vdx8u> moved(iir_mem.size() + 32);
    std::memcpy(moved.data() + 32, iir, 4096);
    EXPECT_EQ(vdxsIIRSparse_32f(x, y, 4, reinterpret_cast<VdxsIIRSparseState_32f*>(moved.data() + 32)),
              vdxStsContextMatchErr);
    EXPECT_EQ(vdxsIIRSparse_32f(x, y, 4, iir), vdxStsNoErr);
}

TEST(SparseIir, StatedExample) {
    const Vdx32f taps[2] = {1.0f, 0.5f};
    const int pos[2] = {0, 1};
    int size = 0;
    ASSERT_EQ(vdxsIIRSparseGetStateSize_32f(1, 1, 0, 1, &size), vdxStsNoErr);
    std::vector<Vdx8u> mem(size);
    VdxsIIRSparseState_32f* s = nullptr;
    ASSERT_EQ(vdxsIIRSparseInit_32f(&s, taps, pos, 1, 1, nullptr, mem.data()), vdxStsNoErr);
    const Vdx32f x[5] = {4, 0, 0, 2, 0};
    Vdx32f y[5];
    ASSERT_EQ(vdxsIIRSparse_32f(x, y, 5, s), vdxStsNoErr);
    const Vdx32f want[5] = {4, 2, 1, 2.5f, 1.25f};
    for (int n = 0; n < 5; ++n) EXPECT_EQ(y[n], want[n]);
}

}  // namespace
