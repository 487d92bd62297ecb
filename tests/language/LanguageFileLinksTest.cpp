// Symbolic links stand in for aliases: a chain up to the limit leads to its file, one more
// link is a broken alias.

#include "LanguageFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(LanguageFileLinks, AChainAtTheLimitOpensAndOneLinkMoreDoesNot) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QString target = QStringLiteral(TURTLESCOPE_SOURCE_DIR "/resources/Languages/Deutsch.json");
    for (int links = 0; links <= kMaxAliasHops + 1; ++links) {
        EXPECT_EQ(MatchLanguageFile(target, 3, nullptr) != nullptr, links <= kMaxAliasHops)
            << links << " links";
        const QString link = dir.filePath(QString::number(links));
        ASSERT_TRUE(QFile::link(target, link));
        target = link;
    }
}
