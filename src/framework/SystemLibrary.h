#pragma once
// Libraries come from the system folder only: a file of the same name beside the
// program, or in the current directory, is never loaded in their place.
#include <windows.h>

namespace fw {

// Makes the system folder the only place searched for libraries loaded by name from
// here on, the system's own delayed loads included. The first thing the program does;
// where Windows lacks the call, nothing changes.
void RestrictLibrarySearchToSystem();

// Loads from the system folder, and keeps, the libraries that Windows' own libraries load
// later by bare name, so that such a load finds the system's copy already in the process.
// Right after RestrictLibrarySearchToSystem.
void AnchorSystemLibraries();

// Loads a system library by its file name, from the system folder alone; null when it
// cannot be loaded.
HMODULE LoadSystemLibrary(const wchar_t* name);

// A function of a loaded library, as the type F; null when either is missing.
template <typename F>
F LibraryFunction(HMODULE library, const char* name) {
    return library ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(library, name))) : nullptr;
}

}  // namespace fw
