// The one parallel-region pattern of the library.
//
// for_blocks(len, policy, body) calls body(begin, end) on disjoint blocks
// that cover [0, len) exactly once and returns true when any call of body
// returned true (a special case met, e.g. a zero divisor).
//
//  - Serial (one call body(0, len) on the calling thread) when len is below
//    the policy's threshold, when ownGetNumThreads() reports one thread or
//    fewer, or when len is below that thread count.
//  - Otherwise a region of min(available, policy.team) threads.  The master
//    reads the team size the runtime actually gave, publishes block and rest,
//    and everyone meets at a barrier; thread t takes [t*block, t*block+block)
//    and the last one also takes the rest.  A runtime that will not fork
//    gives a team of one, which then runs the whole range: the serial fallback.
//  - The warning flag is only ever set, with plain (relaxed) stores: no lock,
//    no read-modify-write.
//
// Each element is computed by the same body whatever the split, so results
// never depend on the thread count; body must not throw.
#pragma once

#include <atomic>

#include <omp.h>

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

template <class Body>
bool for_blocks(int len, ParallelPolicy policy, Body&& body) noexcept {
    if (len < policy.threshold) return body(0, len);
    const int available = ownGetNumThreads();
    if (available <= 1 || len < available) return body(0, len);
    const int team = available < policy.team ? available : policy.team;

    std::atomic<bool> met{false};
    BlockSplit split{0, 0};
#pragma omp parallel num_threads(team) default(none) shared(split, met, len, body)
    {
#pragma omp master
        split = split_blocks(len, omp_get_num_threads());
#pragma omp barrier
        const int t = omp_get_thread_num();
        const int begin = t * split.block;
        const int end = begin + split.block + (t == omp_get_num_threads() - 1 ? split.rest : 0);
        if (body(begin, end)) met.store(true, std::memory_order_relaxed);
    }
    return met.load(std::memory_order_relaxed);
}

}  // namespace vdx
