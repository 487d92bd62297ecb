#pragma once

// Operand lengths of picture opcodes, so that everything this reader does not draw is stepped
// over exactly, including the reserved ranges by their length rules.

#include "Geometry.h"
#include "PictBytes.h"

#include <cstdint>

constexpr std::uint16_t kOpClip = 0x0001;
constexpr std::uint16_t kOpForeColour = 0x000E;
constexpr std::uint16_t kOpBackColour = 0x000F;
constexpr std::uint16_t kOpVersion = 0x0011;
constexpr std::uint16_t kOpRGBForeColour = 0x001A;
constexpr std::uint16_t kOpRGBBackColour = 0x001B;
constexpr std::uint16_t kOpEndPicture = 0x00FF;
constexpr std::uint16_t kOpHeader = 0x0C00;

// Reads an opcode: one byte in version 1 pictures, an aligned word in version 2.
std::uint16_t readOpcode(PictCursor& cursor, int version);

// Reads a region and returns its bounding box; the scan data is skipped.
Rect readRegion(PictCursor& cursor);

// Steps over the operands of any opcode other than the bit copies and the end of picture.
void skipOperands(PictCursor& cursor, std::uint16_t opcode, int version);

// Colour of one of the eight classic colour constants (black when unknown).
RGBColour classicColour(std::uint32_t constant);
