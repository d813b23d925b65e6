# clicker_embed(<target> <symbol> <file>): compiles <file> into <target> as
#   extern const unsigned char <symbol>[]; extern const unsigned int <symbol>Size;
# The array source is generated at build time and regenerated when <file> changes.
function(clicker_embed target symbol file)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/embed/${symbol}.cpp)
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DIN=${file} -DOUT=${out} -DSYMBOL=${symbol}
            -P ${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake
    DEPENDS ${file} ${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake
    COMMENT "Embedding ${symbol}"
    VERBATIM)
  target_sources(${target} PRIVATE ${out})
endfunction()
