#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

namespace quorrin {

// The classic run-time error numbers the error reporter shows.
enum class ErrorNumber : std::int32_t
{
    Overflow = 6,
    OutOfMemory = 7,
    FileNotFound = 53,
    DeviceIoError = 57,
    DiskFull = 61,
    PermissionDenied = 70,
    PathFileAccessError = 75,
    PathNotFound = 76,
};

// The source of every error raised inside the program.
inline constexpr std::string_view kErrorSource = "Quorrin";

// The description that belongs to a classic error number; empty for numbers the table does not hold.
std::string_view errorDescription(std::int32_t number);

// An error as the error trap hands it to procError: number, source and description.
class RuntimeError : public std::exception
{
public:
    RuntimeError(std::int32_t number, std::string source, std::string description);
    explicit RuntimeError(ErrorNumber number);

    std::int32_t number() const { return number_; }
    const std::string& source() const { return source_; }
    const std::string& description() const { return description_; }
    const char* what() const noexcept override { return description_.c_str(); }

private:
    std::int32_t number_;
    std::string source_;
    std::string description_;
};

// Turns whatever an error trap caught into the error it reports.
RuntimeError toRuntimeError(std::exception_ptr caught);

} // namespace quorrin
