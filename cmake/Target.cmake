# The machine the game is built for, from the toolchain: the Linux desktop
# (a native build), the browser (wasm32-wasi, cmake/toolchains/) or Windows
# (mingw-w64, cmake/toolchains/). The game's own code is the same on all
# three; each builds its own platform library under platform/.
if(CMAKE_SYSTEM_NAME STREQUAL "WASI")
  set(VORK_TARGET web)
elseif(WIN32)
  set(VORK_TARGET windows)
else()
  set(VORK_TARGET linux)
endif()
message(STATUS "vorK for ${VORK_TARGET}")
