// Arithmetic family, black box: the members with integer types only.
//
// Each member runs over every short length and two long ones at rotating
// misalignments for every scale factor regime (-20 .. 20, +-31, +-32, +-63,
// +-64, +-200 and the extremes of int) and every rounding mode it takes,
// against page fences, and through every failing argument check.  Results
// are compared with the exact result in 128-bit integers (exact rationals
// for quotients) scaled, rounded and saturated.  The long 16-bit division
// also runs with 1 to 4 threads, and divisions that take a rounding mode
// leave the caller's rounding control as it was.
#include <gtest/gtest.h>
#include <xmmintrin.h>

#include "arith_reference.h"

namespace {

using namespace arith_test;

using IAdd = IntRule<Op::add>;
using ISub = IntRule<Op::sub>;
using IMul = IntRule<Op::mul>;
using IDiv = QuotientRule;

const Registry& members() {
    static const Registry all = [] {
        Registry r;
        // Add
        r.push_back(ROW_VV(Add_16s, kFwd, IAdd, Vdx16s, Vdx16s, Vdx16s));
        r.push_back(ROW_VV(Add_16u, kFwd, IAdd, Vdx16u, Vdx16u, Vdx16u));
        r.push_back(ROW_VV(Add_32u, kFwd, IAdd, Vdx32u, Vdx32u, Vdx32u));
        r.push_back(ROW_VV(Add_8u16u, kFwd, IAdd, Vdx8u, Vdx8u, Vdx16u));
        r.push_back(ROW_VVI(Add_16s_I, kFwd, IAdd, Vdx16s, Vdx16s));
        r.push_back(ROW_VVI(Add_16s32s_I, kFwd, IAdd, Vdx16s, Vdx32s));
        r.push_back(ROW_VV_SFS(Add_8u_Sfs, kFwd, IAdd, Vdx8u, Vdx8u, Vdx8u));
        r.push_back(ROW_VV_SFS(Add_16s_Sfs, kFwd, IAdd, Vdx16s, Vdx16s, Vdx16s));
        r.push_back(ROW_VV_SFS(Add_16u_Sfs, kFwd, IAdd, Vdx16u, Vdx16u, Vdx16u));
        r.push_back(ROW_VV_SFS(Add_16sc_Sfs, kFwd, IAdd, Vdx16sc, Vdx16sc, Vdx16sc));
        r.push_back(ROW_VV_SFS(Add_32s_Sfs, kFwd, IAdd, Vdx32s, Vdx32s, Vdx32s));
        r.push_back(ROW_VV_SFS(Add_32sc_Sfs, kFwd, IAdd, Vdx32sc, Vdx32sc, Vdx32sc));
        r.push_back(ROW_VV_SFS(Add_64s_Sfs, kFwd, IAdd, Vdx64s, Vdx64s, Vdx64s));
        r.push_back(ROW_VVI_SFS(Add_8u_ISfs, kFwd, IAdd, Vdx8u, Vdx8u));
        r.push_back(ROW_VVI_SFS(Add_16s_ISfs, kFwd, IAdd, Vdx16s, Vdx16s));
        r.push_back(ROW_VVI_SFS(Add_16u_ISfs, kFwd, IAdd, Vdx16u, Vdx16u));
        r.push_back(ROW_VVI_SFS(Add_16sc_ISfs, kFwd, IAdd, Vdx16sc, Vdx16sc));
        r.push_back(ROW_VVI_SFS(Add_32s_ISfs, kFwd, IAdd, Vdx32s, Vdx32s));
        r.push_back(ROW_VVI_SFS(Add_32sc_ISfs, kFwd, IAdd, Vdx32sc, Vdx32sc));
        // AddC
        r.push_back(ROW_VCI(AddC_16s_I, kFwd, IAdd, Vdx16s, Vdx16s, kZeroConstantOk));
        r.push_back(ROW_VC_SFS(AddC_8u_Sfs, kFwd, IAdd, Vdx8u, Vdx8u, Vdx8u, kZeroConstantOk));
        r.push_back(ROW_VC_SFS(AddC_16s_Sfs, kFwd, IAdd, Vdx16s, Vdx16s, Vdx16s, kZeroConstantOk));
        r.push_back(ROW_VC_SFS(AddC_16u_Sfs, kFwd, IAdd, Vdx16u, Vdx16u, Vdx16u, kZeroConstantOk));
        r.push_back(ROW_VC_SFS(AddC_16sc_Sfs, kFwd, IAdd, Vdx16sc, Vdx16sc, Vdx16sc, kZeroConstantOk));
        r.push_back(ROW_VC_SFS(AddC_32s_Sfs, kFwd, IAdd, Vdx32s, Vdx32s, Vdx32s, kZeroConstantOk));
        r.push_back(ROW_VC_SFS(AddC_32sc_Sfs, kFwd, IAdd, Vdx32sc, Vdx32sc, Vdx32sc, kZeroConstantOk));
        r.push_back(ROW_VC_SFS(AddC_64s_Sfs, kFwd, IAdd, Vdx64s, Vdx64s, Vdx64s, kZeroConstantOk));
        r.push_back(ROW_VC_SFS(AddC_64u_Sfs, kFwd, IAdd, Vdx64u, Vdx64u, Vdx64u, kZeroConstantOk));
        r.push_back(ROW_VCI_SFS(AddC_8u_ISfs, kFwd, IAdd, Vdx8u, Vdx8u, kZeroConstantOk));
        r.push_back(ROW_VCI_SFS(AddC_16s_ISfs, kFwd, IAdd, Vdx16s, Vdx16s, kZeroConstantOk));
        r.push_back(ROW_VCI_SFS(AddC_16u_ISfs, kFwd, IAdd, Vdx16u, Vdx16u, kZeroConstantOk));
        r.push_back(ROW_VCI_SFS(AddC_16sc_ISfs, kFwd, IAdd, Vdx16sc, Vdx16sc, kZeroConstantOk));
        r.push_back(ROW_VCI_SFS(AddC_32s_ISfs, kFwd, IAdd, Vdx32s, Vdx32s, kZeroConstantOk));
        r.push_back(ROW_VCI_SFS(AddC_32sc_ISfs, kFwd, IAdd, Vdx32sc, Vdx32sc, kZeroConstantOk));
        // AddProduct: srcDst + src1 * src2
        r.push_back(ROW_MAC_SFS(AddProduct_16s_Sfs, IntMacRule, Vdx16s, Vdx16s, Vdx16s));
        r.push_back(ROW_MAC_SFS(AddProduct_16s32s_Sfs, IntMacRule, Vdx16s, Vdx16s, Vdx32s));
        r.push_back(ROW_MAC_SFS(AddProduct_32s_Sfs, IntMacRule, Vdx32s, Vdx32s, Vdx32s));
        // Sub: second minus first
        r.push_back(ROW_VV(Sub_16s, kSwap, ISub, Vdx16s, Vdx16s, Vdx16s));
        r.push_back(ROW_VVI(Sub_16s_I, kSwap, ISub, Vdx16s, Vdx16s));
        r.push_back(ROW_VV_SFS(Sub_8u_Sfs, kSwap, ISub, Vdx8u, Vdx8u, Vdx8u));
        r.push_back(ROW_VV_SFS(Sub_16s_Sfs, kSwap, ISub, Vdx16s, Vdx16s, Vdx16s));
        r.push_back(ROW_VV_SFS(Sub_16u_Sfs, kSwap, ISub, Vdx16u, Vdx16u, Vdx16u));
        r.push_back(ROW_VV_SFS(Sub_16sc_Sfs, kSwap, ISub, Vdx16sc, Vdx16sc, Vdx16sc));
        r.push_back(ROW_VV_SFS(Sub_32s_Sfs, kSwap, ISub, Vdx32s, Vdx32s, Vdx32s));
        r.push_back(ROW_VV_SFS(Sub_32sc_Sfs, kSwap, ISub, Vdx32sc, Vdx32sc, Vdx32sc));
        r.push_back(ROW_VVI_SFS(Sub_8u_ISfs, kSwap, ISub, Vdx8u, Vdx8u));
        r.push_back(ROW_VVI_SFS(Sub_16s_ISfs, kSwap, ISub, Vdx16s, Vdx16s));
        r.push_back(ROW_VVI_SFS(Sub_16u_ISfs, kSwap, ISub, Vdx16u, Vdx16u));
        r.push_back(ROW_VVI_SFS(Sub_16sc_ISfs, kSwap, ISub, Vdx16sc, Vdx16sc));
        r.push_back(ROW_VVI_SFS(Sub_32s_ISfs, kSwap, ISub, Vdx32s, Vdx32s));
        r.push_back(ROW_VVI_SFS(Sub_32sc_ISfs, kSwap, ISub, Vdx32sc, Vdx32sc));
        // SubC: element minus constant
        r.push_back(ROW_VCI(SubC_16s_I, kFwd, ISub, Vdx16s, Vdx16s, kZeroConstantOk));
        r.push_back(ROW_VC_SFS(SubC_8u_Sfs, kFwd, ISub, Vdx8u, Vdx8u, Vdx8u, kZeroConstantOk));
        r.push_back(ROW_VC_SFS(SubC_16s_Sfs, kFwd, ISub, Vdx16s, Vdx16s, Vdx16s, kZeroConstantOk));
        r.push_back(ROW_VC_SFS(SubC_16u_Sfs, kFwd, ISub, Vdx16u, Vdx16u, Vdx16u, kZeroConstantOk));
        r.push_back(ROW_VC_SFS(SubC_16sc_Sfs, kFwd, ISub, Vdx16sc, Vdx16sc, Vdx16sc, kZeroConstantOk));
        r.push_back(ROW_VC_SFS(SubC_32s_Sfs, kFwd, ISub, Vdx32s, Vdx32s, Vdx32s, kZeroConstantOk));
        r.push_back(ROW_VC_SFS(SubC_32sc_Sfs, kFwd, ISub, Vdx32sc, Vdx32sc, Vdx32sc, kZeroConstantOk));
        r.push_back(ROW_VCI_SFS(SubC_8u_ISfs, kFwd, ISub, Vdx8u, Vdx8u, kZeroConstantOk));
        r.push_back(ROW_VCI_SFS(SubC_16s_ISfs, kFwd, ISub, Vdx16s, Vdx16s, kZeroConstantOk));
        r.push_back(ROW_VCI_SFS(SubC_16u_ISfs, kFwd, ISub, Vdx16u, Vdx16u, kZeroConstantOk));
        r.push_back(ROW_VCI_SFS(SubC_16sc_ISfs, kFwd, ISub, Vdx16sc, Vdx16sc, kZeroConstantOk));
        r.push_back(ROW_VCI_SFS(SubC_32s_ISfs, kFwd, ISub, Vdx32s, Vdx32s, kZeroConstantOk));
        r.push_back(ROW_VCI_SFS(SubC_32sc_ISfs, kFwd, ISub, Vdx32sc, Vdx32sc, kZeroConstantOk));
        // SubCRev: constant minus element
        r.push_back(ROW_VC_SFS(SubCRev_8u_Sfs, kSwap, ISub, Vdx8u, Vdx8u, Vdx8u, kZeroConstantOk));
        r.push_back(ROW_VC_SFS(SubCRev_16s_Sfs, kSwap, ISub, Vdx16s, Vdx16s, Vdx16s, kZeroConstantOk));
        r.push_back(ROW_VC_SFS(SubCRev_16u_Sfs, kSwap, ISub, Vdx16u, Vdx16u, Vdx16u, kZeroConstantOk));
        r.push_back(ROW_VC_SFS(SubCRev_16sc_Sfs, kSwap, ISub, Vdx16sc, Vdx16sc, Vdx16sc, kZeroConstantOk));
        r.push_back(ROW_VC_SFS(SubCRev_32s_Sfs, kSwap, ISub, Vdx32s, Vdx32s, Vdx32s, kZeroConstantOk));
        r.push_back(ROW_VC_SFS(SubCRev_32sc_Sfs, kSwap, ISub, Vdx32sc, Vdx32sc, Vdx32sc, kZeroConstantOk));
        r.push_back(ROW_VCI_SFS(SubCRev_8u_ISfs, kSwap, ISub, Vdx8u, Vdx8u, kZeroConstantOk));
        r.push_back(ROW_VCI_SFS(SubCRev_16s_ISfs, kSwap, ISub, Vdx16s, Vdx16s, kZeroConstantOk));
        r.push_back(ROW_VCI_SFS(SubCRev_16u_ISfs, kSwap, ISub, Vdx16u, Vdx16u, kZeroConstantOk));
        r.push_back(ROW_VCI_SFS(SubCRev_16sc_ISfs, kSwap, ISub, Vdx16sc, Vdx16sc, kZeroConstantOk));
        r.push_back(ROW_VCI_SFS(SubCRev_32s_ISfs, kSwap, ISub, Vdx32s, Vdx32s, kZeroConstantOk));
        r.push_back(ROW_VCI_SFS(SubCRev_32sc_ISfs, kSwap, ISub, Vdx32sc, Vdx32sc, kZeroConstantOk));
        // Mul
        r.push_back(ROW_VV(Mul_16s, kFwd, IMul, Vdx16s, Vdx16s, Vdx16s));
        r.push_back(ROW_VV(Mul_8u16u, kFwd, IMul, Vdx8u, Vdx8u, Vdx16u));
        r.push_back(ROW_VVI(Mul_16s_I, kFwd, IMul, Vdx16s, Vdx16s));
        r.push_back(ROW_VV_SFS(Mul_8u_Sfs, kFwd, IMul, Vdx8u, Vdx8u, Vdx8u));
        r.push_back(ROW_VV_SFS(Mul_16s_Sfs, kFwd, IMul, Vdx16s, Vdx16s, Vdx16s));
        r.push_back(ROW_VV_SFS(Mul_16u_Sfs, kFwd, IMul, Vdx16u, Vdx16u, Vdx16u));
        r.push_back(ROW_VV_SFS(Mul_16sc_Sfs, kFwd, IMul, Vdx16sc, Vdx16sc, Vdx16sc));
        r.push_back(ROW_VV_SFS(Mul_16s32s_Sfs, kFwd, IMul, Vdx16s, Vdx16s, Vdx32s));
        r.push_back(ROW_VV_SFS(Mul_16u16s_Sfs, kFwd, IMul, Vdx16u, Vdx16s, Vdx16s));
        r.push_back(ROW_VV_SFS(Mul_32s_Sfs, kFwd, IMul, Vdx32s, Vdx32s, Vdx32s));
        r.push_back(ROW_VV_SFS(Mul_Low_32s_Sfs, kFwd, IMul, Vdx32s, Vdx32s, Vdx32s));
        r.push_back(ROW_VV_SFS(Mul_32sc_Sfs, kFwd, IMul, Vdx32sc, Vdx32sc, Vdx32sc));
        r.push_back(ROW_VV_SFS(Mul_32s32sc_Sfs, kFwd, IMul, Vdx32s, Vdx32sc, Vdx32sc));
        r.push_back(ROW_VVI_SFS(Mul_8u_ISfs, kFwd, IMul, Vdx8u, Vdx8u));
        r.push_back(ROW_VVI_SFS(Mul_16s_ISfs, kFwd, IMul, Vdx16s, Vdx16s));
        r.push_back(ROW_VVI_SFS(Mul_16u_ISfs, kFwd, IMul, Vdx16u, Vdx16u));
        r.push_back(ROW_VVI_SFS(Mul_16sc_ISfs, kFwd, IMul, Vdx16sc, Vdx16sc));
        r.push_back(ROW_VVI_SFS(Mul_32s_ISfs, kFwd, IMul, Vdx32s, Vdx32s));
        r.push_back(ROW_VVI_SFS(Mul_32sc_ISfs, kFwd, IMul, Vdx32sc, Vdx32sc));
        r.push_back(ROW_VVI_SFS(Mul_32s32sc_ISfs, kFwd, IMul, Vdx32s, Vdx32sc));
        // MulC
        r.push_back(ROW_VCI(MulC_16s_I, kFwd, IMul, Vdx16s, Vdx16s, kZeroConstantOk));
        r.push_back(ROW_VC_SFS(MulC_8u_Sfs, kFwd, IMul, Vdx8u, Vdx8u, Vdx8u, kZeroConstantOk));
        r.push_back(ROW_VC_SFS(MulC_16s_Sfs, kFwd, IMul, Vdx16s, Vdx16s, Vdx16s, kZeroConstantOk));
        r.push_back(ROW_VC_SFS(MulC_16u_Sfs, kFwd, IMul, Vdx16u, Vdx16u, Vdx16u, kZeroConstantOk));
        r.push_back(ROW_VC_SFS(MulC_16sc_Sfs, kFwd, IMul, Vdx16sc, Vdx16sc, Vdx16sc, kZeroConstantOk));
        r.push_back(ROW_VC_SFS(MulC_32s_Sfs, kFwd, IMul, Vdx32s, Vdx32s, Vdx32s, kZeroConstantOk));
        r.push_back(ROW_VC_SFS(MulC_32sc_Sfs, kFwd, IMul, Vdx32sc, Vdx32sc, Vdx32sc, kZeroConstantOk));
        r.push_back(ROW_VCI_SFS(MulC_8u_ISfs, kFwd, IMul, Vdx8u, Vdx8u, kZeroConstantOk));
        r.push_back(ROW_VCI_SFS(MulC_16s_ISfs, kFwd, IMul, Vdx16s, Vdx16s, kZeroConstantOk));
        r.push_back(ROW_VCI_SFS(MulC_16u_ISfs, kFwd, IMul, Vdx16u, Vdx16u, kZeroConstantOk));
        r.push_back(ROW_VCI_SFS(MulC_16sc_ISfs, kFwd, IMul, Vdx16sc, Vdx16sc, kZeroConstantOk));
        r.push_back(ROW_VCI_SFS(MulC_32s_ISfs, kFwd, IMul, Vdx32s, Vdx32s, kZeroConstantOk));
        r.push_back(ROW_VCI_SFS(MulC_32sc_ISfs, kFwd, IMul, Vdx32sc, Vdx32sc, kZeroConstantOk));
        r.push_back(ROW_VCI_SFS(MulC_64s_ISfs, kFwd, IMul, Vdx64s, Vdx64s, kZeroConstantOk));
        // Div: second over first
        r.push_back(ROW_VV_SFS(Div_8u_Sfs, kSwap, IDiv, Vdx8u, Vdx8u, Vdx8u));
        r.push_back(ROW_VV_SFS(Div_16s_Sfs, kSwap, IDiv, Vdx16s, Vdx16s, Vdx16s));
        r.push_back(ROW_VV_SFS(Div_16u_Sfs, kSwap, IDiv, Vdx16u, Vdx16u, Vdx16u));
        r.push_back(ROW_VV_SFS(Div_16sc_Sfs, kSwap, IDiv, Vdx16sc, Vdx16sc, Vdx16sc));
        r.push_back(ROW_VV_SFS(Div_32s_Sfs, kSwap, IDiv, Vdx32s, Vdx32s, Vdx32s));
        r.push_back(ROW_VV_SFS(Div_32s16s_Sfs, kSwap, IDiv, Vdx16s, Vdx32s, Vdx16s));
        r.push_back(ROW_VVI_SFS(Div_8u_ISfs, kSwap, IDiv, Vdx8u, Vdx8u));
        r.push_back(ROW_VVI_SFS(Div_16s_ISfs, kSwap, IDiv, Vdx16s, Vdx16s));
        r.push_back(ROW_VVI_SFS(Div_16u_ISfs, kSwap, IDiv, Vdx16u, Vdx16u));
        r.push_back(ROW_VVI_SFS(Div_16sc_ISfs, kSwap, IDiv, Vdx16sc, Vdx16sc));
        r.push_back(ROW_VVI_SFS(Div_32s_ISfs, kSwap, IDiv, Vdx32s, Vdx32s));
        r.push_back(ROW_VV_RSFS(Div_Round_8u_Sfs, kSwap, IDiv, Vdx8u, Vdx8u, Vdx8u));
        r.push_back(ROW_VV_RSFS(Div_Round_16s_Sfs, kSwap, IDiv, Vdx16s, Vdx16s, Vdx16s));
        r.push_back(ROW_VV_RSFS(Div_Round_16u_Sfs, kSwap, IDiv, Vdx16u, Vdx16u, Vdx16u));
        r.push_back(ROW_VVI_RSFS(Div_Round_8u_ISfs, kSwap, IDiv, Vdx8u, Vdx8u));
        r.push_back(ROW_VVI_RSFS(Div_Round_16s_ISfs, kSwap, IDiv, Vdx16s, Vdx16s));
        r.push_back(ROW_VVI_RSFS(Div_Round_16u_ISfs, kSwap, IDiv, Vdx16u, Vdx16u));
        // DivC: element over constant; a zero constant is an error for some
        r.push_back(ROW_VC_SFS(DivC_8u_Sfs, kFwd, IDiv, Vdx8u, Vdx8u, Vdx8u, kZeroConstantError));
        r.push_back(ROW_VC_SFS(DivC_16s_Sfs, kFwd, IDiv, Vdx16s, Vdx16s, Vdx16s, kZeroConstantError));
        r.push_back(ROW_VC_SFS(DivC_16u_Sfs, kFwd, IDiv, Vdx16u, Vdx16u, Vdx16u, kZeroConstantError));
        r.push_back(ROW_VC_SFS(DivC_16sc_Sfs, kFwd, IDiv, Vdx16sc, Vdx16sc, Vdx16sc, kZeroConstantError));
        r.push_back(ROW_VCI_SFS(DivC_8u_ISfs, kFwd, IDiv, Vdx8u, Vdx8u, kZeroConstantOk));
        r.push_back(ROW_VCI_SFS(DivC_16s_ISfs, kFwd, IDiv, Vdx16s, Vdx16s, kZeroConstantOk));
        r.push_back(ROW_VCI_SFS(DivC_16u_ISfs, kFwd, IDiv, Vdx16u, Vdx16u, kZeroConstantError));
        r.push_back(ROW_VCI_SFS(DivC_16sc_ISfs, kFwd, IDiv, Vdx16sc, Vdx16sc, kZeroConstantOk));
        r.push_back(ROW_VCI_SFS(DivC_64s_ISfs, kFwd, IDiv, Vdx64s, Vdx64s, kZeroConstantOk));
        // DivCRev: constant over element
        r.push_back(ROW_VC(DivCRev_16u, kSwap, IDiv, Vdx16u, Vdx16u, Vdx16u, kZeroConstantOk));
        r.push_back(ROW_VCI(DivCRev_16u_I, kSwap, IDiv, Vdx16u, Vdx16u, kZeroConstantOk));
        return r;
    }();
    return all;
}

class ArithInt : public ::testing::TestWithParam<const MemberBase*> {};

TEST_P(ArithInt, MatchesItsRuleOverLengthsScaleFactorsAndAlignments) {
    check_all_lengths(*GetParam(), GetParam()->sfs() ? 1 : 6);
}

TEST_P(ArithInt, StaysInsideItsVectorsAtPageEdges) { check_page_edges(*GetParam()); }

TEST_P(ArithInt, RejectsBadArgumentsWithoutWriting) { GetParam()->check_rejections(); }

INSTANTIATE_TEST_SUITE_P(Members, ArithInt, ::testing::ValuesIn(member_pointers(members())),
                         [](const ::testing::TestParamInfo<const MemberBase*>& info) { return info.param->name(); });

TEST(ArithIntTable, CoversEveryIntegerMemberOfTheHeader) {
    const auto declared = declared_members(false);
    std::vector<std::string> listed;
    for (const auto& m : members()) listed.push_back(m->name());
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, declared);
    EXPECT_EQ(declared.size(), 138u);
}

