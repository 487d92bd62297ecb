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
    void SetUp() override { ASSERT_TRUE(mEmptyLanguages.isValid() && mPrograms.isValid()); }

    // Runs the tool with the application's own English words (an empty Languages folder).
    RunResult run(const QStringList& arguments, const QByteArray& input = {}) const {
        return runRaw(QStringList{"--languages", mEmptyLanguages.path()} + arguments, input);
    }

    static RunResult runRaw(const QStringList& arguments, const QByteArray& input = {}) {
        QProcess process;
        process.start(TURTLESCOPE_BIN_DIR "/turtlescope-render", arguments);
        EXPECT_TRUE(process.waitForStarted(10000));
        process.write(input);
        process.closeWriteChannel();
        EXPECT_TRUE(process.waitForFinished(60000));
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                process.readAllStandardOutput(), process.readAllStandardError()};
    }

    QString writeFile(const QString& name, const QByteArray& bytes) const {
        QFile file(pathOf(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return file.fileName();
    }
    QString writeProgram(const QByteArray& text) const { return writeFile("program.turtle", text); }
    QString pathOf(const QString& name) const { return mPrograms.filePath(name); }

    QTemporaryDir mEmptyLanguages;
    QTemporaryDir mPrograms;
};
