# Cross-compiles for 64-bit Windows with clang and LLVM's linker, on MinGW-w64's headers and
# libraries and MinGW GCC's C++ library (posix thread model). A second compiler keeps the
# sources free of one compiler's leniency.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER clang)
set(CMAKE_C_COMPILER_TARGET ${triple})
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_CXX_COMPILER_TARGET ${triple})
set(CMAKE_RC_COMPILER ${triple}-windres)
# The sysroot keeps the host's own headers and libraries out of the search paths.
set(CMAKE_SYSROOT /usr/${triple})
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# clang does not find GCC's C++ library under a version folder named "12-posix": ask the
# GCC of the same thread model where its runtime lives, and name its headers and libraries.
execute_process(COMMAND ${triple}-g++-posix -print-libgcc-file-name
                OUTPUT_VARIABLE libgcc OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE gccResult)
if(NOT gccResult EQUAL 0 OR NOT EXISTS "${libgcc}")
    message(FATAL_ERROR "${triple}-g++-posix not found: clang uses its C++ library (package g++-mingw-w64-x86-64-posix)")
endif()
get_filename_component(gccLibDir ${libgcc} DIRECTORY)
set(cxxHeaders ${gccLibDir}/include/c++)
set(CMAKE_CXX_FLAGS_INIT "-isystem ${cxxHeaders} -isystem ${cxxHeaders}/${triple} -isystem ${cxxHeaders}/backward")
# -pthread links the threads library that the posix model's C++ runtime calls.
set(linkFlags "-fuse-ld=lld -pthread -L${gccLibDir}")
set(CMAKE_EXE_LINKER_FLAGS_INIT ${linkFlags})
set(CMAKE_SHARED_LINKER_FLAGS_INIT ${linkFlags})
set(CMAKE_MODULE_LINKER_FLAGS_INIT ${linkFlags})

