#pragma once
// Where Huetrove keeps its settings in the per-user registry, for every test tier.
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

}  // namespace harness
