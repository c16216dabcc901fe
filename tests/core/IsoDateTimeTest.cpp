#include <gtest/gtest.h>

#include "core/elements/IsoDateTime.h"

namespace razo {
namespace {

TEST(IsoDateTime, TakesTheFormsHtmlKnowsAndNothingElse) {
    const struct {
        const char* text;
        bool valid;
    } rows[] = {
        {"2026", true},
        {"2026-05", true},
        {"2026-05-01", true},
        {"05-01", true},
        {"02-29", true},
        {"2026-W18", true},
        {"14:30", true},
        {"14:30:05.250", true},
        {"2026-05-01T14:30", true},
        {"2026-05-01 14:30:05", true},
        {"2026-05-01T14:30Z", true},
        {"2026-05-01T14:30-0530", true},
        {"+02:00", true},
        {"P3D", true},
        {"PT1H30M", true},
        {"PT0.5S", true},
        {"2024-02-29", true},
        {"", false},
        {"26", false},
        {"2026-13", false},
        {"2026-02-29", false},
        {"1900-02-29", false},
        {"2026-04-31", false},
        {"2026-W54", false},
        {"24:00", false},
        {"14:60", false},
        {"14:30:05.2500", false},
        {"14:30Z", false},
        {"2026-05-01T", false},
        {"2026-05-01T14:30+2", false},
        {"P", false},
        {"PT", false},
        {"P1H", false},
        {"PT1M1H", false},
        {"1 May 2026", false},
        {"0000", false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(IsIsoDateTime(row.text), row.valid) << row.text;
}

TEST(IsoDateTime, WritesTheMomentWithItsOffset) {
    EXPECT_EQ(IsoDateTime({2026, 5, 1, 14, 30, 5, 120}), "2026-05-01T14:30:05+02:00");
    EXPECT_EQ(IsoDateTime({999, 12, 31, 0, 0, 0, 0}), "0999-12-31T00:00:00+00:00");
    EXPECT_EQ(IsoDateTime({2026, 1, 9, 7, 5, 0, -570}), "2026-01-09T07:05:00-09:30");
}

} // namespace
} // namespace razo
