#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace e2e {

// Values and keys under HKEY_CURRENT_USER, which the tests share with the program
// (one prefix). `key` is a path below HKCU such as "Software\\Brightquill\\Huetrove".
std::optional<std::string> ReadRegistryString(const std::string& key, const std::string& name);
std::optional<DWORD> ReadRegistryDword(const std::string& key, const std::string& name);
bool WriteRegistryString(const std::string& key, const std::string& name, const std::string& value);
bool WriteRegistryDword(const std::string& key, const std::string& name, DWORD value);
bool RegistryValueExists(const std::string& key, const std::string& name);
bool RegistryKeyExists(const std::string& key);
// True also when there was nothing to delete.
bool DeleteRegistryValue(const std::string& key, const std::string& name);
bool DeleteRegistryKey(const std::string& key);

}  // namespace e2e
