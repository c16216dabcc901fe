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

namespace {

// Options only in front of the path; "--" lets a path that starts with '-' through.
TEST(CommandLineTest, OptionsBeforeThePath) {
    using Action = razo::StartRequest::Action;
    struct Row {
        std::vector<std::string> arguments;
        Action action;
        std::string path, option;
    };
    const Row rows[] = {
        {{"razo"}, Action::Open, "", ""},
        {{}, Action::Open, "", ""},
        {{"razo", "--help"}, Action::Help, "", ""},
        {{"razo", "-h"}, Action::Help, "", ""},
        {{"razo", "--version"}, Action::Version, "", ""},
        {{"razo", "--version", "--help"}, Action::Version, "", ""},
        {{"razo", "--", "--help"}, Action::Open, "--help", ""},
        {{"razo", "--", "-n", "--help"}, Action::Open, "-n --help", ""},
        {{"razo", "--"}, Action::Open, "", ""},
        {{"razo", "My", "--help.html"}, Action::Open, "My --help.html", ""},
        {{"razo", "/tmp/My", "Pages/a.html"}, Action::Open, "/tmp/My Pages/a.html", ""},
        {{"razo", "-n", "a.html"}, Action::UnknownOption, "", "-n"},
        {{"razo", "-"}, Action::UnknownOption, "", "-"},
        {{"razo", "--helpx"}, Action::UnknownOption, "", "--helpx"},
        {{"razo", ""}, Action::Open, "", ""},
    };
    for (const Row& row : rows) {
        const razo::StartRequest request = razo::ParseCommandLine(row.arguments);
        SCOPED_TRACE(row.path + row.option);
        EXPECT_EQ(request.action, row.action);
        EXPECT_EQ(request.path, row.path);
        EXPECT_EQ(request.option, row.option);
    }
}

} // namespace
