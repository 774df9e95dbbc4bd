#pragma once

#include "settings/Global.h"
#include "settings/RegistryBackend.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace quorrin {

inline void PrintTo(const RegValue& value, std::ostream* out)
{
    *out << (value.isEmpty()    ? "empty"
             : value.isNumber() ? "number "
                                : "text ")
         << testing::PrintToString(value.toText());
}

} // namespace quorrin

namespace quorrin::test {

// One fresh store for one test. `keyBase` is a key under HKEY_CURRENT_USER that the test may fill freely.
struct ContractStore
{
    std::shared_ptr<void> keepAlive; // whatever the backend needs, released after it
    std::unique_ptr<RegistryBackend> backend;
    std::string keyBase = "Software\\Quorrin";
};

struct ContractBackend
{
    std::string name;
    std::function<ContractStore()> make;

    friend void PrintTo(const ContractBackend& backend, std::ostream* out) { *out << backend.name; }
};

// The behaviour every RegistryBackend owes the Global operations. A backend's test instantiates it with
// INSTANTIATE_TEST_SUITE_P(Name, RegistryBackendContract, testing::Values(ContractBackend{...}),
// contractName).
class RegistryBackendContract : public testing::TestWithParam<ContractBackend>
{
protected:
    void SetUp() override;

    ContractStore store;
    std::unique_ptr<Global> global;
    std::string settings; // keyBase + "\Settings"
};

std::string contractName(const testing::TestParamInfo<ContractBackend>& info);

} // namespace quorrin::test
