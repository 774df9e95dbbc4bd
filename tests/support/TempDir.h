#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>

namespace quorrin::test {

// The whole content of a file; empty when it does not exist.
inline std::string readFile(const std::filesystem::path& path)
{
    std::ostringstream contents;
    if (std::ifstream in{path, std::ios::binary})
        contents << in.rdbuf();
    return contents.str();
}

// A fresh folder that is removed with everything in it when the object goes.
class TempDir
{
public:
    TempDir()
    {
        std::random_device random;
        do
            path_ = std::filesystem::temp_directory_path() / ("quorrin-test-" + std::to_string(random()));
        while (!std::filesystem::create_directory(path_));
    }
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string str() const { return path_.string(); }

    // Writes `bytes` to the file at `relative`, creating folders on the way.
    void write(const std::filesystem::path& relative, const std::string& bytes) const
    {
        std::filesystem::create_directories((path_ / relative).parent_path());
        std::ofstream(path_ / relative, std::ios::binary) << bytes;
    }
    std::string read(const std::filesystem::path& relative) const { return readFile(path_ / relative); }
    bool exists(const std::filesystem::path& relative) const
    {
        return std::filesystem::exists(path_ / relative);
    }

private:
    std::filesystem::path path_;
};

// The bytes of a fixture file in tests/data.
inline std::string readTestData(const std::string& name)
{
    const auto path = std::filesystem::path(QUORRIN_TEST_DATA) / name;
    if (!std::filesystem::exists(path))
        throw std::runtime_error("missing test data: " + name);
    return readFile(path);
}

} // namespace quorrin::test
