# Every variant object uses only instructions of the features its entry in
# src/core/runtime/variants.def requires (the glue objects: those of the floor
# variant), so that the run-time choice never lands on a processor without
# one of them.  objdump lists each object; each feature below is recognised
# by its mnemonics or registers.  Fails naming the object, the feature and
# one instruction.
#   -DOBJECTS=a.o|b.o|...  -DVARIANTS_FILE=...  -DFEATURES_FILE=...  -DMODULE_DIR=...
cmake_policy(SET CMP0057 NEW)
include(${MODULE_DIR}/variants.cmake)

set(m "[ \t\n]")  # what ends a mnemonic
set(avx512_ops "(vpternlog[dq]|vpermt2[a-z]+|vpermi2[a-z]+|vp?compress[a-z]+|vp?expand[a-z]+|vrndscale[a-z]+|vscalef[a-z]+|vgetexp[a-z]+|vgetmant[a-z]+|vfixupimm[a-z]+|vpro[lr]v?[dq]|vpmov(q[bwd]|d[bw]|s[qdw][bwd]|us[qdw][bwd])|vp?blendm[a-z]+|valign[dq]|vpcmpu?[bwdq]|vbroadcast[fi](32x[248]|64x[24])|vextract[fi](32x[48]|64x[24])|vinsert[fi](32x[48]|64x[24])|vshuf[fi](32x4|64x2)|vcvtu[a-z0-9]+|vcvtt?[a-z0-9]+2u[a-z0-9]+|vrcp14[a-z]+|vrsqrt14[a-z]+|vpabsq|vp(max|min)[su]q|vpsraq|vpsravq|vmovdq[au](8|16|32|64)|k[a-z]+[bwdq])${m}")
set(bw_ops "(vmovdqu(8|16)|vpermw|vpermi2w|vpermt2w|vpmovwb|vpmovs?u?wb|vpmovm2[bw]|vpmov[bw]2m|vdbpsadbw|kmov[dq]|k(and|andn|or|xor|xnor|not|add|shiftl|shiftr|ortest|test|unpck)[dq])${m}")
set(dq_ops "(vpmullq|vrange[a-z]+|vreduce[a-z]+|vfpclass[a-z]+|vcvtt?p[sd]2u?qq|vcvtu?qq2p[sd]|vextract[fi](32x8|64x2)|vinsert[fi](32x8|64x2)|vbroadcast[fi](32x2|32x8|64x2)|vpmovm2[dq]|vpmov[dq]2m|k[a-z]+b)${m}")

# found_<FEATURE>: one instruction of the listing that needs the feature, or empty.
function(scan_listing listing variant)
  set(patterns
    "SSE42|\t(crc32[a-z]*|pcmp[ei]str[im]|vpcmp[ei]str[im])${m}"
    "POPCNT|\tpopcnt${m}"
    "LZCNT|\tlzcnt${m}"
    "MOVBE|\tmovbe${m}"
    "BMI1|\t(andn|bextr|blsi|blsmsk|blsr|tzcnt)${m}"
    "BMI2|\t(bzhi|mulx|pdep|pext|rorx|sarx|shlx|shrx)${m}"
    "F16C|\tvcvt(ph2ps|ps2ph)${m}"
    "AVX|\tv[a-z0-9]+${m}"
    "AVX|%ymm"
    "AVX2_FMA|\tv(fn?m(add|sub|addsub|subadd)[a-z0-9]+)${m}"
    "AVX2_FMA|\t(vpbroadcast[bwdq]|vperm2i128|vpermq|vpermd|vinserti128|vextracti128|vpmaskmov[dq]|vps[lr]lv[dq]|vpsravd|vpblendd|vp?gather[a-z0-9]+)${m}"
    "AVX2_FMA|\tvp[a-z0-9]+ [^\n]*%ymm"
    "AVX512F|%zmm|%k[0-7]"
    "AVX512F|\t${avx512_ops}"
    "AVX512VL|%[xy]mm(1[6-9]|2[0-9]|3[01])"
    "AVX512VL|\t${avx512_ops}[^\n%]*%[xy]mm[^\n]*"
    "AVX512BW|\t${bw_ops}"
    "AVX512BW|\tvp[a-z0-9]*[bw] [^\n]*%zmm"
    "AVX512DQ|\t${dq_ops}"
    "AVX512DQ|\tv(andn?|x?or)p[sd] [^\n]*%zmm")
  foreach(entry ${patterns})
    string(FIND "${entry}" "|" bar)
    string(SUBSTRING "${entry}" 0 ${bar} feature)
    math(EXPR from "${bar} + 1")
    string(SUBSTRING "${entry}" ${from} -1 regex)
    string(REGEX MATCHALL "${regex}" hits "${listing}")
    foreach(hit ${hits})
      # AVX instructions on ymm that are not AVX2's: vpermilps/pd, vperm2f128.
      if(feature STREQUAL "AVX2_FMA" AND hit MATCHES "^\tvperm(il|2f128)")
        continue()
      endif()
      # GCC emits __builtin_ctz as `rep bsf` where BMI1 is not enabled; it
      # shares tzcnt's encoding, and runs as bsf (same result for the nonzero
      # inputs it is used on) on processors without BMI1.
      if(hit MATCHES "^\ttzcnt" AND NOT "-mbmi" IN_LIST VDX_VARIANT_FLAGS_${variant})
        continue()
      endif()
      # An EVEX-only mnemonic on xmm/ymm needs VL only when no zmm is in sight.
      if(feature STREQUAL "AVX512VL" AND hit MATCHES "%zmm")
        continue()
      endif()
      string(STRIP "${hit}" hit)
      set(found_${feature} "${hit}" PARENT_SCOPE)
      break()
    endforeach()
  endforeach()
endfunction()

string(REPLACE "|" ";" objects "${OBJECTS}")
list(GET VDX_VARIANTS 0 floor)
set(failures)
set(checked 0)
foreach(obj ${objects})
  # variants/<family>_<stem>_<variant>.cpp.o, or a glue object (the floor's).
  set(variant ${floor})
  foreach(isa ${VDX_VARIANTS})
    if(obj MATCHES "/variants/[^/]*_${isa}\\.cpp\\.o$")
      set(variant ${isa})
    endif()
  endforeach()
  execute_process(COMMAND objdump -d --no-show-raw-insn ${obj} OUTPUT_VARIABLE listing RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "objdump failed on ${obj}")
  endif()
  math(EXPR checked "${checked} + 1")
  scan_listing("${listing}" ${variant})
  foreach(feature SSE42 POPCNT LZCNT MOVBE BMI1 BMI2 F16C AVX AVX2_FMA AVX512F AVX512VL AVX512BW AVX512DQ)
    if(found_${feature} AND NOT feature IN_LIST VDX_VARIANT_FEATURES_${variant})
      get_filename_component(name ${obj} NAME)
      list(APPEND failures "${name} (${variant}) uses ${feature} (${found_${feature}}), which its entry does not require")
    endif()
    unset(found_${feature})
  endforeach()
endforeach()
if(checked EQUAL 0)
  message(FATAL_ERROR "no objects to check")
endif()
if(failures)
  list(JOIN failures "\n  " text)
  message(FATAL_ERROR "variant objects use features their variants do not require:\n  ${text}")
endif()
message(STATUS "${checked} objects use only the features of their variants")
