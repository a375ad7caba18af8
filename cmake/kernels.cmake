# Kernel variants: every src/<family>/<name>_kernels.cpp is compiled once per
# instruction-set variant, through a generated wrapper that sets VDX_ISA to
# the variant's namespace.  The glue picks a variant at run time (isa.h).
set(VDX_VARIANTS sse41 avx2)
set(VDX_VARIANT_FLAGS_sse41 -msse4.1)
set(VDX_VARIANT_FLAGS_avx2 -mavx2 -mfma -mbmi -mbmi2)

function(vdx_kernel_variants out_var)
  set(generated)
  foreach(src ${ARGN})
    get_filename_component(stem ${src} NAME_WE)
    get_filename_component(dir ${src} DIRECTORY)
    get_filename_component(family ${dir} NAME)
    foreach(isa ${VDX_VARIANTS})
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
