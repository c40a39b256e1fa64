# embed_bytes(<out-var> <input-file> <symbol> [DEPENDS <target>...])
# Generates a C++ source defining
#     extern const unsigned char <symbol>[];  extern const size_t <symbol>_size;
# from the bytes of <input-file>, regenerated whenever the file changes, and
# appends the generated source to <out-var>. A build output is given as
# $<TARGET_FILE:tgt> with DEPENDS tgt.
set(EMBED_BYTES_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/EmbedBytesRun.cmake)

function(embed_bytes out_var input symbol)
    cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
    set(input_abs ${input})
    string(GENEX_STRIP "${input}" plain_input)
    if(plain_input STREQUAL input)
        get_filename_component(input_abs ${input} ABSOLUTE)
    endif()
    set(output ${CMAKE_CURRENT_BINARY_DIR}/embedded/${symbol}.cpp)
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -DINPUT=${input_abs} -DOUTPUT=${output}
                -DSYMBOL=${symbol} -P ${EMBED_BYTES_SCRIPT}
        DEPENDS ${input_abs} ${EMBED_BYTES_SCRIPT} ${ARG_DEPENDS}
        COMMENT "Embedding ${symbol}"
        VERBATIM)
    set(${out_var} ${${out_var}} ${output} PARENT_SCOPE)
endfunction()
