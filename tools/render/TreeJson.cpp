#include "TreeJson.h"

#include "Instruction.h"
#include "ParseContext.h"

#include <cstdio>

namespace {

// Length of the valid UTF-8 sequence at the start of bytes, or 0 if there is none.
std::size_t validSequenceLength(std::string_view bytes) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0; // no overlong forms
        if (lead == 0xED)
            high = 0x9F; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F; // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (bytes.size() < length)
        return 0;
    if (byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    }
    return length;
}

void appendEscape(std::string& out, unsigned int character) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\u%04x", character);
    out += buffer;
}

void appendNode(std::string& out, const CInstruction& node);

void appendList(std::string& out, const CInstruction* first) {
    out += '[';
    for (const CInstruction* node = first; node; node = node->Next()) {
        if (node != first)
            out += ", ";
        appendNode(out, *node);
    }
    out += ']';
}

void appendNode(std::string& out, const CInstruction& node) {
    out += "{\"code\": " + std::to_string(node.Code());
    out += ", \"number\": " + std::to_string(node.Number());
    out += ", \"start\": " + std::to_string(node.StartOffset());
    out += ", \"end\": " + std::to_string(node.EndOffset());
    if (node.Variable())
        out += ", \"variable\": " + JsonString(node.Variable()->name.view());
    if (dynamic_cast<const CSubInstruction*>(&node)) {
        out += ", \"children\": ";
        appendList(out, node.FirstChild()); // nested at most the parser's nesting bound deep
    }
    if (const auto* shape = dynamic_cast<const CShapeInstruction*>(&node))
        out += ", \"name\": " + JsonString(shape->Name().view());
    if (const auto* run = dynamic_cast<const CRunShapeInstruction*>(&node); run && run->Target())
        out += ", \"target\": " + JsonString(run->Target()->Name().view());
    if (const auto* write = dynamic_cast<const CWriteInstruction*>(&node))
        out += ", \"text\": " + JsonString(write->Text().view());
    out += '}';
}

} // namespace

std::string JsonString(std::string_view bytes) {
    std::string out = "\"";
    while (!bytes.empty()) {
        const auto c = static_cast<unsigned char>(bytes.front());
        const std::size_t length = validSequenceLength(bytes);
        if (length == 0) {
            appendEscape(out, c);
            bytes.remove_prefix(1);
            continue;
        }
        if (length > 1) {
            out += bytes.substr(0, length);
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 0x20) {
            appendEscape(out, c);
        } else {
            out += static_cast<char>(c);
        }
        bytes.remove_prefix(length);
    }
    out += '"';
    return out;
}

std::string ParseResultJson(const ParseContext& context) {
    std::string out;
    if (!context.parseSucceeded) {
        out += "{\"ok\": false, \"message\": " + JsonString(context.errorMessage.view());
        out += ", \"messageNumber\": " + std::to_string(context.messageNumber);
        out += ", \"start\": " + std::to_string(context.errorStart);
        out += ", \"end\": " + std::to_string(context.errorEnd) + "}";
        return out;
    }
    out += "{\"ok\": true, \"nodes\": ";
    appendList(out, context.firstInstruction.get());
    out += ", \"variables\": [";
    bool first = true;
    for (const auto& variable : context.variables) {
        if (!first)
            out += ", ";
        first = false;
        out += JsonString(variable->name.view());
    }
    out += "]}";
    return out;
}
