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

#include <algorithm>
#include <random>

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
    EXPECT_EQ(listed_members(members()), declared_members(false));
}

TEST(ArithIntThreads, LongDivisionSplitsWithoutChangingResultsOrStatus) {
    check_thread_splits(find_member(members(), "Div_16s_Sfs"), 1024, {0, 3, -2});
}

// The integer quotients, with the caller's rounding control in each of its
// four settings (and with flush-to-zero and denormals-are-zero on): results
// follow the rules whatever the caller's setting, and the setting is the
// same after the call (the financial mode switches it inside).
TEST(ArithIntRounding, QuotientsIgnoreAndKeepTheCallersRoundingControl) {
    const unsigned saved = _mm_getcsr(), kRoundingBits = 0x6000, kFtzDaz = 0x8040, kFlags = 0x3F;
    for (unsigned rc : {0x0000u, 0x2000u, 0x4000u, 0x6000u})
        for (unsigned extra : {0u, kFtzDaz}) {
            const unsigned caller = (saved & ~(kRoundingBits | kFtzDaz)) | rc | extra;
            for (const auto& m : members()) {
                if (m->name().find("Div") == std::string::npos) continue;
                for (int mode : m->modes())
                    for (int len : {1, 7, 33, 1500}) {
                        RunOptions o;
                        o.len = len;
                        o.mode = mode;
                        o.sf = len % 3 - 1;
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

// Every pair of 8-bit operands, and every 16-bit value against a shuffled
// copy of every value, through the four operations at every scale factor
// that leaves something to round or saturate.
template <class T>
void check_dense(const std::vector<T>& a, const std::vector<T>& b, int sf_lo, int sf_hi,
                 VdxStatus (*add)(const T*, const T*, T*, int, int), VdxStatus (*sub)(const T*, const T*, T*, int, int),
                 VdxStatus (*mul)(const T*, const T*, T*, int, int), VdxStatus (*div)(const T*, const T*, T*, int, int)) {
    std::vector<T> d(a.size());
    const int n = int(a.size());
    for (int sf = sf_lo; sf <= sf_hi; ++sf) {
        long bad = 0;
        auto expect = [&](const char* what, VdxStatus st, auto rule) {
            EXPECT_TRUE(st == vdxStsNoErr || st == vdxStsDivByZero) << what << " status " << st;
            for (int i = 0; i < n && bad < 5; ++i) {
                const T want = rule(i);
                if (d[i] != want)
                    ADD_FAILURE() << what << " sf " << sf << ": " << +a[i] << ", " << +b[i] << " gave " << +d[i]
                                  << ", want " << +want, ++bad;
            }
        };
        expect("Add", add(a.data(), b.data(), d.data(), n, sf), [&](int i) { return scaled<T>(i128(a[i]) + b[i], sf); });
        expect("Sub", sub(a.data(), b.data(), d.data(), n, sf), [&](int i) { return scaled<T>(i128(b[i]) - a[i], sf); });
        expect("Mul", mul(a.data(), b.data(), d.data(), n, sf), [&](int i) { return scaled<T>(i128(a[i]) * b[i], sf); });
        expect("Div", div(a.data(), b.data(), d.data(), n, sf), [&](int i) {
            return a[i] == 0 ? bound_by_sign<T>(b[i]) : T(quotient(b[i], a[i], sf, vdxRndNear, lo_of<T>(), hi_of<T>()));
        });
    }
}

TEST(ArithIntDense, EveryEightBitPairAndSixteenBitValue) {
    std::vector<Vdx8u> a8, b8;
    for (int i = 0; i < 65536; ++i) a8.push_back(Vdx8u(i)), b8.push_back(Vdx8u(i >> 8));
    check_dense<Vdx8u>(a8, b8, -9, 17, vdxsAdd_8u_Sfs, vdxsSub_8u_Sfs, vdxsMul_8u_Sfs, vdxsDiv_8u_Sfs);
    std::vector<Vdx16s> a16, b16;
    for (int i = -32768; i < 32768; ++i) a16.push_back(Vdx16s(i));
    b16 = a16;
    std::shuffle(b16.begin(), b16.end(), std::mt19937(5));
    check_dense<Vdx16s>(a16, b16, -17, 33, vdxsAdd_16s_Sfs, vdxsSub_16s_Sfs, vdxsMul_16s_Sfs, vdxsDiv_16s_Sfs);
}

}  // namespace
