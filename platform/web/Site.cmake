# The site: index.html, the host's scripts and the game's module, as plain
# static files, with what makes it an installable app that plays offline
# (the manifest, the home screen's icons and the service worker). The module
# the linker writes blocks in its waits; binaryen's asyncify rewrites the
# functions between main and those waits (and only those) so that a wait can
# unwind to the page and be resumed later.
find_program(VORK_WASM_OPT wasm-opt REQUIRED)

set(VORK_SITE_DIR ${PROJECT_BINARY_DIR}/site CACHE PATH "Where the browser build writes the site")
set(asyncImports vork.wait_sleep_until,vork.wait_for_input)
set(suspendable
  main __original_main
  vork::shell::Form1::*
  vork::rally::RallyEngine::*
  vork::platform::MoveCoalescer::*
  vork::platform::web::WebPlatform::*
  vork::platform::web::WebInput::*
  vork::platform::web::WebWait::*)
list(JOIN suspendable "," suspendable)

file(GLOB hostFiles CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/host/*)
set(siteFiles)
foreach(file IN LISTS hostFiles)
  get_filename_component(name ${file} NAME)
  add_custom_command(OUTPUT ${VORK_SITE_DIR}/${name}
    COMMAND ${CMAKE_COMMAND} -E copy ${file} ${VORK_SITE_DIR}/${name}
    DEPENDS ${file} VERBATIM)
  list(APPEND siteFiles ${VORK_SITE_DIR}/${name})
endforeach()

add_custom_command(OUTPUT ${VORK_SITE_DIR}/vork.wasm
  COMMAND ${VORK_WASM_OPT} $<TARGET_FILE:vork> -o ${VORK_SITE_DIR}/vork.wasm
          --asyncify --pass-arg=asyncify-imports@${asyncImports} --pass-arg=asyncify-onlylist@${suspendable}
          -Oz --strip-debug --strip-producers
  DEPENDS vork VERBATIM
  COMMENT "Making the game's module suspendable")

# The manifest and the icons, drawn from the window icon by a tool built for this machine.
include(${PROJECT_SOURCE_DIR}/cmake/HostTools.cmake)
set(appFiles vork.webmanifest icon-192.png icon-512.png icon-maskable-512.png)
list(TRANSFORM appFiles PREPEND ${VORK_SITE_DIR}/)
add_custom_command(OUTPUT ${appFiles}
  COMMAND ${VORK_HOST_TOOLS}/vork_make_web_app ${VORK_SITE_DIR}
  DEPENDS vork_host_tools ${VORK_HOST_TOOLS}/vork_make_web_app
  COMMENT "Drawing the web app's icons" VERBATIM)

# The service worker, last: it names every other file by its contents.
add_custom_command(OUTPUT ${VORK_SITE_DIR}/worker.js
  COMMAND ${CMAKE_COMMAND} -DSITE=${VORK_SITE_DIR} -P ${CMAKE_CURRENT_SOURCE_DIR}/WriteWorker.cmake
  DEPENDS ${VORK_SITE_DIR}/vork.wasm ${siteFiles} ${appFiles} WriteWorker.cmake worker.js.in
  COMMENT "Writing the service worker" VERBATIM)
add_custom_target(vork_site ALL DEPENDS ${VORK_SITE_DIR}/worker.js)
