// The comparison sorts: Sort and SortIndex, ascending and descending.
//
// One quicksort serves every member; a member is a row (element type) in the
// table at the end.  The sort needs no memory beyond its frame and never
// recurses:
//   - a range of at most 9 elements is finished by selection: the largest
//     element of the unsorted prefix (the first one in position order on
//     ties) is swapped with the last unsorted position, until one element is
//     left;
//   - a longer range is split around the median of its first, middle
//     (first + size/2) and last elements, after ordering those three in
//     place.  The left cursor skips elements not after the pivot, the right
//     cursor elements after it, and the pairs where both stop are swapped;
//     when the cursors meet, the left side holds the elements not after the
//     pivot and the right side the others.  The run of pivot copies that
//     ends the left side is left out of it (elements right of the meeting
//     point are all after the pivot, so that side has no such run);
//   - the smaller side is sorted next and the larger one waits on a stack of
//     32 ranges; a side of one element is dropped.  Each waiting range is at
//     least as long as the one sorted before it, so the stack never holds
//     more than log2(len) ranges.
// Descending order mirrors every comparison ("after" means smaller).
//
// Floats: NaNs compare false both ways, which a partition cannot order, so
// they are moved out first (to the end ascending, to the front descending)
// and the quicksort sees numbers only.  -0 and +0 compare equal.
//
// SortIndex fills the index vector with 0 .. len-1 and gives it every move of
// the values.  Neither sort is stable.
#include <cmath>
#include <utility>

#include "abi/api.h"
#include "runtime/checks.h"
#include "numeric/types.h"

namespace {

enum class Order { ascend, descend };

// a strictly before b in the order.
template <Order O, class T>
inline bool before(T a, T b) noexcept {
    if constexpr (O == Order::ascend) {
        return a < b;
    } else {
        return b < a;
    }
}

// The vector and, for SortIndex, the index vector, moved together.
template <class T, bool Indexed>
struct Items {
    T* v;
    Vdx32s* x;

