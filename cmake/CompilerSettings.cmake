# Warnings, their workarounds and the Release options, in one place: included by the
# program's build and by the native unit tests' project.
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

if(MSVC)
    add_compile_options(/W4 /WX /permissive- /utf-8)
    add_compile_definitions(_CRT_SECURE_NO_WARNINGS)
    # The C runtime linked in, as the MinGW build links its own: the program runs on a bare
    # Windows with no redistributable installed.
    set(CMAKE_MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
    # Release: small code, unused functions and data dropped. The options replace CMake's
    # defaults (/O2 /Ob2), which the compiler would otherwise see overridden with a warning.
    set(CMAKE_C_FLAGS_RELEASE "/O1 /Gy /Gw /DNDEBUG")
    set(CMAKE_CXX_FLAGS_RELEASE "/O1 /Gy /Gw /DNDEBUG")
    add_link_options($<$<CONFIG:Release>:/OPT:REF> $<$<CONFIG:Release>:/OPT:ICF>)
    # The same bytes from the same sources: no time stamps in objects and PE headers.
    add_compile_options(/Brepro)
    add_link_options(/Brepro)
else()
    add_compile_options(-Wall -Wextra -Wpedantic -Werror)
    # GCC 12 reports -Wrestrict falsely for string concatenation at -O2 (GCC bug 105329).
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        add_compile_options(-Wno-restrict)
    endif()
    # Release: small code (nothing here is bound by the processor), each function and
    # datum in a section of its own so the linker drops what nothing uses, no symbols.
    set(CMAKE_C_FLAGS_RELEASE "-Os -DNDEBUG")
    set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG")
    add_compile_options($<$<CONFIG:Release>:-ffunction-sections> $<$<CONFIG:Release>:-fdata-sections>)
    # The same bytes from the same sources wherever they were checked out: file names in the
    # objects are relative to the checkout, and those in the build folder, inside it or not,
    # start with build/ (the compiler tries the map given last first). The linker stores no
    # time in the PE headers.
    add_compile_options(-ffile-prefix-map=${CMAKE_SOURCE_DIR}/= -ffile-prefix-map=${CMAKE_BINARY_DIR}/=build/)
    if(WIN32)
        add_link_options(-Wl,--no-insert-timestamp)
        add_link_options(-static -static-libgcc -static-libstdc++)
        add_link_options($<$<CONFIG:Release>:-Wl,--gc-sections> $<$<CONFIG:Release>:-s>)
    endif()
endif()
