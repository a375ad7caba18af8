// Arithmetic members with floating-point types (float and complex float
// vectors, 16-bit integers into floats, float products rounded into
// integers), bit for bit against one IEEE operation per element.
#include <gtest/gtest.h>
#include <xmmintrin.h>

#include "arith_reference.h"

namespace {

using namespace arith_test;

using FAdd = FloatRule<Op::add>;
using FSub = FloatRule<Op::sub>;
using FMul = FloatRule<Op::mul>;
using FDiv = FloatRule<Op::div>;
using ToInt16 = FloatProductToIntRule;
using ToInt64 = DoubleTimesInt64Rule;

const Registry& members() {
    static const Registry all = registry(
        ROW(Add_16s32f, FAdd), ROWS(Add_32f, FAdd), ROWS(Add_32fc, FAdd), ROWS(Add_64f, FAdd), ROWS(Add_64fc, FAdd),
        ROWS(AddC_32f, FAdd), ROWS(AddC_32fc, FAdd), ROWS(AddC_64f, FAdd), ROWS(AddC_64fc, FAdd),
        ROW(AddProduct_32f, FloatMacRule), ROW(AddProduct_64f, FloatMacRule), ROW(AddProduct_32fc, FloatMacRule),
        ROW(AddProduct_64fc, FloatMacRule), ROW(AddProductC_32f, FloatMacRule),
        ROW(Sub_16s32f, FSub), ROWS(Sub_32f, FSub), ROWS(Sub_32fc, FSub), ROWS(Sub_64f, FSub), ROWS(Sub_64fc, FSub),
        ROWS(SubC_32f, FSub), ROWS(SubC_32fc, FSub), ROWS(SubC_64f, FSub), ROWS(SubC_64fc, FSub),
        ROWS(SubCRev_32f, FSub), ROWS(SubCRev_32fc, FSub), ROWS(SubCRev_64f, FSub), ROWS(SubCRev_64fc, FSub),
        ROW(Mul_16s32f, FMul), ROWS(Mul_32f, FMul), ROWS(Mul_32fc, FMul), ROWS(Mul_64f, FMul), ROWS(Mul_64fc, FMul),
        ROWS(Mul_32f32fc, FMul), ROWS(MulC_32f, FMul), ROWS(MulC_32fc, FMul), ROWS(MulC_64f, FMul), ROWS(MulC_64fc, FMul),
        ROW(MulC_32f16s_Sfs, ToInt16), ROW(MulC_Low_32f16s, ToInt16), ROW(MulC_64f64s_ISfs, ToInt64),
        ROWS(Div_32f, FDiv), ROWS(Div_32fc, FDiv), ROWS(Div_64f, FDiv), ROWS(Div_64fc, FDiv),
        // DivC: element over constant; a zero constant is an error for some
        ROWS(DivC_32f, FDiv), ROWS(DivC_32fc, FDiv, kZeroErr), ROWS(DivC_64f, FDiv, kZeroErr),
        ROWS(DivC_64fc, FDiv, kZeroErr), ROWS(DivCRev_32f, FDiv));
    return all;
}

ARITH_MEMBER_TESTS(ArithFloat, members)

TEST(ArithFloatThreads, LongDivisionsSplitWithoutChangingResultsOrStatus) {
    check_thread_splits(find_member(members(), "Div_32f"), 4096, {0});
    for (const char* name : {"Div_32fc", "Div_64f", "Div_64fc"})
        check_thread_splits(find_member(members(), name), 1024, {0});
}

// Float results follow the caller's rounding direction and its flush-to-zero
// and denormals-are-zero settings, on every thread the long divisions are
// shared between, and the control word is left as it was.
TEST(ArithFloatRounding, FloatResultsFollowTheCallersControlWord) {
    ThreadCount pin(2);
    // Divisions long enough that a helper thread surely takes blocks.
    const auto shared = [](const MemberBase& m) { return m.name().starts_with("Div_"); };
    for (unsigned extra : {unsigned(_MM_ROUND_UP), unsigned(_MM_ROUND_TOWARD_ZERO), 0x8040u}) {
        const unsigned csr = (_mm_getcsr() & ~0xE040u) | extra;
        check_under_control_word(members(), csr, {1, 5, 13, 19, 67, 1000, 5000},
                                 [](const MemberBase& m) { return m.float_destination(); });
        check_under_control_word(members(), csr, {300000}, shared);
    }
}

// Results of 8 MiB and more are written with streaming stores: such lengths,
// with the destination on a 64-byte boundary and one element off it.
TEST(ArithFloatLong, ResultsBeyondTheStreamingSizeAtAnyAlignment) {
    const std::pair<const char*, int> rows[] = {
        {"Sub_32f", 4}, {"DivC_64f", 8}, {"Mul_32fc", 8}, {"Div_64fc", 16}, {"Add_16s32f", 4}, {"Mul_32f32fc", 8}};
    for (const auto& [name, size] : rows)
        for (int misalign : {0, 9}) {
            RunOptions o;
            o.len = (8 << 20) / size + 37;
            o.misalign = misalign;
            ASSERT_TRUE(find_member(members(), name).run(o));
        }
}

}  // namespace
