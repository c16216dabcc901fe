#pragma once
// Whole form, image map and frame commands on "Intro" (selected), through the scripted dialog
// runner, with the remembered lists in a real profile and a document saved as
// /web/site/index.html.
#include <string>
#include <vector>

#include "tests/core/ElementCommandFixture.h"

// A namespace of its own: every core test file links into one program.
namespace razo::test::formmapframe {

class FormMapFrameFixture : public ElementCommandTest {
protected:
    FormMapFrameFixture() : ElementCommandTest("/web/site/index.html") {}

    // Runs command `id` with the presses given, every one of them used; returns the whole text.
    std::string Wrap(int id, std::vector<Press> presses) {
        std::string text = ElementCommandTest::Wrap(id, std::move(presses));
        EXPECT_EQ(runner.PressesLeft(), 0u) << "presses left over";
        return text;
    }
};

// One command run on "Intro" and the text it must leave.
struct TextCase {
    const char* name;
    int command;
    std::vector<Press> presses;
    std::string text;
};

// One refused press: the message shown and the field the user is sent back to.
struct Refusal {
    const char* name;
    int command;
    Press press;
    std::string message;
    int field;
};

} // namespace razo::test::formmapframe