// ---------------------------------------------------------------- threads

TEST(ArithIntThreads, LongDivisionSplitsWithoutChangingResultsOrStatus) {
    check_thread_splits(find_member(members(), "Div_16s_Sfs"), 1024, {0, 3, -2});
}

// ---------------------------------------------------------------- rounding control

// The integer quotients, with the caller's rounding control in each of its
// four settings (and with flush-to-zero and denormals-are-zero on): results
// follow the rules whatever the caller's setting, and the setting is the
// same after the call (the financial mode switches it inside).
TEST(ArithIntRounding, QuotientsIgnoreAndKeepTheCallersRoundingControl) {
    const unsigned saved = _mm_getcsr();
    const unsigned kRoundingBits = 0x6000, kFtzDaz = 0x8040, kFlags = 0x3F;
    const char* names[] = {"Div_Round_8u_Sfs",   "Div_Round_16s_Sfs",  "Div_Round_16u_Sfs", "Div_Round_8u_ISfs",
                           "Div_Round_16s_ISfs", "Div_Round_16u_ISfs", "Div_16s_Sfs",       "Div_32s_Sfs",
                           "Div_16sc_Sfs",       "Div_32s16s_Sfs",     "DivC_16u_Sfs",      "DivC_16sc_ISfs",
                           "DivC_64s_ISfs",      "DivCRev_16u"};
    for (unsigned rc : {0x0000u, 0x2000u, 0x4000u, 0x6000u})
        for (unsigned extra : {0u, kFtzDaz}) {
            const unsigned caller = (saved & ~(kRoundingBits | kFtzDaz)) | rc | extra;
            for (const char* name : names) {
                const MemberBase& m = find_member(members(), name);
                for (int mode : m.modes())
                    for (int len : {1, 7, 33, 1500}) {
                        RunOptions o;
                        o.len = len;
                        o.mode = mode;
                        o.sf = len % 3 - 1;
                        _mm_setcsr(caller);
                        const auto result = m.run(o);
                        const unsigned after = _mm_getcsr();
                        _mm_setcsr(saved);
                        ASSERT_TRUE(result) << "caller MXCSR " << std::hex << caller;
                        ASSERT_EQ(after & ~kFlags, caller & ~kFlags)
                            << name << " mode " << mode << " changed the caller's MXCSR";
                    }
            }
        }
}

