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
        ROW_VV(Add_16s32f, kFwd, FAdd, Vdx16s, Vdx16s, Vdx32f),
        ROWS_VV_I(Add_32f, kFwd, FAdd, Vdx32f, Vdx32f),
        ROWS_VV_I(Add_32fc, kFwd, FAdd, Vdx32fc, Vdx32fc),
        ROWS_VV_I(Add_64f, kFwd, FAdd, Vdx64f, Vdx64f),
        ROWS_VV_I(Add_64fc, kFwd, FAdd, Vdx64fc, Vdx64fc),
        ROWS_VC_I(AddC_32f, kFwd, FAdd, Vdx32f, kZeroOk, kZeroOk),
        ROWS_VC_I(AddC_32fc, kFwd, FAdd, Vdx32fc, kZeroOk, kZeroOk),
        ROWS_VC_I(AddC_64f, kFwd, FAdd, Vdx64f, kZeroOk, kZeroOk),
        ROWS_VC_I(AddC_64fc, kFwd, FAdd, Vdx64fc, kZeroOk, kZeroOk),
        ROW_MAC(AddProduct_32f, FloatMacRule, Vdx32f, Vdx32f, Vdx32f),
        ROW_MAC(AddProduct_64f, FloatMacRule, Vdx64f, Vdx64f, Vdx64f),
        ROW_MAC(AddProduct_32fc, FloatMacRule, Vdx32fc, Vdx32fc, Vdx32fc),
        ROW_MAC(AddProduct_64fc, FloatMacRule, Vdx64fc, Vdx64fc, Vdx64fc),
        ROW_MACC(AddProductC_32f, FloatMacRule, Vdx32f, Vdx32f, Vdx32f),
        ROW_VV(Sub_16s32f, kSwap, FSub, Vdx16s, Vdx16s, Vdx32f),
        ROWS_VV_I(Sub_32f, kSwap, FSub, Vdx32f, Vdx32f),
        ROWS_VV_I(Sub_32fc, kSwap, FSub, Vdx32fc, Vdx32fc),
        ROWS_VV_I(Sub_64f, kSwap, FSub, Vdx64f, Vdx64f),
        ROWS_VV_I(Sub_64fc, kSwap, FSub, Vdx64fc, Vdx64fc),
        ROWS_VC_I(SubC_32f, kFwd, FSub, Vdx32f, kZeroOk, kZeroOk),
        ROWS_VC_I(SubC_32fc, kFwd, FSub, Vdx32fc, kZeroOk, kZeroOk),
        ROWS_VC_I(SubC_64f, kFwd, FSub, Vdx64f, kZeroOk, kZeroOk),
        ROWS_VC_I(SubC_64fc, kFwd, FSub, Vdx64fc, kZeroOk, kZeroOk),
        ROWS_VC_I(SubCRev_32f, kSwap, FSub, Vdx32f, kZeroOk, kZeroOk),
        ROWS_VC_I(SubCRev_32fc, kSwap, FSub, Vdx32fc, kZeroOk, kZeroOk),
        ROWS_VC_I(SubCRev_64f, kSwap, FSub, Vdx64f, kZeroOk, kZeroOk),
        ROWS_VC_I(SubCRev_64fc, kSwap, FSub, Vdx64fc, kZeroOk, kZeroOk),
        ROW_VV(Mul_16s32f, kFwd, FMul, Vdx16s, Vdx16s, Vdx32f),
        ROWS_VV_I(Mul_32f, kFwd, FMul, Vdx32f, Vdx32f),
        ROWS_VV_I(Mul_32fc, kFwd, FMul, Vdx32fc, Vdx32fc),
        ROWS_VV_I(Mul_64f, kFwd, FMul, Vdx64f, Vdx64f),
        ROWS_VV_I(Mul_64fc, kFwd, FMul, Vdx64fc, Vdx64fc),
        ROWS_VV_I(Mul_32f32fc, kFwd, FMul, Vdx32f, Vdx32fc),
        ROWS_VC_I(MulC_32f, kFwd, FMul, Vdx32f, kZeroOk, kZeroOk),
        ROWS_VC_I(MulC_32fc, kFwd, FMul, Vdx32fc, kZeroOk, kZeroOk),
        ROWS_VC_I(MulC_64f, kFwd, FMul, Vdx64f, kZeroOk, kZeroOk),
        ROWS_VC_I(MulC_64fc, kFwd, FMul, Vdx64fc, kZeroOk, kZeroOk),
        ROW_VC_SFS(MulC_32f16s_Sfs, kFwd, ToInt16, Vdx32f, Vdx32f, Vdx16s, kZeroOk),
        ROW_VC(MulC_Low_32f16s, kFwd, ToInt16, Vdx32f, Vdx32f, Vdx16s, kZeroOk),
        ROW_VCI_SFS(MulC_64f64s_ISfs, kFwd, ToInt64, Vdx64f, Vdx64s, kZeroOk),
        ROWS_VV_I(Div_32f, kSwap, FDiv, Vdx32f, Vdx32f),
        ROWS_VV_I(Div_32fc, kSwap, FDiv, Vdx32fc, Vdx32fc),
        ROWS_VV_I(Div_64f, kSwap, FDiv, Vdx64f, Vdx64f),
        ROWS_VV_I(Div_64fc, kSwap, FDiv, Vdx64fc, Vdx64fc),
        // DivC: element over constant; a zero constant is an error for some
        ROWS_VC_I(DivC_32f, kFwd, FDiv, Vdx32f, kZeroOk, kZeroOk),
        ROWS_VC_I(DivC_32fc, kFwd, FDiv, Vdx32fc, kZeroErr, kZeroOk),
        ROWS_VC_I(DivC_64f, kFwd, FDiv, Vdx64f, kZeroErr, kZeroOk),
        ROWS_VC_I(DivC_64fc, kFwd, FDiv, Vdx64fc, kZeroErr, kZeroOk),
        ROWS_VC_I(DivCRev_32f, kSwap, FDiv, Vdx32f, kZeroOk, kZeroOk));
    return all;
}

class ArithFloat : public ::testing::TestWithParam<const MemberBase*> {};

TEST_P(ArithFloat, MatchesItsRuleOverLengthsAndAlignments) {
    check_all_lengths(*GetParam(), GetParam()->sfs() ? 1 : 6);
}

TEST_P(ArithFloat, StaysInsideItsVectorsAtPageEdges) { check_page_edges(*GetParam()); }

TEST_P(ArithFloat, RejectsBadArgumentsWithoutWriting) { GetParam()->check_rejections(); }

INSTANTIATE_TEST_SUITE_P(Members, ArithFloat, ::testing::ValuesIn(member_pointers(members())),
                         [](const ::testing::TestParamInfo<const MemberBase*>& info) { return info.param->name(); });

TEST(ArithFloatTable, CoversEveryFloatingPointMemberOfTheHeader) {
    EXPECT_EQ(listed_members(members()), declared_members(true));
}

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
    for (unsigned extra : {unsigned(_MM_ROUND_UP), unsigned(_MM_ROUND_TOWARD_ZERO), 0x8040u})
        check_under_control_word(members(), (_mm_getcsr() & ~0xE040u) | extra, {1, 5, 13, 19, 67, 1000, 5000},
                                 [](const MemberBase& m) { return m.float_destination(); });
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
