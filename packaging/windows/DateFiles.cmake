# Run by cpack before it packs: NSIS keeps each file's time, which is when
# it was built; dated with SOURCE_DATE_EPOCH (CPackOptions.cmake sets it),
# two builds of the same tree give the same installer.
file(GLOB_RECURSE files LIST_DIRECTORIES true "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
execute_process(COMMAND touch -h -d "@$ENV{SOURCE_DATE_EPOCH}" ${files} COMMAND_ERROR_IS_FATAL ANY)
