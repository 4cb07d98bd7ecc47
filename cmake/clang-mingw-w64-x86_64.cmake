# Cross-compiles for 64-bit Windows with Clang and LLD, against mingw-w64's headers and the
# posix-threads flavour of its GCC runtime (libstdc++), as the GCC toolchain file does.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VANTREL_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET ${VANTREL_MINGW_TRIPLE})
set(CMAKE_CXX_COMPILER_TARGET ${VANTREL_MINGW_TRIPLE})
set(CMAKE_RC_COMPILER ${VANTREL_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VANTREL_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Packages are found in the sysroot and through CMAKE_PREFIX_PATH, where an installed Vantrel is.
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

# Clang finds mingw-w64's C headers and libraries by itself, but not the C++ library of the GCC
# flavour beside them: it is named here (the newest posix one installed).
file(GLOB VANTREL_MINGW_GCC_DIRS LIST_DIRECTORIES true
     /usr/lib/gcc/${VANTREL_MINGW_TRIPLE}/*-posix)
list(SORT VANTREL_MINGW_GCC_DIRS COMPARE NATURAL ORDER DESCENDING)
list(GET VANTREL_MINGW_GCC_DIRS 0 VANTREL_MINGW_GCC)
set(VANTREL_MINGW_CXX ${VANTREL_MINGW_GCC}/include/c++)
set(CMAKE_CXX_FLAGS_INIT
    "-nostdinc++ -isystem ${VANTREL_MINGW_CXX} -isystem ${VANTREL_MINGW_CXX}/${VANTREL_MINGW_TRIPLE} -isystem ${VANTREL_MINGW_CXX}/backward")

# An .exe needs nothing but Windows' own DLLs. std::thread's pthreads come from winpthreads,
# which Clang does not add itself; LLD finds a library's symbols wherever it stands on the line.
# The C++ flags come along to the link, where -nostdinc++ is unused.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-Wno-unused-command-line-argument -fuse-ld=lld -static -L${VANTREL_MINGW_GCC} -lpthread")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-Wno-unused-command-line-argument -fuse-ld=lld -static -L${VANTREL_MINGW_GCC} -lpthread")