    void swap(int i, int j) const noexcept {
        std::swap(v[i], v[j]);
        if constexpr (Indexed) std::swap(x[i], x[j]);
    }
};

constexpr int kSelectionMax = 9;
constexpr int kStackRanges = 32;

// [lo, hi] holds at most kSelectionMax elements.  The largest of each
// prefix is searched along two chains, even and odd offsets from lo, so
// that two comparisons are in flight at once; joining them keeps the
// first maximum in position order.
template <Order O, class T, bool I>
inline void selection_sort(const Items<T, I>& s, int lo, int hi) noexcept {
    T* v = s.v;
    for (int last = hi; last > lo; --last) {
        int m0 = lo, m1 = lo + 1;
        T v0 = v[lo], v1 = v[lo + 1];
        int k = lo + 2;
        for (; k < last; k += 2) {
            const T c0 = v[k], c1 = v[k + 1];
            const bool later0 = before<O>(v0, c0), later1 = before<O>(v1, c1);
            m0 = later0 ? k : m0;
            v0 = later0 ? c0 : v0;
            m1 = later1 ? k + 1 : m1;
            v1 = later1 ? c1 : v1;
        }
        if (k == last) {
            const T c0 = v[k];
            const bool later0 = before<O>(v0, c0);
            m0 = later0 ? k : m0;
            v0 = later0 ? c0 : v0;
        }
        const bool odd = before<O>(v0, v1) || (!before<O>(v1, v0) && m1 < m0);
        const int m = odd ? m1 : m0;
        const T mv = odd ? v1 : v0;
        v[m] = v[last];
        v[last] = mv;
        if constexpr (I) std::swap(s.x[m], s.x[last]);
    }
}

// The cursors' search in blocks: the elements after the pivot in the next
// kBlock positions on the left and those not after it in the next kBlock on
// the right are noted first (without a branch per element), then swapped in
// pairs, the k-th found on the left with the k-th found on the right, which
// are exactly the pairs the cursors would stop at.  Works while the two
// blocks cannot overlap, then leaves the cursors at the first offenders not
// yet paired (or at the first position not yet looked at).
constexpr int kBlock = 128;

template <Order O, class T, bool I>
void pair_in_blocks(const Items<T, I>& s, T p, int& i, int& j) noexcept {
    const T* v = s.v;
    unsigned char left[kBlock], right[kBlock];
    int l = i, r = j;
    int n_left = 0, n_right = 0, at_left = 0, at_right = 0;
    while (r - l + 1 >= 2 * kBlock) {
        if (n_left == 0) {
            at_left = 0;
            for (int k = 0; k < kBlock; ++k) {
                left[n_left] = static_cast<unsigned char>(k);
                n_left += before<O>(p, v[l + k]);
            }
        }
        if (n_right == 0) {
            at_right = 0;
            for (int k = 0; k < kBlock; ++k) {
                right[n_right] = static_cast<unsigned char>(k);
                n_right += !before<O>(p, v[r - k]);
            }
        }
        const int pairs = n_left < n_right ? n_left : n_right;
        for (int k = 0; k < pairs; ++k) s.swap(l + left[at_left + k], r - right[at_right + k]);
        n_left -= pairs;
        n_right -= pairs;
        at_left += pairs;
        at_right += pairs;
        if (n_left == 0) l += kBlock;
        if (n_right == 0) r -= kBlock;
    }
    i = n_left ? l + left[at_left] : l;
    j = n_right ? r - right[at_right] : r;
}

template <Order O, class T, bool I>
void quick_sort(const Items<T, I>& s, int len) noexcept {
    if (len < 2) return;
    T* v = s.v;
    struct Range {
        int lo, hi;
    } stack[kStackRanges];
    int depth = 0;
    int lo = 0, hi = len - 1;
    for (;;) {
        if (hi - lo < kSelectionMax) {
            selection_sort<O>(s, lo, hi);
            if (depth == 0) return;
            --depth;
            lo = stack[depth].lo;
            hi = stack[depth].hi;
            continue;
        }

        // Median of three: first <= middle <= last afterwards.
        const int mid = lo + (hi - lo + 1) / 2;
        if (before<O>(v[hi], v[lo])) s.swap(lo, hi);
        if (before<O>(v[hi], v[mid])) {
            s.swap(mid, hi);
        } else if (before<O>(v[mid], v[lo])) {
            s.swap(mid, lo);
        }
        const T p = v[mid];

        // The cursors: i stops at elements after the pivot, j at elements
        // not after it.  v[lo] is not after the pivot, so the first search
        // of j stops by itself; when no element is after the pivot, i runs
        // off the end and the whole range is the left side.
        int i = lo + 1;
        while (i <= hi && !before<O>(p, v[i])) ++i;
        int j = hi;
        if (i <= hi) {
            while (before<O>(p, v[j])) --j;
            if (j - i + 1 >= 2 * kBlock) pair_in_blocks<O>(s, p, i, j);
            for (;;) {
                while (i <= j && !before<O>(p, v[i])) ++i;
                while (j >= i && before<O>(p, v[j])) --j;
                if (i >= j) break;
                s.swap(i, j);
                ++i;
                --j;
            }
        }
        // [lo, j] not after the pivot, [j + 1, hi] after it.  Every element
        // right of j is after the pivot, so only the left side ends in a run
        // of copies, which is left out.  v[hi] is not before the pivot, so a
        // left side that is the whole range loses at least that element.
        const int right_begin = j + 1;
        while (j >= lo && !before<O>(v[j], p)) --j;
        const int left_end = j;

        const int left = left_end - lo + 1;
        const int right = hi - right_begin + 1;
        Range small{lo, left_end}, large{right_begin, hi};
        if (left > right) std::swap(small, large);
        const int small_len = small.hi - small.lo + 1;
        const int large_len = large.hi - large.lo + 1;
        if (small_len > 1) {
            if (large_len > 1) stack[depth++] = large;
            lo = small.lo;
            hi = small.hi;
        } else if (large_len > 1) {
            lo = large.lo;
            hi = large.hi;
        } else {
            if (depth == 0) return;
            --depth;
            lo = stack[depth].lo;
            hi = stack[depth].hi;
        }
    }
}

// Moves the NaNs of a float vector to the end (ascending) or the front
// (descending); returns the range [first, first + count) of the numbers.
template <Order O, class T, bool I>
std::pair<int, int> set_nans_aside(const Items<T, I>& s, int len) noexcept {
    const T* v = s.v;
    int a = 0, b = len - 1;
    if constexpr (O == Order::ascend) {
        // Numbers before a, NaNs after b.
        for (;;) {
            while (a <= b && !std::isnan(v[a])) ++a;
            while (b > a && std::isnan(v[b])) --b;
            if (a >= b) break;
            s.swap(a, b);
            ++a;
            --b;
        }
        // a is the first NaN (or len).
        return {0, a};
    } else {
        // NaNs before a, numbers after b.
        for (;;) {
            while (a <= b && std::isnan(v[a])) ++a;
            while (b > a && !std::isnan(v[b])) --b;
            if (a >= b) break;
            s.swap(a, b);
            ++a;
            --b;
        }
        return {a, len - a};
    }
}

template <Order O, class T, bool I>
void sort_items(const Items<T, I>& s, int len) noexcept {
    if constexpr (vdx::is_floating<T>) {
        const auto [first, count] = set_nans_aside<O>(s, len);
        Items<T, I> numbers{s.v + first, I ? s.x + first : nullptr};
        quick_sort<O>(numbers, count);
    } else {
        quick_sort<O>(s, len);
    }
}

template <Order O, class T>
VdxStatus sort_values(T* v, int len) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(len, v));
    sort_items<O>(Items<T, false>{v, nullptr}, len);
    return vdxStsNoErr;
}

