#include "settings/Global.h"

#include <charconv>
#include <vector>

namespace quorrin {

namespace {

std::int32_t fromLittleEndian(const std::uint8_t* bytes)
{
    const std::uint32_t value = std::uint32_t{bytes[0]} | (std::uint32_t{bytes[1]} << 8) |
                                (std::uint32_t{bytes[2]} << 16) | (std::uint32_t{bytes[3]} << 24);
    return static_cast<std::int32_t>(value);
}

// Keys under HKEY_LOCAL_MACHINE belong to other software and are only read: Windows refuses a standard user
// who asks for all access to them.
std::uint32_t readAccess(RegRoot root)
{
    return root == RegRoot::LocalMachine ? KEY_READ : KEY_ALL_ACCESS;
}

} // namespace

std::string RegValue::toText() const
{
    if (const auto* text = std::get_if<std::string>(&value_))
        return *text;
    if (const auto* number = std::get_if<std::int32_t>(&value_))
        return std::to_string(*number);
    return {};
}

std::int32_t RegValue::toNumber() const
{
    if (const auto* number = std::get_if<std::int32_t>(&value_))
        return *number;
    const auto* text = std::get_if<std::string>(&value_);
    if (!text || text->empty())
        return 0;
    const char* first = text->data();
    const char* last = first + text->size();
    if (*first == '+')
        ++first;
    std::int32_t result = 0;
    const auto [end, error] = std::from_chars(first, last, result);
    return error == std::errc() && end == last ? result : 0;
}

RegValue Global::ReadRegValue(RegRoot root, const std::string& keyPath, const std::string& valueName) const
{
    try {
        RegHandle key = kNoRegHandle;
        const long status = backend_.openKey(root, keyPath, readAccess(root), key);
        // A key that failed to open is queried all the same: its handle is no key, so the value reads as
        // empty.
        RegValue value = QueryOpenValue(key, valueName);
        if (status == kRegSuccess)
            backend_.closeKey(key);
        return value;
    } catch (...) {
        return {};
    }
}

RegValue Global::QueryOpenValue(RegHandle key, const std::string& valueName) const
{
    try {
        std::uint32_t type = 0;
        std::uint32_t size = 0;
        if (backend_.queryValue(key, valueName, &type, nullptr, &size) != kRegSuccess)
            return {};
        if (type == static_cast<std::uint32_t>(RegType::Sz)) {
            if (size == 0)
                return RegValue(std::string());
            std::vector<std::uint8_t> buffer(size, 0);
            std::uint32_t read = size;
            if (backend_.queryValue(key, valueName, &type, buffer.data(), &read) != kRegSuccess)
                return {};
            return RegValue(std::string(reinterpret_cast<const char*>(buffer.data()), size - 1));
        }
        if (type == static_cast<std::uint32_t>(RegType::Dword)) {
            std::uint8_t buffer[4] = {};
            std::uint32_t read = sizeof buffer;
            if (backend_.queryValue(key, valueName, &type, buffer, &read) != kRegSuccess)
                return {};
            return RegValue(fromLittleEndian(buffer));
        }
        return {};
    } catch (...) {
        return {};
    }
}

long Global::SetOpenValue(RegHandle key, const std::string& valueName, RegType type,
                          const RegValue& value) const
{
    try {
        if (type == RegType::Sz) {
            const std::string text = value.toText();
            std::vector<std::uint8_t> bytes(text.begin(), text.end());
            bytes.push_back(0);
            return backend_.setValue(key, valueName, static_cast<std::uint32_t>(RegType::Sz), bytes.data(),
                                     static_cast<std::uint32_t>(bytes.size()));
        }
        if (type == RegType::Dword) {
            const auto number = static_cast<std::uint32_t>(value.toNumber());
            const std::uint8_t bytes[4] = {
                static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
                static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)};
            return backend_.setValue(key, valueName, static_cast<std::uint32_t>(RegType::Dword), bytes, 4);
        }
        return kRegSuccess;
    } catch (...) {
        return kRegWriteFault;
    }
}

RegHandle Global::OpenRegKey(const std::string& keyPath, RegRoot root) const
{
    try {
        RegHandle key = kNoRegHandle;
        backend_.createKey(root, keyPath, KEY_ALL_ACCESS, key);
        return key;
    } catch (...) {
        return kNoRegHandle;
    }
}

void Global::WriteRegValue(RegHandle key, const std::string& valueName, const RegValue& value,
                           RegType type) const
{
    SetOpenValue(key, valueName, type, value);
    try {
        backend_.closeKey(key);
    } catch (...) {
    }
}

void Global::writeValue(RegRoot root, const std::string& keyPath, const std::string& valueName,
                        const RegValue& value, RegType type) const
{
    WriteRegValue(OpenRegKey(keyPath, root), valueName, value, type);
}

void Global::writeText(const std::string& keyPath, const std::string& valueName,
                       const std::string& text) const
{
    writeValue(RegRoot::CurrentUser, keyPath, valueName, RegValue(text), RegType::Sz);
}

} // namespace quorrin