// ---------------------------------------------------------------- worked cases

TEST(ArithIntCases, SixteenBitSumsInEachScaleFactorRegime) {
    const Vdx16s a[3] = {1, 1, -1}, b[3] = {2, 0, -2};
    Vdx16s out[3];
    ASSERT_EQ(vdxsAdd_16s_Sfs(a, b, out, 3, 1), vdxStsNoErr);
    EXPECT_EQ(out[0], 2);   // 1.5 to even
    EXPECT_EQ(out[1], 0);   // 0.5 to even
    EXPECT_EQ(out[2], -2);  // -1.5 to even
    const Vdx16s big[3] = {32767, -32768, 5}, other[3] = {32767, -32768, -5};
    ASSERT_EQ(vdxsAdd_16s_Sfs(big, other, out, 3, 17), vdxStsNoErr);
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(out[1], 0);
    ASSERT_EQ(vdxsAdd_16s_Sfs(big, other, out, 3, 16), vdxStsNoErr);
    EXPECT_EQ(out[0], 1);                                   // 65534 / 65536
    EXPECT_EQ(out[1], -1);                                  // -65536 / 65536
    const Vdx16s one[3] = {1, -1, 5}, two[3] = {2, -2, 0};  // sums 3, -3, 5
    ASSERT_EQ(vdxsAdd_16s_Sfs(one, two, out, 3, -16), vdxStsNoErr);
    EXPECT_EQ(out[0], 32767);
    EXPECT_EQ(out[1], -32768);
    ASSERT_EQ(vdxsAdd_16s_Sfs(big, other, out, 3, -16), vdxStsNoErr);
    EXPECT_EQ(out[2], 0);
    ASSERT_EQ(vdxsAdd_16s_Sfs(one, two, out, 3, -13), vdxStsNoErr);
    EXPECT_EQ(out[0], 24576);
    EXPECT_EQ(out[1], -24576);
    EXPECT_EQ(out[2], 32767);
}

