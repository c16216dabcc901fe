#include <gtest/gtest.h>

#include <string>

#include "core/text/LineLengths.h"
#include "tests/support/RowName.h"

namespace razo {
namespace {

struct LengthRow {
    const char* name;
    std::string text;
    bool longer; // than 4 bytes
};

class LineLengthRows : public ::testing::TestWithParam<LengthRow> {};

TEST_P(LineLengthRows, FindsALineOverTheLimit) {
    EXPECT_EQ(HasLineLongerThan(GetParam().text, 4), GetParam().longer);
}

INSTANTIATE_TEST_SUITE_P(
    Text, LineLengthRows,
    ::testing::Values(LengthRow{"line breaks do not count", "abcd\r\nabcd\nabcd\rabcd", false},
                      LengthRow{"long last line without a break", "ab\nabcde", true},
                      LengthRow{"lines ended by CR alone", "abcd\rabcd\rabcd\rab", false},
                      LengthRow{"long line between CRs", "abcd\rabcdef\rab\n", true},
                      LengthRow{"empty text", "", false}),
    [](const auto& info) { return test::RowName(info.param.name); });

} // namespace
} // namespace razo
