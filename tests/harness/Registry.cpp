#include "Registry.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <type_traits>

namespace harness {

namespace {

struct KeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using Key = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

// A key below HKCU opened for reading, closed with its owner; null when it does not open.
Key OpenKey(const std::string& path) {
    HKEY key = nullptr;
    return Key(RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS ? key : nullptr);
}

// A text value read with RegGetValueA or RegGetValueW, which zero-terminate what they read.
template <typename Char, typename Get>
std::optional<std::basic_string<Char>> ReadText(Get get, const Char* key, const Char* name) {
    DWORD size = 0;
    if (get(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    std::basic_string<Char> text(size / sizeof(Char) + 1, Char{});  // room for a zero the stored text may lack
    size = static_cast<DWORD>(text.size() * sizeof(Char));
    if (get(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, text.data(), &size) != ERROR_SUCCESS)
        return std::nullopt;
    text.resize(text.find(Char{}));
    return text;
}

}  // namespace

std::optional<std::string> ReadRegistryString(const std::string& key, const std::string& name) {
    return ReadText(RegGetValueA, key.c_str(), name.c_str());
}

std::optional<std::wstring> ReadRegistryWideString(const std::wstring& key, const std::wstring& name) {
    return ReadText(RegGetValueW, key.c_str(), name.c_str());
}

std::optional<DWORD> ReadRegistryDword(const std::string& key, const std::string& name) {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_REG_DWORD, nullptr, &value, &size) !=
            ERROR_SUCCESS ||
        size != sizeof value)
        return std::nullopt;
    return value;
}

bool WriteRegistryString(const std::string& key, const std::string& name, const std::string& value) {
    return WriteRegistryValue(key, name, REG_SZ, value.c_str(), value.size() + 1);
}

bool WriteRegistryDword(const std::string& key, const std::string& name, DWORD value) {
    return WriteRegistryValue(key, name, REG_DWORD, &value, sizeof(value));
}

bool RegistryValueExists(const std::string& key, const std::string& name) {
    return RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, nullptr, nullptr,
                        nullptr) == ERROR_SUCCESS;
}

bool RegistryKeyExists(const std::string& key) {
    return OpenKey(key) != nullptr;
}

bool DeleteRegistryValue(const std::string& key, const std::string& name) {
    const LONG status = RegDeleteKeyValueA(HKEY_CURRENT_USER, key.c_str(), name.c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

bool DeleteRegistryKey(const std::string& key) {
    const LONG status = RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str());
    // The key itself too, should the tree's deletion have left it behind.
    RegDeleteKeyA(HKEY_CURRENT_USER, key.c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

DWORD RegistryValue::Number() const {
    DWORD number = 0;
    if (data.size() == sizeof number)
        memcpy(&number, data.data(), sizeof number);
    return number;
}

std::map<std::string, RegistryValue> RegistryValues(const std::string& key) {
    std::map<std::string, RegistryValue> values;
    const Key opened = OpenKey(key);
    if (!opened)
        return values;
    DWORD longestName = 0;
    DWORD longestData = 0;
    RegQueryInfoKeyA(opened.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longestName,
                     &longestData, nullptr, nullptr);
    for (DWORD i = 0;; ++i) {
        std::string name(longestName + 1, '\0');
        DWORD nameLength = longestName + 1;
        RegistryValue value;
        value.data.resize(longestData);
        DWORD size = longestData;
        if (RegEnumValueA(opened.get(), i, name.data(), &nameLength, nullptr, &value.type, value.data.data(), &size) !=
            ERROR_SUCCESS)
            break;
        name.resize(nameLength);
        value.data.resize(size);
        values[name] = value;
    }
    return values;
}

bool WriteRegistryValue(const std::string& key, const std::string& name, DWORD type, const void* data, size_t size) {
    // The key is created as needed.
    return RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), name.c_str(), type, data, static_cast<DWORD>(size)) ==
           ERROR_SUCCESS;
}

bool CreateRegistryKey(const std::string& key, DWORD options) {
    HKEY created = nullptr;
    const LONG status = RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, options, KEY_ALL_ACCESS, nullptr,
                                        &created, nullptr);
    const Key owned(status == ERROR_SUCCESS ? created : nullptr);
    return owned != nullptr;
}

void TestKey::Put(const std::string& name, DWORD type, const void* data, size_t size) const {
    ASSERT_TRUE(WriteRegistryValue(path, name, type, data, size)) << name;
}

void TestKey::PutText(const std::string& name, const std::string& text, DWORD type) const {
    Put(name, type, text.c_str(), text.size() + 1);
}

void TestKey::PutDword(const std::string& name, DWORD value) const {
    Put(name, REG_DWORD, &value, sizeof value);
}

}  // namespace harness
