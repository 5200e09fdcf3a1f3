#pragma once
// What a running program holds: GDI and USER objects, kernel handles, windows and
// memory. Windows counts the objects itself (GetGuiResources, GetProcessHandleCount);
// where a system does not (Wine answers 0), they are counted from the outside: GDI
// objects in the process's own GDI handle table, handles by trying each handle value,
// USER objects as the process's windows.
#include <windows.h>

#include <string>

namespace harness {

struct ProcessResources {
    long gdiObjects = 0;
    long userObjects = 0;
    long handles = 0;
    long windows = 0;
    unsigned long long workingSetKb = 0;
    unsigned long long privateKb = 0;  // committed memory of the process alone
    bool gdiCountedBySystem = false;
    bool userCountedBySystem = false;
    bool handlesCountedBySystem = false;
    // Counted from the table: the live entries by their type number, "type:count ...",
    // to tell which kind of object a difference is.
    std::string gdiByType;
};

// `process` needs query, read and duplicate-handle rights (a handle from CreateProcess has them).
ProcessResources MeasureResources(HANDLE process);

// The kernel handles a process holds, counted as MeasureResources counts them. Unlike it,
// this touches no window, so it opens no window station or desktop of its own.
long HandleCount(HANDLE process);

// How each count was taken, for a report: "system" or the outside method.
std::string HowCounted(const ProcessResources& r);

}  // namespace harness
