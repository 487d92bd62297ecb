#pragma once

// The final state of a run as one line of JSON:
//   {"x": F, "y": F, "h": H, "v": V, "heading": N, "penUp": 0|1, "penSizeCommand": C,
//    "colourCommand": C, "symmetryCommand": C, "stopped": bool, "variables": {"name": value}}

#include "Geometry.h"

#include <string>

struct RunContext;

std::string RunStateJson(const RunContext& context, Point turtlePoint);

// The shortest decimal that reads back as the same single-precision number.
std::string ShortestFloat(float value);
