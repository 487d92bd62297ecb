// Saving and opening the paint view's picture.

#include "PaintViewTestSupport.h"

#include <QFile>
#include <QTemporaryDir>

using namespace paint_view_test;

namespace {

class PaintViewFiles : public PaintViewTest {};

TEST_F(PaintViewFiles, APictureSavedAndOpenedAgainIsTheSame) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    view->setPenColor(kRed, 3001);
    view->setPenSize(8);
    view->lineTurtleTo(Point::at(300, 40), 90.0f);
    const QImage saved = picture();
    const QString path = dir.filePath("picture.pict");
    ASSERT_EQ(view->writePictureFile(path), 0);

    view->clearPicture();
    ASSERT_NE(picture(), saved);
    QString refusal = QStringLiteral("left over");
    EXPECT_EQ(view->readPictureFile(path, &refusal), 0);
    EXPECT_EQ(picture(), saved);
    EXPECT_EQ(refusal, QString());
}

TEST_F(PaintViewFiles, AnUnreadableFileLeavesThePictureAlone) {
    QTemporaryDir dir;
    view->lineTurtleTo(Point::at(10, 10), 0.0f);
    const QImage before = picture();
    QString refusal;
    EXPECT_NE(view->readPictureFile(dir.filePath("missing.pict"), &refusal), 0);
    EXPECT_EQ(picture(), before);
    EXPECT_EQ(refusal, QStringLiteral("the file does not exist"));
}

TEST_F(PaintViewFiles, AViewWithoutACanvasWritesNothing) {
    QTemporaryDir dir;
    CPaintWindow unshown(nullptr, root.get());
    const QString path = dir.filePath("none.pict");
    EXPECT_NE(unshown.writePictureFile(path), 0);
    EXPECT_FALSE(QFile::exists(path));
}

} // namespace
