#pragma once

// Token codes: one per word class. Codes 1 to 36 are also the instruction codes of the tree.

#include <cstdint>

enum TokenCode : std::uint8_t {
    kOtherWord = 0,
    kForward = 1,
    kBack = 2,
    kLeft = 3,
    kRight = 4,
    kPenSize = 5,
    kSymmetry = 6,
    kDelay = 7,
    kSpeed = 8,
    kRepeat = 9,
    kColor = 10,
    kPenUp = 11,
    kPenDown = 12,
    kClear = 13,
    kErase = 14,
    kHome = 15,
    kShape = 16,
    kRunShape = 17,
    kPen = 18,
    kEndBlock = 19,
    kBeginBlock = 20,
    kAssign = 21,
    kVariable = 22,
    kEquals = 23,
    kPlus = 24,
    kMinus = 25,
    kTimes = 26,
    kDivide = 27,
    kModulo = 28,
    kOpenParen = 29,
    kCloseParen = 30,
    kNumber = 31,
    kWrite = 32,
    kFont = 33,
    kTextSize = 34,
    kTextStyle = 35,
    kFill = 36,
};

constexpr int kLastTokenCode = kFill;
