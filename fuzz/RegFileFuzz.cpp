// Whatever parseRegFile reads back from any text, writeRegFile writes so that it parses again, completely, to
// the same keys and values, and writing those gives the same bytes.

#include "FuzzCheck.h"
#include "settings/RegFile.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

using quorrin::fuzz::check;

bool sameKeys(const quorrin::RegKeyList& a, const quorrin::RegKeyList& b)
{
    const auto sameValue = [](const quorrin::RegStoredValue& x, const quorrin::RegStoredValue& y) {
        return x.name == y.name && x.type == y.type && x.data == y.data;
    };
    const auto sameKey = [&](const quorrin::RegStoredKey& x, const quorrin::RegStoredKey& y) {
        return x.name == y.name && x.values.size() == y.values.size() &&
               std::equal(x.values.begin(), x.values.end(), y.values.begin(), sameValue);
    };
    return a.keys().size() == b.keys().size() &&
           std::equal(a.keys().begin(), a.keys().end(), b.keys().begin(), sameKey);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const quorrin::RegFileContent first = quorrin::parseRegFile(text);

    // What an incomplete parse kept is held to the same round trip as a complete one.
    const std::string written = quorrin::writeRegFile(first.keys);
    const quorrin::RegFileContent second = quorrin::parseRegFile(written);
    check(second.complete, "the written text parses completely");
    check(sameKeys(second.keys, first.keys), "the written text parses to the same keys and values");
    check(quorrin::writeRegFile(second.keys) == written, "writing again gives the same bytes");
    return 0;
}
