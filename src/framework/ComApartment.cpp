#include "framework/ComApartment.h"

#include <windows.h>

#include <objbase.h>

#include "framework/SystemLibrary.h"

namespace fw {

namespace {

// One thread's membership of its apartment, from the first request to the thread's end.
class TComApartment {
public:
    TComApartment() {
        // Loaded from the system folder, and not linked: a program nobody reads and that
        // opens no help pays nothing for COM.
        const HMODULE ole32 = LoadSystemLibrary(L"ole32.dll");
        const auto initialize = LibraryFunction<decltype(&CoInitializeEx)>(ole32, "CoInitializeEx");
        uninitialize_ = LibraryFunction<decltype(&CoUninitialize)>(ole32, "CoUninitialize");
        // S_FALSE: the thread was in one already, and it counts all the same. Another
        // kind of apartment is left as it is, and not ours to end. No OLE 1 DDE: the
        // shell asks that of its callers.
        joined_ = initialize && uninitialize_ &&
                  SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    }
    ~TComApartment() {
        if (joined_)
            uninitialize_();
    }
    TComApartment(const TComApartment&) = delete;
    TComApartment& operator=(const TComApartment&) = delete;

    bool Joined() const { return joined_; }

private:
    decltype(&CoUninitialize) uninitialize_ = nullptr;
    bool joined_ = false;
};

}  // namespace

bool JoinComApartment() {
    thread_local const TComApartment apartment;
    return apartment.Joined();
}

}  // namespace fw
