// The helper threads behind vdx::Team (parallel.h).
//
// One pool per process, taken by one Team at a time (a try-lock: a Team
// that finds it taken runs alone).  A run publishes its blocks in a 64-bit
// ticket, generation | block count | next block, and everyone claims the
// next block by compare-and-swap on it.  A claim that succeeds proves the
// run it belongs to is still live: the caller cannot finish that run, and
// so cannot publish another, before the claimed block is reported done.
// That is why a late helper can never run a block of a run that has ended.
//
// Waiting is in the kernel (futex), never in a spin that outlasts a Team:
//   - helpers sleep on `wake_`, bumped for every run.  The caller makes the
//     wake-up call only when a helper is asleep and the run is worth it:
//     when the Team's previous run took 25 us or more, or once its own
//     first blocks show that the blocks left would (a call of a few
//     microseconds is over before a woken helper could start);
//   - between the runs of one open Team, a helper watches `wake_` for up
//     to 200 us first, so the phases of a sort or an FFT don't each pay for
//     a wake-up; a helper that finds itself on the caller's processor
//     neither watches nor takes blocks;
//   - a caller whose last blocks are still running on helpers spins for up
//     to 50 us, then sleeps on `done_` until the last helper wakes it.
#include "runtime/parallel.h"

#include <climits>

#include <linux/futex.h>
#include <pthread.h>
#include <sched.h>
#include <signal.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

namespace vdx {
namespace {

void futex_wait(std::atomic<std::uint32_t>& word, std::uint32_t expected) noexcept {
    syscall(SYS_futex, reinterpret_cast<std::uint32_t*>(&word), FUTEX_WAIT_PRIVATE, expected, nullptr, nullptr, 0);
}

void futex_wake(std::atomic<std::uint32_t>& word, int count) noexcept {
    syscall(SYS_futex, reinterpret_cast<std::uint32_t*>(&word), FUTEX_WAKE_PRIVATE, count, nullptr, nullptr, 0);
}

// generation (32 bits) | blocks (16) | next block (16)
struct Ticket {
    static std::uint64_t make(std::uint32_t generation, int blocks) noexcept {
        return std::uint64_t{generation} << 32 | std::uint64_t(blocks) << 16;
    }
    static int blocks(std::uint64_t t) noexcept { return static_cast<int>(t >> 16 & 0xFFFF); }
    static int next(std::uint64_t t) noexcept { return static_cast<int>(t & 0xFFFF); }
};

constexpr int kMaxHelpers = 63;
constexpr long kWatchNs = 200000;      // a helper between the runs of an open Team
constexpr long kCallerSpinNs = 50000;  // a caller whose last blocks are on helpers
constexpr long kWakeWorthNs = 25000;  // work left that is worth waking a helper for

class Pool {
public:
    // Takes the pool for a Team with up to `helpers` helpers; returns how
    // many it has (0: the pool is taken, stopped or has no threads).
    int acquire(int helpers) noexcept {
        if (stopping_.load(std::memory_order_acquire)) return 0;
        if (taken_.exchange(true, std::memory_order_acquire)) return 0;
        const int granted = start(helpers < kMaxHelpers ? helpers : kMaxHelpers);
        if (granted == 0) {
            taken_.store(false, std::memory_order_release);
            return 0;
        }
        seats_.store(granted, std::memory_order_relaxed);
        last_run_ns_ = 0;
        team_.fetch_add(1, std::memory_order_release);
        open_.store(true, std::memory_order_release);
        return granted;
    }

    void release() noexcept {
        open_.store(false, std::memory_order_release);
        taken_.store(false, std::memory_order_release);
    }

    void run(int blocks, BlockFn fn, const void* body, int helpers) noexcept {
        fn_ = fn;
        body_ = body;
        fp_ = FpControl::current();
        caller_cpu_.store(sched_getcpu(), std::memory_order_relaxed);
        done_.store(0, std::memory_order_relaxed);
        ticket_.store(Ticket::make(++generation_, blocks), std::memory_order_release);
        wake_.fetch_add(1, std::memory_order_seq_cst);
        // Helpers that are watching take blocks at once.  Sleeping ones are
        // woken at once when the Team's previous run was worth a wake-up,
        // and otherwise only once the caller's own blocks show that the work
        // left is: a short call finishes alone, as fast as on one thread.
        const long start = now_ns();
        if (sleepers_.load(std::memory_order_seq_cst) == 0) {
            claim_all(false);
        } else if (last_run_ns_ >= kWakeWorthNs) {
            futex_wake(wake_, helpers);
            claim_all(false);
        } else {
            claim_all_then_wake(helpers, start);
        }
        wait_until_done(static_cast<std::uint32_t>(blocks));
        last_run_ns_ = now_ns() - start;
    }

