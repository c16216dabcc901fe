#include "core/resources/Toolbars.h"
#include "core/resources/CommandIds.h"
#include "core/resources/EntityTable.h"

#include <algorithm>

namespace razo {

namespace {

constexpr int kSep = ToolbarSeparator;

// A symbol toolbar holds its entities in the order of the entity table.
std::vector<int> EntityButtons(SymbolBar bar) {
    std::vector<int> buttons;
    for (const EntityInfo& entity : EntityTable())
        if (entity.bar == bar)
            buttons.push_back(entity.id);
    return buttons;
}

} // namespace

std::span<const ToolbarInfo> Toolbars() {
    static const ToolbarInfo bars[] = {
        {"m_wndStandardBar",
         "Standard",
         cmd::ToolbarStandard,
         128,
         {cmd::FileNew, cmd::FileOpen, cmd::FileSave, cmd::FilePrint, kSep, cmd::BrowserTest,
          cmd::BrowserTest2, cmd::CheckPage, cmd::Preferences, kSep, cmd::EditCut, cmd::EditCopy,
          cmd::EditPaste, kSep, cmd::EditUndo, cmd::RepeatTags, kSep, cmd::AppAbout, cmd::ContextHelp}},
        {"m_wndHeadingBar",
         "Heading Elements",
         cmd::ToolbarHeading,
         254,
         {cmd::Heading1, cmd::Heading2, cmd::Heading3, cmd::Heading4, cmd::Heading5, cmd::Heading6}},
        {"m_wndCapitalBar", "Capital Latin Symbols", cmd::ToolbarCapital, 260,
         EntityButtons(SymbolBar::Capital)},
        {"m_wndSmallBar", "Small Latin Symbols", cmd::ToolbarSmall, 261, EntityButtons(SymbolBar::Small)},
        {"m_wndOtherBar", "Other Symbols", cmd::ToolbarOther, 262, EntityButtons(SymbolBar::Other)},
        {"m_wndFontBar",
         "Font Elements",
         cmd::ToolbarFont,
         264,
         {cmd::Bold, cmd::Italic, cmd::Teletype, cmd::Underline, cmd::Strike, cmd::Big, cmd::Small,
          cmd::Subscript, cmd::Superscript, cmd::Font}},
        {"m_wndPhraseBar",
         "Phrase Elements",
         cmd::ToolbarPhrase,
         286,
         {cmd::Strong, cmd::Emphasis, cmd::Keyboard, cmd::Citation, cmd::Code, cmd::Sample, cmd::Variable,
          cmd::DefineTerm}},
        {"m_wndListBar",
         "List Elements",
         cmd::ToolbarList,
         266,
         {cmd::OrderedList, cmd::UnorderedList, cmd::ListItem, kSep, cmd::DefinitionList, cmd::Term,
          cmd::Definition}},
        {"m_wndStructureBar",
         "Structure Elements",
         cmd::ToolbarStructure,
         268,
         {cmd::InsertStandardTags, kSep, cmd::Base, kSep, cmd::Body, kSep, cmd::Paragraph, cmd::Preformatted,
          cmd::Blockquote, cmd::Address, cmd::LineBreak, cmd::HorizontalRule, cmd::Centre, cmd::Division}},
        {"m_wndLinkBar",
         "Link/Image Elements",
         cmd::ToolbarLink,
         272,
         {cmd::Anchor, cmd::Link, kSep, cmd::Image, cmd::ImageMap, cmd::ImageMapArea, kSep, cmd::Comment,
          kSep, cmd::HomePageButton}},
        {"m_wndFormBar",
         "Form Elements",
         cmd::ToolbarForm,
         276,
         {cmd::Form, cmd::FormInput, cmd::FormSelect, cmd::FormOption, cmd::FormTextArea}},
        {"m_wndTableBar",
         "Table Elements",
         cmd::ToolbarTable,
         280,
         {cmd::Table, cmd::TableRow, cmd::TableHeader, cmd::TableData}},
        {"m_wndJavaBar", "Java Elements", cmd::ToolbarJava, 282, {cmd::Applet, cmd::AppletParam}},
        {"m_wndNetscapeBar",
         "Netscape Elements",
         cmd::ToolbarNetscape,
         284,
         {cmd::BodyNetscape, cmd::BaseNetscape, kSep, cmd::TableHeaderNetscape, cmd::TableDataNetscape,
          cmd::FormNetscape, kSep, cmd::LinkNetscape, kSep, cmd::FontNetscape, cmd::BaseFont, kSep,
          cmd::ImageNetscape, cmd::ImageMap, cmd::ImageMapAreaNetscape, kSep, cmd::Frameset, cmd::Frame,
          cmd::NoFrames}},
        {"m_wndMicrosoftBar",
         "Microsoft Elements",
         cmd::ToolbarMicrosoft,
         285,
         {cmd::BodyMicrosoft, kSep, cmd::TableMicrosoft, cmd::TableRowMicrosoft, cmd::TableHeaderMicrosoft,
          cmd::TableDataMicrosoft, kSep, cmd::FontMicrosoft, cmd::BaseFont, kSep, cmd::ImageMicrosoft,
          cmd::BackgroundSound, cmd::Marquee}},
        {"m_wndHtml5Bar",
         "HTML5 Elements",
         cmd::ToolbarHtml5,
         288,
         {cmd::Header, cmd::Nav, cmd::Main, cmd::Article, cmd::Section, cmd::Aside, cmd::Footer, cmd::Figure,
          cmd::Details,
          // Media
          kSep, cmd::Video, cmd::Picture,
          // Forms
          kSep, cmd::InputHtml5}},
    };
    return bars;
}

const ToolbarInfo* FindToolbar(int controlId) {
    auto bars = Toolbars();
    auto it = std::find_if(bars.begin(), bars.end(),
                           [&](const ToolbarInfo& bar) { return bar.controlId == controlId; });
    return it == bars.end() ? nullptr : &*it;
}

std::span<const ToolbarPlacement> DefaultToolbarLayout() {
    // Docking Netscape and Microsoft first on the bottom and then each symbol toolbar on a row of
    // its own leaves Netscape/Microsoft next to the edit area and the Small symbols lowest.
    static constexpr ToolbarPlacement layout[] = {
        {cmd::ToolbarStandard, DockSide::Top, 0, true},    {cmd::ToolbarHeading, DockSide::Top, 0, true},
        {cmd::ToolbarFont, DockSide::Top, 1, true},        {cmd::ToolbarList, DockSide::Top, 1, true},
        {cmd::ToolbarLink, DockSide::Top, 1, true},        {cmd::ToolbarPhrase, DockSide::Top, 2, true},
        {cmd::ToolbarForm, DockSide::Top, 2, true},        {cmd::ToolbarTable, DockSide::Top, 2, true},
        {cmd::ToolbarJava, DockSide::Top, 2, true},        {cmd::ToolbarHtml5, DockSide::Top, 3, true},
        {cmd::ToolbarStructure, DockSide::Left, 0, true},  {cmd::ToolbarSmall, DockSide::Bottom, 0, false},
        {cmd::ToolbarOther, DockSide::Bottom, 1, false},   {cmd::ToolbarCapital, DockSide::Bottom, 2, false},
        {cmd::ToolbarNetscape, DockSide::Bottom, 3, true}, {cmd::ToolbarMicrosoft, DockSide::Bottom, 3, true},
    };
    return layout;
}

} // namespace razo
