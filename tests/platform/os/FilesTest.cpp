#include "platform/os/Files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(Files, ClearReadOnlyMakesTheFileWritable)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("Duzediv.mdb"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    EXPECT_TRUE(os::IsReadOnly(path));

    EXPECT_TRUE(os::ClearReadOnly(path));
    EXPECT_FALSE(os::IsReadOnly(path));
    EXPECT_TRUE(QFile::permissions(path) & QFileDevice::ReadOwner);
    EXPECT_TRUE(os::ClearReadOnly(path)) << "already writable";
}

TEST(Files, MissingFileIsPassedOver)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("nada.udl"));
    EXPECT_FALSE(os::IsReadOnly(path));
    EXPECT_TRUE(os::ClearReadOnly(path));
    EXPECT_FALSE(QFile::exists(path));
}

} // namespace
