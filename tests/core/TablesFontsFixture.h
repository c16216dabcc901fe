#pragma once
// Whole commands of the table, font, applet, sound and marquee families on "Intro" (selected),
// through the scripted dialog runner, with the remembered lists in a real profile and a document
// saved as E:\web\site\index.html.
#include "tests/core/ElementCommandFixture.h"

namespace razo::test {

using CommandCase = CommandRow;
using RefusalCase = RefusalRow;

class TablesFontsFixture : public ElementCommandTest {
protected:
    TablesFontsFixture() : ElementCommandTest("E:\\web\\site\\index.html") {}
};

} // namespace razo::test
