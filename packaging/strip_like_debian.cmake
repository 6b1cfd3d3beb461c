# Run by CPack on the staged package, after its own strip: removes the compiler's version notes
# from every program, as Debian's own packaging does, so that the binaries carry nothing that
# is not needed to run them.
file(GLOB_RECURSE files LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*")
foreach(file IN LISTS files)
    if(IS_SYMLINK "${file}")
        continue()
    endif()
    file(READ "${file}" magic LIMIT 4 HEX)
    if(magic STREQUAL "7f454c46")
        execute_process(COMMAND "${CPACK_CHRONAVELL_STRIP}" --remove-section=.comment
                --remove-section=.note "${file}"
            COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()
