#include <gtest/gtest.h>

#include "platform/FileFilter.h"

namespace tavrin {
namespace {

TEST(ToQtNameFilters, TranslatesEachDescriptionAndItsMasks) {
    EXPECT_EQ(ToQtNameFilters("Graphic Files|*.JPG;*.BMP|All|*.*"),
              (QStringList{"Graphic Files (*.[Jj][Pp][Gg] *.[Bb][Mm][Pp])", "All (*)"}));
    EXPECT_EQ(CaseBlindMask("PIC?1.*"), "[Pp][Ii][Cc]?1.*");
    // Empty or incomplete filters give nothing usable.
    EXPECT_TRUE(ToQtNameFilters("").isEmpty());
    EXPECT_TRUE(ToQtNameFilters("Text Files").isEmpty());
    EXPECT_EQ(ToQtNameFilters("Text|*.TXT|Broken"), QStringList{"Text (*.[Tt][Xx][Tt])"});
}

} // namespace
} // namespace tavrin
