// The median filter against the window median by std::nth_element, over
// every type, lengths on both sides of the vector and block sizes, masks of
// the networks and of the sorted window, odd and even, in place and out of
// place; plus the statuses and the rules for short inputs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include "guarded_memory.h"
#include "vdxs.h"

namespace {

template <class T>
struct Api;
#define API(T, suffix)                                                                             \
    template <>                                                                                    \
    struct Api<T> {                                                                                \
        static VdxStatus out(const T* s, T* d, int len, int m) { return vdxsFilterMedian_##suffix(s, d, len, m); } \
        static VdxStatus in(T* sd, int len, int m) { return vdxsFilterMedian_##suffix##_I(sd, len, m); }        \
    };
API(Vdx8u, 8u)
API(Vdx16s, 16s)
API(Vdx32s, 32s)
API(Vdx32f, 32f)
API(Vdx64f, 64f)
#undef API

// Output i is the median of the window of radius min(h, i, len-1-i).
template <class T>
std::vector<T> reference(const std::vector<T>& x, int mask) {
    const int len = static_cast<int>(x.size()), h = (mask - 1) / 2;
    std::vector<T> y(len);
    for (int i = 0; i < len; ++i) {
        const int r = std::min({h, i, len - 1 - i});
        std::vector<T> w(x.begin() + i - r, x.begin() + i + r + 1);
        std::nth_element(w.begin(), w.begin() + r, w.end());
        y[i] = w[r];
    }
    return y;
}

// Values with many repeats (ties inside windows) for the integer types, and
// spread over the type's range.
template <class T>
std::vector<T> signal(int len, unsigned seed) {
    std::mt19937 gen(seed);
    std::vector<T> x(len);
    for (auto& v : x) {
        const int k = static_cast<int>(gen() % 61) - 30;
        if constexpr (std::is_same_v<T, Vdx8u>) v = static_cast<T>(128 + 4 * k);
        else if constexpr (std::is_floating_point_v<T>) v = static_cast<T>(k * 0.37 + (gen() % 7) * 1e-3);
        else v = static_cast<T>(k * (std::is_same_v<T, Vdx32s> ? 70001 : 1000));
    }
    return x;
}

const int kLens[] = {1, 2, 3, 4, 5, 6, 8, 9, 10, 17, 31, 33, 64, 100, 2050, 4500};
const int kMasks[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 31, 101, 1000000};

template <class T>
void check_every_form() {
    for (int len : kLens)
        for (int mask : kMasks)
            for (int offset : {0, 1, 3}) {
                SCOPED_TRACE(testing::Message() << "len " << len << " mask " << mask << " offset " << offset);
                const auto x = signal<T>(len, len * 31 + mask);
                const auto want = reference(x, mask);
                const VdxStatus expected = mask % 2 == 0 ? vdxStsEvenMedianMaskSize : vdxStsNoErr;
                // out of place, at an offset from alignment, with guards around pDst
                Guarded dst(sizeof(T) * len, sizeof(T) * offset);
                std::vector<T> src_copy = x;
                ASSERT_EQ(Api<T>::out(src_copy.data(), dst.as<T>(), len, mask), expected);
                ASSERT_TRUE(dst.guards_intact());
                ASSERT_EQ(src_copy, x) << "the source is read only";
                ASSERT_EQ(0, std::memcmp(dst.as<T>(), want.data(), sizeof(T) * len));
                // in place
                Guarded io(sizeof(T) * len, sizeof(T) * offset);
                std::memcpy(io.as<T>(), x.data(), sizeof(T) * len);
                ASSERT_EQ(Api<T>::in(io.as<T>(), len, mask), expected);
                ASSERT_TRUE(io.guards_intact());
                ASSERT_EQ(0, std::memcmp(io.as<T>(), want.data(), sizeof(T) * len));
            }
}

TEST(Median, MatchesTheWindowMedian8u) { check_every_form<Vdx8u>(); }
TEST(Median, MatchesTheWindowMedian16s) { check_every_form<Vdx16s>(); }
TEST(Median, MatchesTheWindowMedian32s) { check_every_form<Vdx32s>(); }
TEST(Median, MatchesTheWindowMedian32f) { check_every_form<Vdx32f>(); }
TEST(Median, MatchesTheWindowMedian64f) { check_every_form<Vdx64f>(); }

// Extreme values, where a median formed by arithmetic rather than by
// comparisons would overflow or lose bits.
TEST(Median, KeepsTheTypeExtremes) {
    const std::vector<Vdx32s> x = {INT32_MIN, INT32_MAX, INT32_MIN, INT32_MAX, INT32_MAX, INT32_MIN, 5,
                                   INT32_MIN, INT32_MAX, INT32_MAX, -7, INT32_MIN, INT32_MAX};
    for (int mask : {3, 5, 7, 9, 11}) {
        std::vector<Vdx32s> y(x.size());
        ASSERT_EQ(vdxsFilterMedian_32s(x.data(), y.data(), static_cast<int>(x.size()), mask), vdxStsNoErr);
        EXPECT_EQ(y, reference(x, mask)) << "mask " << mask;
    }
}

TEST(Median, ThreePointRules) {
    // An impulse of one sample goes, a step stays.
    std::vector<Vdx32f> impulse = {1, 1, 1, 9, 1, 1};
    ASSERT_EQ(vdxsFilterMedian_32f_I(impulse.data(), 6, 3), vdxStsNoErr);
    EXPECT_EQ(impulse, (std::vector<Vdx32f>{1, 1, 1, 1, 1, 1}));
    std::vector<Vdx16s> step = {0, 0, 0, 5, 5, 5};
    ASSERT_EQ(vdxsFilterMedian_16s_I(step.data(), 6, 3), vdxStsNoErr);
    EXPECT_EQ(step, (std::vector<Vdx16s>{0, 0, 0, 5, 5, 5}));
    // Length 3 with a mask of 9 is the three-point median; mask 4 filters as 3.
    std::vector<Vdx32s> three = {7, -2, 4};
    ASSERT_EQ(vdxsFilterMedian_32s_I(three.data(), 3, 9), vdxStsNoErr);
    EXPECT_EQ(three, (std::vector<Vdx32s>{7, 4, 4}));
    std::vector<Vdx8u> even = {3, 9, 1, 8, 2}, odd = even;
    EXPECT_EQ(vdxsFilterMedian_8u_I(even.data(), 5, 4), vdxStsEvenMedianMaskSize);
    EXPECT_EQ(vdxsFilterMedian_8u_I(odd.data(), 5, 3), vdxStsNoErr);
    EXPECT_EQ(even, odd);
}

TEST(Median, StatusesWriteNothing) {
    std::vector<Vdx64f> src(8, 1.0), dst(8, -5.0);
    const std::vector<Vdx64f> untouched = dst;
    struct Case {
        const Vdx64f* s;
        Vdx64f* d;
        int len, mask;
        VdxStatus want;
    };
    const Case cases[] = {
        {nullptr, dst.data(), 8, 3, vdxStsNullPtrErr}, {src.data(), nullptr, 8, 3, vdxStsNullPtrErr},
        {nullptr, dst.data(), 0, 0, vdxStsNullPtrErr}, {src.data(), dst.data(), 0, 3, vdxStsSizeErr},
        {src.data(), dst.data(), -4, 3, vdxStsSizeErr}, {src.data(), dst.data(), 8, 0, vdxStsSizeErr},
        {src.data(), dst.data(), 8, -3, vdxStsSizeErr},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(vdxsFilterMedian_64f(c.s, c.d, c.len, c.mask), c.want) << c.len << " " << c.mask;
        if (c.s != nullptr && c.d != nullptr) {
            EXPECT_EQ(vdxsFilterMedian_64f_I(c.d, c.len, c.mask), c.want) << c.len << " " << c.mask;
        }
        EXPECT_EQ(dst, untouched);
    }
    EXPECT_EQ(vdxsFilterMedian_64f_I(nullptr, 8, 3), vdxStsNullPtrErr);
}

}  // namespace
