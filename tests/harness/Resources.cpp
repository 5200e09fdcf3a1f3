#include "Resources.h"

#include <psapi.h>
#include <winternl.h>

#include <array>
#include <cstdint>
#include <vector>

#include "WindowFinder.h"

namespace harness {

namespace {

// One entry of the GDI handle table a process's PEB points to (64-bit layout).
#pragma pack(push, 1)
struct GdiHandleEntry {
    std::uint64_t kernelObject;
    std::uint16_t processId;
    std::uint16_t count;
    std::uint16_t unique;
    std::uint8_t type;  // 0: a free entry
    std::uint8_t flags;
    std::uint64_t userObject;
};
#pragma pack(pop)
static_assert(sizeof(GdiHandleEntry) == 24);

constexpr size_t kGdiTableEntries = 0x10000;
constexpr size_t kPebGdiTableOffset = 0xF8;  // PEB.GdiSharedHandleTable on x64

void* PebOf(HANDLE process) {
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    auto query = ntdll ? reinterpret_cast<decltype(&NtQueryInformationProcess)>(
                             reinterpret_cast<void*>(GetProcAddress(ntdll, "NtQueryInformationProcess")))
                       : nullptr;
    PROCESS_BASIC_INFORMATION info{};
    if (!query || query(process, ProcessBasicInformation, &info, sizeof info, nullptr) != 0)
        return nullptr;
    return info.PebBaseAddress;
}

// The live entries of the process's own GDI handle table (stock objects included),
// and how many there are of each type.
long CountGdiTable(HANDLE process, std::string& byType) {
    char* peb = static_cast<char*>(PebOf(process));
    void* table = nullptr;
    SIZE_T read = 0;
    if (!peb || !ReadProcessMemory(process, peb + kPebGdiTableOffset, &table, sizeof table, &read) || !table)
        return -1;
    std::vector<GdiHandleEntry> entries(kGdiTableEntries);
    if (!ReadProcessMemory(process, table, entries.data(), entries.size() * sizeof(GdiHandleEntry), &read))
        return -1;
    long live = 0;
    std::array<long, 256> types{};
    for (size_t i = 0; i < read / sizeof(GdiHandleEntry); ++i) {
        live += entries[i].type != 0;
        ++types[entries[i].type];
    }
    for (size_t type = 1; type < types.size(); ++type) {
        if (types[type])
            byType += (byType.empty() ? "" : " ") + std::to_string(type) + ":" + std::to_string(types[type]);
    }
    return live;
}

// Each handle value that the process holds can be duplicated; the others cannot.
long CountHandlesByTrying(HANDLE process) {
    long count = 0;
    for (std::uintptr_t value = 4; value < 0x10000; value += 4) {
        HANDLE copy = nullptr;
        if (DuplicateHandle(process, reinterpret_cast<HANDLE>(value), GetCurrentProcess(), &copy, 0, FALSE,
                            DUPLICATE_SAME_ACCESS)) {
            ++count;
            CloseHandle(copy);
        }
    }
    return count;
}

unsigned long long PrivateCommittedKb(HANDLE process) {
    unsigned long long bytes = 0;
    MEMORY_BASIC_INFORMATION mbi{};
    for (char* address = nullptr; VirtualQueryEx(process, address, &mbi, sizeof mbi) == sizeof mbi;
         address = static_cast<char*>(mbi.BaseAddress) + mbi.RegionSize) {
        if (mbi.State == MEM_COMMIT && mbi.Type == MEM_PRIVATE)
            bytes += mbi.RegionSize;
        if (mbi.RegionSize == 0)
            break;
    }
    return bytes / 1024;
}

}  // namespace

ProcessResources MeasureResources(HANDLE process) {
    ProcessResources r;
    for (HWND window : TopLevelWindows(GetProcessId(process)))
        r.windows += 1 + static_cast<long>(ChildWindows(window).size());

    r.gdiObjects = static_cast<long>(GetGuiResources(process, GR_GDIOBJECTS));
    r.gdiCountedBySystem = r.gdiObjects > 0;
    if (!r.gdiCountedBySystem)
        r.gdiObjects = CountGdiTable(process, r.gdiByType);
    r.userObjects = static_cast<long>(GetGuiResources(process, GR_USEROBJECTS));
    r.userCountedBySystem = r.userObjects > 0;
    if (!r.userCountedBySystem)
        r.userObjects = r.windows;
    DWORD handles = 0;
    r.handlesCountedBySystem = GetProcessHandleCount(process, &handles) && handles > 0;
    r.handles = HandleCount(process);

    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters)) {
        r.workingSetKb = counters.WorkingSetSize / 1024;
        r.privateKb = counters.PrivateUsage / 1024;
    }
    if (r.privateKb == 0)
        r.privateKb = PrivateCommittedKb(process);
    return r;
}

long HandleCount(HANDLE process) {
    DWORD handles = 0;
    return GetProcessHandleCount(process, &handles) && handles > 0 ? static_cast<long>(handles)
                                                                   : CountHandlesByTrying(process);
}

std::string HowCounted(const ProcessResources& r) {
    std::string how;
    how += r.gdiCountedBySystem ? "GDI: system" : "GDI: the process's GDI handle table";
    how += r.userCountedBySystem ? "; USER: system" : "; USER: the process's windows";
    how += r.handlesCountedBySystem ? "; handles: system" : "; handles: each handle value tried";
    return how;
}

}  // namespace harness
