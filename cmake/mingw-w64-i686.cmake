# Cross-builds Quorrin for 32-bit Windows with mingw-w64 on Debian/Ubuntu (g++-mingw-w64-i686-posix):
#   cmake -S . -B build/windows32 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake -DQUORRIN_BUILD_QT=OFF
# Its tests run under Wine's 32-bit part (Debian's wine32:i386).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(QUORRIN_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