TEST(ArithIntCases, OperandOrder) {
    const Vdx16s first[1] = {1}, second[1] = {3};
    Vdx16s out[1];
    ASSERT_EQ(vdxsSub_16s_Sfs(first, second, out, 1, 0), vdxStsNoErr);
    EXPECT_EQ(out[0], 2);
    ASSERT_EQ(vdxsSubCRev_16s_Sfs(first, 10, out, 1, 0), vdxStsNoErr);
    EXPECT_EQ(out[0], 9);
    ASSERT_EQ(vdxsSubC_16s_Sfs(first, 10, out, 1, 0), vdxStsNoErr);
    EXPECT_EQ(out[0], -9);
    const Vdx16s divisor[3] = {2, 2, 2}, dividend[3] = {7, 5, -5};
    Vdx16s q[3];
    ASSERT_EQ(vdxsDiv_16s_Sfs(divisor, dividend, q, 3, 0), vdxStsNoErr);
    EXPECT_EQ(q[0], 4);  // 3.5 to even
    EXPECT_EQ(q[1], 2);  // 2.5 to even
    EXPECT_EQ(q[2], -2);
    Vdx16u u[2] = {4, 0};
    ASSERT_EQ(vdxsDivCRev_16u_I(10, u, 2), vdxStsDivByZero);
    EXPECT_EQ(u[0], 2);  // 2.5 to even
    EXPECT_EQ(u[1], 65535);
    const Vdx16sc c[1] = {{1, 1}}, n[1] = {{2, 0}};
    Vdx16sc cq[1];
    ASSERT_EQ(vdxsDiv_16sc_Sfs(c, n, cq, 1, 0), vdxStsNoErr);  // 2 / (1 + i) = 1 - i
    EXPECT_EQ(cq[0].re, 1);
    EXPECT_EQ(cq[0].im, -1);
}

