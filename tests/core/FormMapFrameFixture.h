#pragma once
// Whole form, image map and frame commands on "Intro" (selected), through the scripted dialog
// runner, with the remembered lists in a real profile and a document saved as
// /web/site/index.html.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "elements/ElementServices.h"
#include "settings/IniProfile.h"
#include "support/FakeDocument.h"
#include "support/FakeUserPrompts.h"
#include "support/MemoryTextControl.h"
#include "support/ScriptedDialogRunner.h"
#include "support/TempDir.h"
#include "view/RazoView.h"
#include "view/ViewCommands.h"

// A namespace of its own: every core test file links into one program.
namespace razo::test::formmapframe {

class FormMapFrameFixture : public ::testing::Test {
protected:
    TempDir dir;
    IniProfile profile{dir.File("RAZO.INI")};
    FakeUserPrompts prompts;
    ScriptedDialogRunner runner{prompts, &profile};
    FakeDocument document;
    MemoryTextControl control{"Intro"};
    CRazoView view{control, document};
    ElementServices services{profile, runner, prompts};

    void SetUp() override {
        document.path = "/web/site/index.html";
        document.title = "index.html";
        RegisterViewCommands(view, services);
        Reset();
    }
    void Reset() {
        control.SetBytes("Intro");
        control.SetSel(0, 5);
        prompts.messages.clear();
        runner.runs.clear();
    }
    // Runs command `id` with the presses given and returns the whole text afterwards.
    std::string Wrap(int id, std::vector<Press> presses) {
        runner.Script(std::move(presses));
        const auto* handler = view.Target().FindCommand(id);
        if (handler == nullptr) {
            ADD_FAILURE() << "no handler for " << id;
            return {};
        }
        (*handler)();
        EXPECT_EQ(runner.PressesLeft(), 0u) << "presses left over";
        return control.Text();
    }
    // The run of the dialog with this template id, the last one if it ran more than once.
    const ScriptedDialogRunner::Run* RunOf(int idd) const {
        for (auto it = runner.runs.rbegin(); it != runner.runs.rend(); ++it)
            if (it->idd == idd)
                return &*it;
        return nullptr;
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
