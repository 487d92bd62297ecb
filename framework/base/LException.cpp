#include "LException.h"

const char* LException::what() const noexcept {
    return "Turtlescope platform error (see code())";
}
