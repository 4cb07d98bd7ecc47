# Installs the toolkit as a CMake package: libvantrel.a, the application-facing headers under
# include/vantrel/, and VantrelConfig.cmake with its version file and the exported target.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(vantrel_package_dir ${CMAKE_INSTALL_LIBDIR}/cmake/Vantrel)

# Only the chief header and the siblings it includes: everything else is the toolkit's own.
install(FILES ${PROJECT_SOURCE_DIR}/toolkit/core/toolkit.h
              ${PROJECT_SOURCE_DIR}/toolkit/core/constants.h
              ${PROJECT_SOURCE_DIR}/toolkit/core/int_stack_api.h
              ${PROJECT_SOURCE_DIR}/toolkit/core/explorer_api.h
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vantrel)

target_include_directories(vantrel PUBLIC $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
install(TARGETS vantrel EXPORT VantrelTargets ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(EXPORT VantrelTargets NAMESPACE Vantrel:: DESTINATION ${vantrel_package_dir})

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/VantrelConfig.cmake.in
                              ${PROJECT_BINARY_DIR}/VantrelConfig.cmake
                              INSTALL_DESTINATION ${vantrel_package_dir})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/VantrelConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/VantrelConfig.cmake
              ${PROJECT_BINARY_DIR}/VantrelConfigVersion.cmake
        DESTINATION ${vantrel_package_dir})
