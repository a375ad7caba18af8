// Arithmetic family, black box: the members with floating-point types (float
// and complex float vectors, 16-bit integers summed or multiplied into
// floats, and the products of floats that are rounded into integers).
//
// Each member runs over every short length and two long ones at rotating
// misalignments, against page fences, and through every failing argument
// check; results are compared bit for bit with one IEEE operation per
// element (each product and sum of a complex product or quotient rounded on
// its own, never fused).  Long divisions also run with 1 to 4 threads.
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
    static const Registry all = [] {
        Registry r;
        // Add
        r.push_back(ROW_VV(Add_16s32f, kFwd, FAdd, Vdx16s, Vdx16s, Vdx32f));
        r.push_back(ROW_VV(Add_32f, kFwd, FAdd, Vdx32f, Vdx32f, Vdx32f));
        r.push_back(ROW_VV(Add_32fc, kFwd, FAdd, Vdx32fc, Vdx32fc, Vdx32fc));
        r.push_back(ROW_VV(Add_64f, kFwd, FAdd, Vdx64f, Vdx64f, Vdx64f));
        r.push_back(ROW_VV(Add_64fc, kFwd, FAdd, Vdx64fc, Vdx64fc, Vdx64fc));
        r.push_back(ROW_VVI(Add_32f_I, kFwd, FAdd, Vdx32f, Vdx32f));
        r.push_back(ROW_VVI(Add_32fc_I, kFwd, FAdd, Vdx32fc, Vdx32fc));
        r.push_back(ROW_VVI(Add_64f_I, kFwd, FAdd, Vdx64f, Vdx64f));
        r.push_back(ROW_VVI(Add_64fc_I, kFwd, FAdd, Vdx64fc, Vdx64fc));
        // AddC
        r.push_back(ROW_VC(AddC_32f, kFwd, FAdd, Vdx32f, Vdx32f, Vdx32f, kZeroConstantOk));
        r.push_back(ROW_VC(AddC_32fc, kFwd, FAdd, Vdx32fc, Vdx32fc, Vdx32fc, kZeroConstantOk));
        r.push_back(ROW_VC(AddC_64f, kFwd, FAdd, Vdx64f, Vdx64f, Vdx64f, kZeroConstantOk));
        r.push_back(ROW_VC(AddC_64fc, kFwd, FAdd, Vdx64fc, Vdx64fc, Vdx64fc, kZeroConstantOk));
        r.push_back(ROW_VCI(AddC_32f_I, kFwd, FAdd, Vdx32f, Vdx32f, kZeroConstantOk));
        r.push_back(ROW_VCI(AddC_32fc_I, kFwd, FAdd, Vdx32fc, Vdx32fc, kZeroConstantOk));
        r.push_back(ROW_VCI(AddC_64f_I, kFwd, FAdd, Vdx64f, Vdx64f, kZeroConstantOk));
        r.push_back(ROW_VCI(AddC_64fc_I, kFwd, FAdd, Vdx64fc, Vdx64fc, kZeroConstantOk));
        // AddProduct, AddProductC
        r.push_back(ROW_MAC(AddProduct_32f, FloatMacRule, Vdx32f, Vdx32f, Vdx32f));
        r.push_back(ROW_MAC(AddProduct_64f, FloatMacRule, Vdx64f, Vdx64f, Vdx64f));
        r.push_back(ROW_MAC(AddProduct_32fc, FloatMacRule, Vdx32fc, Vdx32fc, Vdx32fc));
        r.push_back(ROW_MAC(AddProduct_64fc, FloatMacRule, Vdx64fc, Vdx64fc, Vdx64fc));
        r.push_back(ROW_MACC(AddProductC_32f, FloatMacRule, Vdx32f, Vdx32f, Vdx32f));
        // Sub: second minus first
        r.push_back(ROW_VV(Sub_16s32f, kSwap, FSub, Vdx16s, Vdx16s, Vdx32f));
        r.push_back(ROW_VV(Sub_32f, kSwap, FSub, Vdx32f, Vdx32f, Vdx32f));
        r.push_back(ROW_VV(Sub_32fc, kSwap, FSub, Vdx32fc, Vdx32fc, Vdx32fc));
        r.push_back(ROW_VV(Sub_64f, kSwap, FSub, Vdx64f, Vdx64f, Vdx64f));
        r.push_back(ROW_VV(Sub_64fc, kSwap, FSub, Vdx64fc, Vdx64fc, Vdx64fc));
        r.push_back(ROW_VVI(Sub_32f_I, kSwap, FSub, Vdx32f, Vdx32f));
        r.push_back(ROW_VVI(Sub_32fc_I, kSwap, FSub, Vdx32fc, Vdx32fc));
        r.push_back(ROW_VVI(Sub_64f_I, kSwap, FSub, Vdx64f, Vdx64f));
        r.push_back(ROW_VVI(Sub_64fc_I, kSwap, FSub, Vdx64fc, Vdx64fc));
        // SubC: element minus constant
        r.push_back(ROW_VC(SubC_32f, kFwd, FSub, Vdx32f, Vdx32f, Vdx32f, kZeroConstantOk));
        r.push_back(ROW_VC(SubC_32fc, kFwd, FSub, Vdx32fc, Vdx32fc, Vdx32fc, kZeroConstantOk));
        r.push_back(ROW_VC(SubC_64f, kFwd, FSub, Vdx64f, Vdx64f, Vdx64f, kZeroConstantOk));
        r.push_back(ROW_VC(SubC_64fc, kFwd, FSub, Vdx64fc, Vdx64fc, Vdx64fc, kZeroConstantOk));
        r.push_back(ROW_VCI(SubC_32f_I, kFwd, FSub, Vdx32f, Vdx32f, kZeroConstantOk));
        r.push_back(ROW_VCI(SubC_32fc_I, kFwd, FSub, Vdx32fc, Vdx32fc, kZeroConstantOk));
        r.push_back(ROW_VCI(SubC_64f_I, kFwd, FSub, Vdx64f, Vdx64f, kZeroConstantOk));
        r.push_back(ROW_VCI(SubC_64fc_I, kFwd, FSub, Vdx64fc, Vdx64fc, kZeroConstantOk));
        // SubCRev: constant minus element
        r.push_back(ROW_VC(SubCRev_32f, kSwap, FSub, Vdx32f, Vdx32f, Vdx32f, kZeroConstantOk));
        r.push_back(ROW_VC(SubCRev_32fc, kSwap, FSub, Vdx32fc, Vdx32fc, Vdx32fc, kZeroConstantOk));
        r.push_back(ROW_VC(SubCRev_64f, kSwap, FSub, Vdx64f, Vdx64f, Vdx64f, kZeroConstantOk));
        r.push_back(ROW_VC(SubCRev_64fc, kSwap, FSub, Vdx64fc, Vdx64fc, Vdx64fc, kZeroConstantOk));
        r.push_back(ROW_VCI(SubCRev_32f_I, kSwap, FSub, Vdx32f, Vdx32f, kZeroConstantOk));
        r.push_back(ROW_VCI(SubCRev_32fc_I, kSwap, FSub, Vdx32fc, Vdx32fc, kZeroConstantOk));
        r.push_back(ROW_VCI(SubCRev_64f_I, kSwap, FSub, Vdx64f, Vdx64f, kZeroConstantOk));
        r.push_back(ROW_VCI(SubCRev_64fc_I, kSwap, FSub, Vdx64fc, Vdx64fc, kZeroConstantOk));
        // Mul
        r.push_back(ROW_VV(Mul_16s32f, kFwd, FMul, Vdx16s, Vdx16s, Vdx32f));
        r.push_back(ROW_VV(Mul_32f, kFwd, FMul, Vdx32f, Vdx32f, Vdx32f));
        r.push_back(ROW_VV(Mul_32fc, kFwd, FMul, Vdx32fc, Vdx32fc, Vdx32fc));
        r.push_back(ROW_VV(Mul_64f, kFwd, FMul, Vdx64f, Vdx64f, Vdx64f));
        r.push_back(ROW_VV(Mul_64fc, kFwd, FMul, Vdx64fc, Vdx64fc, Vdx64fc));
        r.push_back(ROW_VV(Mul_32f32fc, kFwd, FMul, Vdx32f, Vdx32fc, Vdx32fc));
        r.push_back(ROW_VVI(Mul_32f_I, kFwd, FMul, Vdx32f, Vdx32f));
        r.push_back(ROW_VVI(Mul_32fc_I, kFwd, FMul, Vdx32fc, Vdx32fc));
        r.push_back(ROW_VVI(Mul_64f_I, kFwd, FMul, Vdx64f, Vdx64f));
        r.push_back(ROW_VVI(Mul_64fc_I, kFwd, FMul, Vdx64fc, Vdx64fc));
        r.push_back(ROW_VVI(Mul_32f32fc_I, kFwd, FMul, Vdx32f, Vdx32fc));
        // MulC
        r.push_back(ROW_VC(MulC_32f, kFwd, FMul, Vdx32f, Vdx32f, Vdx32f, kZeroConstantOk));
        r.push_back(ROW_VC(MulC_32fc, kFwd, FMul, Vdx32fc, Vdx32fc, Vdx32fc, kZeroConstantOk));
        r.push_back(ROW_VC(MulC_64f, kFwd, FMul, Vdx64f, Vdx64f, Vdx64f, kZeroConstantOk));
        r.push_back(ROW_VC(MulC_64fc, kFwd, FMul, Vdx64fc, Vdx64fc, Vdx64fc, kZeroConstantOk));
        r.push_back(ROW_VCI(MulC_32f_I, kFwd, FMul, Vdx32f, Vdx32f, kZeroConstantOk));
        r.push_back(ROW_VCI(MulC_32fc_I, kFwd, FMul, Vdx32fc, Vdx32fc, kZeroConstantOk));
        r.push_back(ROW_VCI(MulC_64f_I, kFwd, FMul, Vdx64f, Vdx64f, kZeroConstantOk));
        r.push_back(ROW_VCI(MulC_64fc_I, kFwd, FMul, Vdx64fc, Vdx64fc, kZeroConstantOk));
        r.push_back(ROW_VC_SFS(MulC_32f16s_Sfs, kFwd, ToInt16, Vdx32f, Vdx32f, Vdx16s, kZeroConstantOk));
        r.push_back(ROW_VC(MulC_Low_32f16s, kFwd, ToInt16, Vdx32f, Vdx32f, Vdx16s, kZeroConstantOk));
        r.push_back(ROW_VCI_SFS(MulC_64f64s_ISfs, kFwd, ToInt64, Vdx64f, Vdx64s, kZeroConstantOk));
        // Div: second over first
        r.push_back(ROW_VV(Div_32f, kSwap, FDiv, Vdx32f, Vdx32f, Vdx32f));
        r.push_back(ROW_VV(Div_32fc, kSwap, FDiv, Vdx32fc, Vdx32fc, Vdx32fc));
        r.push_back(ROW_VV(Div_64f, kSwap, FDiv, Vdx64f, Vdx64f, Vdx64f));
        r.push_back(ROW_VV(Div_64fc, kSwap, FDiv, Vdx64fc, Vdx64fc, Vdx64fc));
        r.push_back(ROW_VVI(Div_32f_I, kSwap, FDiv, Vdx32f, Vdx32f));
        r.push_back(ROW_VVI(Div_32fc_I, kSwap, FDiv, Vdx32fc, Vdx32fc));
        r.push_back(ROW_VVI(Div_64f_I, kSwap, FDiv, Vdx64f, Vdx64f));
        r.push_back(ROW_VVI(Div_64fc_I, kSwap, FDiv, Vdx64fc, Vdx64fc));
        // DivC: element over constant; a zero constant is an error for some
        r.push_back(ROW_VC(DivC_32f, kFwd, FDiv, Vdx32f, Vdx32f, Vdx32f, kZeroConstantOk));
        r.push_back(ROW_VC(DivC_32fc, kFwd, FDiv, Vdx32fc, Vdx32fc, Vdx32fc, kZeroConstantError));
        r.push_back(ROW_VC(DivC_64f, kFwd, FDiv, Vdx64f, Vdx64f, Vdx64f, kZeroConstantError));
        r.push_back(ROW_VC(DivC_64fc, kFwd, FDiv, Vdx64fc, Vdx64fc, Vdx64fc, kZeroConstantError));
        r.push_back(ROW_VCI(DivC_32f_I, kFwd, FDiv, Vdx32f, Vdx32f, kZeroConstantOk));
        r.push_back(ROW_VCI(DivC_32fc_I, kFwd, FDiv, Vdx32fc, Vdx32fc, kZeroConstantOk));
        r.push_back(ROW_VCI(DivC_64f_I, kFwd, FDiv, Vdx64f, Vdx64f, kZeroConstantOk));
        r.push_back(ROW_VCI(DivC_64fc_I, kFwd, FDiv, Vdx64fc, Vdx64fc, kZeroConstantOk));
        // DivCRev: constant over element
        r.push_back(ROW_VC(DivCRev_32f, kSwap, FDiv, Vdx32f, Vdx32f, Vdx32f, kZeroConstantOk));
        r.push_back(ROW_VCI(DivCRev_32f_I, kSwap, FDiv, Vdx32f, Vdx32f, kZeroConstantOk));
        return r;
    }();
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
// and denormals-are-zero settings, as the rule's own operations do under
// the same control word, and the control word is left as it was.  The
// longest length is shared between two threads by the divisions: every
// thread runs with the caller's control word.
TEST(ArithFloatRounding, FloatResultsFollowTheCallersControlWord) {
    const unsigned saved = _mm_getcsr(), kFlags = 0x3F;
    ThreadCount pin(2);
    for (unsigned extra : {unsigned(_MM_ROUND_UP), unsigned(_MM_ROUND_TOWARD_ZERO), 0x8040u}) {
        const unsigned caller = (saved & ~0xE040u) | extra;
        for (const auto& m : members()) {
            if (!m->float_destination()) continue;
            for (int len : {1, 5, 13, 19, 67, 1000, 5000}) {
                RunOptions o;
                o.len = len;
                o.misalign = len % 27;
                _mm_setcsr(caller);
                const auto result = m->run(o);
                const unsigned after = _mm_getcsr();
                _mm_setcsr(saved);
                ASSERT_TRUE(result) << "caller MXCSR " << std::hex << caller;
                ASSERT_EQ(after & ~kFlags, caller & ~kFlags) << m->name() << " changed the caller's MXCSR";
            }
        }
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
