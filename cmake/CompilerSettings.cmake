# One INTERFACE target carries the language level, warnings and hardening for every target of the project.
add_library(quorrin_options INTERFACE)
target_compile_features(quorrin_options INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
    set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "Build type" FORCE)
endif()

if(MSVC)
    target_compile_options(quorrin_options INTERFACE /W4 /permissive- /utf-8 /sdl /guard:cf /EHsc)
    target_link_options(quorrin_options INTERFACE /guard:cf /DYNAMICBASE /NXCOMPAT)
else()
    target_compile_options(quorrin_options INTERFACE
        -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Wcast-align
        -Woverloaded-virtual -Wformat=2 -Wimplicit-fallthrough
        -fstack-protector-strong
        $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>
        $<$<CONFIG:Debug>:-D_GLIBCXX_ASSERTIONS>)
    if(WIN32)
        # mingw-w64: address space layout randomisation and no-execute data for the PE image (over the whole
        # 64-bit address space where there is one). The stack protector and the fortified functions live in
        # libssp there, not in the C library.
        target_link_options(quorrin_options INTERFACE -Wl,--dynamicbase -Wl,--nxcompat)
        if(CMAKE_SIZEOF_VOID_P EQUAL 8)
            target_link_options(quorrin_options INTERFACE -Wl,--high-entropy-va)
        endif()
        target_link_libraries(quorrin_options INTERFACE ssp)
    elseif(NOT APPLE)
        target_link_options(quorrin_options INTERFACE -Wl,-z,relro -Wl,-z,now -Wl,-z,noexecstack)
    endif()
endif()

if(WIN32)
    # <windows.h> must not define min and max macros over std::min, std::max and Qt's own.
    target_compile_definitions(quorrin_options INTERFACE NOMINMAX)
endif()
