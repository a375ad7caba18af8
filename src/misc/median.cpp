// The median filter: FilterMedian_* in place and out of place.
//
// Output i is the median of x(i-r) .. x(i+r), r = min(h, i, len-1-i), so
// the window shrinks evenly towards both ends (the end samples keep their
// values, and a mask of 3 is the three-point median).  h is first clamped
// to (len-1)/2, the largest radius any output reaches, which sends a short
// signal with a large mask to the network of its real window.
//
//  - h = 1 .. 4: the selection networks of median_kernels over the outputs
//    whose whole window exists; the h-1 outputs at each end that see a
//    shorter window are formed here first, from the input.  In place, the
//    input runs through a stash that keeps the 2h samples behind the next
//    block, so every window reads input values.
//  - larger h: the window is kept sorted, as keys that order like the values
//    (floats by their total order, so that a removal finds exactly the
//    sample that leaves), and each step removes the sample that leaves and
//    inserts the one that enters: both places are ranks, counted in one
//    vector pass over the window, and the elements between them move by one.  The keys of the whole input are made
//    first, so in-place calls read input values only.  Signals of 32768
//    samples and more split their outputs into blocks with a window each,
//    shared among the library's threads.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "abi/api.h"
#include "misc/median_kernels.h"
#include "runtime/checks.h"
#include "runtime/isa.h"
#include "runtime/parallel.h"

namespace {

using MedianVariant = vdx::Variant<vdx::MedianKernels, &vdx::median_kernels_variants>;

inline const vdx::MedianKernels& kernels() noexcept { return MedianVariant::table(); }

// ---------------------------------------------------------------- keys

// 32- or 64-bit integer keys that order as the values do; floats by their
// total order
// (negative NaNs first, then -inf .. -0, +0 .. +inf, positive NaNs).
template <class T>
struct Key {
    using K = std::int32_t;
    static K of(T x) noexcept { return x; }
    static T value(K k) noexcept { return static_cast<T>(k); }
};
template <class T, class I>
struct FloatKey {
    using K = I;
    static constexpr int kTop = 8 * sizeof(I) - 1;
    // Flipping every bit but the sign of a negative value is its own inverse.
    static I flip(I b) noexcept { return b ^ static_cast<I>((b >> kTop) & ~(I{1} << kTop)); }
    static K of(T x) noexcept { return flip(__builtin_bit_cast(I, x)); }
    static T value(K k) noexcept { return __builtin_bit_cast(T, flip(k)); }
};
template <>
struct Key<Vdx32f> : FloatKey<Vdx32f, std::int32_t> {};
template <>
struct Key<Vdx64f> : FloatKey<Vdx64f, std::int64_t> {};

// The median of x[0 .. n-1], n odd and at most 9.
template <class T>
T small_median(const T* x, int n) noexcept {
    using KT = Key<T>;
    typename KT::K k[9];
    for (int j = 0; j < n; ++j) k[j] = KT::of(x[j]);
    std::nth_element(k, k + n / 2, k + n);
    return KT::value(k[n / 2]);
}

// ---------------------------------------------------------------- networks

template <class T>
using Network = void (*)(const T* src, T* dst, int n) noexcept;

template <class T>
Network<T> network(const vdx::MedianRow<T>& row, int h) noexcept {
    switch (h) {
        case 1: return row.mask3;
        case 2: return row.mask5;
        case 3: return row.mask7;
        default: return row.mask9;
    }
}

// Outputs h .. len-1-h, in place: blocks of kBlock outputs, each from a
// stash of its input window.
template <class T>
void network_in_place(T* x, int len, int h, Network<T> net) noexcept {
    constexpr int kBlock = 2048;
    T stash[kBlock + 8];
    const int end = len - h;
    std::memcpy(stash, x, sizeof(T) * 2 * h);
    for (int o = h; o < end;) {
        const int b = std::min(kBlock, end - o);
        // stash[j] holds x(o - h + j): the 2h kept from the last block, then
        // inputs not yet overwritten (outputs so far stop at o - 1).
        std::memcpy(stash + 2 * h, x + o + h, sizeof(T) * b);
        net(stash + h, x + o, b);
        std::memmove(stash, stash + b, sizeof(T) * 2 * h);
        o += b;
    }
}

template <class T>
void by_network(const T* src, T* dst, int len, int h, Network<T> net) noexcept {
    // The shortened windows at both ends, before anything is written.
    T head[4], tail[4];
    for (int i = 1; i < h; ++i) {
        head[i] = small_median(src, 2 * i + 1);
        tail[i] = small_median(src + len - 1 - 2 * i, 2 * i + 1);
    }
    if (src == dst) {
        network_in_place(dst, len, h, net);
    } else {
        net(src + h, dst + h, len - 2 * h);
        dst[0] = src[0];
        dst[len - 1] = src[len - 1];
    }
    for (int i = 1; i < h; ++i) {
        dst[i] = head[i];
        dst[len - 1 - i] = tail[i];
    }
}

// ---------------------------------------------------------------- sorted window

template <class K>
vdx::CountBelow<K> count_below() noexcept {
    if constexpr (sizeof(K) == 4) {
        return kernels().count_below32;
    } else {
        return kernels().count_below64;
    }
}

// The window's n keys in order at w.  Places are ranks, counted by the
// kernel in one branch-free pass (for a window of random data a binary
// search mispredicts every other step); the elements between the place a
// key leaves and the place one enters move by one.
template <class K>
struct SortedWindow {
    K* w;
    vdx::CountBelow<K> below;
    int n = 0;

