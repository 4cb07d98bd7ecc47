# Build helpers shared by the toolkit, the demo, the tests and the benchmarks.

# The warnings that catch real faults here (a sizeof of a pointer taken for its text's, a
# shadowed name, a narrowing conversion), errors under VANTREL_WERROR (the presets, so CI).
function(vantrel_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 $<$<BOOL:${VANTREL_WERROR}>:/WX>)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-unused-parameter -Wshadow
                                             -Wconversion -Wsizeof-pointer-div
                                             -Wsizeof-pointer-memaccess
                                             $<$<BOOL:${VANTREL_WERROR}>:-Werror>)
    # Clang's -Wconversion also takes in sign changes, GCC's (in C++) does not: every Win32
    # message macro passes an int as WPARAM, so both compilers warn of the same conversions.
    if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
      target_compile_options(${target} PRIVATE -Wno-sign-conversion)
    endif()
  endif()
  if(VANTREL_SANITIZE AND NOT WIN32)
    target_compile_options(${target} PUBLIC -fsanitize=address,undefined -fno-omit-frame-pointer
                                            -fno-sanitize-recover=undefined)
    target_link_options(${target} PUBLIC -fsanitize=address,undefined)
  endif()
endfunction()

macro(vantrel_add_googletest)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  add_subdirectory(${VANTREL_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  if(VANTREL_SANITIZE AND NOT WIN32)
    target_compile_options(gtest PRIVATE -fsanitize=address,undefined)
  endif()
endmacro()

# vantrel_test(NAME name SOURCES files... [HOST] [WINDOWS] [LABELS labels...])
# HOST: built and run natively (platform-free code). WINDOWS: built with mingw-w64 and run
# under Wine in the private Xvfb that the test run's "wine" fixture starts.
function(vantrel_test)
  cmake_parse_arguments(T "HOST;WINDOWS" "NAME;TIMEOUT" "SOURCES;LABELS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 240)
  endif()
  if(WIN32 AND T_WINDOWS)
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE vantrel vantrel_test_support gtest)
    vantrel_warnings(${T_NAME})
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    # One display for all: windows of one test must not cover or steal the input of another.
    set_tests_properties(${T_NAME} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT ${T_TIMEOUT}
                                              RESOURCE_LOCK wine_display
                                              LABELS "windows;${T_LABELS}")
  elseif(NOT WIN32 AND T_HOST)
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE vantrel_portable gtest gtest_main)
    vantrel_warnings(${T_NAME})
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    set_tests_properties(${T_NAME} PROPERTIES TIMEOUT ${T_TIMEOUT} LABELS "host;${T_LABELS}")
  endif()
endfunction()
