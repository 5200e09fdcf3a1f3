#include "Registry.h"

#include <cstring>
#include <vector>

namespace e2e {

namespace {

class Key {
public:
    Key(const std::string& path, REGSAM access, bool create) {
        const LONG status =
            create ? RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, access, nullptr, &key_, nullptr)
                   : RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, access, &key_);
        if (status != ERROR_SUCCESS) {
            key_ = nullptr;
        }
    }
    ~Key() {
        if (key_) {
            RegCloseKey(key_);
        }
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;

    HKEY Get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

std::optional<std::vector<BYTE>> ReadValue(const std::string& key, const std::string& name, DWORD expectedType) {
    Key opened(key, KEY_QUERY_VALUE, false);
    DWORD type = 0;
    DWORD size = 0;
    if (!opened.Get() ||
        RegQueryValueExA(opened.Get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != expectedType) {
        return std::nullopt;
    }
    std::vector<BYTE> data(size);
    if (RegQueryValueExA(opened.Get(), name.c_str(), nullptr, &type, data.data(), &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    data.resize(size);
    return data;
}

bool WriteValue(const std::string& key, const std::string& name, DWORD type, const BYTE* data, DWORD size) {
    Key opened(key, KEY_SET_VALUE, true);
    return opened.Get() && RegSetValueExA(opened.Get(), name.c_str(), 0, type, data, size) == ERROR_SUCCESS;
}

}  // namespace

std::optional<std::string> ReadRegistryString(const std::string& key, const std::string& name) {
    const auto data = ReadValue(key, name, REG_SZ);
    if (!data) {
        return std::nullopt;
    }
    std::string text(data->begin(), data->end());
    // The stored size usually counts the terminating zero.
    text.resize(text.find('\0') == std::string::npos ? text.size() : text.find('\0'));
    return text;
}

std::optional<DWORD> ReadRegistryDword(const std::string& key, const std::string& name) {
    const auto data = ReadValue(key, name, REG_DWORD);
    if (!data || data->size() != sizeof(DWORD)) {
        return std::nullopt;
    }
    DWORD value = 0;
    memcpy(&value, data->data(), sizeof(value));
    return value;
}

bool WriteRegistryString(const std::string& key, const std::string& name, const std::string& value) {
    return WriteValue(key, name, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                      static_cast<DWORD>(value.size() + 1));
}

bool WriteRegistryDword(const std::string& key, const std::string& name, DWORD value) {
    return WriteValue(key, name, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
}

bool RegistryValueExists(const std::string& key, const std::string& name) {
    Key opened(key, KEY_QUERY_VALUE, false);
    return opened.Get() &&
           RegQueryValueExA(opened.Get(), name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool RegistryKeyExists(const std::string& key) {
    Key opened(key, KEY_READ, false);
    return opened.Get() != nullptr;
}

bool DeleteRegistryValue(const std::string& key, const std::string& name) {
    Key opened(key, KEY_SET_VALUE, false);
    if (!opened.Get()) {
        return true;
    }
    const LONG status = RegDeleteValueA(opened.Get(), name.c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

bool DeleteRegistryKey(const std::string& key) {
    const LONG status = RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

}  // namespace e2e
