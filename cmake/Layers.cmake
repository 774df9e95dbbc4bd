# Helpers for the one-library-per-folder layout of src/.

# Adds NAME_win.cpp on Windows and NAME_posix.cpp elsewhere to TARGET, for each NAME given.
function(quorrin_per_os_sources target)
    foreach(name IN LISTS ARGN)
        if(WIN32)
            target_sources(${target} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/${name}_win.cpp)
        else()
            target_sources(${target} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/${name}_posix.cpp)
        endif()
    endforeach()
endfunction()
