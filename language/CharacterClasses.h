#pragma once

// The byte classes of program text. Text is UTF-8; every class is ASCII.

constexpr bool IsBlank(unsigned char c) {
    return c == ' ' || c == '\t';
}

constexpr bool IsLineEnd(unsigned char c) {
    return c == '\r' || c == '\n';
}

constexpr bool IsDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

// Each of these is a block word of its own.
constexpr bool IsPunctuation(unsigned char c) {
    switch (c) {
    case '[':
    case ']':
    case '(':
    case ')':
    case '=':
    case '+':
    case '-':
    case '*':
    case '/':
    case '%':
        return true;
    default:
        return false;
    }
}

// Ends an argument word or a number. Brackets and parentheses do not.
constexpr bool IsWordSeparator(unsigned char c) {
    switch (c) {
    case ' ':
    case '\t':
    case '\r':
    case '\n':
    case '=':
    case '+':
    case '-':
    case '/':
    case '%':
    case '*':
        return true;
    default:
        return false;
    }
}