TEST(ArithIntCases, RoundingModesOfTheRoundDivisions) {
    const Vdx16s divisor[2] = {2, 2}, dividend[2] = {5, -5};
    Vdx16s out[2];
    const Vdx16s expect[3][2] = {{2, -2}, {2, -2}, {3, -3}};
    for (int mode : {vdxRndZero, vdxRndNear, vdxRndFinancial}) {
        ASSERT_EQ(vdxsDiv_Round_16s_Sfs(divisor, dividend, out, 2, static_cast<VdxRoundMode>(mode), 0), vdxStsNoErr);
        EXPECT_EQ(out[0], expect[mode][0]) << mode;
        EXPECT_EQ(out[1], expect[mode][1]) << mode;
    }
    Vdx8u small[1] = {7};
    const Vdx8u two[1] = {2};
    ASSERT_EQ(vdxsDiv_Round_8u_ISfs(two, small, 1, vdxRndFinancial, 1), vdxStsNoErr);  // 7 / 2 / 2 = 1.75
    EXPECT_EQ(small[0], 2);
}

TEST(ArithIntCases, ZeroDivisors) {
    const Vdx16s divisor[3] = {0, 0, 0}, dividend[3] = {7, -7, 0};
    Vdx16s out[3];
    ASSERT_EQ(vdxsDiv_16s_Sfs(divisor, dividend, out, 3, 0), vdxStsDivByZero);
    EXPECT_EQ(out[0], 32767);
    EXPECT_EQ(out[1], -32768);
    EXPECT_EQ(out[2], 0);
    Vdx16s keep[2] = {11, 12};
    EXPECT_EQ(vdxsDivC_16s_Sfs(dividend, 0, keep, 2, 0), vdxStsDivByZeroErr);
    EXPECT_EQ(keep[0], 11);
    EXPECT_EQ(keep[1], 12);
    Vdx64s wide[3] = {5, -5, 0};
    ASSERT_EQ(vdxsDivC_64s_ISfs(0, wide, 3, 0), vdxStsDivByZero);
    EXPECT_EQ(wide[0], INT64_MAX);
    EXPECT_EQ(wide[1], INT64_MIN);
    EXPECT_EQ(wide[2], 0);
    Vdx16sc cz[1] = {{-4, 0}};
    ASSERT_EQ(vdxsDivC_16sc_ISfs(Vdx16sc{0, 0}, cz, 1, 0), vdxStsDivByZero);
    EXPECT_EQ(cz[0].re, -32768);
    EXPECT_EQ(cz[0].im, 0);
}

