#include "ProgramSource.h"

#include <QFile>
#include <QFileInfo>
#include <cstdio>

ProgramSource ReadProgram(const QString& path) {
    ProgramSource source;
    if (path == QLatin1String("-")) {
        std::string text;
        char buffer[65536];
        std::size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, stdin)) > 0)
            text.append(buffer, got);
        if (std::ferror(stdin)) {
            source.error = QStringLiteral("cannot read standard input");
            return source;
        }
        source.text = std::move(text);
        return source;
    }
    if (QFileInfo(path).isDir()) {
        source.error = QStringLiteral("cannot read %1: it is a folder").arg(path);
        return source;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        source.error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return source;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        source.error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return source;
    }
    source.text = bytes.toStdString();
    return source;
}
