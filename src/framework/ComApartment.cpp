#include "framework/ComApartment.h"

#include <windows.h>

#include <objbase.h>

#include "framework/SystemLibrary.h"

namespace fw {

namespace {

enum class TApartment : unsigned char { NotAsked, Joined, Refused };

TApartment Join() {
    // Loaded from the system folder, and not linked: a program nobody reads and that
    // opens no help pays nothing for COM.
    const auto initialize =
        LibraryFunction<decltype(&CoInitializeEx)>(LoadSystemLibrary(L"ole32.dll"), "CoInitializeEx");
    // S_FALSE: the thread was in one already, and it counts all the same. Another kind of
    // apartment is left as it is. No OLE 1 DDE: the shell asks that of its callers.
    return initialize && SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))
               ? TApartment::Joined
               : TApartment::Refused;
}

}  // namespace

bool JoinComApartment() {
    // Plain data, not an object with a destructor: MinGW keeps thread-local objects in
    // memory of their own that can be gone before such a destructor runs at the thread's
    // end. The apartment is never left early on purpose: a verb's handler may still be at
    // work when ShellExecute returns, and the system ends the apartment with the thread.
    thread_local TApartment apartment = TApartment::NotAsked;
    if (apartment == TApartment::NotAsked)
        apartment = Join();
    return apartment == TApartment::Joined;
}

}  // namespace fw
