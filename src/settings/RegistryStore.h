#pragma once
// The registry layer of the settings store: keys below HKEY_CURRENT_USER and
// typed values in them. Failures surface as fw::Exception with the texts the
// user sees in the error box.
#include <windows.h>

#include <string>

#include "framework/Handles.h"

namespace settings {

// True when the key below HKEY_CURRENT_USER can be opened for reading.
bool KeyExists(const std::string& path);

// What a key is opened for. Reading asks for read access alone, so a key that
// may be read but not written (set by a policy, say) still loads.
enum class KeyAccess { Read, Write };

// An open key below HKEY_CURRENT_USER; opened for writing, it is created with its
// missing parents. A failed open is not reported here: every later read or write
// then fails the way it would for a missing value.
class RegistryKey {
public:
    explicit RegistryKey(const std::string& path, KeyAccess access = KeyAccess::Write);

    bool IsOpen() const { return static_cast<bool>(key_); }

    int ReadInteger(const std::string& name) const;
    bool ReadBool(const std::string& name) const;
    std::string ReadString(const std::string& name) const;

    void WriteInteger(const std::string& name, int value);
    void WriteBool(const std::string& name, bool value);
    void WriteString(const std::string& name, const std::string& value);
    // A text that may hold any character, such as a path in another script.
    void WriteString(const std::string& name, const std::wstring& value);

    // Removing a value that is not there is not an error.
    void DeleteValue(const std::string& name);

private:
    fw::UniqueKey key_;
};

}  // namespace settings
