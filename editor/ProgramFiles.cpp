#include "ProgramFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

struct ProgramFiles {
    Q_DECLARE_TR_FUNCTIONS(ProgramFiles)
};

} // namespace

QString NormaliseLineBreaks(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

std::optional<QString> ReadProgramText(const QString& path, qint64 maxBytes, QString& reason) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reason = file.errorString();
        return std::nullopt;
    }
    // CRLF line ends shrink on reading: the limit applies to the text as the editor holds it.
    const QByteArray bytes = file.read(2 * maxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        reason = file.errorString();
        return std::nullopt;
    }
    QString text = NormaliseLineBreaks(QString::fromUtf8(bytes));
    if (text.toUtf8().size() > maxBytes || !file.atEnd()) {
        reason = ProgramFiles::tr("The program is longer than %1 bytes.").arg(maxBytes);
        return std::nullopt;
    }
    return text;
}

ProgramFileResult WriteProgramText(const QString& path, const QString& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    const QByteArray bytes = NormaliseLineBreaks(text).toUtf8();
    if (file.write(bytes) != bytes.size() || !file.commit())
        return {false, file.errorString()};
    return {true, {}};
}

QString WithProgramSuffix(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QStringLiteral(".turtle");
}
