// The complex FFT engine: table layout, plan building and the regimes (the
// contract is in fft_engine.h; the kernels in fft_kernels.cpp).
//
// Every regime is decimation in time from bit-reversed input.  The first two
// or three levels (radix B = 4 for even leaf orders, 8 for odd ones) are done
// while the input is gathered in bit-reversed order; radix-4 stages follow,
// the inner ones on blocks of real parts and imaginary parts (stage_form).
//
//  - radix-4: gather + stages over the whole array, in the destination; in
//    place, up to 16 KiB the gather goes to the work buffer and the last
//    stage writes the destination, above that the source is first copied
//    to the work buffer;
//  - two-level: N = 8 M; the eight sub-sequences x[8n + j] are transformed by
//    the radix-4 engine of order m - 3 into eight blocks (into the
//    destination when it is 16-byte aligned and not the source, otherwise
//    into the work buffer), left as blocks, then one radix-8 pass with the
//    twiddles w_N^(jk) forms the result; both phases may run on two threads
//    (one region, the phases apart by a barrier);
//  - blocked: the whole array is gathered in bit-reversed order, then split
//    into 2^b sub-arrays transformed in place (recursively while they are
//    still above the two-level range), and the last b levels are done on
//    bands of columns gathered into the work buffer: each row p of a band is
//    multiplied by w^(rev(p) k) on the way in, the b levels run over whole
//    rows, and the band is written back.  Every pass touches contiguous runs
//    inside one row of the top level only, so those rows may lie apart: the
//    separate-array transform keeps them, two rows interleaved per pair, in
//    its own destination arrays (run_blocked_split).
#include "fft_engine.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "fft_kernels.h"
#include "fft_tables.h"
#include "runtime/object.h"
#include "runtime/isa.h"
#include "runtime/parallel.h"
#include "vdxcore.h"

