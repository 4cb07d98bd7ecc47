# Installs the toolkit as a CMake package: libvantrel.a, the application-facing headers under
# include/vantrel/, and VantrelConfig.cmake with its version file, the exported target and
# vantrel_use_utf8 and vantrel_use_per_monitor_dpi (cmake/VantrelManifest.cmake).
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(vantrel_package_dir ${CMAKE_INSTALL_LIBDIR}/cmake/Vantrel)

# include/vantrel holds the public API and nothing else: it is installed as it stands.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/vantrel DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})

target_include_directories(vantrel PUBLIC $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
install(TARGETS vantrel EXPORT VantrelTargets ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(EXPORT VantrelTargets NAMESPACE Vantrel:: DESTINATION ${vantrel_package_dir})

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/VantrelConfig.cmake.in
                              ${PROJECT_BINARY_DIR}/VantrelConfig.cmake
                              INSTALL_DESTINATION ${vantrel_package_dir})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/VantrelConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
# The cross toolchain files come along: a program built on Linux needs nothing from the source.
install(FILES ${PROJECT_BINARY_DIR}/VantrelConfig.cmake
              ${PROJECT_BINARY_DIR}/VantrelConfigVersion.cmake
              ${PROJECT_SOURCE_DIR}/cmake/VantrelManifest.cmake
              ${PROJECT_SOURCE_DIR}/cmake/mingw-w64-x86_64.cmake
              ${PROJECT_SOURCE_DIR}/cmake/clang-mingw-w64-x86_64.cmake
        DESTINATION ${vantrel_package_dir})
