#include "settings/MemoryRegistryBackend.h"

#include "RegistryBackendContract.h"

namespace quorrin::test {

INSTANTIATE_TEST_SUITE_P(Memory, RegistryBackendContract,
                         testing::Values(ContractBackend{
                             "Memory",
                             [] {
                                 return ContractStore{nullptr, std::make_unique<MemoryRegistryBackend>()};
                             }}),
                         contractName);

} // namespace quorrin::test
