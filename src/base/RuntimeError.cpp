#include "base/RuntimeError.h"

#include <array>
#include <new>
#include <utility>

namespace quorrin {

namespace {

struct ErrorText
{
    ErrorNumber number;
    std::string_view description;
};

constexpr std::array kErrorTable{
    ErrorText{ErrorNumber::Overflow, "Overflow"},
    ErrorText{ErrorNumber::OutOfMemory, "Out of memory"},
    ErrorText{ErrorNumber::FileNotFound, "File not found"},
    ErrorText{ErrorNumber::DeviceIoError, "Device I/O error"},
    ErrorText{ErrorNumber::DiskFull, "Disk full"},
    ErrorText{ErrorNumber::PermissionDenied, "Permission denied"},
    ErrorText{ErrorNumber::PathFileAccessError, "Path/File access error"},
    ErrorText{ErrorNumber::PathNotFound, "Path not found"},
};

} // namespace

std::string_view errorDescription(std::int32_t number)
{
    for (const auto& entry : kErrorTable) {
        if (static_cast<std::int32_t>(entry.number) == number)
            return entry.description;
    }
    return {};
}

RuntimeError::RuntimeError(std::int32_t number, std::string source, std::string description)
    : number_(number), source_(std::move(source)), description_(std::move(description))
{}

RuntimeError::RuntimeError(ErrorNumber number)
    : RuntimeError(static_cast<std::int32_t>(number), std::string(kErrorSource),
                   std::string(errorDescription(static_cast<std::int32_t>(number))))
{}

RuntimeError toRuntimeError(std::exception_ptr caught)
{
    try {
        std::rethrow_exception(std::move(caught));
    } catch (const RuntimeError& error) {
        return error;
    } catch (const std::bad_alloc&) {
        return RuntimeError(ErrorNumber::OutOfMemory);
    } catch (const std::exception& error) {
        // Errors of the standard library carry no number of their own: report them as I/O errors.
        return RuntimeError(static_cast<std::int32_t>(ErrorNumber::DeviceIoError), std::string(kErrorSource),
                            error.what());
    } catch (...) {
        return RuntimeError(ErrorNumber::DeviceIoError);
    }
}

} // namespace quorrin
