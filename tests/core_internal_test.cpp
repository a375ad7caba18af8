// The shared machinery below the C interface: the parallel-region helper, the
// object pattern's failure paths, and the variant choice.
#include <gtest/gtest.h>
#include <omp.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "isa.h"
#include "object.h"
#include "parallel.h"
#include "vdxcore.h"

namespace {

class ThreadCount : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override { vdxcoreSetNumThreads(GetParam()); }
    void TearDown() override { vdxcoreSetNumThreads(0); }
};

struct Coverage {
    std::vector<std::atomic<int>> hits;
    std::vector<std::atomic<int>> thread_of;
    std::atomic<int> calls{0};
    explicit Coverage(int n) : hits(n), thread_of(n) {}
};

// Every element is visited exactly once, in contiguous blocks, one per thread
// of the team, and the last thread takes the remainder.
TEST_P(ThreadCount, BlocksCoverTheRangeOnceAndLastThreadTakesTheRest) {
    const int threads = GetParam();
    const vdx::ParallelPolicy policy{64, 2};
    for (int len : {1, 2, 3, 63, 64, 65, 1000, 1001}) {
        SCOPED_TRACE(len);
        Coverage c(len);
        std::vector<int> block_ends(4, -1);
        const bool met = vdx::for_blocks(len, policy, [&](int begin, int end) {
            ++c.calls;
            for (int i = begin; i < end; ++i) {
                ++c.hits[i];
                c.thread_of[i] = omp_get_thread_num();
            }
            block_ends[omp_get_thread_num()] = end;
            return false;
        });
        EXPECT_FALSE(met);
        for (int i = 0; i < len; ++i) ASSERT_EQ(c.hits[i], 1) << i;
        const bool parallel = len >= policy.threshold && threads > 1 && len >= threads;
        const int team = parallel ? std::min(threads, policy.team) : 1;
        EXPECT_EQ(c.calls, team);
        EXPECT_EQ(c.thread_of[len - 1], team - 1) << "the last thread ends the range";
        EXPECT_EQ(block_ends[team - 1], len);
        if (team == 2) {
            EXPECT_EQ(block_ends[0], len / 2);
        }
    }
}

// A special case met in any one block (the last one included) is reported,
// and the answer does not depend on the thread count.
TEST_P(ThreadCount, FlagFromAnyBlockIsReported) {
    const int len = 5000;
    for (int marked : {0, 1, len / 2, len - 2, len - 1, -1}) {
        const bool met = vdx::for_blocks(len, {1024, 4}, [&](int begin, int end) {
            return marked >= begin && marked < end;
        });
        EXPECT_EQ(met, marked >= 0) << marked;
    }
}

// A body in phases: what every thread publishes before a team barrier is
// seen whole by every thread after it, and the returned size is the team's.
TEST_P(ThreadCount, TeamPhasesSeeEachOthersWorkAfterTheBarrier) {
    const int threads = GetParam();
    const vdx::ParallelPolicy policy{100, 3};
    for (int len : {99, 100, 1001}) {
        SCOPED_TRACE(len);
        std::vector<long> block_sums(8, -1);
        std::vector<long> totals(8, -1);
        std::atomic<int> calls{0};
        const int team = vdx::for_team(len, policy, [&](int t, int n, int begin, int end) {
            ++calls;
            EXPECT_EQ(n, omp_get_num_threads() == 1 ? 1 : omp_get_num_threads());
            long sum = 0;
            for (int i = begin; i < end; ++i) sum += i;
            block_sums[t] = sum;
            vdx::team_barrier(n);
            long total = 0;
            for (int u = 0; u < n; ++u) total += block_sums[u];
            totals[t] = total;
        });
        const bool parallel = len >= policy.threshold && threads > 1 && len >= threads;
        EXPECT_EQ(team, parallel ? std::min(threads, policy.team) : 1);
        EXPECT_EQ(calls, team);
        for (int t = 0; t < team; ++t) EXPECT_EQ(totals[t], long(len) * (len - 1) / 2) << t;
    }
}

