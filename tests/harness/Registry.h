#pragma once
// The per-user registry as a test reads, writes and clears it.
#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace harness {

// Values and keys under HKEY_CURRENT_USER, which the tests share with the program
// (one prefix). `key` is a path below HKCU such as "Software\\Brightquill\\Huetrove".
std::optional<std::string> ReadRegistryString(const std::string& key, const std::string& name);
// A text as stored, read with RegGetValueW: any character, whatever the code page.
std::optional<std::wstring> ReadRegistryWideString(const std::wstring& key, const std::wstring& name);
std::optional<DWORD> ReadRegistryDword(const std::string& key, const std::string& name);
bool WriteRegistryString(const std::string& key, const std::string& name, const std::string& value);
bool WriteRegistryDword(const std::string& key, const std::string& name, DWORD value);
bool RegistryValueExists(const std::string& key, const std::string& name);
bool RegistryKeyExists(const std::string& key);
// True also when there was nothing to delete.
bool DeleteRegistryValue(const std::string& key, const std::string& name);
bool DeleteRegistryKey(const std::string& key);

// A value as stored: its type and its bytes, a terminating zero included.
struct RegistryValue {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;

    std::string Bytes() const { return std::string(data.begin(), data.end()); }
    // The number of a four-byte value, 0 for any other size.
    DWORD Number() const;
};
// Every value of a key by name; empty when the key does not exist.
std::map<std::string, RegistryValue> RegistryValues(const std::string& key);
// Stores any bytes under any type, so a test can leave what a program cannot read.
bool WriteRegistryValue(const std::string& key, const std::string& name, DWORD type, const void* data, size_t size);
// A key, with no values. With REG_OPTION_VOLATILE the system refuses lasting keys below it, as
// when the user may not write there.
bool CreateRegistryKey(const std::string& key, DWORD options = REG_OPTION_NON_VOLATILE);

// A key that a test fills with values of any shape; a write that fails fails the test.
struct TestKey {
    std::string path;  // below HKCU
    void Put(const std::string& name, DWORD type, const void* data, size_t size) const;
    void PutText(const std::string& name, const std::string& text, DWORD type = REG_SZ) const;
    void PutDword(const std::string& name, DWORD value) const;
};

}  // namespace harness
