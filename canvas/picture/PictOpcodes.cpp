#include "PictOpcodes.h"

#include "PictPixMap.h"

namespace {

void skipWordLength(PictCursor& c) {
    c.skip(c.u16());
}

void skipLongLength(PictCursor& c) {
    c.skip(c.u32());
}

// Polygons and regions begin with a size word that counts itself.
void skipSizedStructure(PictCursor& c, bool isRegion) {
    std::uint16_t size = c.u16();
    if (isRegion)
        size &= 0x7FFF;
    if (size < 10)
        throwBadPicture();
    c.skip(std::size_t{size} - 2);
}

void skipText(PictCursor& c, std::size_t before) {
    c.skip(before);
    c.skip(c.u8());
}

// Opcodes 0030 to 008F come in groups of eight: five verbs and three reserved slots, first
// with operands, then the "same shape" forms without.
void skipShapeOperands(PictCursor& c, std::uint16_t op) {
    const bool sameShape = (op & 0x08) != 0;
    if (sameShape) {
        if (op >= 0x0068 && op <= 0x006F)
            c.skip(4); // arc angles
        return;
    }
    if (op < 0x0060) {
        c.skip(8); // rect, rounded rect, oval
    } else if (op < 0x0070) {
        c.skip(12); // arc
    } else if (op < 0x0080) {
        skipSizedStructure(c, false);
    } else {
        skipSizedStructure(c, true);
    }
}

} // namespace

std::uint16_t readOpcode(PictCursor& cursor, int version) {
    if (version == 1)
        return cursor.u8();
    cursor.alignEven();
    return cursor.u16();
}

Rect readRegion(PictCursor& c) {
    const std::uint16_t size = c.u16() & 0x7FFF;
    if (size < 10)
        throwBadPicture();
    const Rect box = c.rect();
    c.skip(std::size_t{size} - 10);
    return box;
}

void skipOperands(PictCursor& c, std::uint16_t op, int version) {
    if (op >= 0x0100) {
        if (op == 0x02FF)
            c.skip(2);
        else if (op <= 0x7FFF)
            c.skip(2 * static_cast<std::size_t>(op >> 8U));
        else if (op <= 0x80FF)
            return;
        else
            skipLongLength(c);
        return;
    }
    if (op >= 0x0030 && op <= 0x008F) {
        skipShapeOperands(c, op);
        return;
    }
    switch (op) {
    case 0x0000:
    case 0x0017:
    case 0x0018:
    case 0x0019:
    case 0x001C:
    case 0x001E:
        return;
    case kOpClip:
        readRegion(c);
        return;
    case 0x0002:
    case 0x0009:
    case 0x000A:
    case 0x0010:
    case 0x0020:
        c.skip(8);
        return;
    case 0x0003:
    case 0x0005:
    case 0x0008:
    case 0x000D:
    case 0x0015:
    case 0x0016:
    case 0x0023:
    case 0x00A0:
        c.skip(2);
        return;
    case 0x0004:
        c.skip(1);
        return;
    case 0x0006:
    case 0x0007:
    case 0x000B:
    case 0x000C:
    case kOpForeColour:
    case kOpBackColour:
    case 0x0021:
        c.skip(4);
        return;
    case kOpVersion:
        c.skip(version == 1 ? 1 : 2);
        return;
    case 0x0012:
    case 0x0013:
    case 0x0014:
        skipPixPat(c);
        return;
    case 0x001A:
    case 0x001B:
    case 0x001D:
    case 0x001F:
    case 0x0022:
        c.skip(6);
        return;
    case 0x0028:
        skipText(c, 4);
        return;
    case 0x0029:
    case 0x002A:
        skipText(c, 1);
        return;
    case 0x002B:
        skipText(c, 2);
        return;
    case 0x00A1:
        c.skip(2);
        skipWordLength(c);
        return;
    default:
        break;
    }
    if ((op >= 0x0024 && op <= 0x0027) || (op >= 0x002C && op <= 0x002F) ||
        (op >= 0x0092 && op <= 0x0097) || (op >= 0x009C && op <= 0x009F) ||
        (op >= 0x00A2 && op <= 0x00AF)) {
        skipWordLength(c);
        return;
    }
    if (op >= 0x00B0 && op <= 0x00CF)
        return;
    if (op >= 0x00D0 && op <= 0x00FE) {
        skipLongLength(c);
        return;
    }
    // The bit copies and the end of picture have no fixed operands.
    throwBadPicture();
}

RGBColour classicColour(std::uint32_t constant) {
    constexpr std::uint16_t kFull = 0xFFFF;
    switch (constant) {
    case 30:
        return kWhite;
    case 205:
        return RGBColour{kFull, 0, 0};
    case 341:
        return RGBColour{0, kFull, 0};
    case 409:
        return RGBColour{0, 0, kFull};
    case 273:
        return RGBColour{0, kFull, kFull};
    case 137:
        return RGBColour{kFull, 0, kFull};
    case 69:
        return RGBColour{kFull, kFull, 0};
    default:
        return kBlack;
    }
}
