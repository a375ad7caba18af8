// Kernel variants per instruction set.
//
// Hot kernels are written once against the vector layer (simd.h) and compiled
// once per variant listed in variants.def; each compiled copy lives in its
// own namespace (vdx::sse41, vdx::avx2, ...) and exports a table of kernel
// pointers.  A family's header declares its tables with VDX_KERNEL_TABLE,
// and the glue reaches them through Variant<...>, whose choice is made at the
// first call, from ownGetFeature, and never changes afterwards.
#pragma once

#include <atomic>

#include "runtime/kernel_tables.h"

namespace vdx {

// The variant this process runs: the last one in variants.def, of those the
// build has, whose every feature the core library reports (the first one
// otherwise).  Decided once.
Isa active_isa() noexcept;

// The table of the active variant, or of the best one below it that the
// family has.
template <class Table>
const Table& pick_variant(const KernelTables<Table>& tables) noexcept {
    int v = static_cast<int>(active_isa());
    while (v > 0 && tables.of[v] == nullptr) --v;
    return *tables.of[v];
}

// One family's kernel tables: table() is the active variant's.  After the
// first call the chosen table sits in a constant-initialised pointer (no
// guard variable), so a lookup is one load; the first call picks out of
// line.  Threads racing through the first call all store the same pointer.
template <class Table, const KernelTables<Table>* Tables>
class Variant {
public:
    static const Table& table() noexcept {
        if (const Table* t = chosen_.load(std::memory_order_relaxed)) [[likely]] return *t;
        return pick();
    }

private:
    [[gnu::cold, gnu::noinline]] static const Table& pick() noexcept {
        const Table* t = &pick_variant(*Tables);
        chosen_.store(t, std::memory_order_relaxed);
        return *t;
    }

    static inline std::atomic<const Table*> chosen_{nullptr};
};

}  // namespace vdx
