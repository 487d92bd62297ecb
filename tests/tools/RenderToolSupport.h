#pragma once

// Runs turtlescope-render as a separate process, with the application's own English words
// (an empty Languages folder) unless a test passes its own.

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

struct RunResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

class RenderTool : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(mEmptyLanguages.isValid()); }

    // Runs the tool with the application's own English words (an empty Languages folder).
    RunResult run(QStringList arguments, const QByteArray& input = {}) const {
        arguments.prepend(mEmptyLanguages.path());
        arguments.prepend(QStringLiteral("--languages"));
        return runRaw(arguments, input);
    }

    static RunResult runRaw(const QStringList& arguments, const QByteArray& input = {}) {
        QProcess process;
        process.start(QStringLiteral(TURTLESCOPE_BIN_DIR "/turtlescope-render"), arguments);
        EXPECT_TRUE(process.waitForStarted(10000));
        process.write(input);
        process.closeWriteChannel();
        EXPECT_TRUE(process.waitForFinished(60000));
        RunResult result;
        result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        result.out = process.readAllStandardOutput();
        result.err = process.readAllStandardError();
        return result;
    }

    QString writeProgram(const QByteArray& text) const {
        const QString path = mPrograms.filePath(QStringLiteral("program.turtle"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }

    QString pathOf(const QString& name) const { return mPrograms.filePath(name); }

    QTemporaryDir mEmptyLanguages;
    QTemporaryDir mPrograms;
};
