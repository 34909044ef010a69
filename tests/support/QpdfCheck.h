#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <gtest/gtest.h>

namespace tandrel::test {

// Whether qpdf is there to check documents with.
inline bool HaveQpdf() { return !QStandardPaths::findExecutable("qpdf").isEmpty(); }

// `qpdf --check` finds no fault in the file.
inline void ExpectQpdfClean(const QString& file)
{
    QProcess check;
    check.start(QStandardPaths::findExecutable("qpdf"), {"--check", file});
    ASSERT_TRUE(check.waitForFinished(60000));
    const QString out = QString::fromUtf8(check.readAllStandardOutput() + check.readAllStandardError());
    EXPECT_EQ(check.exitCode(), 0) << out.toStdString();
    EXPECT_TRUE(out.contains("No syntax or stream encoding errors found")) << out.toStdString();
}

} // namespace tandrel::test
