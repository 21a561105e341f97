# Installation: the five shared libraries with their public headers (include/), the tables of
# error and warning numbers (share/doc/tarv/), a CMake package (tarv:: targets, found with
# find_package(tarv), the libraries as its components), one pkg-config file per library, the
# program and the example data.  Installed libraries carry no run path into the build tree.
include(CMakePackageConfigHelpers)

set(tarv_libraries tarvcore tplotlib tterrlib tmsgcon tpanel)
set(tarv_cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/tarv)

# The version macros of the headers must say what the build says.
file(STRINGS ${PROJECT_SOURCE_DIR}/include/tarvconfig.h tarv_header_version
     REGEX "^#define TARV_VERSION_STRING ")
if(NOT tarv_header_version MATCHES "\"${PROJECT_VERSION}\"")
  message(FATAL_ERROR "include/tarvconfig.h does not carry version ${PROJECT_VERSION}")
endif()

install(TARGETS ${tarv_libraries} EXPORT tarvTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} NAMELINK_COMPONENT Development)
install(FILES include/tarvconfig.h include/tarvcore.h include/tplotlib.h include/tterrlib.h
              include/tmsgcon.h include/tpanel.h
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(FILES doc/errors-tarvcore.md doc/errors-tplotlib.md doc/errors-tterrlib.md
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tarv)
install(EXPORT tarvTargets NAMESPACE tarv:: DESTINATION ${tarv_cmake_dir})
configure_package_config_file(cmake/tarvConfig.cmake.in
                              ${PROJECT_BINARY_DIR}/tarvConfig.cmake
                              INSTALL_DESTINATION ${tarv_cmake_dir})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/tarvConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/tarvConfig.cmake ${PROJECT_BINARY_DIR}/tarvConfigVersion.cmake
        DESTINATION ${tarv_cmake_dir})

# pkg-config: the graph, surface and toolkit libraries require the kernel, so that
# `pkg-config --libs tplotlib` names both.  The prefix is taken from the file's own place.
set(tarv_pc_requires_tplotlib tarvcore)
set(tarv_pc_requires_tterrlib tarvcore)
set(tarv_pc_requires_tpanel tarvcore)
set(tarv_pc_description_tarvcore "Graphics kernel drawing to PNG, PDF, SVG and trace files")
set(tarv_pc_description_tplotlib "Scientific graphs and business charts")
set(tarv_pc_description_tterrlib "Contour maps, triangulated networks and 3-D surfaces")
set(tarv_pc_description_tmsgcon "Message console")
set(tarv_pc_description_tpanel "Widget toolkit for windows, dialogs and graphics frames")
file(RELATIVE_PATH tarv_pc_to_prefix ${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig
     ${CMAKE_INSTALL_PREFIX})
foreach(lib ${tarv_libraries})
  set(TARV_PC_NAME ${lib})
  set(TARV_PC_DESCRIPTION "${tarv_pc_description_${lib}}")
  set(TARV_PC_REQUIRES "${tarv_pc_requires_${lib}}")
  configure_file(cmake/tarv.pc.in ${PROJECT_BINARY_DIR}/pkgconfig/${lib}.pc @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/pkgconfig/${lib}.pc
          DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endforeach()

install(TARGETS specvue RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES examples/dft_input.in examples/demo.script
        DESTINATION ${CMAKE_INSTALL_DATADIR}/specvue/examples)