INSTANTIATE_TEST_SUITE_P(Threads, ThreadCount, ::testing::Values(1, 2, 3, 4));

// A team of one run on the calling thread, inside a region of the caller's
// that only one of its threads enters: the body's barrier must not bind to
// the caller's region (it would wait there for ever).
TEST(Parallel, TeamOfOneBarrierIgnoresTheCallersRegion) {
    std::atomic<int> team{0};
#pragma omp parallel num_threads(2)
    {
        if (omp_get_thread_num() == 0) {
            team = vdx::for_team(10, {1000, 2}, [](int, int n, int, int) { vdx::team_barrier(n); });
        }
    }
    EXPECT_EQ(team, 1);
}

TEST(Parallel, NestedCallRunsOnTheCallingThreadsTeamOfOne) {
    vdxcoreSetNumThreads(2);
    std::atomic<int> total{0};
    std::atomic<int> calls{0};
#pragma omp parallel num_threads(2)
    {
        vdx::for_blocks(1000, {1, 2}, [&](int begin, int end) {
            ++calls;
            total += end - begin;
            return false;
        });
    }
    vdxcoreSetNumThreads(0);
    const int outer = omp_get_max_active_levels() > 1 ? 4 : 2;
    EXPECT_EQ(total, 2000);
    EXPECT_LE(calls, outer);
}

// ---- the object pattern: the failure paths no FFT object reaches ----

struct TestObject {
    std::uint32_t id;
    std::uint32_t owned;
};

VdxStatus init_test_object(TestObject** out, Vdx8u* mem, VdxStatus result) {
    auto* obj = reinterpret_cast<TestObject*>(vdx::align_up32(mem));
    std::memset(obj, 0, sizeof *obj);
    if (result < 0) return result;
    *out = obj;
    return result;
}

// InitAlloc, Free and work buffers seen from outside: fft_object_test, for
// every FFT family and every offset of the caller's memory.
TEST(Object, InitAllocFailureWritesNothingAndReturnsInitStatus) {
    TestObject* sentinel = reinterpret_cast<TestObject*>(std::uintptr_t{0x1234});
    TestObject* obj = sentinel;
    EXPECT_EQ(vdx::init_alloc(&obj, 256, 0,
                              [](TestObject** out, Vdx8u* mem, Vdx8u* buf) {
                                  EXPECT_EQ(buf, nullptr) << "no init buffer was asked for";
                                  return init_test_object(out, mem, vdxStsFFTOrderErr);
                              },
                              [](TestObject* o) { o->owned = 1; }),
              vdxStsFFTOrderErr);
    EXPECT_EQ(obj, sentinel);
    EXPECT_EQ(vdx::init_alloc(&obj, 0, 0, [](TestObject**, Vdx8u*, Vdx8u*) { return vdxStsNoErr; },
                              [](TestObject*) {}),
              vdxStsMemAllocErr)
        << "an allocation that cannot be made";
    EXPECT_EQ(obj, sentinel);
}

TEST(Variant, ChosenFromTheCoreLibraryAndFixed) {
    const vdx::Isa first = vdx::active_isa();
    const bool wide = ownGetFeature(VDXCORE_FEATURE_AVX2_FMA) != 0;
    EXPECT_EQ(first, wide ? vdx::Isa::avx2 : vdx::Isa::sse41);
    vdxcoreSetFeatureMask(wide ? VDXCORE_FEATURE_AVX2_FMA : 0);
    EXPECT_EQ(vdx::active_isa(), first) << "the choice never changes once made";
    vdxcoreSetFeatureMask(0);
    const char* hidden = std::getenv("VDXCORE_HIDE_FEATURES");
    if (hidden != nullptr && (std::strtoul(hidden, nullptr, 0) & VDXCORE_FEATURE_AVX2_FMA)) {
        EXPECT_EQ(first, vdx::Isa::sse41) << "the narrow run must exercise the SSE4.1 variant";
    }
}

}  // namespace