    void insert(K k) noexcept {
        int rank[2];
        below(w, n, k, k, rank);
        K* at = w + rank[0];
        std::memmove(at + 1, at, sizeof(K) * (w + n - at));
        *at = k;
        ++n;
    }
    void remove(K k) noexcept {
        int rank[2];
        below(w, n, k, k, rank);
        K* at = w + rank[0];
        std::memmove(at, at + 1, sizeof(K) * (w + n - at - 1));
        --n;
    }
    // remove(out) then insert(in); equal keys are the same value, so a key
    // may go before or after its equals.
    void replace(K out, K in) noexcept {
        if (in == out) return;
        int rank[2];
        // Below in + 1 is at most in, since in < out there.
        below(w, n, out, in > out ? in : static_cast<K>(in + 1), rank);
        K* at = w + rank[0];
        K* to = w + rank[1];
        if (in > out) {
            std::memmove(at, at + 1, sizeof(K) * (to - at - 1));
            to[-1] = in;
        } else {
            std::memmove(to + 1, to, sizeof(K) * (at - to));
            *to = in;
        }
    }
};

// Outputs first .. end-1 from the keys of the whole input, with a window of
// its own at w (room for 2h + 1 keys).
template <class T, class K>
void window_block(const K* keys, int len, int h, int first, int end, K* w, T* dst) noexcept {
    int r = std::min({h, first, len - 1 - first});
    std::memcpy(w, keys + first - r, sizeof(K) * (2 * r + 1));
    std::sort(w, w + 2 * r + 1);
    SortedWindow<K> win{w, count_below<K>(), 2 * r + 1};
    dst[first] = Key<T>::value(w[r]);
    for (int i = first; i + 1 < end; ++i) {
        // Window i is keys[i-r .. i+r]; window i+1 has radius r + 1, r or r - 1.
        const int next = std::min({h, i + 1, len - 2 - i});
        if (next > r) {
            win.insert(keys[i + r + 1]);
            win.insert(keys[i + r + 2]);
        } else if (next == r) {
            win.replace(keys[i - r], keys[i + r + 1]);
        } else {
            win.remove(keys[i - r]);
            win.remove(keys[i - r + 1]);
        }
        r = next;
        dst[i + 1] = Key<T>::value(w[r]);
    }
}

// Long signals split their outputs into blocks, each with its own window,
// shared among threads; a window's median is one key whoever forms it, so
// the split changes no output.
constexpr vdx::ParallelPolicy kWindowPolicy{32768, 16, 8192};

template <class T>
VdxStatus by_sorted_window(const T* src, T* dst, int len, int h) noexcept {
    using K = typename Key<T>::K;
    const int threads = vdx::team_size(len, kWindowPolicy);
    const int blocks = threads == 1 ? 1 : std::min(4 * threads, len / kWindowPolicy.grain);
    const long long count = len + static_cast<long long>(blocks) * (2 * h + 1);
    const int bytes = count > 2147483647LL ? -1 : vdx::byte_count(static_cast<int>(count), sizeof(K));
    Vdx8u* scratch = bytes > 0 ? y8_vdxsMalloc_8u(bytes) : nullptr;
    if (scratch == nullptr) return vdxStsMemAllocErr;
    K* keys = reinterpret_cast<K*>(scratch);
    K* windows = keys + len;
    for (int j = 0; j < len; ++j) keys[j] = Key<T>::of(src[j]);
    vdx::Team team(threads);
    team.run(blocks, [&](int b) {
        const vdx::BlockRange range = vdx::block_range(len, blocks, b);
        window_block(keys, len, h, range.begin, range.end, windows + b * (2 * h + 1), dst);
    });
    y8_vdxsFree(scratch);
    return vdxStsNoErr;
}

// ---------------------------------------------------------------- the member

template <class T>
VdxStatus filter_median(const T* src, T* dst, int len, int maskSize, const vdx::MedianRow<T>& row) noexcept {
    if (len < 1 || maskSize < 1) return vdxStsSizeErr;
    const VdxStatus done = maskSize % 2 == 0 ? vdxStsEvenMedianMaskSize : vdxStsNoErr;
    const int h = std::min((maskSize - 1) / 2, (len - 1) / 2);
    if (h == 0) {
        if (src != dst) std::memcpy(dst, src, sizeof(T) * len);
        return done;
    }
    if (h <= 4) {
        by_network(src, dst, len, h, network(row, h));
        return done;
    }
    VDX_RETURN_IF_ERROR(by_sorted_window(src, dst, len, h));
    return done;
}

}  // namespace

// ---- rows: (suffix, element type, kernel row)

#define VDX_MEDIAN(suffix, T, row)                                                                      \
    extern "C" VdxStatus y8_vdxsFilterMedian_##suffix(const T* pSrc, T* pDst, int len, int maskSize) noexcept { \
        if (vdx::any_null(pSrc, pDst)) return vdxStsNullPtrErr;                                        \
        return filter_median(pSrc, pDst, len, maskSize, kernels().row);                                \
    }                                                                                                   \
    extern "C" VdxStatus y8_vdxsFilterMedian_##suffix##_I(T* pSrcDst, int len, int maskSize) noexcept {  \
        if (pSrcDst == nullptr) return vdxStsNullPtrErr;                                               \
        return filter_median<T>(pSrcDst, pSrcDst, len, maskSize, kernels().row);                       \
    }
VDX_MEDIAN(8u, Vdx8u, m8u)
VDX_MEDIAN(16s, Vdx16s, m16s)
VDX_MEDIAN(32s, Vdx32s, m32s)
VDX_MEDIAN(32f, Vdx32f, m32f)
VDX_MEDIAN(64f, Vdx64f, m64f)
#undef VDX_MEDIAN
