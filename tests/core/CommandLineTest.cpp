#include <gtest/gtest.h>

#include "core/app/CommandLine.h"

namespace {

TEST(CommandLineTest, ArgumentsAfterTheProgramFormOnePath) {
    struct Row {
        std::vector<std::string> arguments;
        std::string path;
    };
    const Row rows[] = {
        {{"razo"}, ""},
        {{}, ""},
        {{"razo", "/tmp/page.html"}, "/tmp/page.html"},
        {{"razo", "/tmp/My", "Pages/index.html"}, "/tmp/My Pages/index.html"},
        {{"razo", "\"/tmp/My Pages/index.html\""}, "\"/tmp/My Pages/index.html\""},
        {{"razo", "-n", "--help"}, "-n --help"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(razo::DocumentPathFromArguments(row.arguments), row.path) << row.path;
}

} // namespace
