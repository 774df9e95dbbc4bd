#pragma once

#include "settings/RegistryBackend.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace quorrin {

// A value read from the store: a text, a signed 32-bit number, or empty.
class RegValue
{
public:
    RegValue() = default;
    RegValue(std::string text) : value_(std::move(text)) {}
    RegValue(const char* text) : value_(std::string(text)) {}
    RegValue(std::int32_t number) : value_(number) {}

    bool isEmpty() const { return std::holds_alternative<std::monostate>(value_); }
    bool isText() const { return std::holds_alternative<std::string>(value_); }
    bool isNumber() const { return std::holds_alternative<std::int32_t>(value_); }

    // Text as it compares: empty gives "", a number its decimal digits.
    std::string toText() const;
    // Empty and texts give 0 unless the text is a whole decimal number.
    std::int32_t toNumber() const;

    // Empty compares equal to the empty text.
    bool operator==(std::string_view text) const { return toText() == text; }
    bool operator==(const std::string& text) const { return toText() == text; }
    bool operator==(const char* text) const { return toText() == text; }
    bool operator==(const RegValue&) const = default;

private:
    std::variant<std::monostate, std::string, std::int32_t> value_;
};

// The store's operations, with the registry's own protocol: a read opens the key (for reading only under
// HKEY_LOCAL_MACHINE), queries the value and closes the key; a write is OpenRegKey, then WriteRegValue on the
// key it opened, which closes it again. Each call stands alone: nothing is kept between calls. Nothing here
// raises or reports an error: what cannot be read reads as empty, and a write that fails is lost.
class Global
{
public:
    explicit Global(RegistryBackend& backend) : backend_(backend) {}

    RegValue ReadRegValue(RegRoot root, const std::string& keyPath, const std::string& valueName) const;
    RegValue QueryOpenValue(RegHandle key, const std::string& valueName) const;
    long SetOpenValue(RegHandle key, const std::string& valueName, RegType type, const RegValue& value) const;
    // Creates the key when it is missing; kNoRegHandle when it can be neither opened nor created.
    RegHandle OpenRegKey(const std::string& keyPath, RegRoot root) const;
    void WriteRegValue(RegHandle key, const std::string& valueName, const RegValue& value,
                       RegType type) const;

    // One value written: OpenRegKey, then WriteRegValue.
    void writeValue(RegRoot root, const std::string& keyPath, const std::string& valueName,
                    const RegValue& value, RegType type) const;
    // The usual write under HKEY_CURRENT_USER, as REG_SZ.
    void writeText(const std::string& keyPath, const std::string& valueName, const std::string& text) const;

private:
    RegistryBackend& backend_;
};

} // namespace quorrin
