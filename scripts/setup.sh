#!/usr/bin/env bash
# Installs what building and testing Huetrove needs on a Debian machine.
# Safe to run again: packages that are present are skipped.
set -euo pipefail

need=()
have_cmd() { command -v "$1" >/dev/null 2>&1; }
have_cmd cmake || need+=(cmake)
have_cmd make || need+=(make)
# The test command's multi-configuration build.
have_cmd ninja || need+=(ninja-build)
have_cmd g++ || need+=(g++)
have_cmd x86_64-w64-mingw32-g++-posix || need+=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64)
have_cmd x86_64-w64-mingw32-windres || need+=(binutils-mingw-w64-x86-64)
# The second compiler of the test command: clang with LLVM's linker.
have_cmd clang || need+=(clang)
have_cmd ld.lld || need+=(lld)
# The analysers of the test command: clang's sanitizer and libFuzzer runtimes, and cppcheck.
[ -f "$(clang --print-runtime-dir 2>/dev/null)/libclang_rt.fuzzer-x86_64.a" ] || need+=(libclang-rt-dev)
have_cmd cppcheck || need+=(cppcheck)
have_cmd wine64 || [ -x /usr/lib/wine/wine64 ] || need+=(wine wine64)
ls /usr/share/wine/fonts/*.ttf >/dev/null 2>&1 || need+=(fonts-wine)
have_cmd Xvfb || need+=(xvfb)
have_cmd xdotool || need+=(xdotool)
have_cmd import || need+=(imagemagick)
have_cmd xwininfo || need+=(x11-utils)
have_cmd chmcmd || need+=(fp-utils)
# Unpacks the built help file for the test that reads it back.
have_cmd extract_chmLib || need+=(libchm-bin)
have_cmd python3 || need+=(python3)
have_cmd makensis || need+=(nsis)
# Sign the test's downloads with a throwaway certificate, and verify them.
have_cmd openssl || need+=(openssl)
have_cmd osslsigncode || need+=(osslsigncode)
# Loads the built web site for its test.
have_cmd chromium || need+=(chromium)
[ -f /usr/src/googletest/CMakeLists.txt ] || need+=(googletest)
[ -f /usr/include/gtest/gtest.h ] || need+=(libgtest-dev)

if [ ${#need[@]} -gt 0 ]; then
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -qq
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi
