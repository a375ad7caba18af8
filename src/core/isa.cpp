#include "isa.h"

#include "vdxcore.h"

namespace vdx {

Isa active_isa() noexcept {
    static const Isa chosen =
        ownGetFeature(VDXCORE_FEATURE_AVX2_FMA) != 0 ? Isa::avx2 : Isa::sse41;
    return chosen;
}

}  // namespace vdx
