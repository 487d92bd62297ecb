#include "PackBits.h"

#include <algorithm>

namespace {

constexpr std::size_t kMaxBlock = 128;

void flushLiteral(std::span<const std::uint8_t> src, std::size_t start, std::size_t end,
                  std::vector<std::uint8_t>& out) {
    while (start < end) {
        const std::size_t n = std::min(kMaxBlock, end - start);
        out.push_back(static_cast<std::uint8_t>(n - 1));
        out.insert(out.end(), src.begin() + static_cast<std::ptrdiff_t>(start),
                   src.begin() + static_cast<std::ptrdiff_t>(start + n));
        start += n;
    }
}

} // namespace

void packBits(std::span<const std::uint8_t> src, std::vector<std::uint8_t>& out) {
    std::size_t literalStart = 0;
    std::size_t i = 0;
    while (i < src.size()) {
        std::size_t run = 1;
        while (i + run < src.size() && run < kMaxBlock && src[i + run] == src[i])
            ++run;
        // A pair costs the same as a run or inside a literal; only a lone pair is worth a run.
        const bool asRun = run >= 3 || (run == 2 && literalStart == i);
        if (!asRun) {
            i += run;
            continue;
        }
        flushLiteral(src, literalStart, i, out);
        out.push_back(static_cast<std::uint8_t>(257 - run));
        out.push_back(src[i]);
        i += run;
        literalStart = i;
    }
    flushLiteral(src, literalStart, src.size(), out);
}

UnpackResult unpackBits(std::span<const std::uint8_t> src, std::span<std::uint8_t> dst,
                        bool wordUnits) {
    const std::size_t unit = wordUnits ? 2 : 1;
    UnpackResult result;
    std::size_t in = 0;
    while (in < src.size() && result.produced < dst.size()) {
        const std::uint8_t flag = src[in++];
        if (flag == 0x80)
            continue;
        const std::size_t room = dst.size() - result.produced;
        if (flag < 0x80) {
            const std::size_t bytes = (std::size_t{flag} + 1) * unit;
            if (bytes > src.size() - in) {
                result.malformed = true;
                break;
            }
            const std::size_t n = std::min(bytes, room);
            std::copy_n(src.begin() + static_cast<std::ptrdiff_t>(in), n,
                        dst.begin() + static_cast<std::ptrdiff_t>(result.produced));
            result.produced += n;
            result.overflowed = bytes > room;
            in += bytes;
        } else {
            if (unit > src.size() - in) {
                result.malformed = true;
                break;
            }
            const std::size_t bytes = (257 - std::size_t{flag}) * unit;
            const std::size_t n = std::min(bytes, room);
            auto* out = dst.data() + result.produced;
            if (unit == 1)
                std::fill_n(out, n, src[in]);
            else
                for (std::size_t k = 0; k < n; ++k)
                    out[k] = src[in + (k & 1U)];
            result.produced += n;
            result.overflowed = bytes > room;
            in += unit;
        }
    }
    result.consumed = in;
    return result;
}
