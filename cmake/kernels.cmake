# Kernel variants: every src/<family>/<name>_kernels.cpp is compiled once per
# instruction-set variant that builds it, through a generated wrapper that
# sets VDX_ISA to the variant's namespace.  The variants, their flags, the
# core-library features they need and the kernel sources they build come
# from src/core/runtime/variants.def, which the C++ code reads too (isa.h).
set(VDX_VARIANTS_FILE ${PROJECT_SOURCE_DIR}/src/core/runtime/variants.def)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${VDX_VARIANTS_FILE}
  ${PROJECT_SOURCE_DIR}/platform/vdxcore/vdxcore.h)

set(VARIANTS_FILE ${VDX_VARIANTS_FILE})
set(FEATURES_FILE ${PROJECT_SOURCE_DIR}/platform/vdxcore/vdxcore.h)
include(${CMAKE_CURRENT_LIST_DIR}/variants.cmake)

# Variants of the list that this build leaves out: not compiled, never
# chosen (families run the best variant below).  The AVX-512 FFT kernels
# are left out by default: on the machines measured they win at 2^6..2^7
# points and lose at 2^8 and beyond (64fc).
set(VDXS_DISABLED_VARIANTS avx512 CACHE STRING "kernel variants of src/core/runtime/variants.def left out of the build")
foreach(isa ${VDXS_DISABLED_VARIANTS})
  if(NOT isa IN_LIST VDX_VARIANTS)
    message(FATAL_ERROR "VDXS_DISABLED_VARIANTS: ${isa} is not in ${VDX_VARIANTS_FILE}")
  endif()
  list(REMOVE_ITEM VDX_VARIANTS ${isa})
endforeach()
list(JOIN VDXS_DISABLED_VARIANTS " " VDX_DISABLED_VARIANTS_TEXT)

# vdx_variant_builds(<out> <variant> <family/stem>): whether the variant
# compiles that kernel source.
function(vdx_variant_builds out isa source)
  set(sources ${VDX_VARIANT_SOURCES_${isa}})
  if(sources STREQUAL "*" OR source IN_LIST sources)
    set(${out} TRUE PARENT_SCOPE)
  else()
    set(${out} FALSE PARENT_SCOPE)
  endif()
endfunction()

function(vdx_kernel_variants out_var)
  set(generated)
  foreach(src ${ARGN})
    get_filename_component(stem ${src} NAME_WE)
    get_filename_component(dir ${src} DIRECTORY)
    get_filename_component(family ${dir} NAME)
    foreach(isa ${VDX_VARIANTS})
      vdx_variant_builds(built ${isa} ${family}/${stem})
      if(NOT built)
        continue()
      endif()
      set(wrapper ${CMAKE_BINARY_DIR}/variants/${family}_${stem}_${isa}.cpp)
      file(CONFIGURE OUTPUT ${wrapper} CONTENT
        "// Generated: the ${isa} variant of ${family}/${stem}.cpp\n#define VDX_ISA ${isa}\n#include \"${src}\"\n")
      set_source_files_properties(${wrapper} PROPERTIES
        COMPILE_OPTIONS "${VDX_VARIANT_FLAGS_${isa}}" OBJECT_DEPENDS ${src})
      list(APPEND generated ${wrapper})
    endforeach()
  endforeach()
  set(${out_var} ${generated} PARENT_SCOPE)
endfunction()

# vdx_variant_hide_mask(<out> <variant>): the feature bits to hide so that a
# processor with every variant runs <variant>: each bit that a higher variant
# needs and <variant> does not.
function(vdx_variant_hide_mask out isa)
  list(FIND VDX_VARIANTS ${isa} index)
  list(LENGTH VDX_VARIANTS count)
  set(mask 0)
  math(EXPR first "${index} + 1")
  if(first LESS count)
    math(EXPR last "${count} - 1")
    foreach(i RANGE ${first} ${last})
      list(GET VDX_VARIANTS ${i} higher)
      foreach(feature ${VDX_VARIANT_FEATURES_${higher}})
        if(NOT feature IN_LIST VDX_VARIANT_FEATURES_${isa})
          math(EXPR mask "${mask} | ${VDX_FEATURE_BIT_${feature}}" OUTPUT_FORMAT HEXADECIMAL)
        endif()
      endforeach()
    endforeach()
  endif()
  set(${out} ${mask} PARENT_SCOPE)
endfunction()

# vdx_host_variants(<out>): the variants whose features the build machine
# has, floor first (the core library's detection, run once at configure).
function(vdx_host_variants out)
  if(NOT DEFINED VDX_HOST_FEATURES)
    try_run(run_rc compile_ok ${CMAKE_BINARY_DIR}/host_features
      SOURCES ${PROJECT_SOURCE_DIR}/cmake/host_features.c ${PROJECT_SOURCE_DIR}/platform/vdxcore/vdxcore.c
      CMAKE_FLAGS -DINCLUDE_DIRECTORIES=${PROJECT_SOURCE_DIR}/platform/vdxcore
      LINK_LIBRARIES pthread
      RUN_OUTPUT_VARIABLE detected)
    if(NOT compile_ok OR NOT run_rc EQUAL 0)
      message(WARNING "could not detect the build machine's features: only the floor variant is tested apart")
      set(detected 0)
    endif()
    string(STRIP "${detected}" detected)
    set(VDX_HOST_FEATURES ${detected} CACHE INTERNAL "feature bits of the build machine")
  endif()
  set(present)
  foreach(isa ${VDX_VARIANTS})
    set(all TRUE)
    foreach(feature ${VDX_VARIANT_FEATURES_${isa}})
      math(EXPR has "${VDX_HOST_FEATURES} & ${VDX_FEATURE_BIT_${feature}}")
      if(has EQUAL 0)
        set(all FALSE)
      endif()
    endforeach()
    if(all OR NOT present)
      list(APPEND present ${isa})  # the floor runs anywhere
    endif()
  endforeach()
  set(${out} ${present} PARENT_SCOPE)
endfunction()
