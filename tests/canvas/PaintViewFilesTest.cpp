// Saving, opening and printing the paint view's picture.

#include "PaintViewTestSupport.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace paint_view_test;

namespace {

class PaintViewFiles : public PaintViewTest {
protected:
    QTemporaryDir dir;
};

TEST_F(PaintViewFiles, APictureSavedAndOpenedAgainIsTheSameAFailedOpenLeavesItAlone) {
    view->setPenColor(kRed, 3001);
    view->setPenSize(8);
    view->lineTurtleTo(Point::at(300, 40), 90.0f);
    const QImage saved = picture();
    ASSERT_EQ(view->writePictureFile(dir.filePath("picture.pict")), 0);
    QString refusal;
    EXPECT_NE(view->readPictureFile(dir.filePath("missing.pict"), &refusal), 0);
    EXPECT_EQ(refusal, QStringLiteral("the file does not exist"));
    EXPECT_EQ(picture(), saved);

    view->clearPicture();
    ASSERT_NE(picture(), saved);
    EXPECT_EQ(view->readPictureFile(dir.filePath("picture.pict"), &refusal), 0);
    EXPECT_EQ(picture(), saved);
    EXPECT_EQ(refusal, QString());
}

TEST_F(PaintViewFiles, NothingIsWrittenWithoutACanvasNorPrintedWithoutAPrinter) {
    CPaintWindow unshown(nullptr, root.get());
    EXPECT_NE(unshown.writePictureFile(dir.filePath("none.pict")), 0);
    EXPECT_FALSE(QFile::exists(dir.filePath("none.pict")));
    EXPECT_EQ(view->printPicture(nullptr), -50);
}

TEST_F(PaintViewFiles, PrintingMakesOnePageWithAnImageOfTheCanvas) {
    view->setPenColor(kRed, 3001);
    view->setPenSize(16);
    view->lineTurtleTo(Point::at(300, 100), 0.0f);
    const QImage before = picture();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("picture.pdf"));
    EXPECT_EQ(view->printPicture(&printer), 0);
    QFile file(dir.filePath("picture.pdf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page[^s]")), 1);
    EXPECT_TRUE(QRegularExpression(QString("/Width\\s+%1\\b").arg(kWidth)).match(pdf).hasMatch());
    EXPECT_TRUE(QRegularExpression(QString("/Height\\s+%1\\b").arg(kHeight)).match(pdf).hasMatch());
    EXPECT_EQ(picture(), before) << "printing leaves the picture alone";
}

} // namespace
