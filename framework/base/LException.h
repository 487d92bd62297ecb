#pragma once

// The framework's exception: carries a platform error code.

#include <cstdint>
#include <exception>

// Error codes of the platform that callers test for.
enum ErrorCode : std::int16_t {
    kNoError = 0,
    kIOError = -36,
    kFileNotFound = -43,
    kDuplicateFileName = -48,
    kParamError = -50,
    kMemoryFull = -108,
    kAccessDenied = -5000,
};

class LException : public std::exception {
public:
    explicit LException(std::int32_t code) : mCode(code) {}
    std::int32_t code() const noexcept { return mCode; }
    const char* what() const noexcept override;

private:
    std::int32_t mCode;
};

// The one routine that turns a failed platform status into an exception.
inline void throwIfError(std::int32_t code) {
    if (code != kNoError)
        throw LException(code);
}