namespace vdx {
namespace fft {
namespace {

template <class T>
const Kernels<T>& kernels() noexcept;
template <>
const Kernels<float>& kernels<float>() noexcept {
    return Variant<Kernels<float>, &fft_kernels_32f_variants>::table();
}
template <>
const Kernels<double>& kernels<double>() noexcept {
    return Variant<Kernels<double>, &fft_kernels_64f_variants>::table();
}


// Reverses the low `bits` bits of x.
constexpr std::uint8_t kRev8[256] = {
#define R2(n) n, n + 2 * 64, n + 1 * 64, n + 3 * 64
#define R4(n) R2(n), R2(n + 2 * 16), R2(n + 1 * 16), R2(n + 3 * 16)
#define R6(n) R4(n), R4(n + 2 * 4), R4(n + 1 * 4), R4(n + 3 * 4)
    R6(0), R6(2), R6(1), R6(3)
#undef R6
#undef R4
#undef R2
};
inline std::uint32_t reverse_bits(std::uint32_t x, int bits) noexcept {
    const std::uint32_t r = (std::uint32_t(kRev8[x & 255]) << 24) | (std::uint32_t(kRev8[(x >> 8) & 255]) << 16) |
                            (std::uint32_t(kRev8[(x >> 16) & 255]) << 8) | std::uint32_t(kRev8[x >> 24]);
    return bits == 0 ? 0 : r >> (32 - bits);
}

// Radix of the gathering first stage: 2^2 for even orders, 2^3 for odd.
constexpr int first_log(int order) noexcept { return order % 2 == 0 ? 2 : 3; }

enum class Regime { small, radix4, two_level, blocked };

// The last order of the straight-line kernels; the radix-4 regime starts
// right after it.
constexpr int kStraightLast = kSmallLast;

template <class T>
Regime regime_of(int m) noexcept {
    if (m <= kSmallLast) return Regime::small;
    if (m <= kRadix4Last<T>) return Regime::radix4;
    if (m <= kTwoLevelLast<T>) return Regime::two_level;
    return Regime::blocked;
}

// Blocked regime: levels split off per order, and the gather order that
// fixes the band width (2^(gather - b) columns).
template <class T>
void blocked_shape(int m, int* b, int* gather) noexcept {
    if (sizeof(T) == 4) {
        *b = m <= 19 ? 4 : 8;
        *gather = m <= 19 ? 10 : 14;
    } else {
        *b = m <= 18 ? 6 : 8;
        *gather = m <= 18 ? 10 : 13;
    }
}

// One level of the blocked regime.
template <class T>
struct Level {
    int order;     // of the array this level combines
    int b;         // 2^b sub-arrays (rows)
    int width;     // columns per band
    int h;         // w^n = A[n >> h] * Bt[n & (2^h - 1)]
    const T* t2;   // 2^b rows of width twiddles w^(rev(p) d)
    const T* rows; // radix-4 row-stage tables, lengths 4, 16, ... 2^b
    const T* A;
    const T* Bt;
};
template <class T>
struct Levels {
    int count;
    int leaf;
    Level<T> level[4];
};

// Where everything lies in a plan's table memory (byte offsets).
template <class T>
struct Layout {
    Regime regime;
    int leaf;  // order of the radix-4 chain
    long chain_off, chain_bytes;
    long rev_off, rev_count;
    long final_off, final_bytes;
    long levels_off;
    int nlev;
    int lv_order[4], lv_b[4], lv_w[4];
    long lv_t2[4], lv_rows[4], lv_A[4], lv_B[4];
    long total;
    long work;
};

template <class T>
long chain_bytes(int s) noexcept {
    long bytes = 0;
    for (int l = first_log(s) + 2; l <= s; l += 2) bytes += (1L << l) / 4 * 12 * static_cast<long>(sizeof(T));
    return bytes;
}

template <class T>
long rows_bytes(int b) noexcept {
    long bytes = 0;
    for (int l = 2; l <= b; l += 2) bytes += (1L << l) / 4 * 6 * static_cast<long>(sizeof(T));
    return bytes;
}

template <class T>
Layout<T> layout(int m) noexcept {
    Layout<T> L{};
    L.regime = regime_of<T>(m);
    const long cplx = 2 * static_cast<long>(sizeof(T));
    const long N = 1L << m;
    long at = 0;
    auto take = [&at](long bytes) {
        const long off = at;
        at += round32(bytes);
        return off;
    };
    switch (L.regime) {
    case Regime::small:
        break;
    case Regime::radix4:
    case Regime::two_level: {
        L.leaf = L.regime == Regime::radix4 ? m : m - 3;
        L.chain_bytes = chain_bytes<T>(L.leaf);
        L.chain_off = take(L.chain_bytes);
        L.rev_count = 1L << (L.leaf - first_log(L.leaf));
        L.rev_off = take(L.rev_count * 4);
        if (L.regime == Regime::two_level) {
            L.final_bytes = (N / 8) / 4 * 56 * static_cast<long>(sizeof(T));
            L.final_off = take(L.final_bytes);
        }
        L.work = N * cplx;
        break;
    }
    case Regime::blocked: {
        int ml = m;
        while (ml > kTwoLevelLast<T>) {
            int b, gather;
            blocked_shape<T>(ml, &b, &gather);
            L.lv_order[L.nlev] = ml;
            L.lv_b[L.nlev] = b;
            L.lv_w[L.nlev] = 1 << (gather - b);
            ++L.nlev;
            ml -= b;
        }
        L.leaf = ml;
        L.chain_bytes = chain_bytes<T>(L.leaf);
        L.chain_off = take(L.chain_bytes);
        L.levels_off = take(sizeof(Levels<T>));
        long work = 0;
        for (int i = 0; i < L.nlev; ++i) {
            const int b = L.lv_b[i], h = (L.lv_order[i] + 1) / 2;
            L.lv_t2[i] = take((1L << b) * L.lv_w[i] * cplx);
            L.lv_rows[i] = take(rows_bytes<T>(b));
            L.lv_A[i] = take((1L << (L.lv_order[i] - h)) * cplx);
            L.lv_B[i] = take((1L << h) * cplx);
            const long band = (1L << b) * L.lv_w[i] * cplx;
            if (band > work) work = band;
        }
        const long tiles = 2 * 32 * 32 * cplx;  // the in-place bit reversal
        if (work < tiles) work = tiles;
        // From order 19 (float) or 18 (double) the buffer is kept at 64 KiB
        // or 32 KiB at least, whatever the band.
        const long floor = sizeof(T) == 4 ? (m >= 19 ? 65536 : 0) : (m >= 18 ? 32768 : 0);
        L.work = work > floor ? work : floor;
        break;
    }
    }
    L.total = at;
    return L;
}

// Forward twiddles w_N^n = cos - i sin (2 pi n / N), 0 <= n < N, N >= 4,
// from the quarter-wave base table of order log2 N.
template <class T>
struct Base {
    const T* s;
    int shift;  // read s[k << shift]
    long q;     // N / 4
    T sine(long k) const noexcept { return s[k << shift]; }
    void cis(long n, T* out) const noexcept {
        T c, sn;
        if (n <= q) {
            c = sine(q - n);
            sn = sine(n);
        } else if (n <= 2 * q) {
            c = -sine(n - q);
            sn = sine(2 * q - n);
        } else if (n <= 3 * q) {
            c = -sine(3 * q - n);
            sn = -sine(n - 2 * q);
        } else {
            c = sine(n - 3 * q);
            sn = -sine(4 * q - n);
        }
        out[0] = c;
        out[1] = -sn;
    }
};

// The data form of the radix-4 stage of length 2^l in a chain of order s,
// with `block` terms per block: stages whose quarter holds whole blocks run
// on blocks when there are two of them at least (the first one converts
// into blocks, the last one back); all others, and all when fewer, on pairs.
inline Form stage_form(int l, int s, int block) noexcept {
    int first = first_log(s) + 2;
    while ((1L << (first - 2)) < block) first += 2;
    if (s - first < 2 || l < first) return Form::pairs;
    if (l == first) return Form::to_blocks;
    return l == s ? Form::from_blocks : Form::blocks;
}

// Radix-4 stage tables w_L^k, w_L^2k, w_L^3k for L = 2^(c+2) .. 2^s, in the
// kernels' group-of-4 layout (real parts and imaginary parts apart, each
// repeated over a pair), rewritten to the block layout for the stages that
// run on blocks.
template <class T>
void build_chain(const Kernels<T>& k, const Base<T>& base, int m, int s, T* out) noexcept {
    for (int l = first_log(s) + 2; l <= s; l += 2) {
        const long q = (1L << l) / 4, stride = 1L << (m - l);
        for (long i = 0; i < q; ++i) {
            T* g = out + 48 * (i / 4) + 2 * (i % 4);
            for (int j = 1; j <= 3; ++j) {
                T w[2];
                base.cis(j * i * stride, w);
                g[16 * (j - 1)] = g[16 * (j - 1) + 1] = w[0];
                g[16 * (j - 1) + 8] = g[16 * (j - 1) + 9] = w[1];
            }
        }
        if (stage_form(l, s, k.block) != Form::pairs) k.block_twiddles(out, q);
        out += 12 * q;
    }
}

// The stages of an engine of order s over x; blocks_out: the last stage
// leaves blocks (for the final pass of the two-level regime; every chain of
// that regime, order 9 and up, runs its last stages on blocks).
// out: the last stage, when it converts from blocks, writes to out.
template <class T>
void run_stages(const Kernels<T>& k, const T* tw, T* x, int s, bool inv, bool scale, T f,
                bool blocks_out = false, T* out = nullptr) noexcept {
    const long n = 1L << s;
    for (int l = first_log(s) + 2; l <= s; l += 2) {
        const long L = 1L << l;
        Form form = stage_form(l, s, k.block);
        if (blocks_out && form == Form::from_blocks) form = Form::blocks;
        k.radix4(x, n, L, tw, form, inv, scale && l == s, f, form == Form::from_blocks ? out : nullptr);
        tw += 12 * (L / 4);
    }
}

// The stages of an engine of order s, the last one writing to separate arrays.
template <class T>
void run_stages_split(const Kernels<T>& k, const T* tw, T* x, int s, bool inv, bool scale, T f, T* re,
                      T* im) noexcept {
    const long n = 1L << s;
    for (int l = first_log(s) + 2; l <= s; l += 2) {
        const long L = 1L << l;
        const Form form = stage_form(l, s, k.block);
        if (l + 2 <= s) k.radix4(x, n, L, tw, form, inv, false, f, nullptr);
        else k.radix4_split(x, n, L, tw, form == Form::from_blocks, inv, scale, f, re, im);
        tw += 12 * (L / 4);
    }
}

template <class T>
void run_radix4(const Plan& plan, const T* src, T* dst, bool inv, bool scale, T f, void* work) noexcept {
    const Kernels<T>& k = kernels<T>();
    const int m = plan.order, c = first_log(m);
    const long N = 1L << m;
    const T* chain = static_cast<const T*>(plan.stages);
    const int rows = static_cast<int>(N >> (c + 1));
    if (src == dst) {
        // In place, up to 16 KiB: gathered into the work buffer, where the
        // stages run until the last one brings the pairs back to dst (larger
        // arrays measured faster copied first, their last stage then reading
        // and writing one array; so does a chain whose last stage runs on
        // pairs).
        constexpr long kGatherAsideBytes = 16384;
        const bool aside = N * 2 * static_cast<long>(sizeof(T)) <= kGatherAsideBytes;
        if (aside && stage_form(m, m, k.block) == Form::from_blocks) {
            T* x = static_cast<T*>(work);
            k.first_gather(src, 1, N >> c, plan.bitrev, rows, c, x, inv);
            run_stages(k, chain, x, m, inv, scale, f, false, dst);
            return;
        }
        std::memcpy(work, src, N * 2 * sizeof(T));
        src = static_cast<const T*>(work);
    }
    k.first_gather(src, 1, N >> c, plan.bitrev, rows, c, dst, inv);
    run_stages(k, chain, dst, m, inv, scale, f);
}

// The two phases of the two-level regime: the four steps of phase 1, then
// the radix-8 pass over `groups` groups of `unit` k (a block).  With the object's thread
// count at 2 or more, transforms of 512 KiB and more share each phase out
// as blocks of a Team (phase 2 in 32 ranges of k, so that a late helper
// still takes some and a helper descheduled in one holds up little).
// Shorter ones (32fc below 2^16, 64fc below 2^15) take some tens of
// microseconds, about what waking a sleeping helper costs, and stay on the
// calling thread.  Every step and every k is computed alike wherever it
// runs.
template <class Step, class Final>
void two_phases(const Plan& plan, long bytes, const Step& step, int groups, long unit,
                const Final& final_pass) noexcept {
    constexpr int kFinalBlocks = 32;
    constexpr long kSharedFrom = 512L * 1024;
    if (plan.threads < 2 || bytes < kSharedFrom) {
        for (int st = 0; st < 4; ++st) step(st);
        final_pass(0L, unit * groups);
        return;
    }
    Team team(std::min(ownGetNumThreads(), plan.threads));
    team.run(4, step);
    team.run(kFinalBlocks, [&](int b) {
        const BlockRange r = block_range(groups, kFinalBlocks, b);
        final_pass(unit * r.begin, unit * r.end);
    });
}

template <class T>
void run_two_level(const Plan& plan, const T* src, T* dst, bool inv, bool scale, T f, void* work) noexcept {
    const Kernels<T>& k = kernels<T>();
    const int s = plan.order - 3, c = first_log(s);
    const long M = 1L << s;
    const bool direct = src != dst && reinterpret_cast<std::uintptr_t>(dst) % 16 == 0;
    T* Y = direct ? dst : static_cast<T*>(work);
    const T* chain = static_cast<const T*>(plan.stages);
    auto step = [&](int st) {
        T* Y0 = Y + 4 * st * M;
        T* Y1 = Y0 + 2 * M;
        k.first_gather2(src + 4 * st, 8, M >> c, plan.bitrev, static_cast<int>(M >> (c + 1)), c, Y0, Y1, inv);
        run_stages(k, chain, Y0, s, inv, scale, f, true);
        run_stages(k, chain, Y1, s, inv, scale, f, true);
    };
    const T* tw = static_cast<const T*>(plan.final_pass);
    two_phases(plan, 16 * M * static_cast<long>(sizeof(T)), step, static_cast<int>(M / k.block), k.block,
               [&](long k0, long k1) { k.radix8_final(Y, dst, M, k0, k1, tw, inv); });
}

// Where the rows of a blocked array lie.  Every pass of the blocked regime
// touches contiguous runs inside one row of the top level (2^order
// elements), so rows need not follow each other.  Two layouts, with
// row(j) and at(e) (element e):
//   Contiguous: an ordinary array;
//   RowPairs:   row j at base[j & 1] + (j >> 1) * pair_stride (in T), as the
//               split-array transform keeps row pairs in its two arrays.
template <class T>
struct Contiguous {
    using Elem = T;
    T* x;
    int order;
    T* row(long j) const noexcept { return x + (2L << order) * j; }
    T* at(long e) const noexcept { return x + 2 * e; }
};
template <class T>
struct RowPairs {
    using Elem = T;
    T* base[2];
    long pair_stride;
    int order;
    T* row(long j) const noexcept { return base[j & 1] + (j >> 1) * pair_stride; }
    T* at(long e) const noexcept { return row(e >> order) + 2 * (e & ((1L << order) - 1)); }
};

template <class T, class Rows>
void combine(const Kernels<T>& k, const Level<T>& lv, const Rows& x, bool inv, T* buf) noexcept {
    const int rows = 1 << lv.b, W = lv.width;
    const long L = 1L << (lv.order - lv.b);
    const long hmask = (1L << lv.h) - 1;
    for (long k0 = 0; k0 < L; k0 += W) {
        for (int p = 0; p < rows; ++p) {
            const long n = static_cast<long>(reverse_bits(p, lv.b)) * k0;
            const T* a = lv.A + 2 * (n >> lv.h);
            const T* bt = lv.Bt + 2 * (n & hmask);
            const double ar = a[0], ai = a[1], br = bt[0], bi = bt[1];
            const T cre = static_cast<T>(ar * br - ai * bi), cim = static_cast<T>(ar * bi + ai * br);
            k.twiddle_row(x.row(p) + 2 * k0, buf + 2L * p * W, W, lv.t2 + 2L * p * W, cre, cim, inv);
        }
        const T* tw = lv.rows;
        for (int l = 2; l <= lv.b; l += 2) {
            k.radix4_rows(buf, rows, W, 1 << l, tw, inv);
            tw += 6 * ((1 << l) / 4);
        }
        for (int q = 0; q < rows; ++q) std::memcpy(x.row(q) + 2 * k0, buf + 2L * q * W, 2 * sizeof(T) * W);
    }
}

// Level i over the rows of its array (rows.order = level order - b).
template <class T, class Rows>
[[gnu::noinline]] void process_level(const Kernels<T>& k, const Plan& plan, const Levels<T>& lv, int i,
                                     const Rows& x, bool inv, bool scale, T f, T* buf) noexcept {
    const Level<T>& level = lv.level[i];
    for (long p = 0; p < (1L << level.b); ++p) {
        if (i + 1 < lv.count && i + 1 < 4) {
            const Level<T>& next = lv.level[i + 1];
            process_level(k, plan, lv, i + 1, Contiguous<T>{x.row(p), next.order - next.b}, inv, scale, f, buf);
        } else {
            run_stages(k, static_cast<const T*>(plan.stages), x.row(p), lv.leaf, inv, scale, f);
        }
    }
    combine(k, level, x, inv, buf);
}

// In-place bit reversal of 2^m elements (m >= 10) by 32 x 32 tiles: element
// (a, b, c) = a 2^(m-5) + 32 b + c goes to (rev c, rev b, rev a), so tile b
// (rows a, columns c) and tile rev b trade places, each transposed with
// reversed indices.  The two tiles wait in buf (2048 elements).
template <class Rows, class T = typename Rows::Elem>
void reverse_in_place(const Rows& x, int m, T* buf) noexcept {
    constexpr long kTile = 32;
    const int mid = m - 10;
    const long rowStride = 1L << (m - 5), tiles = 1L << mid;
    const std::size_t row = 2 * sizeof(T) * kTile;
    T* t1 = buf;
    T* t2 = buf + 2 * kTile * kTile;
    auto gather = [&](long b, T* t) {
        for (long a = 0; a < kTile; ++a) std::memcpy(t + 2 * kTile * a, x.at(a * rowStride + kTile * b), row);
    };
    auto scatter = [&](long b, const T* t) {
        for (long a = 0; a < kTile; ++a) {
            T* out = x.at(a * rowStride + kTile * b);
            const long ra = reverse_bits(static_cast<std::uint32_t>(a), 5);
            // One move per element, eight per loop trip.
#pragma GCC unroll 8
            for (long c = 0; c < kTile; ++c)
                std::memcpy(out + 2 * c, t + 2 * (kTile * reverse_bits(static_cast<std::uint32_t>(c), 5) + ra),
                            2 * sizeof(T));
        }
    };
    for (long b = 0; b < tiles; ++b) {
        const long rb = mid == 0 ? 0 : reverse_bits(static_cast<std::uint32_t>(b), mid);
        if (rb < b) continue;
        gather(b, t1);
        if (rb != b) {
            gather(rb, t2);
            scatter(b, t2);
        }
        scatter(rb, t1);
    }
}

template <class T>
const Levels<T>& levels_of(const Plan& plan) noexcept {
    return *static_cast<const Levels<T>*>(plan.levels);
}

// The rows of the top level: 2^(m - b) elements each.
template <class T>
int top_row_order(const Plan& plan) noexcept {
    const Level<T>& top = levels_of<T>(plan).level[0];
    return top.order - top.b;
}

// The blocked transform of data already in place in its rows.
template <class Rows, class T = typename Rows::Elem>
void run_blocked_rows(const Plan& plan, const Rows& x, bool inv, bool scale, T f, T* work) noexcept {
    const Kernels<T>& k = kernels<T>();
    const int m = plan.order, c = first_log(m);
    reverse_in_place(x, m, work);
    for (long j = 0; j < (1L << (m - x.order)); ++j) k.first_inplace(x.row(j), (1L << x.order) >> c, c, inv);
    process_level(k, plan, levels_of<T>(plan), 0, x, inv, scale, f, work);
}

template <class T>
void run_blocked(const Plan& plan, const T* src, T* dst, bool inv, bool scale, T f, void* work) noexcept {
    const Contiguous<T> rows{dst, top_row_order<T>(plan)};
    if (src == dst) {
        run_blocked_rows(plan, rows, inv, scale, f, static_cast<T*>(work));
        return;
    }
    // Rows of the source in order (with their partners half the rows on);
    // each group lands at its reversed index.
    const Kernels<T>& k = kernels<T>();
    const int m = plan.order, c = first_log(m);
    const long groups = (1L << m) >> c;
    constexpr int kChunk = 1024;
    std::int32_t rev[kChunk];
    for (long r0 = 0; r0 < groups / 2; r0 += kChunk) {
        for (int i = 0; i < kChunk; ++i) rev[i] = static_cast<std::int32_t>(reverse_bits(r0 + i, m - c));
        k.first_gather(src + 2 * r0, 1, groups, rev, kChunk, c, dst, inv);
    }
    process_level(k, plan, levels_of<T>(plan), 0, rows, inv, scale, f, static_cast<T*>(work));
}

template <class T>
void interleave(const T* re, const T* im, T* out, long n) noexcept {
    for (long i = 0; i < n; ++i) {
        out[2 * i] = re[i];
        out[2 * i + 1] = im[i];
    }
}
template <class T>
void deinterleave(const T* in, T* re, T* im, long n) noexcept {
    for (long i = 0; i < n; ++i) {
        re[i] = in[2 * i];
        im[i] = in[2 * i + 1];
    }
}

// In-place perfect shuffles of x = [a | b], n elements each, into (a0, b0,
// a1, b1 ...) and back; n is a power of two.  Halves are traded until a
// piece fits the scratch (cap elements), which does the last step as a copy.
template <class T>
void shuffle(T* x, long n, T* scratch, long cap) noexcept {
    if (2 * n <= cap) {
        std::memcpy(scratch, x, 2 * n * sizeof(T));
        interleave(scratch, scratch + n, x, n);
        return;
    }
    // [a1 a2 | b1 b2] -> [a1 b1 | a2 b2]
    std::swap_ranges(x + n / 2, x + n, x + n);
    shuffle(x, n / 2, scratch, cap);
    shuffle(x + n, n / 2, scratch, cap);
}
template <class T>
void unshuffle(T* x, long n, T* scratch, long cap) noexcept {
    if (2 * n <= cap) {
        std::memcpy(scratch, x, 2 * n * sizeof(T));
        deinterleave(scratch, x, x + n, n);
        return;
    }
    unshuffle(x, n / 2, scratch, cap);
    unshuffle(x + n, n / 2, scratch, cap);
    std::swap_ranges(x + n / 2, x + n, x + n);
}

// The blocked transform on separate arrays, in the destination arrays
// themselves: the pair of rows 2j, 2j + 1 (2^r elements each) occupies
// re[2j 2^r .. (2j + 2) 2^r) and im[the same], which hold exactly the two
// rows interleaved, row 2j in re and row 2j + 1 in im.  Going from one layout
// to the other stays inside the pair, in cache; the work buffer is the scratch.
template <class T>
void run_blocked_split(const Plan& plan, const T* sre, const T* sim, T* dre, T* dim, bool inv, bool scale, T f,
                       T* work) noexcept {
    const int r = top_row_order<T>(plan);
    const long L = 1L << r, pairs = (1L << plan.order) >> (r + 1);
    const long cap = layout<T>(plan.order).work / static_cast<long>(sizeof(T));
    const RowPairs<T> rows{{dre, dim}, 2 * L, r};
    // One array in place and the other not: copy the other, then all in place.
    if ((sre == dre) != (sim == dim)) {
        if (sre != dre) std::memcpy(dre, sre, (2 * L * pairs) * sizeof(T));
        else std::memcpy(dim, sim, (2 * L * pairs) * sizeof(T));
        sre = dre;
        sim = dim;
    }
    for (long j = 0; j < pairs; ++j) {
        T* p = dre + 2 * L * j;
        T* q = dim + 2 * L * j;
        if (sre == dre) {
            // [re 2j | re 2j+1], [im 2j | im 2j+1] -> [re 2j | im 2j], [re 2j+1 | im 2j+1]
            std::swap_ranges(p + L, p + 2 * L, q);
            shuffle(p, L, work, cap);
            shuffle(q, L, work, cap);
        } else {
            interleave(sre + 2 * L * j, sim + 2 * L * j, p, L);
            interleave(sre + 2 * L * j + L, sim + 2 * L * j + L, q, L);
        }
    }
    run_blocked_rows(plan, rows, inv, scale, f, work);
    for (long j = 0; j < pairs; ++j) {
        T* p = dre + 2 * L * j;
        T* q = dim + 2 * L * j;
        unshuffle(p, L, work, cap);
        unshuffle(q, L, work, cap);
        std::swap_ranges(p + L, p + 2 * L, q);
    }
}

}  // namespace

template <class T>
int base_sine_bytes(int order) noexcept {
    const long entries = order < 2 ? 1 : (1L << order) / 4 + 1;
    return static_cast<int>(round32(entries * static_cast<long>(sizeof(T))));
}

template <class T>
const T* static_sine() noexcept {
    if constexpr (sizeof(T) == 4) return kSine1024f;
    else return kSine1024d;
}

template <class T>
void base_sine(int order, T* s) noexcept {
    if (order < 2) {
        s[0] = 0;
        return;
    }
    const long q = (1L << order) / 4;
    if (order <= 10) {
        const T* table = static_sine<T>();
        for (long k = 0; k <= q; ++k) s[k] = table[k << (10 - order)];
        s[q] = 1;
        return;
    }
    const double step = 2.0 * 3.14159265358979323846 / static_cast<double>(1L << order);
    for (long k = 0; k <= q / 2; ++k) s[k] = static_cast<T>(std::sin(static_cast<double>(k) * step));
    for (long k = q / 2 + 1; k <= q; ++k) s[k] = static_cast<T>(std::cos(static_cast<double>(q - k) * step));
}

template <class T>
EngineSizes engine_sizes(int m) noexcept {
    const Layout<T> L = layout<T>(m);
    EngineSizes s;
    s.tables = static_cast<int>(L.total);
    s.init = m >= 11 ? base_sine_bytes<T>(m) : 0;
    s.work = static_cast<int>(round32(L.work));
    return s;
}

int two_level_threads() noexcept {
    int n = ownGetNumThreads();
    if (n > 2) n = 2;
    if (n < 1) n = 1;
    if (processors_available() > 2) n = 1;
    return n;
}

template <class T>
void build_plan(Plan* plan, int m, void* tables, void* init) noexcept {
    std::memset(plan, 0, sizeof *plan);
    plan->order = m;
    plan->threads = 1;
    const Layout<T> L = layout<T>(m);
    if (L.regime == Regime::small) return;
    auto* mem = static_cast<unsigned char*>(tables);
    Base<T> base;
    if (m <= 10) {
        base = Base<T>{static_sine<T>(), 10 - m, (1L << m) / 4};
    } else {
        base_sine<T>(m, static_cast<T*>(init));
        base = Base<T>{static_cast<const T*>(init), 0, (1L << m) / 4};
    }
    T* chain = reinterpret_cast<T*>(mem + L.chain_off);
    build_chain(kernels<T>(), base, m, L.leaf, chain);
    plan->stages = chain;
    if (L.regime == Regime::radix4 || L.regime == Regime::two_level) {
        auto* rev = reinterpret_cast<std::int32_t*>(mem + L.rev_off);
        const int bits = L.leaf - first_log(L.leaf);
        for (long g = 0; g < L.rev_count; ++g) rev[g] = static_cast<std::int32_t>(reverse_bits(g, bits));
        plan->bitrev = rev;
    }
    if (L.regime == Regime::two_level) {
        T* fin = reinterpret_cast<T*>(mem + L.final_off);
        const long M = (1L << m) / 8;
        for (long k = 0; k < M; ++k)
            for (int j = 1; j < 8; ++j) base.cis(j * k, fin + 56 * (k / 4) + 8 * (j - 1) + 2 * (k % 4));
        kernels<T>().final_twiddles(fin, M);
        plan->final_pass = fin;
        plan->threads = two_level_threads();
    }
    if (L.regime == Regime::blocked) {
        auto* lv = reinterpret_cast<Levels<T>*>(mem + L.levels_off);
        lv->count = L.nlev;
        lv->leaf = L.leaf;
        for (int i = 0; i < L.nlev; ++i) {
            Level<T>& level = lv->level[i];
            level.order = L.lv_order[i];
            level.b = L.lv_b[i];
            level.width = L.lv_w[i];
            level.h = (level.order + 1) / 2;
            const long stride = 1L << (m - level.order);  // w_{N_l}^n = w_N^(n stride)
            T* t2 = reinterpret_cast<T*>(mem + L.lv_t2[i]);
            for (long p = 0; p < (1L << level.b); ++p)
                for (long d = 0; d < level.width; ++d)
                    base.cis(reverse_bits(p, level.b) * d * stride, t2 + 2 * (p * level.width + d));
            T* rows = reinterpret_cast<T*>(mem + L.lv_rows[i]);
            T* r = rows;
            for (int l = 2; l <= level.b; l += 2) {
                const long q = (1L << l) / 4, rs = 1L << (m - l);
                for (long k = 0; k < q; ++k) {
                    base.cis(k * rs, r + 6 * k);
                    base.cis(2 * k * rs, r + 6 * k + 2);
                    base.cis(3 * k * rs, r + 6 * k + 4);
                }
                r += 6 * q;
            }
            T* A = reinterpret_cast<T*>(mem + L.lv_A[i]);
            T* Bt = reinterpret_cast<T*>(mem + L.lv_B[i]);
            for (long a = 0; a < (1L << (level.order - level.h)); ++a) base.cis((a << level.h) * stride, A + 2 * a);
            for (long b = 0; b < (1L << level.h); ++b) base.cis(b * stride, Bt + 2 * b);
            level.t2 = t2;
            level.rows = rows;
            level.A = A;
            level.Bt = Bt;
        }
        plan->levels = lv;
    }
}

template <class T>
bool work_needed(const Plan& plan, const T* src, const T* dst) noexcept {
    if (plan.order <= kStraightLast) return false;
    switch (regime_of<T>(plan.order)) {
    case Regime::small: return false;
    case Regime::radix4: return src == dst;
    case Regime::two_level: return src == dst || reinterpret_cast<std::uintptr_t>(dst) % 16 != 0;
    case Regime::blocked: return true;
    }
    return true;
}

template <class T>
void run_split(const Plan& plan, const T* sre, const T* sim, T* dre, T* dim, bool inverse, bool scale, T factor,
               void* work) noexcept {
    const Kernels<T>& k = kernels<T>();
    const int m = plan.order;
    const long N = 1L << m;
    if (m <= kStraightLast) {
        T tmp[2 << kStraightLast];
        for (long i = 0; i < N; ++i) {
            tmp[2 * i] = sre[i];
            tmp[2 * i + 1] = sim[i];
        }
        k.small(tmp, tmp, m, inverse, scale, factor);
        for (long i = 0; i < N; ++i) {
            dre[i] = tmp[2 * i];
            dim[i] = tmp[2 * i + 1];
        }
        return;
    }
    switch (regime_of<T>(m)) {
    case Regime::small:
        break;
    case Regime::radix4: {
        const int c = first_log(m);
        T* x = static_cast<T*>(work);
        k.first_gather_split(sre, sim, 1, N >> c, plan.bitrev, static_cast<int>(N >> (c + 1)), c, x, inverse);
        run_stages_split(k, static_cast<const T*>(plan.stages), x, m, inverse, scale, factor, dre, dim);
        break;
    }
    case Regime::two_level: {
        const int s = m - 3, c = first_log(s);
        const long M = 1L << s;
        T* Y = static_cast<T*>(work);
        const T* chain = static_cast<const T*>(plan.stages);
        auto step = [&](int st) {
            for (int j = 2 * st; j < 2 * st + 2; ++j) {
                T* Yj = Y + 2 * j * M;
                k.first_gather_split(sre + j, sim + j, 8, M >> c, plan.bitrev, static_cast<int>(M >> (c + 1)), c, Yj,
                                     inverse);
                run_stages(k, chain, Yj, s, inverse, scale, factor, true);
            }
        };
        const T* tw = static_cast<const T*>(plan.final_pass);
        two_phases(plan, 16 * M * static_cast<long>(sizeof(T)), step, static_cast<int>(M / k.block), k.block,
                   [&](long k0, long k1) { k.radix8_final_split(Y, dre, dim, M, k0, k1, tw, inverse); });
        break;
    }
    case Regime::blocked:
        run_blocked_split(plan, sre, sim, dre, dim, inverse, scale, factor, static_cast<T*>(work));
        break;
    }
}

template <class T>
void run_complex(const Plan& plan, const T* src, T* dst, bool inverse, bool scale, T factor, void* work) noexcept {
    if (plan.order <= kStraightLast) {
        kernels<T>().small(src, dst, plan.order, inverse, scale, factor);
        return;
    }
    switch (regime_of<T>(plan.order)) {
    case Regime::small: break;
    case Regime::radix4: run_radix4(plan, src, dst, inverse, scale, factor, work); break;
    case Regime::two_level: run_two_level(plan, src, dst, inverse, scale, factor, work); break;
    case Regime::blocked: run_blocked(plan, src, dst, inverse, scale, factor, work); break;
    }
}

#define VDX_FFT_ENGINE_TYPE(T)                                                                           \
    template EngineSizes engine_sizes<T>(int) noexcept;                                                  \
    template void build_plan<T>(Plan*, int, void*, void*) noexcept;                                      \
    template void run_complex<T>(const Plan&, const T*, T*, bool, bool, T, void*) noexcept;              \
    template bool work_needed<T>(const Plan&, const T*, const T*) noexcept;                               \
    template void run_split<T>(const Plan&, const T*, const T*, T*, T*, bool, bool, T, void*) noexcept;  \
    template void base_sine<T>(int, T*) noexcept;                                                        \
    template int base_sine_bytes<T>(int) noexcept;                                                       \
    template const T* static_sine<T>() noexcept;
VDX_FFT_ENGINE_TYPE(float)
VDX_FFT_ENGINE_TYPE(double)
#undef VDX_FFT_ENGINE_TYPE

}  // namespace fft
}  // namespace vdx
