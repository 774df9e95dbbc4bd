# Cross-builds Quorrin for 64-bit Windows with mingw-w64 on Debian/Ubuntu (g++-mingw-w64-x86-64-posix):
#   cmake -S . -B build/windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DQUORRIN_BUILD_QT=OFF
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(QUORRIN_MINGW_TRIPLE x86_64-w64-mingw32)
# Debian's `wine` command takes Wine's 32-bit loader whenever its 32-bit part is installed, and that one
# cannot start a 64-bit prefix: the 64-bit loader by its own path, where it is there.
find_program(QUORRIN_WINE_LOADER NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
