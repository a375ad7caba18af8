// The one threading helper of the library.
//
// A parallel call splits its work into blocks and runs them as a Team:
//
//     vdx::Team team(threads);                 // 1: the calling thread alone
//     team.run(blocks, [&](int b) { ... });    // every b in [0, blocks) once
//     team.run(...);                           // a later phase sees the first
//
// Blocks are claimed from one shared counter, by the calling thread and by
// up to threads - 1 helper threads of the library's pool.  The caller claims
// like everyone else and so runs every block that no helper has started: it
// never waits for a helper that is asleep, descheduled or busy elsewhere,
// only for blocks a helper is already running.  When the pool is taken (a
// concurrent call from another thread, a call made inside a block) or
// cannot start threads, the caller runs every block itself.  run() returns
// when every block is done, so successive runs are the phases of one
// algorithm, with no barrier inside a block.
//
// What a call computes must depend only on its blocks, never on which
// thread ran one or in what order they ran: every path of the library
// computes each element by the same serial kernel whatever the split, so
// results never depend on the thread count.  Every block runs with the
// calling thread's floating-point control words (MXCSR rounding,
// flush-to-zero and denormals-are-zero; x87 precision and rounding); a
// helper gets its own back after the block.  Bodies must not throw.
//
// Helpers sleep in the kernel between calls and are woken only for work
// worth a wake-up.  Between the phases of one Team they watch for the next
// phase for up to 200 microseconds before going back to sleep, and they
// stop watching when the Team ends: no thread runs or spins after a call
// returns.
//
// for_blocks(len, policy, body) is the element-wise form: body(begin, end)
// on disjoint ranges covering [0, len); it returns true when any call of
// body returned true (a special case met, e.g. a zero divisor).
#pragma once

#include <atomic>
#include <cstdint>

#include <xmmintrin.h>

#include "vdxcore.h"

namespace vdx {

struct ParallelPolicy {
    int threshold;      // shortest length worth a parallel path
    int team;           // most threads one call uses
    int grain = 4096;   // for_blocks: elements a block should have at least
};

struct BlockRange {
    int begin;
    int end;
};

// Block b of `blocks` equal blocks over [0, len); the last also takes the
// remainder.
constexpr BlockRange block_range(int len, int blocks, int b) noexcept {
    const int size = len / blocks;
    return BlockRange{b * size, b == blocks - 1 ? len : (b + 1) * size};
}

// Threads a call of length len may use under policy: 1 (the calling thread
// only) below the threshold, when ownGetNumThreads() reports one thread or
// fewer, or when len is below that count; otherwise at most policy.team.
inline int team_size(int len, ParallelPolicy policy) noexcept {
    if (len < policy.threshold) return 1;
    const int available = ownGetNumThreads();
    if (available <= 1 || len < available) return 1;
    return available < policy.team ? available : policy.team;
}

// Processors the calling thread may run on (its affinity mask).
int processors_available() noexcept;

// Threads an object with per-thread work areas keeps areas for (at most
// `most`): the core library's thread count, but never fewer than the
// processors configured, so that a size taken while the process's affinity
// was narrow still holds an object built after it widened.  Only a thread
// count pinned above that changes it.
int object_thread_areas(int most) noexcept;

// The floating-point control words of the calling thread, and a scope that
// puts them on another thread and restores that thread's own at its end.
struct FpControl {
    unsigned mxcsr;
    std::uint16_t x87;

    static FpControl current() noexcept {
        FpControl c;
        c.mxcsr = _mm_getcsr();
        __asm__ volatile("fnstcw %0" : "=m"(c.x87));
        return c;
    }
    void load() const noexcept {
        _mm_setcsr(mxcsr);
        __asm__ volatile("fldcw %0" : : "m"(x87));
    }
};

class FpControlScope {
public:
    explicit FpControlScope(const FpControl& wanted) noexcept : own_(FpControl::current()) {
        // The six low MXCSR bits are sticky exception flags, not controls.
        changed_ = ((own_.mxcsr ^ wanted.mxcsr) & ~0x3Fu) != 0 || own_.x87 != wanted.x87;
        if (changed_) wanted.load();
    }
    ~FpControlScope() {
        if (changed_) own_.load();
    }
    FpControlScope(const FpControlScope&) = delete;
    FpControlScope& operator=(const FpControlScope&) = delete;

private:
    FpControl own_;
    bool changed_;
};

using BlockFn = void (*)(const void* body, int block) noexcept;

// Most blocks one run may have.
constexpr int kMaxBlocks = 0xFFFF;

class Team {
public:
    // Up to threads - 1 helpers join the caller; none when threads <= 1.
    explicit Team(int threads) noexcept;
    ~Team();
    Team(const Team&) = delete;
    Team& operator=(const Team&) = delete;

    // body(b) for every b in [0, blocks), 1 <= blocks <= kMaxBlocks.
    template <class Body>
    void run(int blocks, const Body& body) noexcept {
        if (helpers_ == 0 || blocks == 1) {
            for (int b = 0; b < blocks; ++b) body(b);
            return;
        }
        dispatch(blocks, [](const void* p, int b) noexcept { (*static_cast<const Body*>(p))(b); }, &body);
    }

private:
    void dispatch(int blocks, BlockFn fn, const void* body) noexcept;
    int helpers_;
};

// Element-wise blocks: at least one per thread, and for long vectors blocks
// of about `grain` elements (at most 256 of them), so that a helper that
// starts late still takes a share and a caller whose last block went to a
// helper that was then descheduled waits for one short block only.
constexpr int element_blocks(int len, int threads, int grain) noexcept {
    constexpr int kMost = 256;
    const int fine = len / grain;
    return fine < threads ? threads : fine > kMost ? kMost : fine;
}

// body(begin, end) -> bool over [0, len) on `threads` threads (from
// team_size); true when any call returned true.  The flag is only ever
// set, with relaxed stores.
template <class Body>
bool for_blocks_on(int threads, int len, Body&& body, int grain = ParallelPolicy{}.grain) noexcept {
    if (threads <= 1) return body(0, len);
    const int blocks = element_blocks(len, threads, grain);
    std::atomic<bool> met{false};
    Team team(threads);
    team.run(blocks, [&](int b) {
        const BlockRange r = block_range(len, blocks, b);
        if (body(r.begin, r.end)) met.store(true, std::memory_order_relaxed);
    });
    return met.load(std::memory_order_relaxed);
}

template <class Body>
bool for_blocks(int len, ParallelPolicy policy, Body&& body) noexcept {
    return for_blocks_on(team_size(len, policy), len, body, policy.grain);
}

}  // namespace vdx
