// The catalog against the platform's published facts: value names as the registry spells them,
// the documented integer indices, and the version that first has each color.
#include "color_catalog.h"
#include "platform_colors.h"

#include <gtest/gtest.h>

TEST(ColorCatalog, HoldsThePlatformsNamesIndicesAndVersionsInInsertionOrder)
{
    size_t n = 0;
    for (const ColorEntry *e = ColorCatalog; e->name[0]; e++, n++) {
        ASSERT_LT(n, 31u) << "more entries than the platform has";
        EXPECT_STREQ(PlatformColors[n].name, e->name) << "entry " << n;
        EXPECT_EQ(PlatformColors[n].index, e->index) << e->name;
        EXPECT_EQ(PlatformColors[n].minVersion, e->minVersion) << e->name;
    }
    EXPECT_EQ(31u, n);
}
