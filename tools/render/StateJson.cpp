#include "StateJson.h"

#include "RunContext.h"
#include "TreeJson.h"

#include <charconv>
#include <cmath>

std::string ShortestFloat(float value) {
    // JSON has no infinities or NaN; a run cannot make them, but a number is always written.
    if (!std::isfinite(value))
        return "0";
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string RunStateJson(const RunContext& context, Point turtlePoint) {
    std::string json = "{\"x\": " + ShortestFloat(context.x);
    json += ", \"y\": " + ShortestFloat(context.y);
    json += ", \"h\": " + std::to_string(turtlePoint.h);
    json += ", \"v\": " + std::to_string(turtlePoint.v);
    json += ", \"heading\": " + std::to_string(context.heading);
    json += ", \"penUp\": " + std::to_string(context.penUp != 0 ? 1 : 0);
    json += ", \"penSizeCommand\": " + std::to_string(context.penSizeCommand);
    json += ", \"colourCommand\": " + std::to_string(context.colourCommand);
    json += ", \"symmetryCommand\": " + std::to_string(context.symmetryCommand);
    json += ", \"stopped\": ";
    json += context.stopped ? "true" : "false";
    json += ", \"variables\": {";
    bool first = true;
    for (const auto& variable : context.variables) {
        if (!first)
            json += ", ";
        first = false;
        json += JsonString(variable->name.view()) + ": " + std::to_string(variable->value);
    }
    json += "}}";
    return json;
}
