# vork_embed(<target> <symbol> <file>): compiles the bytes of <file> into
# <target> as `extern const unsigned char <symbol>[]` and `<symbol>_size`, so
# the game never reads a file at run time.
set(VORK_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/EmbedFile.cmake)

function(vork_embed target symbol file)
  set(output ${CMAKE_CURRENT_BINARY_DIR}/embedded/${symbol}.cpp)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${file} -DOUTPUT=${output} -DSYMBOL=${symbol} -P ${VORK_EMBED_SCRIPT}
    DEPENDS ${file} ${VORK_EMBED_SCRIPT}
    COMMENT "Embedding ${file}"
    VERBATIM)
  target_sources(${target} PRIVATE ${output})
endfunction()
