#include "settings/RegistryStore.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "framework/Exception.h"
#include "settings/StoredSettings.h"

namespace settings {
namespace {

// The error texts the user sees: "<what> '<name>'".
[[noreturn]] void Fail(const char* what, const std::string& name) {
    throw fw::Exception(what + (" '" + name + "'"));
}
constexpr char kGetFailed[] = "Failed to get data for";
constexpr char kInvalidType[] = "Invalid data type for";
constexpr char kSetFailed[] = "Failed to set data for";

std::string SubKey(const std::string& path) {
    return std::string(RelativeKeyPath(path));
}

// Another program may resize a value between our size query and our data
// query; give up after this many rounds rather than chase it forever.
constexpr int kMaxReadAttempts = 16;

}  // namespace

bool KeyExists(const std::string& path) {
    return RegistryKey(path, KeyAccess::Read).IsOpen();
}

RegistryKey::RegistryKey(const std::string& path, KeyAccess access) {
    HKEY key = nullptr;
    const LONG status = access == KeyAccess::Read
                            ? RegOpenKeyExA(HKEY_CURRENT_USER, SubKey(path).c_str(), 0, KEY_READ, &key)
                            : RegCreateKeyExA(HKEY_CURRENT_USER, SubKey(path).c_str(), 0, nullptr,
                                              REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    if (status == ERROR_SUCCESS)
        key_.Reset(key);
}

int RegistryKey::ReadInteger(const std::string& name) const {
    if (!key_)
        Fail(kGetFailed, name);
    // Zero-filled so that a REG_DWORD shorter than 4 bytes (only another
    // program can write one) reads zero-extended instead of picking up stray
    // bytes; data longer than 4 bytes, of any type, does not fit and fails.
    unsigned char data[4] = {};
    DWORD type = REG_NONE;
    DWORD size = sizeof data;
    if (RegQueryValueExA(key_.Get(), name.c_str(), nullptr, &type, data, &size) != ERROR_SUCCESS)
        Fail(kGetFailed, name);
    if (type != REG_DWORD)
        Fail(kInvalidType, name);
    DWORD value = 0;
    std::memcpy(&value, data, sizeof value);
    return static_cast<int>(value);  // two's complement: 0xFFFFFFFF is -1
}

bool RegistryKey::ReadBool(const std::string& name) const {
    return ReadInteger(name) != 0;
}

std::string RegistryKey::ReadString(const std::string& name) const {
    if (!key_)
        return {};
    DWORD size = 0;
    if (RegQueryValueExA(key_.Get(), name.c_str(), nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS || size == 0)
        return {};

    std::vector<char> buffer;
    DWORD type = REG_NONE;
    for (int attempt = 0;; ++attempt) {
        if (attempt == kMaxReadAttempts || size == MAXDWORD)
            Fail(kGetFailed, name);
        buffer.assign(size, '\0');
        DWORD filled = size;
        const LONG status =
            RegQueryValueExA(key_.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &filled);
        if (status == ERROR_SUCCESS) {
            size = std::min(filled, size);
            break;
        }
        if (status == ERROR_FILE_NOT_FOUND)
            return {};  // deleted in between: as if it had never been there
        if (status != ERROR_MORE_DATA)
            Fail(kGetFailed, name);
        // It grew in between; `filled` holds the size it needs now.
        size = std::max(filled, size + 1);
    }
    if (size == 0)
        return {};
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        Fail(kInvalidType, name);
    // Bounded by the data size: text stored without its NUL (only another
    // program can write that) must not run past the buffer.
    const char* begin = buffer.data();
    return std::string(begin, std::find(begin, begin + size, '\0'));
}

void RegistryKey::WriteInteger(const std::string& name, int value) {
    const DWORD data = static_cast<DWORD>(value);
    if (!key_ || RegSetValueExA(key_.Get(), name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                                sizeof data) != ERROR_SUCCESS)
        Fail(kSetFailed, name);
}

void RegistryKey::WriteBool(const std::string& name, bool value) {
    WriteInteger(name, value ? 1 : 0);
}

void RegistryKey::WriteString(const std::string& name, const std::string& value) {
    // The terminating NUL counts in the stored size; an empty text is one NUL byte.
    if (!key_ || value.size() >= MAXDWORD ||
        RegSetValueExA(key_.Get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1)) != ERROR_SUCCESS)
        Fail(kSetFailed, name);
}

void RegistryKey::WriteString(const std::string& name, const std::wstring& value) {
    // The name read as the narrow calls read it, in the program's code page.
    std::wstring wideName(name.size(), L'\0');
    wideName.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, name.data(), static_cast<int>(name.size()),
                                                                 wideName.data(), static_cast<int>(wideName.size()))));
    const std::size_t bytes = (value.size() + 1) * sizeof(wchar_t);
    if (!key_ || bytes >= MAXDWORD ||
        RegSetValueExW(key_.Get(), wideName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(bytes)) != ERROR_SUCCESS)
        Fail(kSetFailed, name);
}

void RegistryKey::DeleteValue(const std::string& name) {
    if (key_)
        RegDeleteValueA(key_.Get(), name.c_str());  // a missing value is fine: the result is the same
}

}  // namespace settings
