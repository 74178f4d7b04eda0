# The browser build: Debian's clang 14 for wasm32-wasi, with Debian's
# wasi-libc and libc++ (packages wasi-libc, libc++-14-dev-wasm32,
# libc++abi-14-dev-wasm32, libclang-rt-14-dev-wasm32, lld-14).
set(CMAKE_SYSTEM_NAME WASI)
set(CMAKE_SYSTEM_VERSION 1)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
list(APPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})

set(CMAKE_C_COMPILER clang-14)
set(CMAKE_CXX_COMPILER clang++-14)
set(CMAKE_C_COMPILER_TARGET wasm32-wasi)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
set(CMAKE_AR llvm-ar-14 CACHE FILEPATH "")
set(CMAKE_RANLIB llvm-ranlib-14 CACHE FILEPATH "")

# A static library links without a program: CMake's compiler checks need none.
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Small code first: the whole site is downloaded before the first picture.
set(CMAKE_C_FLAGS_RELEASE "-Oz -DNDEBUG" CACHE STRING "")
set(CMAKE_CXX_FLAGS_RELEASE "-Oz -DNDEBUG" CACHE STRING "")

# wasi-libc has no setjmp.h, and FreeType includes it, in its public headers
# too. FreeType jumps only where the game's face never takes it: out of a
# table validator, on a damaged font, and out of the smooth rasterizer when
# one band of a glyph needs more cells than its pool holds (it then splits the
# band; the game's glyphs, all drawn by the wasm font test, never do). Here
# such a jump ends the program. The header is written from this file, on which debian_library keys
# its cache, and only when it changes.
set(vork_wasi_include ${CMAKE_BINARY_DIR}/wasi-include)
file(CONFIGURE OUTPUT ${vork_wasi_include}/setjmp.h @ONLY CONTENT [=[
#ifndef VORK_WASI_SETJMP_H
#define VORK_WASI_SETJMP_H
typedef int jmp_buf[1];
#define setjmp(buffer) ((void)(buffer), 0)
static inline __attribute__((noreturn)) void longjmp(jmp_buf buffer, int value) {
    (void)buffer;
    (void)value;
    __builtin_trap();
}
#endif
]=])
set(CMAKE_C_STANDARD_INCLUDE_DIRECTORIES ${vork_wasi_include})
set(CMAKE_CXX_STANDARD_INCLUDE_DIRECTORIES ${vork_wasi_include})

# Clang's driver runs wasm-opt over what it links whenever an optimisation
# level is on the link line, and that drops the function names the site's own
# wasm-opt step goes by: executables link without the compile flags.
set(CMAKE_CXX_LINK_EXECUTABLE
    "<CMAKE_CXX_COMPILER> --target=wasm32-wasi <CMAKE_CXX_LINK_FLAGS> <LINK_FLAGS> <OBJECTS> -o <TARGET> <LINK_LIBRARIES>")
