#pragma once

// The frame header of a JPEG stream, read before decoding: it tells how much working memory the
// decoder will take, which for a progressive JPEG grows with the whole image whatever the scale
// it is decoded at.

#include <QIODevice>
#include <optional>

struct JpegFrame {
    int width = 0;
    int height = 0;
    int components = 0;
    bool progressive = false;
};

// Walks the markers from the start of `device` to the first frame header; nullopt when the
// stream is not a JPEG or ends or breaks before one.
std::optional<JpegFrame> readJpegFrame(QIODevice& device);
