#include "gui/resources/CommandIcons.h"

#include <map>

#include "core/resources/CommandIds.h"
#include "core/text/CharacterReference.h"
#include "gui/resources/CommandGlyphs.h"
#include "gui/resources/IconDrawings.h"
#include "gui/resources/IconEngine.h"

namespace razo {

namespace {

// The standard buttons are drawn like the rest rather than taken from an icon theme: a theme
// may lack them, draw them blurred at a scale it has no size for, or miss the dark palette.
struct StandardIcon {
    Drawing drawing;
    const char* glyph = nullptr; // when there is no drawing
};

const std::map<int, StandardIcon>& StandardIcons() {
    static const std::map<int, StandardIcon> icons = {
        {cmd::FileNew, {DrawNewPage}},
        {cmd::FileOpen, {DrawFolder}},
        {cmd::FileSave, {DrawDisk}},
        {cmd::FilePrint, {DrawPrinter}},
        {cmd::BrowserTest, {nullptr, "1\u25b6"}},
        {cmd::BrowserTest2, {nullptr, "2\u25b6"}},
        {cmd::CheckPage, {DrawCheckedPage}},
        {cmd::Preferences, {nullptr, "\u2699"}},
        {cmd::EditCut, {nullptr, "\u2702"}},
        {cmd::EditCopy, {DrawCopies}},
        {cmd::EditPaste, {DrawClipboard}},
        {cmd::EditUndo, {DrawBackArrow}},
        {cmd::EditRedo, {DrawForwardArrow}},
        {cmd::RepeatTags, {DrawRepeat}},
        {cmd::AppAbout, {DrawAbout}},
        {cmd::ContextHelp, {DrawContextHelp}},
    };
    return icons;
}

QIcon StandardActionIcon(const StandardIcon& standard) {
    if (standard.drawing != nullptr)
        return DrawnIcon(standard.drawing);
    return GlyphIcon({QString::fromUtf8(standard.glyph), Plain, Family::Standard});
}

} // namespace

QIcon IconForCommand(int commandId) {
    if (auto it = StandardIcons().find(commandId); it != StandardIcons().end())
        return StandardActionIcon(it->second);
    if (auto it = ElementGlyphs().find(commandId); it != ElementGlyphs().end())
        return GlyphIcon(it->second);
    return {};
}

QIcon IconForEntity(const std::string& insertedText) {
    return GlyphIcon({QString::fromStdString(ShownCharacter(insertedText)), Serif, Family::Symbol});
}

QIcon ProgramIcon() {
    return DrawnIcon(DrawProgram);
}

} // namespace razo
