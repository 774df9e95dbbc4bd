#include "settings/RegKeys.h"

#include <algorithm>

namespace quorrin {

namespace {

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string folded(std::string_view name)
{
    std::string result(name);
    std::transform(result.begin(), result.end(), result.begin(), lowerAscii);
    return result;
}

} // namespace

bool sameRegName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

std::string_view rootName(RegRoot root)
{
    return root == RegRoot::LocalMachine ? "HKEY_LOCAL_MACHINE" : "HKEY_CURRENT_USER";
}

std::string fullKeyName(RegRoot root, std::string_view keyPath)
{
    std::string name(rootName(root));
    if (!keyPath.empty()) {
        name += '\\';
        name += keyPath;
    }
    return name;
}

const RegStoredKey* RegKeyList::findKey(std::string_view fullName) const
{
    const auto found = keyIndex_.find(folded(fullName));
    return found == keyIndex_.end() ? nullptr : &keys_[found->second];
}

bool RegKeyList::keyExists(std::string_view fullName) const
{
    if (sameRegName(fullName, rootName(RegRoot::CurrentUser)) ||
        sameRegName(fullName, rootName(RegRoot::LocalMachine)))
        return true;
    return findKey(fullName) || std::any_of(keys_.begin(), keys_.end(), [&](const RegStoredKey& key) {
               const std::string_view name = key.name;
               return name.size() > fullName.size() && name[fullName.size()] == '\\' &&
                      sameRegName(name.substr(0, fullName.size()), fullName);
           });
}

bool RegKeyList::addKey(std::string_view fullName)
{
    const std::size_t before = keys_.size();
    keyIndex(fullName);
    return keys_.size() != before;
}

std::size_t RegKeyList::keyIndex(std::string_view fullName)
{
    const auto [found, added] = keyIndex_.try_emplace(folded(fullName), keys_.size());
    if (added)
        keys_.push_back({std::string(fullName), {}});
    return found->second;
}

const RegStoredValue* RegKeyList::findValue(std::string_view fullName, std::string_view valueName) const
{
    const auto key = keyIndex_.find(folded(fullName));
    if (key == keyIndex_.end())
        return nullptr;
    const auto found = valueIndex_.find(std::to_string(key->second) + ':' + folded(valueName));
    return found == valueIndex_.end() ? nullptr : &keys_[key->second].values[found->second];
}

void RegKeyList::setValue(std::string_view fullName, std::string_view valueName, std::uint32_t type,
                          std::string data)
{
    const std::size_t key = keyIndex(fullName);
    std::vector<RegStoredValue>& values = keys_[key].values;
    const auto [found, added] =
        valueIndex_.try_emplace(std::to_string(key) + ':' + folded(valueName), values.size());
    if (added) {
        values.push_back({std::string(valueName), type, std::move(data)});
        return;
    }
    values[found->second].type = type;
    values[found->second].data = std::move(data);
}

RegHandle RegHandleTable::open(RegRoot root, std::string fullName)
{
    const RegHandle handle = next_++;
    open_.emplace(handle, RegOpenKey{root, std::move(fullName)});
    return handle;
}

const RegOpenKey* RegHandleTable::find(RegHandle handle) const
{
    const auto found = open_.find(handle);
    return found == open_.end() ? nullptr : &found->second;
}

bool RegHandleTable::close(RegHandle handle)
{
    return open_.erase(handle) > 0;
}

long copyValueOut(const RegStoredValue* value, std::uint32_t* type, std::uint8_t* data, std::uint32_t* size)
{
    if (!value)
        return kRegFileNotFound;
    if (data && !size)
        return kRegInvalidParameter;
    if (type)
        *type = value->type;
    const auto needed = static_cast<std::uint32_t>(value->data.size());
    if (data) {
        if (*size < needed) {
            *size = needed;
            return kRegMoreData;
        }
        std::copy(value->data.begin(), value->data.end(), data);
    }
    if (size)
        *size = needed;
    return kRegSuccess;
}

} // namespace quorrin
