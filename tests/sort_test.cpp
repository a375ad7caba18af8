// Sorting family, black box.  The radix forms order floats by IEEE 754
// totalOrder and match std::stable_sort, index vectors included; the
// comparison sorts are not stable: their output is checked for order, for
// being a permutation of the input and, with indices, for each value sitting
// where its index says it came from.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>
#include <ranges>
#include <vector>

#include "mismatches.h"
#include "vdxcore.h"
#include "vdxs.h"

namespace {

// The members for one element type, [0] ascending and [1] descending; the
// comparison sorts lack 32u and the radix index sorts 64f (null there).
template <class T>
struct Members {
    VdxStatus (*sort[2])(T*, int);
    VdxStatus (*sort_index[2])(T*, Vdx32s*, int);
    VdxStatus (*radix[2])(T*, T*, int);
    VdxStatus (*radix_index[2])(const T*, Vdx32s*, int);
};
#define VDX_SORT(c) {vdxsSortAscend_##c##_I, vdxsSortDescend_##c##_I}, {vdxsSortIndexAscend_##c##_I, vdxsSortIndexDescend_##c##_I}
#define VDX_RADIX(c) {vdxsSortRadixAscend_##c##_I, vdxsSortRadixDescend_##c##_I}
#define VDX_RADIX_INDEX(c) {vdxsSortRadixIndexAscend_##c, vdxsSortRadixIndexDescend_##c}
template <class T>
const Members<T> kMembers;
template <> const Members<Vdx8u> kMembers<Vdx8u> = {VDX_SORT(8u), VDX_RADIX(8u), VDX_RADIX_INDEX(8u)};
template <> const Members<Vdx16u> kMembers<Vdx16u> = {VDX_SORT(16u), VDX_RADIX(16u), VDX_RADIX_INDEX(16u)};
template <> const Members<Vdx16s> kMembers<Vdx16s> = {VDX_SORT(16s), VDX_RADIX(16s), VDX_RADIX_INDEX(16s)};
template <> const Members<Vdx32u> kMembers<Vdx32u> = {{}, {}, VDX_RADIX(32u), VDX_RADIX_INDEX(32u)};
template <> const Members<Vdx32s> kMembers<Vdx32s> = {VDX_SORT(32s), VDX_RADIX(32s), VDX_RADIX_INDEX(32s)};
template <> const Members<Vdx32f> kMembers<Vdx32f> = {VDX_SORT(32f), VDX_RADIX(32f), VDX_RADIX_INDEX(32f)};
template <> const Members<Vdx64f> kMembers<Vdx64f> = {VDX_SORT(64f), VDX_RADIX(64f), {}};
#undef VDX_SORT
#undef VDX_RADIX
#undef VDX_RADIX_INDEX

// IEEE 754 totalOrder for floats, the value order for integers.
template <class T>
bool total_less(T a, T b) {
    if constexpr (std::is_floating_point_v<T>) {
        const bool na = std::signbit(a), nb = std::signbit(b);
        if (na != nb) return na;
        const std::uint64_t sign = std::uint64_t{1} << (8 * sizeof(T) - 1);
        const std::uint64_t ma = bits_of(a) & ~sign, mb = bits_of(b) & ~sign;
        return na ? mb < ma : ma < mb;
    } else {
        return a < b;
    }
}

std::mt19937_64 rng{0x5027ED};

// Test vectors by pattern.  Random floats draw from every exponent;
// "specials" adds the type's edge values (NaNs of both signs with payloads).
enum class Pattern { random, specials, narrow, top_digit, few, sorted, reversed, equal, organ_pipe, mostly_largest, count };
const auto kAllPatterns = std::views::iota(0, int(Pattern::count)) | std::views::transform([](int p) { return Pattern(p); });

template <class T>
T random_element(bool specials) {
    using Limits = std::numeric_limits<T>;
    if constexpr (std::is_floating_point_v<T>) {
        const T edge[] = {T(0),           -T(0),         Limits::infinity(), -Limits::infinity(), Limits::denorm_min(),
                          -Limits::denorm_min(), Limits::max(), Limits::lowest(), Limits::quiet_NaN(), -Limits::quiet_NaN()};
        if (specials && rng() % 4 == 0) {
            const T e = edge[rng() % std::size(edge)];
            return std::isnan(e) ? from_bits<T>(bits_of(e) | (rng() & 0xFFFF)) : e;
        }
        T v;
        do v = from_bits<T>(rng());
        while (!std::isfinite(v));
        return v;
    } else {
        const T edge[] = {Limits::min(), Limits::max(), T(0), T(1), T(-1)};
        return specials && rng() % 4 == 0 ? edge[rng() % std::size(edge)] : from_bits<T>(rng());
    }
}

template <class T>
std::vector<T> make_vector(Pattern p, int len) {
    std::vector<T> v(len);
    for (int i = 0; i < len; ++i) {
        switch (p) {
            case Pattern::narrow: v[i] = T(rng() % 200); break;  // only the lowest digit moves
            case Pattern::top_digit: v[i] = from_bits<T>((rng() % 7) << (8 * sizeof(T) - 3)); break;
            case Pattern::few: v[i] = T(int(rng() % 5) - 2); break;
            case Pattern::organ_pipe: v[i] = T(std::min(i, len - i) % 100); break;
            case Pattern::mostly_largest: v[i] = rng() % 64 ? T(100) : T(rng() % 100); break;
            default: v[i] = random_element<T>(p == Pattern::specials);
        }
    }
    if (p == Pattern::sorted) std::sort(v.begin(), v.end(), total_less<T>);
    if (p == Pattern::reversed) std::sort(v.begin(), v.end(), [](T a, T b) { return total_less(b, a); });
    if (p == Pattern::equal) std::fill(v.begin(), v.end(), v[0]);
    return v;
}

const int kLengths[] = {1, 2, 3, 8, 9, 10, 11, 17, 100, 257, 1000, 8191, 8192, 8193, 30011};

template <class T>
bool is_nan(T v) { return v != v; }

// out is in reordered by a comparison sort: a permutation of in (bit for bit),
// the numbers in order, the NaNs last ascending and first descending; each
// value where its index (a permutation of 0 .. len-1) says it came from.
template <class T>
void expect_comparison_sorted(const std::vector<T>& in, const std::vector<T>& out, bool descend,
                              const std::vector<Vdx32s>* index = nullptr) {
    auto by_bits = [](std::vector<T> v) {
        std::sort(v.begin(), v.end(), [](T a, T b) { return bits_of(a) < bits_of(b); });
        return v;
    };
    ASSERT_TRUE(std::ranges::equal(by_bits(in), by_bits(out), same_bits<T>)) << "not a permutation";
    const int len = int(out.size()), nans = int(std::ranges::count_if(in, is_nan<T>));
    const int first = descend ? nans : 0, last = first + len - nans;
    for (int i = 0; i < len; ++i) ASSERT_EQ(is_nan(out[i]), i < first || i >= last) << "NaN misplaced at " << i;
    for (int i = first + 1; i < last; ++i)
        ASSERT_FALSE(descend ? out[i - 1] < out[i] : out[i] < out[i - 1]) << "out of order at " << i;
    if (!index) return;
    std::vector<char> seen(len, 0);
    for (int i = 0; i < len; ++i) {
        const Vdx32s k = (*index)[i];
        ASSERT_TRUE(k >= 0 && k < len && !seen[k] && same_bits(out[i], in[k])) << "index at " << i;
        seen[k] = 1;
    }
}

// The radix order: stable, by totalOrder, reversed for descending.
template <class T>
std::vector<Vdx32s> stable_order(const std::vector<T>& in, bool descend) {
    std::vector<Vdx32s> order(in.size());
    std::iota(order.begin(), order.end(), 0);
    std::ranges::stable_sort(order, [&](Vdx32s a, Vdx32s b) {
        return descend ? total_less(in[b], in[a]) : total_less(in[a], in[b]);
    });
    return order;
}

struct ThreadScope {
    explicit ThreadScope(int n) { vdxcoreSetNumThreads(n); }
    ~ThreadScope() { vdxcoreSetNumThreads(0); }
};

template <class T>
class Sorting : public ::testing::Test {};
template <class T>
class ComparisonSorting : public ::testing::Test {};
using AllTypes = ::testing::Types<Vdx8u, Vdx16u, Vdx16s, Vdx32u, Vdx32s, Vdx32f, Vdx64f>;
using ComparisonTypes = ::testing::Types<Vdx8u, Vdx16u, Vdx16s, Vdx32s, Vdx32f, Vdx64f>;  // no 32u
TYPED_TEST_SUITE(Sorting, AllTypes);
TYPED_TEST_SUITE(ComparisonSorting, ComparisonTypes);

// ---- comparison sorts

TYPED_TEST(ComparisonSorting, OrdersEveryPatternAndLength) {
    const auto& M = kMembers<TypeParam>;
    for (Pattern p : kAllPatterns) {
        for (int len : kLengths) {
            const auto in = make_vector<TypeParam>(p, len);
            for (int o = 0; o < 2; ++o) {
                SCOPED_TRACE(::testing::Message() << "pattern " << int(p) << " len " << len << " order " << o);
                auto out = in, with_index = in;
                std::vector<Vdx32s> index(len, -1);
                ASSERT_EQ(M.sort[o](out.data(), len), vdxStsNoErr);
                ASSERT_EQ(M.sort_index[o](with_index.data(), index.data(), len), vdxStsNoErr);
                expect_comparison_sorted(in, out, o == 1);
                expect_comparison_sorted(in, with_index, o == 1, &index);
            }
        }
    }
}

// ---- radix sorts

// Values and indices against the stable reference for 1..3 threads (index
// forms run on one thread), the vectors between guard elements.
TYPED_TEST(Sorting, RadixMatchesStableReferenceForAnyThreadCount) {
    using T = TypeParam;
    const auto& M = kMembers<T>;
    constexpr int guard = 8;
    const T poison = from_bits<T>(0xA5A5A5A5A5A5A5A5ull);
    auto guarded = [&](const std::vector<T>& body, int len) {
        std::vector<T> g(len + 2 * guard, poison);
        std::ranges::copy(body, g.begin() + guard);
        return g;
    };
    for (Pattern p : kAllPatterns) {
        for (int len : kLengths) {
            const std::vector<T> in = make_vector<T>(p, len);
            for (int o = 0; o < 2; ++o) {
                const std::vector<Vdx32s> order = stable_order(in, o == 1);
                std::vector<T> expect(len);
                for (int i = 0; i < len; ++i) expect[i] = in[order[i]];
                for (int threads : {1, 2, 3}) {
                    SCOPED_TRACE(::testing::Message()
                                 << "pattern " << int(p) << " len " << len << " order " << o << " threads " << threads);
                    ThreadScope scope(threads);
                    std::vector<T> v = guarded(in, len), buf = guarded({}, len);
                    ASSERT_EQ(M.radix[o](v.data() + guard, buf.data() + guard, len), vdxStsNoErr);
                    ASSERT_TRUE(std::ranges::equal(v, guarded(expect, len), same_bits<T>));
                    const int untouched = sizeof(T) == 1 ? len + 2 * guard : guard;  // 8-bit: no buffer needed
                    for (int i = 0; i < untouched; ++i)
                        ASSERT_TRUE(same_bits(buf[i], poison) && same_bits(buf.rbegin()[i], poison));
                    if (!M.radix_index[o] || threads > 1) continue;
                    const std::vector<T> src = in;
                    std::vector<Vdx32s> index(len + 2, -9);
                    ASSERT_EQ(M.radix_index[o](src.data(), index.data() + 1, len), vdxStsNoErr);
                    ASSERT_TRUE(std::equal(order.begin(), order.end(), index.begin() + 1));
                    ASSERT_TRUE(index.front() == -9 && index.back() == -9);
                }
            }
        }
    }
}

}  // namespace
