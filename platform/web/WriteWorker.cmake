# Writes the site's service worker, worker.js, from worker.js.in for the files
# of a site folder: each file's SHA-256, and the set's name from them all and
# from the worker's own source, so that a change to any file, or to the
# worker, makes a new set. Run after everything else is in the folder:
#
#   cmake -DSITE=<site folder> -P WriteWorker.cmake
if(NOT IS_DIRECTORY "${SITE}")
  message(FATAL_ERROR "WriteWorker.cmake: -DSITE=<site folder> names no folder")
endif()
set(template ${CMAKE_CURRENT_LIST_DIR}/worker.js.in)
file(GLOB names LIST_DIRECTORIES false RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM names worker.js)
list(SORT names)

file(SHA256 ${template} digest)
set(everything "worker.js.in ${digest}\n")
set(entries)
foreach(name IN LISTS names)
  file(SHA256 ${SITE}/${name} digest)
  string(APPEND everything "${name} ${digest}\n")
  list(APPEND entries "  '${name}': '${digest}',")
endforeach()
string(SHA256 VORK_SET "${everything}")
string(SUBSTRING ${VORK_SET} 0 16 VORK_SET)
list(JOIN entries "\n" VORK_FILES)
set(VORK_FILES "{\n${VORK_FILES}\n}")
configure_file(${template} ${SITE}/worker.js @ONLY)