    void stop() noexcept {
        stopping_.store(true, std::memory_order_release);
        wake_.fetch_add(1, std::memory_order_seq_cst);
        futex_wake(wake_, INT_MAX);
        for (int i = 0; i < started_; ++i) pthread_join(threads_[i], nullptr);
        started_ = 0;
    }

    // In a child after fork() the helpers do not exist: start afresh.
    void forget_threads() noexcept {
        started_ = 0;
        sleepers_.store(0, std::memory_order_relaxed);
        open_.store(false, std::memory_order_relaxed);
        taken_.store(false, std::memory_order_relaxed);
    }

private:
    // Starts helpers up to `wanted` (with every signal blocked, so that
    // signals go to the application's own threads); returns how many exist.
    int start(int wanted) noexcept {
        if (started_ == 0 && !fork_handler_) fork_handler_ = pthread_atfork(nullptr, nullptr, after_fork) == 0;
        if (started_ >= wanted) return wanted;
        sigset_t all, saved;
        sigfillset(&all);
        pthread_sigmask(SIG_SETMASK, &all, &saved);
        while (started_ < wanted && pthread_create(&threads_[started_], nullptr, helper_main, this) == 0) {
            pthread_setname_np(threads_[started_], "vdxs-helper");
            ++started_;
        }
        pthread_sigmask(SIG_SETMASK, &saved, nullptr);
        return started_;
    }

    static void after_fork() noexcept;

    static void* helper_main(void* self) noexcept {
        static_cast<Pool*>(self)->serve();
        return nullptr;
    }

    void serve() noexcept {
        std::uint32_t seen = wake_.load(std::memory_order_acquire);
        std::uint32_t team = 0;
        bool seated = false;
        while (next_wake(seen)) {
            // One seat per helper the Team asked for; the first helpers up take them.
            const std::uint32_t now = team_.load(std::memory_order_acquire);
            if (now != team) {
                team = now;
                seated = seats_.fetch_sub(1, std::memory_order_relaxed) > 0;
            }
            if (seated) claim_all(true);
        }
    }

    // Returns once wake_ differs from seen (updating seen), watching while a
    // Team is open and asleep otherwise; false when the pool is stopping.
    bool next_wake(std::uint32_t& seen) noexcept {
        const long until = now_ns() + kWatchNs;
        for (unsigned pauses = 0;; ++pauses) {
            if (stopping_.load(std::memory_order_acquire)) return false;
            const std::uint32_t now = wake_.load(std::memory_order_acquire);
            if (now != seen) {
                seen = now;
                return true;
            }
            if (open_.load(std::memory_order_acquire) && (pauses % 64 != 0 || (now_ns() < until && !beside_caller()))) {
                _mm_pause();
                continue;
            }
            sleepers_.fetch_add(1, std::memory_order_seq_cst);
            futex_wait(wake_, seen);
            sleepers_.fetch_sub(1, std::memory_order_relaxed);
        }
    }

    // On a busy machine the scheduler may wake a helper on the caller's own
    // processor.  Work taken there would only share that processor with the
    // caller and make it wait, so such a helper takes no block and does not
    // watch.
    bool beside_caller() const noexcept { return sched_getcpu() == caller_cpu_.load(std::memory_order_relaxed); }

    void claim_all(bool helper) noexcept {
        std::uint64_t t = ticket_.load(std::memory_order_acquire);
        while (Ticket::next(t) < Ticket::blocks(t)) {
            if (helper && beside_caller()) return;
            if (!ticket_.compare_exchange_weak(t, t + 1, std::memory_order_acq_rel, std::memory_order_acquire))
                continue;
            if (helper) {
                const FpControlScope fp(fp_);
                fn_(body_, Ticket::next(t));
            } else {
                fn_(body_, Ticket::next(t));
            }
            done_.fetch_add(1, std::memory_order_seq_cst);
            if (helper && caller_asleep_.load(std::memory_order_seq_cst)) futex_wake(done_, 1);
            t = ticket_.load(std::memory_order_acquire);
        }
    }

