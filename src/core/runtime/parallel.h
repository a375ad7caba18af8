// The one parallel-region pattern of the library.
//
// for_team(len, policy, body) calls body(t, n, begin, end) once on every
// thread t = 0 .. n-1 of a team of n, with disjoint blocks [begin, end) that
// cover [0, len) exactly once, and returns n.
//
//  - Team of one, no region (one call body(0, 1, 0, len) on the calling
//    thread) when len is below the policy's threshold, when
//    ownGetNumThreads() reports one thread or fewer, or when len is below
//    that thread count.
//  - Otherwise a region of min(available, policy.team) threads.  The master
//    reads the team size the runtime actually gave, publishes it with block
//    and rest, and everyone meets at a barrier; thread t takes
//    [t*block, t*block+block) and the last one also takes the rest.  A
//    runtime that will not fork (a nested call, say) gives a team of one,
//    which then runs the whole range.
//  - A body that works in phases (counts, then sums over every thread's
//    counts, then writes) separates them with team_barrier(n).  Every thread
//    of the team must reach the same barriers.  With a team of one it does
//    nothing, so the same body is safe on the calling thread outside any
//    region of ours (where an orphaned barrier would bind to a region of the
//    caller's).
//  - The returned team size tells a caller that has a separate serial
//    algorithm whether the work was shared: its body does nothing when n is 1
//    and the caller then runs the serial version.
//
// for_blocks(len, policy, body) is the one-phase form: body(begin, end) on
// each block; it returns true when any call of body returned true (a special
// case met, e.g. a zero divisor).  That flag is only ever set, with plain
// (relaxed) stores: no lock, no read-modify-write.
//
// Every thread of a region runs body with the calling thread's floating-point
// control words (MXCSR: rounding, flush-to-zero, denormals-are-zero; x87:
// precision and rounding), and a helper thread gets its own back before it
// returns to the runtime.  So when each element is computed by the same body
// whatever the split, results never depend on the thread count; body must
// not throw.
#pragma once

#include <atomic>
#include <cstdint>

#include <omp.h>
#include <xmmintrin.h>

#include "vdxcore.h"

namespace vdx {

struct ParallelPolicy {
    int threshold;  // shortest length worth a region
    int team;       // most threads one region uses
};

struct BlockSplit {
    int block;
    int rest;
};

constexpr BlockSplit split_blocks(int len, int threads) noexcept {
    return BlockSplit{len / threads, len % threads};
}

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

// A barrier of the team that is running body(t, team, ...); nothing for a
// team of one.
inline void team_barrier(int team) noexcept {
    if (team > 1) {
#pragma omp barrier
    }
}

template <class Body>
int for_team(int len, ParallelPolicy policy, Body&& body) noexcept {
    if (len < policy.threshold) {
        body(0, 1, 0, len);
        return 1;
    }
    const int available = ownGetNumThreads();
    if (available <= 1 || len < available) {
        body(0, 1, 0, len);
        return 1;
    }
    const int team = available < policy.team ? available : policy.team;

    int size = 1;
    BlockSplit split{0, 0};
    const FpControl caller = FpControl::current();
#pragma omp parallel num_threads(team) default(none) shared(size, split, len, body, caller)
    {
        const FpControlScope fp(caller);
#pragma omp master
        {
            size = omp_get_num_threads();
            split = split_blocks(len, size);
        }
#pragma omp barrier
        const int t = omp_get_thread_num();
        const int begin = t * split.block;
        const int end = begin + split.block + (t == size - 1 ? split.rest : 0);
        body(t, size, begin, end);
    }
    return size;
}

template <class Body>
bool for_blocks(int len, ParallelPolicy policy, Body&& body) noexcept {
    std::atomic<bool> met{false};
    for_team(len, policy, [&](int, int, int begin, int end) {
        if (body(begin, end)) met.store(true, std::memory_order_relaxed);
    });
    return met.load(std::memory_order_relaxed);
}

}  // namespace vdx