template <Order O, class T>
VdxStatus sort_with_index(T* v, Vdx32s* x, int len) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(len, v, x));
    for (int i = 0; i < len; ++i) x[i] = i;
    sort_items<O>(Items<T, true>{v, x}, len);
    return vdxStsNoErr;
}

}  // namespace

// ---- rows: code, element type

#define VDX_SORT_ROW(code, T)                                                                         \
    extern "C" VdxStatus y8_vdxsSortAscend_##code##_I(T* pSrcDst, int len) noexcept {                \
        return sort_values<Order::ascend>(pSrcDst, len);                                              \
    }                                                                                                 \
    extern "C" VdxStatus y8_vdxsSortDescend_##code##_I(T* pSrcDst, int len) noexcept {               \
        return sort_values<Order::descend>(pSrcDst, len);                                             \
    }
#define VDX_SORT_INDEX_ROW(code, T)                                                                   \
    extern "C" VdxStatus y8_vdxsSortIndexAscend_##code##_I(T* pSrcDst, Vdx32s* pDstIndx, int len) noexcept {  \
        return sort_with_index<Order::ascend>(pSrcDst, pDstIndx, len);                                \
    }                                                                                                 \
    extern "C" VdxStatus y8_vdxsSortIndexDescend_##code##_I(T* pSrcDst, Vdx32s* pDstIndx, int len) noexcept { \
        return sort_with_index<Order::descend>(pSrcDst, pDstIndx, len);                               \
    }
#define VDX_COMPARISON_SORT_ROW(code, T) VDX_SORT_ROW(code, T) VDX_SORT_INDEX_ROW(code, T)

VDX_COMPARISON_SORT_ROW(8u, Vdx8u)
VDX_COMPARISON_SORT_ROW(16u, Vdx16u)
VDX_COMPARISON_SORT_ROW(16s, Vdx16s)
VDX_COMPARISON_SORT_ROW(32s, Vdx32s)
VDX_COMPARISON_SORT_ROW(32f, Vdx32f)
VDX_COMPARISON_SORT_ROW(64f, Vdx64f)

#undef VDX_COMPARISON_SORT_ROW
#undef VDX_SORT_INDEX_ROW
#undef VDX_SORT_ROW
