#include "ExampleFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <algorithm>

QString DefaultExamplesFolder() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Examples"));
}

std::vector<ExampleFile> ExampleFiles(const QString& folder) {
    const QDir dir(folder.isEmpty() ? DefaultExamplesFolder() : folder);
    std::vector<ExampleFile> examples;
    for (const QFileInfo& info :
         dir.entryInfoList({QStringLiteral("*.turtle")}, QDir::Files | QDir::Readable)) {
        QString title = info.completeBaseName();
        title.replace(QLatin1Char('-'), QLatin1Char(' '));
        if (!title.isEmpty())
            title[0] = title[0].toUpper();
        examples.push_back({title, info.absoluteFilePath()});
    }
    std::sort(examples.begin(), examples.end(),
              [](const ExampleFile& a, const ExampleFile& b) { return a.title < b.title; });
    return examples;
}
