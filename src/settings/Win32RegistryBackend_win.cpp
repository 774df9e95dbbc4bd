#include "settings/Win32RegistryBackend.h"

// After the backend's header: <windows.h> defines KEY_ALL_ACCESS and KEY_READ as macros of the same values.
#include <windows.h>

namespace quorrin {

namespace {

HKEY toKey(RegHandle key)
{
    return reinterpret_cast<HKEY>(key);
}

RegHandle toHandle(HKEY key)
{
    return reinterpret_cast<RegHandle>(key);
}

HKEY rootKey(RegRoot root)
{
    return root == RegRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

// A 64-bit process would see the 64-bit view of HKEY_LOCAL_MACHINE\Software; the values Quorrin reads there
// are kept by 32-bit programs in the 32-bit view.
REGSAM accessFor(RegRoot root, std::uint32_t access)
{
    constexpr bool is64Bit = sizeof(void*) == 8;
    return root == RegRoot::LocalMachine && is64Bit ? access | KEY_WOW64_32KEY : access;
}

} // namespace

long Win32RegistryBackend::openKey(RegRoot root, const std::string& keyPath, std::uint32_t access,
                                   RegHandle& key)
{
    HKEY opened = nullptr;
    const LONG status = ::RegOpenKeyExA(rootKey(root), keyPath.c_str(), 0, accessFor(root, access), &opened);
    key = status == ERROR_SUCCESS ? toHandle(opened) : kNoRegHandle;
    return status;
}

long Win32RegistryBackend::createKey(RegRoot root, const std::string& keyPath, std::uint32_t access,
                                     RegHandle& key)
{
    HKEY created = nullptr;
    const LONG status = ::RegCreateKeyExA(rootKey(root), keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                          accessFor(root, access), nullptr, &created, nullptr);
    key = status == ERROR_SUCCESS ? toHandle(created) : kNoRegHandle;
    return status;
}

long Win32RegistryBackend::queryValue(RegHandle key, const std::string& valueName, std::uint32_t* type,
                                      std::uint8_t* data, std::uint32_t* size)
{
    // Without a buffer the registry reports the type and the size only.
    DWORD valueType = REG_NONE;
    DWORD bytes = size ? *size : 0;
    const LONG status =
        ::RegQueryValueExA(toKey(key), valueName.c_str(), nullptr, &valueType, data, size ? &bytes : nullptr);
    if (type)
        *type = valueType;
    if (size)
        *size = bytes;
    return status;
}

long Win32RegistryBackend::setValue(RegHandle key, const std::string& valueName, std::uint32_t type,
                                    const std::uint8_t* data, std::uint32_t size)
{
    return ::RegSetValueExA(toKey(key), valueName.c_str(), 0, type, data, size);
}

long Win32RegistryBackend::closeKey(RegHandle key)
{
    return ::RegCloseKey(toKey(key));
}

} // namespace quorrin
