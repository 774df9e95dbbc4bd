# The Windows resources of quorrin.exe (icons, cursor, pictures, version, manifest) and its packages.
# Include this at file scope of the folder that defines the program, then:
#   quorrin_add_windows_resources(quorrin_win32)
#   quorrin_add_windows_packages(quorrin_win32)

if(WIN32)
    # enable_language() may not be called from a function; the resource compiler is windres under mingw-w64.
    enable_language(RC)
endif()

# Compiles src/ui/win32/quorrin.rc.in, with this project's version filled in, into TARGET.
function(quorrin_add_windows_resources target)
    if(NOT WIN32)
        message(FATAL_ERROR "quorrin_add_windows_resources: ${target} is not built for Windows")
    endif()
    # The linker takes nothing from an archive that no code refers to: resources only work in the program.
    get_target_property(type ${target} TYPE)
    if(NOT type STREQUAL "EXECUTABLE")
        message(FATAL_ERROR "quorrin_add_windows_resources: ${target} is a ${type}, not the program")
    endif()
    cmake_path(SET root NORMALIZE "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/..")
    set(QUORRIN_RC_WIN32_DIR ${root}/src/ui/win32)
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources/quorrin.rc)
    configure_file(${QUORRIN_RC_WIN32_DIR}/quorrin.rc.in ${rc} @ONLY)

    # A library of its own: the program's compiler options (-Wall and the like) would reach windres, which
    # refuses them.
    add_library(${target}_resources OBJECT ${rc})
    # windres reports no dependencies: the files the script names are listed here.
    set(inputs resource.h quorrin.manifest quorrin.ico tip.ico hand.cur)
    list(TRANSFORM inputs PREPEND ${QUORRIN_RC_WIN32_DIR}/)
    foreach(image picture1 logo tip-bulb about-background about-contact)
        list(APPEND inputs ${QUORRIN_RC_WIN32_DIR}/pictures/${image}.bmp)
    endforeach()
    set_source_files_properties(${rc} TARGET_DIRECTORY ${target}_resources PROPERTIES OBJECT_DEPENDS "${inputs}")
    target_link_libraries(${target} PRIVATE ${target}_resources)
endfunction()

# Adds the target windows-packages, which makes Quorrin-<version>-<platform>.zip and
# Quorrin-<version>-<platform>-setup.exe in <build>/packages from EXE_TARGET (platform win64 or win32, after
# the build's pointer size), and the test windows_installer, which installs the setup program under
# Wine. makensis is looked up when the target is built; the test installs it first where it is missing.
function(quorrin_add_windows_packages exe_target)
    if(NOT WIN32)
        message(FATAL_ERROR "quorrin_add_windows_packages: ${exe_target} is not built for Windows")
    endif()
    cmake_path(SET root NORMALIZE "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/..")
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        set(platform win64)
        set(nsis_target amd64-unicode)
    else()
        set(platform win32)
        set(nsis_target x86-unicode)
    endif()
    set(base Quorrin-${PROJECT_VERSION}-${platform})
    set(out ${CMAKE_BINARY_DIR}/packages)
    set(stage ${out}/stage)
    set(zip ${out}/${base}.zip)
    set(setup ${out}/${base}-setup.exe)

    set(documents ${root}/README.md)
    set(nsis_defines)
    if(EXISTS ${root}/LICENSE)
        list(APPEND documents ${root}/LICENSE)
        list(APPEND nsis_defines -DWITH_LICENSE)
    endif()
    set(staged ${stage}/quorrin.exe)
    set(names quorrin.exe)
    foreach(document IN LISTS documents)
        cmake_path(GET document FILENAME name)
        list(APPEND staged ${stage}/${name})
        list(APPEND names ${name})
    endforeach()

    # The debug information stays in the build; users get the program without it.
    if(CMAKE_STRIP)
        set(copy_program ${CMAKE_STRIP} --strip-all -o ${stage}/quorrin.exe $<TARGET_FILE:${exe_target}>)
    else()
        set(copy_program ${CMAKE_COMMAND} -E copy $<TARGET_FILE:${exe_target}> ${stage}/quorrin.exe)
    endif()
    add_custom_command(OUTPUT ${staged}
        COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}
        COMMAND ${copy_program}
        COMMAND ${CMAKE_COMMAND} -E copy ${documents} ${stage}
        DEPENDS ${exe_target} ${documents}
        COMMENT "Gathering the files of the Windows packages"
        VERBATIM)

    add_custom_command(OUTPUT ${zip}
        COMMAND ${CMAKE_COMMAND} -E rm -f ${zip}
        COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip -- ${names}
        WORKING_DIRECTORY ${stage}
        DEPENDS ${staged}
        COMMENT "Packing ${base}.zip"
        VERBATIM)

    set(script ${root}/packaging/windows/installer.nsi)
    # makensis: warnings are errors (-WX); only warnings and errors are printed (-V2).
    add_custom_command(OUTPUT ${setup}
        COMMAND makensis -V2 -WX
            -DVERSION=${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}
            -DTARGET=${nsis_target} -DSTAGE=${stage} -DICON=${root}/src/ui/win32/quorrin.ico -DOUTFILE=${setup}
            ${nsis_defines} ${script}
        DEPENDS ${staged} ${script} ${root}/src/ui/win32/quorrin.ico
        COMMENT "Making ${base}-setup.exe"
        VERBATIM)

    add_custom_target(windows-packages DEPENDS ${zip} ${setup})

    # The tests are added when the top folder's list file ends, after its enable_testing() (when tests are
    # built).
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        set(machine x86-64)
    else()
        set(machine i386)
    endif()
    cmake_language(EVAL CODE "cmake_language(DEFER DIRECTORY [[${CMAKE_SOURCE_DIR}]]
        CALL _quorrin_add_package_tests [[${exe_target}]] [[${machine}]] [[${setup}]] [[${stage}/quorrin.exe]])")
endfunction()

function(_quorrin_add_package_tests exe_target machine setup program)
    cmake_path(SET tests NORMALIZE "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/../tests/windows")
    add_test(NAME windows_imports COMMAND bash ${tests}/check-imports.sh $<TARGET_FILE:${exe_target}> ${machine})
    add_test(NAME windows_installer COMMAND bash ${tests}/installer-test.sh --build ${CMAKE_BINARY_DIR} ${setup} ${program})
    set_tests_properties(windows_imports PROPERTIES ENVIRONMENT "OBJDUMP=${CMAKE_OBJDUMP}" TIMEOUT 30
        LABELS windows)
    set_tests_properties(windows_installer PROPERTIES ENVIRONMENT "CMAKE=${CMAKE_COMMAND}" TIMEOUT 110 LABELS windows)
endfunction()