    // The caller's claims, waking sleeping helpers as soon as the blocks left
    // would take at least kWakeWorthNs at the caller's own pace.
    void claim_all_then_wake(int helpers, long start) noexcept {
        int ran = 0;
        bool woken = false;
        std::uint64_t t = ticket_.load(std::memory_order_acquire);
        while (Ticket::next(t) < Ticket::blocks(t)) {
            if (!ticket_.compare_exchange_weak(t, t + 1, std::memory_order_acq_rel, std::memory_order_acquire))
                continue;
            fn_(body_, Ticket::next(t));
            done_.fetch_add(1, std::memory_order_seq_cst);
            ++ran;
            t = ticket_.load(std::memory_order_acquire);
            const long left = Ticket::blocks(t) - Ticket::next(t);
            if (!woken && left > 0 && (now_ns() - start) * left >= kWakeWorthNs * ran) {
                futex_wake(wake_, helpers);
                woken = true;
            }
        }
    }

    static long now_ns() noexcept {
        timespec ts;
        clock_gettime(CLOCK_MONOTONIC, &ts);
        return ts.tv_sec * 1000000000L + ts.tv_nsec;
    }

    void wait_until_done(std::uint32_t blocks) noexcept {
        const long until = now_ns() + kCallerSpinNs;
        for (unsigned pauses = 1;; ++pauses) {
            const std::uint32_t done = done_.load(std::memory_order_seq_cst);
            if (done == blocks) return;
            if (pauses % 64 != 0 || now_ns() < until) {
                _mm_pause();
                continue;
            }
            caller_asleep_.store(true, std::memory_order_seq_cst);
            if (done_.load(std::memory_order_seq_cst) == done) futex_wait(done_, done);
            caller_asleep_.store(false, std::memory_order_relaxed);
        }
    }

    std::atomic<bool> taken_{false};
    std::atomic<bool> stopping_{false};
    std::atomic<bool> open_{false};
    std::atomic<std::uint32_t> wake_{0};
    std::atomic<std::uint32_t> sleepers_{0};
    std::atomic<std::uint32_t> team_{0};
    std::atomic<int> seats_{0};
    std::atomic<std::uint64_t> ticket_{0};
    std::atomic<std::uint32_t> done_{0};
    std::atomic<bool> caller_asleep_{false};
    std::atomic<int> caller_cpu_{-1};
    // The run's body: written before its ticket is published, read by a
    // helper only after a claim on that ticket succeeded.
    BlockFn fn_ = nullptr;
    const void* body_ = nullptr;
    FpControl fp_{};
    std::uint32_t generation_ = 0;
    long last_run_ns_ = 0;  // the open Team's previous run
    int started_ = 0;
    bool fork_handler_ = false;
    pthread_t threads_[kMaxHelpers]{};
};

// Constant-initialised, so a call from another library's static
// initialiser finds it ready; stopped (helpers joined) when the library is
// unloaded or the process exits.
constinit Pool pool;

void Pool::after_fork() noexcept { pool.forget_threads(); }

__attribute__((destructor)) void stop_pool() noexcept { pool.stop(); }

}  // namespace

int processors_available() noexcept {
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof set, &set) != 0) return static_cast<int>(sysconf(_SC_NPROCESSORS_ONLN));
    return CPU_COUNT(&set);
}

int object_thread_areas(int most) noexcept {
    const long configured = sysconf(_SC_NPROCESSORS_CONF);
    int n = ownGetNumThreads();
    if (configured > n) n = static_cast<int>(configured);
    return n < 1 ? 1 : (n > most ? most : n);
}

Team::Team(int threads) noexcept : helpers_(threads > 1 ? pool.acquire(threads - 1) : 0) {}

Team::~Team() {
    if (helpers_ > 0) pool.release();
}

void Team::dispatch(int blocks, BlockFn fn, const void* body) noexcept { pool.run(blocks, fn, body, helpers_); }

}  // namespace vdx
