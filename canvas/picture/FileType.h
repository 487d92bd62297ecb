#pragma once

// A file's type code, which Linux files do not carry: derived from the content first, the name
// second. Every format an installed Qt image reader decodes counts as a picture.

#include "FourCharCode.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>
#include <span>

constexpr FourCharCode kFileTypePICT = FourCC("PICT");
constexpr FourCharCode kFileTypePNG = FourCC("PNG ");
constexpr FourCharCode kFileTypeJPEG = FourCC("JPEG");
constexpr FourCharCode kFileTypeGIF = FourCC("GIFf");
constexpr FourCharCode kFileTypeTIFF = FourCC("TIFF");
constexpr FourCharCode kFileTypeBMP = FourCC("BMPf");
constexpr FourCharCode kFileTypeTEXT = FourCC("TEXT");
constexpr FourCharCode kFileTypeUnknown = FourCC("????");

// The type by the file's first bytes (at least 528 of them to recognise a picture document);
// kFileTypeUnknown when no signature of ours matches.
FourCharCode fileTypeFromContent(std::span<const std::uint8_t> head);
// The type of a Qt image format name ("png", "jpg", "webp"): the classic code where there is
// one, else the name's first four letters in capitals, padded with spaces ("WEBP", "ICO ").
FourCharCode fileTypeForImageFormat(const QByteArray& format);
// By name: .pict and .pct are pictures, .txt and .turtle program texts, and the suffix of any
// format an installed image reader decodes is that format.
FourCharCode fileTypeFromExtension(const QString& path);
// Our signatures, then the installed image readers' own look at the content, except in a file
// whose name says program text: a few readers know their format by letters a program may start
// with. For a file open for reading, left at some position.
FourCharCode fileTypeFromContent(QFile& file);
// By content, then by extension, else kFileTypeUnknown.
FourCharCode detectFileType(const QString& path);
