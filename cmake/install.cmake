# install: header, both libraries, a pkg-config file and a CMake package,
# so that consumers use either `pkg-config --cflags --libs vdxs` or
# `find_package(vdxs)` + `target_link_libraries(app vdxs::vdxs)`.
include(CMakePackageConfigHelpers)

set_target_properties(vdxsy8 PROPERTIES EXPORT_NAME vdxs)
set_target_properties(vdxcore PROPERTIES EXPORT_NAME core)
install(TARGETS vdxsy8 vdxcore EXPORT vdxsTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(FILES include/vdxs.h platform/vdxcore/vdxcore.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT vdxsTargets NAMESPACE vdxs:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/vdxs)

configure_package_config_file(cmake/vdxsConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/vdxsConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/vdxs)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/vdxsConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/vdxsConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/vdxsConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/vdxs)

# The .pc file finds its prefix from its own place, so the install can move.
file(RELATIVE_PATH VDXS_PC_TO_PREFIX /root/${CMAKE_INSTALL_LIBDIR}/pkgconfig /root)
configure_file(cmake/vdxs.pc.in ${CMAKE_CURRENT_BINARY_DIR}/vdxs.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/vdxs.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
