#pragma once

// A fuzzer's bytes read as numbers; past the end every byte reads 0.

#include <cstddef>
#include <cstdint>

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : mData(data), mSize(size) {}
    bool empty() const { return mPos >= mSize; }
    std::uint8_t byte() { return mPos < mSize ? mData[mPos++] : 0; }
    std::uint32_t word() {
        std::uint32_t w = 0;
        for (int i = 0; i < 4; ++i)
            w = w << 8 | byte();
        return w;
    }
    // Mostly -64..191, near a small image; below a first byte of nearBelow, else far().
    template <typename Far> auto nearOr(std::uint8_t nearBelow, Far far) {
        using Result = decltype(far());
        return byte() < nearBelow ? static_cast<Result>(int(byte()) - 64) : far();
    }

private:
    const std::uint8_t* mData;
    std::size_t mSize;
    std::size_t mPos = 0;
};
