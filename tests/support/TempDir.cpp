#include "support/TempDir.h"

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace quorrin::test {

namespace fs = std::filesystem;

TempDir::TempDir()
{
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path candidate = fs::temp_directory_path() / ("quorrin-test-" + std::to_string(random()));
        if (fs::create_directory(candidate)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir()
{
    std::error_code ignored;
    // Folders a test made read-only must become writable again to be removed.
    for (auto it = fs::recursive_directory_iterator(path_, ignored); it != fs::recursive_directory_iterator();
         it.increment(ignored))
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}

void TempDir::write(const fs::path& relative, const std::string& bytes) const
{
    const fs::path target = path_ / relative;
    fs::create_directories(target.parent_path());
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TempDir::read(const fs::path& relative) const
{
    std::ifstream in(path_ / relative, std::ios::binary);
    std::ostringstream contents;
    if (in)
        contents << in.rdbuf();
    return contents.str();
}

bool TempDir::exists(const fs::path& relative) const
{
    return fs::exists(path_ / relative);
}

std::string readTestData(const std::string& name)
{
    std::ifstream in(fs::path(QUORRIN_TEST_DATA) / name, std::ios::binary);
    if (!in)
        throw std::runtime_error("missing test data: " + name);
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

} // namespace quorrin::test
