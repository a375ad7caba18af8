#include "numeric/convert.h"

#include "runtime/isa.h"

namespace vdx {

const ConvertKernels& convert_kernels() noexcept {
    return Variant<ConvertKernels, &convert_kernels_variants>::table();
}

void convert_16s32f(const Vdx16s* src, Vdx32f* dst, int len) noexcept {
    if (len > 0) convert_kernels().convert_16s32f(src, dst, len);
}

void convert_32s64f(const Vdx32s* src, Vdx64f* dst, int len) noexcept {
    if (len > 0) convert_kernels().convert_32s64f(src, dst, len);
}

void convert_32f16s_sfs(const Vdx32f* src, Vdx16s* dst, int len, int sf) noexcept {
    if (len > 0) convert_kernels().convert_32f16s_sfs(src, dst, len, pow2_scale<float>(sf));
}

void convert_64f32s_sfs(const Vdx64f* src, Vdx32s* dst, int len, int sf) noexcept {
    if (len > 0) convert_kernels().convert_64f32s_sfs(src, dst, len, pow2_scale<double>(sf));
}

}  // namespace vdx
