#pragma once

// Length-prefixed strings of fixed capacity. A store longer than the capacity is cut,
// and a cut never splits a UTF-8 character.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace string_detail {
// Largest length <= wanted at which text can be cut without splitting a UTF-8 sequence.
inline std::size_t utf8SafeCut(const unsigned char* text, std::size_t length, std::size_t wanted) {
    if (wanted >= length)
        return length;
    std::size_t cut = wanted;
    while (cut > 0 && (text[cut] & 0xC0) == 0x80)
        --cut;
    return cut;
}
} // namespace string_detail

template <typename Storage> class TString;

// TString<unsigned char[N]> holds at most N - 1 bytes after its length byte.
template <std::size_t N> class TString<unsigned char[N]> {
    static_assert(N >= 2 && N <= 256, "a length byte counts at most 255");

public:
    static constexpr std::size_t kCapacity = N - 1;

    TString() { mBytes[0] = 0; }
    explicit TString(std::string_view text) { assign(text); }

    template <std::size_t M> explicit TString(const TString<unsigned char[M]>& other) {
        assign(other.view());
    }

    static constexpr std::size_t capacity() { return kCapacity; }
    std::size_t length() const { return mBytes[0]; }
    bool empty() const { return mBytes[0] == 0; }
    bool full() const { return length() == kCapacity; }

    const unsigned char* bytes() const { return mBytes + 1; }
    unsigned char* bytes() { return mBytes + 1; }
    // The length byte followed by the text, as the string is stored.
    const unsigned char* pascal() const { return mBytes; }

    unsigned char operator[](std::size_t index) const { return mBytes[1 + index]; }
    unsigned char& operator[](std::size_t index) { return mBytes[1 + index]; }

    std::string_view view() const { return {reinterpret_cast<const char*>(mBytes + 1), length()}; }
    std::string str() const { return std::string(view()); }

    void clear() { mBytes[0] = 0; }

    // Stores text, cut to the capacity.
    void assign(std::string_view text) {
        const auto* data = reinterpret_cast<const unsigned char*>(text.data());
        const std::size_t kept = string_detail::utf8SafeCut(data, text.size(), kCapacity);
        if (kept > 0)
            std::memmove(mBytes + 1, data, kept);
        mBytes[0] = static_cast<unsigned char>(kept);
    }

    // Appends text, cut to the capacity. Returns false when anything was cut.
    bool append(std::string_view text) {
        const std::size_t room = kCapacity - length();
        const auto* data = reinterpret_cast<const unsigned char*>(text.data());
        const std::size_t kept = string_detail::utf8SafeCut(data, text.size(), room);
        if (kept > 0)
            std::memmove(mBytes + 1 + length(), data, kept);
        mBytes[0] = static_cast<unsigned char>(length() + kept);
        return kept == text.size();
    }

    // Appends one byte. Returns false, leaving the string as it was, when it is full.
    bool append(unsigned char byte) {
        if (full())
            return false;
        mBytes[1 + length()] = byte;
        ++mBytes[0];
        return true;
    }

    TString& operator=(std::string_view text) {
        assign(text);
        return *this;
    }

    template <std::size_t M> bool operator==(const TString<unsigned char[M]>& other) const {
        return view() == other.view();
    }
    bool operator==(std::string_view text) const { return view() == text; }

private:
    unsigned char mBytes[N];
};

// The framework's 255-byte string.
class LStr255 : public TString<unsigned char[256]> {
public:
    using TString::TString;
    LStr255() = default;
    template <std::size_t M>
    LStr255(const TString<unsigned char[M]>& other) : TString(other.view()) {}
    using TString::operator=;
};
