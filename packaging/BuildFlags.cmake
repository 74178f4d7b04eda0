# Compiler and linker flags for the game as it ships, the ones Debian's
# dpkg-buildflags gives a package.

# No trace of where the build ran: two builds of the same source in different
# folders must give the same executable. The build folder comes last so that it
# wins when it lies inside the source folder.
add_compile_options(
  -ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
  -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)

# Hardening. Not in sanitizer builds: those are for finding faults, never for
# shipping, and the fortified library calls get in the sanitizers' way.
if(NOT VORK_SANITIZE)
  add_compile_options(
    -fstack-protector-strong
    -fstack-clash-protection
    -fcf-protection
    -Werror=format-security
    # Fortification needs the optimizer; a Debug build would only warn.
    $<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-D_FORTIFY_SOURCE=2>)
  add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()
