// Printing the move list, read back from a PDF with poppler's tools.
#include "app/MoveListPrinter.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <stdexcept>

namespace {

QString RunTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return "<" + program + " failed>";
    return QString::fromUtf8(process.readAllStandardOutput());
}

int PageCount(const QString& pdf)
{
    const auto match = QRegularExpression("Pages:\\s+(\\d+)").match(RunTool("pdfinfo", {pdf}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The non-empty text lines of one page.
QStringList LinesOfPage(const QString& pdf, int page)
{
    const QString text =
        RunTool("pdftotext", {"-f", QString::number(page), "-l", QString::number(page), "-layout", pdf, "-"});
    QStringList lines;
    for (const QString& line : text.split(QRegularExpression("[\\n\\f]")))
        if (!line.trimmed().isEmpty())
            lines << line.trimmed();
    return lines;
}

QStringList MoveLines(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << (i % 2 ? QStringLiteral("%1. ... e7-e5") : QStringLiteral("%1. e2-e4")).arg(i / 2 + 1);
    return lines;
}

class MoveListPrinterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable("pdfinfo").isEmpty() ||
            QStandardPaths::findExecutable("pdftotext").isEmpty())
            GTEST_SKIP() << "poppler-utils is not installed";
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A5));
    }
    QTemporaryDir dir;
    QString pdf = dir.filePath("moves.pdf");
    QPrinter printer{QPrinter::HighResolution};
};

} // namespace

TEST_F(MoveListPrinterTest, PrintsAShortListOnOnePageOneLineEach)
{
    const QStringList lines{"1. e2-e4", "1. ... e7-e5", "2. Ng1-f3"};
    EXPECT_EQ(PrintMoveList(lines, printer), 1);
    EXPECT_EQ(PageCount(pdf), 1);
    EXPECT_EQ(LinesOfPage(pdf, 1).join('\n').toStdString(), lines.join('\n').toStdString());
}

TEST_F(MoveListPrinterTest, AnEmptyListPrintsOneBlankPage)
{
    EXPECT_EQ(PrintMoveList({}, printer), 1);
    EXPECT_EQ(PageCount(pdf), 1);
    EXPECT_TRUE(LinesOfPage(pdf, 1).isEmpty());
}

TEST_F(MoveListPrinterTest, ALongListContinuesOnFurtherPagesWithoutLosingALine)
{
    // Find how many lines fill one page, then print a list of a little over two pages.
    const QStringList probe = MoveLines(400);
    PrintMoveList(probe, printer);
    const int perPage = LinesOfPage(pdf, 1).size();
    ASSERT_GT(perPage, 10);

    const QStringList lines = MoveLines(2 * perPage + 5);
    EXPECT_EQ(PrintMoveList(lines, printer), 3);
    ASSERT_EQ(PageCount(pdf), 3);
    const QStringList page1 = LinesOfPage(pdf, 1), page2 = LinesOfPage(pdf, 2), page3 = LinesOfPage(pdf, 3);
    EXPECT_EQ(page1.size(), perPage);
    EXPECT_EQ(page2.size(), perPage);
    // In order, none lost, no page numbers or headers.
    EXPECT_EQ((page1 + page2 + page3).join('\n').toStdString(), lines.join('\n').toStdString());
}

TEST_F(MoveListPrinterTest, UsesThePrintableAreaWithoutMarginsOfItsOwn)
{
    PrintMoveList({"1. e2-e4"}, printer);
    const QString boxes = RunTool("pdftotext", {"-bbox", pdf, "-"});
    const auto word = QRegularExpression("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\"").match(boxes);
    ASSERT_TRUE(word.hasMatch()) << boxes.toStdString();
    EXPECT_LT(word.captured(1).toDouble(), 3.0);
    EXPECT_LT(word.captured(2).toDouble(), 3.0);
}

TEST_F(MoveListPrinterTest, APrinterThatCannotStartTheJobIsNotValid)
{
    printer.setOutputFileName(dir.filePath("no-such-folder/moves.pdf"));
    try {
        PrintMoveList({"1. e2-e4"}, printer);
        FAIL() << "printed";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Printer selected is not valid");
    }
}

TEST(MoveListPrinter, ReportsAMissingDefaultPrinter)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this machine has a default printer";
    try {
        PrintMoveList(QStringList{"1. e2-e4"});
        FAIL() << "printed";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "There is no default printer currently selected");
    }
}
