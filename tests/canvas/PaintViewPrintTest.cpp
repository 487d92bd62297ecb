// Printing the picture to a PDF file.

#include "PaintViewTestSupport.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace paint_view_test;

namespace {

class PaintViewPrint : public PaintViewTest {};

QByteArray printedBytes(CPaintWindow& view, const QString& path, std::int16_t& status) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    status = view.printPicture(&printer);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

TEST_F(PaintViewPrint, OnePageWithAnImageOfTheCanvas) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    view->setPenColor(kRed, 3001);
    view->setPenSize(16);
    view->lineTurtleTo(Point::at(300, 100), 0.0f);
    const QImage before = picture();

    std::int16_t status = -1;
    const QByteArray pdf = printedBytes(*view, dir.filePath("picture.pdf"), status);
    EXPECT_EQ(status, 0);
    ASSERT_FALSE(pdf.isEmpty());
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page[^s]")), 1);
    EXPECT_TRUE(QRegularExpression(QString("/Width\\s+%1\\b").arg(kWidth)).match(pdf).hasMatch());
    EXPECT_TRUE(QRegularExpression(QString("/Height\\s+%1\\b").arg(kHeight)).match(pdf).hasMatch());
    EXPECT_EQ(picture(), before) << "printing leaves the picture alone";
}

TEST_F(PaintViewPrint, NoPrinterIsAParameterError) {
    EXPECT_EQ(view->printPicture(nullptr), -50);
}

} // namespace
