#pragma once

#include <filesystem>
#include <string>

namespace quorrin::test {

// A fresh folder that is removed with everything in it when the object goes.
class TempDir
{
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string str() const { return path_.string(); }

    // Writes `bytes` to the file at `relative`, creating folders on the way.
    void write(const std::filesystem::path& relative, const std::string& bytes) const;
    // The whole content of the file at `relative`; empty when it does not exist.
    std::string read(const std::filesystem::path& relative) const;
    bool exists(const std::filesystem::path& relative) const;

private:
    std::filesystem::path path_;
};

// The bytes of a fixture file in tests/data.
std::string readTestData(const std::string& name);

} // namespace quorrin::test
