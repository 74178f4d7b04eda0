# Included by tests/CMakeLists.txt when VORK_WINDOWS_BUILD names a Windows
# build: its games and installer must all be there, and Debian's Wine too.
get_filename_component(VORK_WINDOWS_BUILD ${VORK_WINDOWS_BUILD} ABSOLUTE)
foreach(file vork.exe vork_console_host.exe vork-${PROJECT_VERSION}-win64-setup.exe)
  if(NOT EXISTS ${VORK_WINDOWS_BUILD}/${file})
    message(FATAL_ERROR "${VORK_WINDOWS_BUILD}/${file} is missing: run scripts/build-windows.sh ${VORK_WINDOWS_BUILD}")
  endif()
endforeach()
foreach(program /usr/lib/wine/wine64 /usr/lib/wine/wineserver)
  if(NOT EXISTS ${program})
    message(FATAL_ERROR "${program} is missing: install wine and wine64 (scripts/install-deps.sh does)")
  endif()
endforeach()

set(prefix ${PROJECT_BINARY_DIR}/wine-prefix)
vork_test_suite(vork_wine_tests wine vork_xharness
  PROPERTIES FIXTURES_REQUIRED wine_prefix RESOURCE_LOCK wine_prefix)
target_compile_definitions(vork_wine_tests PRIVATE VORK_WINDOWS_BUILD="${VORK_WINDOWS_BUILD}"
  VORK_VERSION="${PROJECT_VERSION}")
add_test(NAME wine_prefix_made COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/wine/make-prefix.sh ${prefix})
set_tests_properties(wine_prefix_made PROPERTIES FIXTURES_SETUP wine_prefix RESOURCE_LOCK wine_prefix LABELS wine)
add_test(NAME wine_prefix_removed COMMAND ${CMAKE_COMMAND} -E rm -rf ${prefix})
set_tests_properties(wine_prefix_removed PROPERTIES FIXTURES_CLEANUP wine_prefix RESOURCE_LOCK wine_prefix LABELS wine)
