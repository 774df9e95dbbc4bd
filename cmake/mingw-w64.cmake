# What the mingw-w64 cross builds share; included by mingw-w64-x86_64.cmake and mingw-w64-i686.cmake after
# they set QUORRIN_MINGW_TRIPLE and CMAKE_SYSTEM_PROCESSOR.
# The posix-threads variant of the compilers, so that std::thread and std::mutex work.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${QUORRIN_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUORRIN_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QUORRIN_MINGW_TRIPLE}-windres)

# Libraries and packages come from the mingw-w64 tree only, programs from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${QUORRIN_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Everything linked in, so that the executables need none of the compiler's DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# CTest and test discovery run the executables under Wine when it is there: the loader the including file
# found for its architecture, else the `wine` command.
if(NOT QUORRIN_WINE_LOADER)
    find_program(QUORRIN_WINE_LOADER NAMES wine)
endif()
if(QUORRIN_WINE_LOADER)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${QUORRIN_WINE_LOADER})
endif()