TEST(ArithIntCases, SaturationAndWideResults) {
    const Vdx16s a[1] = {200};
    Vdx16s p[1];
    ASSERT_EQ(vdxsMul_16s(a, a, p, 1), vdxStsNoErr);
    EXPECT_EQ(p[0], 32767);
    const Vdx8u m[1] = {255};
    Vdx16u s[1];
    ASSERT_EQ(vdxsAdd_8u16u(m, m, s, 1), vdxStsNoErr);
    EXPECT_EQ(s[0], 510);
    ASSERT_EQ(vdxsMul_8u16u(m, m, s, 1), vdxStsNoErr);
    EXPECT_EQ(s[0], 65025);
    const Vdx64u top[1] = {UINT64_MAX};
    Vdx64u t[1];
    ASSERT_EQ(vdxsAddC_64u_Sfs(top, 1, t, 1, 1), vdxStsNoErr);
    EXPECT_EQ(t[0], UINT64_C(1) << 63);
    ASSERT_EQ(vdxsAddC_64u_Sfs(top, 1, t, 1, 0), vdxStsNoErr);
    EXPECT_EQ(t[0], UINT64_MAX);
    Vdx64s w[1] = {INT64_MIN};
    ASSERT_EQ(vdxsMulC_64s_ISfs(INT64_MIN, w, 1, 62), vdxStsNoErr);  // 2^126 / 2^62
    EXPECT_EQ(w[0], INT64_MAX);
    w[0] = INT64_MIN;
    ASSERT_EQ(vdxsMulC_64s_ISfs(INT64_MIN, w, 1, 65), vdxStsNoErr);  // 2^61
    EXPECT_EQ(w[0], INT64_C(1) << 61);
    const Vdx32s big[1] = {INT32_MIN};
    Vdx32s acc[1] = {INT32_MIN};
    ASSERT_EQ(vdxsAddProduct_32s_Sfs(big, big, acc, 1, 31), vdxStsNoErr);  // (2^62 - 2^31) / 2^31
    EXPECT_EQ(acc[0], INT32_MAX);
    acc[0] = INT32_MIN;
    ASSERT_EQ(vdxsAddProduct_32s_Sfs(big, big, acc, 1, 30), vdxStsNoErr);
    EXPECT_EQ(acc[0], INT32_MAX);
    acc[0] = 3;
    ASSERT_EQ(vdxsAddProduct_32s_Sfs(big, big, acc, 1, 63), vdxStsNoErr);  // just above one half
    EXPECT_EQ(acc[0], 1);
}

}  // namespace
