#pragma once
// Where Huetrove keeps its settings in the per-user registry, for every test tier, and a
// store written as the program would write it.
#include <filesystem>
#include <optional>
#include <string>

#include "Registry.h"

namespace harness {

inline constexpr char kSettingsKey[] = "Software\\Brightquill\\Huetrove";
inline constexpr char kMakerKey[] = "Software\\Brightquill";
inline constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char kRunValue[] = "Huetrove";

// No settings at all, as before a first run: the maker's key and the start-up entry gone.
inline void RemoveAllSettings() {
    DeleteRegistryKey(kMakerKey);
    DeleteRegistryValue(kRunKey, kRunValue);
}

// A store every value of which reads; a case sets only what it is about.
struct StoredSettings {
    int windowLeft = 300;
    int windowTop = 200;
    const char* activePS = "palWeb";
    DWORD minimizeClose = 1;
    DWORD systemStartup = 0;
    const char* dblClickAction = "None";  // null: not stored
};

// True when every value was written.
inline bool StoreSettings(const StoredSettings& s) {
    return WriteRegistryDword(kSettingsKey, "WindowLeft", static_cast<DWORD>(s.windowLeft)) &&
           WriteRegistryDword(kSettingsKey, "WindowTop", static_cast<DWORD>(s.windowTop)) &&
           WriteRegistryString(kSettingsKey, "ActivePS", s.activePS) &&
           WriteRegistryDword(kSettingsKey, "MinimizeClose", s.minimizeClose) &&
           WriteRegistryDword(kSettingsKey, "SystemStartup", s.systemStartup) &&
           (!s.dblClickAction || WriteRegistryString(kSettingsKey, "DblClickAction", s.dblClickAction));
}

// One stored value, when it is there and of its type.
inline std::optional<std::string> StoredText(const char* name) {
    return ReadRegistryString(kSettingsKey, name);
}
inline std::optional<DWORD> StoredNumber(const char* name) {
    return ReadRegistryDword(kSettingsKey, name);
}

// Whether the start-up entry starts `exe`: its path in quotes, as the program writes it,
// in any case, as the system compares paths.
inline bool RunValueStarts(const std::filesystem::path& exe) {
    const auto run = ReadRegistryWideString(std::filesystem::path(kRunKey).wstring(),
                                            std::filesystem::path(kRunValue).wstring());
    return run && lstrcmpiW(run->c_str(), (L"\"" + exe.wstring() + L"\"").c_str()) == 0;
}

}  // namespace harness
