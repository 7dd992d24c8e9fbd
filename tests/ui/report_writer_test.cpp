#include "ui/report_writer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace velmora::ui {
namespace {

const QByteArray kReport = "Diametro ottica200mm\r\n";

// The report takes the path as typed; how a file is replaced is the file
// writer's, tested with it.
TEST(ReportWriter, ReplacesTheReportOrRefusesAndWritesNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("prova.TXT"));
    const QString withNul = path + QChar(u'\0') + QStringLiteral(".bak");
    for (const QString& refused : {QString(), withNul, dir.filePath("missing/prova.TXT"), dir.path()})
        EXPECT_FALSE(writeReportFile(refused, kReport)) << refused.toStdString();
    EXPECT_TRUE(QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));
    ASSERT_TRUE(writeReportFile(path, "a much longer previous report that must not survive\r\n"));
    ASSERT_TRUE(writeReportFile(path, kReport));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), kReport);
    EXPECT_TRUE(writeReportFile(QStringLiteral("/dev/null"), kReport)) << "a device is written in place";
    EXPECT_FALSE(writeReportFile(QStringLiteral("/dev/full"), kReport));
}

} // namespace
} // namespace velmora::ui
