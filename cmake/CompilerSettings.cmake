# One INTERFACE target carries the language level, warnings and hardening for every target of the project.
add_library(quorrin_options INTERFACE)
target_compile_features(quorrin_options INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
    set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "Build type" FORCE)
endif()

# A -fsanitize= list such as address,undefined, for the Linux test build. Every finding ends the program, so a
# test that trips one fails instead of printing a report nobody reads.
set(QUORRIN_SANITIZE "" CACHE STRING "Sanitizers to build with (a -fsanitize= list, e.g. address,undefined)")
if(QUORRIN_SANITIZE AND (WIN32 OR MSVC))
    message(FATAL_ERROR "QUORRIN_SANITIZE is for the Linux build: ${QUORRIN_SANITIZE}")
endif()

if(MSVC)
    target_compile_options(quorrin_options INTERFACE /W4 /permissive- /utf-8 /sdl /guard:cf /EHsc)
    target_link_options(quorrin_options INTERFACE /guard:cf /DYNAMICBASE /NXCOMPAT)
else()
    target_compile_options(quorrin_options INTERFACE
        -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Wcast-align
        -Woverloaded-virtual -Wformat=2 -Wimplicit-fallthrough
        -fstack-protector-strong
        $<$<CONFIG:Debug>:-D_GLIBCXX_ASSERTIONS>)
    if(QUORRIN_SANITIZE OR QUORRIN_BUILD_FUZZERS)
        # The fortified string functions check the same bounds as AddressSanitizer, less precisely, and some
        # glibc versions warn about the pair; -U also drops a default that the compiler may bring.
        target_compile_options(quorrin_options INTERFACE -U_FORTIFY_SOURCE)
        if(QUORRIN_SANITIZE)
            target_compile_options(quorrin_options INTERFACE
                -fsanitize=${QUORRIN_SANITIZE} -fno-sanitize-recover=all -fno-omit-frame-pointer)
            target_link_options(quorrin_options INTERFACE -fsanitize=${QUORRIN_SANITIZE})
        endif()
    else()
        target_compile_options(quorrin_options INTERFACE $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
    endif()
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

if(QUORRIN_BUILD_FUZZERS)
    # libFuzzer comes with clang only. Every library is built with its coverage hooks and the sanitizers, so
    # that a fault anywhere under a fuzz target stops it; the targets themselves add -fsanitize=fuzzer, which
    # brings libFuzzer's main.
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "QUORRIN_BUILD_FUZZERS needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
    endif()
    target_compile_options(quorrin_options INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(quorrin_options INTERFACE -fsanitize=address,undefined)
endif()

if(WIN32)
    # <windows.h> must not define min and max macros over std::min, std::max and Qt's own.
    target_compile_definitions(quorrin_options INTERFACE NOMINMAX)
endif()
