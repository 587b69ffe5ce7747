#include "app/registry_profile_win32.h"

#include <windows.h>

#include <string>

#include "ui/controls_win32.h"

namespace qs::app {

namespace {

using win::wide;

std::wstring sectionKey(TextView section) {
    return wide(kProfileKey) + L"\\" + wide(section);
}

// An open registry key, closed when it goes.
class RegistryKey {
public:
    RegistryKey(const std::wstring& path, bool create) {
        const LONG result =
            create ? RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0,
                                     KEY_READ | KEY_WRITE, nullptr, &key_, nullptr)
                   : RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key_);
        if (result != ERROR_SUCCESS) key_ = nullptr;
    }
    ~RegistryKey() {
        if (key_) RegCloseKey(key_);
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

std::optional<std::wstring> queryText(HKEY key, const std::wstring& name) {
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return std::nullopt;
    }
    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()),
                         &bytes) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    text.resize(wcsnlen(text.c_str(), bytes / sizeof(wchar_t)));
    return text;
}

void setText(HKEY key, const std::wstring& name, const std::wstring& text) {
    RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

}  // namespace

std::optional<int> RegistryProfile::readInt(TextView section, TextView name) const {
    RegistryKey key(sectionKey(section), false);
    if (!key.get()) return std::nullopt;
    DWORD type = 0;
    DWORD value = 0;
    DWORD bytes = sizeof value;
    if (RegQueryValueExW(key.get(), wide(name).c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(&value), &bytes) != ERROR_SUCCESS ||
        type != REG_DWORD) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

std::optional<Text> RegistryProfile::readText(TextView section, TextView name) const {
    RegistryKey key(sectionKey(section), false);
    if (!key.get()) return std::nullopt;
    const std::optional<std::wstring> text = queryText(key.get(), wide(name));
    if (!text) return std::nullopt;
    return win::fromWide(*text);
}

void RegistryProfile::writeInt(TextView section, TextView name, int value) {
    RegistryKey key(sectionKey(section), true);
    if (!key.get()) return;
    const DWORD stored = static_cast<DWORD>(value);
    RegSetValueExW(key.get(), wide(name).c_str(), 0, REG_DWORD,
                   reinterpret_cast<const BYTE*>(&stored), sizeof stored);
}

void RegistryProfile::writeText(TextView section, TextView name, TextView value) {
    RegistryKey key(sectionKey(section), true);
    if (key.get()) setText(key.get(), wide(name), wide(value));
}

void RegistryProfile::removeValue(TextView section, TextView name) {
    RegistryKey key(sectionKey(section), true);
    if (key.get()) RegDeleteValueW(key.get(), wide(name).c_str());
}

bool writeClassesValue(TextView keyPath, TextView name, TextView data) {
    RegistryKey key(L"Software\\Classes\\" + wide(keyPath), true);
    if (!key.get()) return false;
    const std::optional<std::wstring> current = queryText(key.get(), wide(name));
    if (current && *current == wide(data)) return false;
    setText(key.get(), wide(name), wide(data));
    return true;
}

}  // namespace qs::app
