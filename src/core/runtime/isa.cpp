#include "runtime/isa.h"

#include "vdxcore.h"

namespace vdx {

namespace {

Isa best_present() noexcept {
    for (int v = kVariantCount - 1; v > 0; --v) {
        if (!variant_enabled(static_cast<Isa>(v))) continue;
        const std::uint64_t needed = kVariants[v].features;
        if (ownGetFeature(needed) == needed) return static_cast<Isa>(v);
    }
    return static_cast<Isa>(0);
}

}  // namespace

Isa active_isa() noexcept {
    static const Isa chosen = best_present();
    return chosen;
}

}  // namespace vdx
