#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/FileFilter.h"

namespace tavrin {
namespace {

bool touch(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

TEST(ToQtNameFilters, TranslatesEachDescriptionAndItsMasks) {
    EXPECT_EQ(ToQtNameFilters("Graphic Files|*.JPG;*.BMP|All|*.*"),
              (QStringList{"Graphic Files (*.[Jj][Pp][Gg] *.[Bb][Mm][Pp])", "All (*)"}));
    EXPECT_EQ(ToQtNameFilters("Quiz Files|*.QAJ"), (QStringList{"Quiz Files (*.[Qq][Aa][Jj])"}));
}

TEST(ToQtNameFilters, EmptyOrIncompleteFiltersGiveNothingUsable) {
    EXPECT_TRUE(ToQtNameFilters("").isEmpty());
    EXPECT_TRUE(ToQtNameFilters("Text Files").isEmpty());
    EXPECT_EQ(ToQtNameFilters("Text|*.TXT|Broken"), QStringList{"Text (*.[Tt][Xx][Tt])"});
}

TEST(CaseBlindMask, KeepsWildcardsAndDigits) {
    EXPECT_EQ(CaseBlindMask("PIC?1.*"), "[Pp][Ii][Cc]?1.*");
    EXPECT_EQ(CaseBlindMask("*.*"), "*");
}

TEST(CaseBlindMask, QtsFileMatchingFindsEveryCase) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const char* name : {"pic.jpg", "PHOTO.JPG", "Scan.Jpg", "old.jpeg", "notes.txt"}) {
        ASSERT_TRUE(touch(folder.filePath(name)));
    }
    QDir dir(folder.path());
    const QStringList found =
        dir.entryList(QStringList{CaseBlindMask("*.JPG")}, QDir::Files, QDir::Name);
    EXPECT_EQ(found, (QStringList{"PHOTO.JPG", "Scan.Jpg", "pic.jpg"}));
    EXPECT_EQ(dir.entryList(QStringList{CaseBlindMask("*.*")}, QDir::Files).size(), 5);
}

} // namespace
} // namespace tavrin
