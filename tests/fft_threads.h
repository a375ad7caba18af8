// A thread count for the FFT calls made while it is in scope.  The library
// runs its two-level orders on two threads only where the process may use
// at most two processors, so the scope also narrows the calling thread to
// two of its processors: the threaded path then runs on any host (objects
// take their thread count at Init, so build them inside the scope).
#pragma once

#include <sched.h>

#include "vdxcore.h"

class ThreadScope {
public:
    explicit ThreadScope(int threads) {
        sched_getaffinity(0, sizeof saved_, &saved_);
        cpu_set_t two;
        CPU_ZERO(&two);
        for (int cpu = 0, kept = 0; cpu < CPU_SETSIZE && kept < 2; ++cpu)
            if (CPU_ISSET(cpu, &saved_)) CPU_SET(cpu, &two), ++kept;
        sched_setaffinity(0, sizeof two, &two);
        vdxcoreSetNumThreads(threads);
    }
    ~ThreadScope() {
        vdxcoreSetNumThreads(0);
        sched_setaffinity(0, sizeof saved_, &saved_);
    }
    ThreadScope(const ThreadScope&) = delete;
    ThreadScope& operator=(const ThreadScope&) = delete;

private:
    cpu_set_t saved_;
};
