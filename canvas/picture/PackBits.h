#pragma once

// PackBits run-length coding of picture rows, on bytes and on 16-bit words.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// Appends the packed form of `src` to `out`: runs of three or more equal bytes become
// run blocks, everything else literal blocks; never emits the no-op flag 0x80.
void packBits(std::span<const std::uint8_t> src, std::vector<std::uint8_t>& out);

struct UnpackResult {
    std::size_t produced = 0; // bytes written to the destination
    std::size_t consumed = 0; // source bytes read
    bool malformed = false;   // a block promised more source bytes than there were
    bool overflowed = false;  // a block held more than the destination had room for

    // The source filled the destination to the byte, with nothing left over either side.
    bool exact(std::size_t sourceSize, std::size_t destinationSize) const {
        return !malformed && !overflowed && consumed == sourceSize && produced == destinationSize;
    }
};

// Unpacks `src` into `dst` until the source is used up or `dst` is full; output beyond `dst`
// is dropped. With `wordUnits` blocks count 16-bit words instead of bytes.
UnpackResult unpackBits(std::span<const std::uint8_t> src, std::span<std::uint8_t> dst,
                        bool wordUnits = false);
