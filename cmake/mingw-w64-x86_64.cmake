# Cross build for 64-bit Windows with Debian's mingw-w64: GCC compiles, with the win32 threading
# model (the C++ runtime on Windows' own primitives, without winpthreads), and LLVM's lld links,
# driven by clang. GNU ld's MinGW script keeps every function that has unwind data, so whole
# object files of the C++ library came along; lld leaves out whatever nothing refers to.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TVL_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TVL_MINGW_TRIPLET}-gcc-win32)
set(CMAKE_CXX_COMPILER ${TVL_MINGW_TRIPLET}-g++-win32)
set(CMAKE_RC_COMPILER ${TVL_MINGW_TRIPLET}-windres)

# clang finds the MinGW start-up files and libraries under /usr/x86_64-w64-mingw32 itself; the
# C++ library and libgcc are GCC's, in the folder of the compiler that made the objects.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-libgcc-file-name
    OUTPUT_VARIABLE TVL_GCC_LIBRARY OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
get_filename_component(TVL_GCC_LIBRARY_DIR "${TVL_GCC_LIBRARY}" DIRECTORY)
set(TVL_LINK_DRIVER_OPTIONS --target=${TVL_MINGW_TRIPLET} -fuse-ld=lld -L${TVL_GCC_LIBRARY_DIR})
set(TVL_C_LINK_DRIVER clang)
set(TVL_CXX_LINK_DRIVER clang++)
set(CMAKE_USER_MAKE_RULES_OVERRIDE ${CMAKE_CURRENT_LIST_DIR}/LinkWithLld.cmake)

set(CMAKE_FIND_ROOT_PATH /usr/${TVL_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
