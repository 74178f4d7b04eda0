# The icon tools (assets/host/) built for the build machine, for a build
# whose own compiler makes programs for another: the target vork_host_tools,
# and VORK_HOST_TOOLS, the folder that holds them.
include(ExternalProject)
set(VORK_HOST_TOOLS ${PROJECT_BINARY_DIR}/host-tools)
ExternalProject_Add(vork_host_tools
  SOURCE_DIR ${PROJECT_SOURCE_DIR}/assets/host
  BINARY_DIR ${VORK_HOST_TOOLS}
  CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> -j1
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${VORK_HOST_TOOLS}/vork_make_ico ${VORK_HOST_TOOLS}/vork_make_web_app)
