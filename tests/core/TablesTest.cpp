#include "core/elements/Tables.h"
#include "core/dialogs/Colours.h"
#include "core/resources/CommandIds.h"
#include "tests/core/ElementCommandFixture.h"

using namespace razo;
using namespace razo::test;
using namespace razo::tables;

namespace {

class TableCommands : public ElementCommandTest {
protected:
    TableCommands() : ElementCommandTest("E:\\web\\site\\index.html") {}
};

const std::string T = "<TABLE";
const std::string TableEnd = "Intro</TABLE>\r\n";

} // namespace

TEST_F(TableCommands, Html32TablesRowsAndCells) {
    ExpectTexts({
        {"table bare", cmd::Table, {}, "<TABLE>\r\n" + TableEnd},
        {"border ticked, no width", cmd::Table, {.checks = {{IdBorder, 1}}}, "<TABLE BORDER>\r\n" + TableEnd},
        {"border ticked, width 0",
         cmd::Table,
         {.texts = {{IdBorderWidth, "0"}}, .checks = {{IdBorder, 1}}},
         "<TABLE BORDER=0>\r\n" + TableEnd},
        {"border width without the tick",
         cmd::Table,
         {.texts = {{IdBorderWidth, "4"}}},
         "<TABLE>\r\n" + TableEnd},
        {"percent without width", cmd::Table, {.checks = {{IdPercent, 1}}}, "<TABLE>\r\n" + TableEnd},
        {"caption alignment without caption",
         cmd::Table,
         {.texts = {{IdCaptionAlign, "top"}}},
         "<TABLE>\r\n" + TableEnd},
        {"everything, in the written order",
         cmd::Table,
         {.texts = {{IdAlign, "right"},
                    {IdWidth, "050"},
                    {IdCellPadding, "2"},
                    {IdCellSpacing, "3"},
                    {IdBorderWidth, "1"},
                    {IdCaption, "Prices, 1997"},
                    {IdCaptionAlign, "bottom"}},
          .checks = {{IdPercent, 1}, {IdBorder, 1}}},
         "<TABLE WIDTH=50% ALIGN=right BORDER=1 CELLSPACING=3 CELLPADDING=2>\r\n"
         "<CAPTION ALIGN=bottom>Prices, 1997</CAPTION>\r\n" +
             TableEnd},
        {"caption without alignment",
         cmd::Table,
         {.texts = {{IdCaption, "<B>Sums</B>"}}},
         "<TABLE>\r\n<CAPTION><B>Sums</B></CAPTION>\r\n" + TableEnd},
        {"row",
         cmd::TableRow,
         {.texts = {{IdAlign, "center"}, {IdVAlign, "baseline"}}},
         "<TR ALIGN=center VALIGN=baseline>Intro"},
        {"row bare", cmd::TableRow, {}, "<TR>Intro"},
        {"header, rows before columns",
         cmd::TableHeader,
         {.texts = {{IdAlign, "left"}, {IdColSpan, "2"}, {IdRowSpan, "3"}, {IdVAlign, "top"}},
          .checks = {{IdNoWrap, 1}}},
         "<TH ALIGN=left VALIGN=top NOWRAP ROWSPAN=3 COLSPAN=2>Intro"},
        {"data", cmd::TableData, {.texts = {{IdColSpan, "0"}}}, "<TD COLSPAN=0>Intro"},
        {"netscape header, width first",
         cmd::TableHeaderNetscape,
         {.texts = {{IdAlign, "right"}, {IdWidth, "40"}, {IdRowSpan, "2"}}, .checks = {{IdPercent, 1}}},
         "<TH WIDTH=40% ALIGN=right ROWSPAN=2>Intro"},
        {"netscape data, percent without width",
         cmd::TableDataNetscape,
         {.checks = {{IdPercent, 1}, {IdNoWrap, 1}}},
         "<TD NOWRAP>Intro"},
    });
}

TEST_F(TableCommands, MicrosoftTablesRowsAndCells) {
    ExpectTexts({
        {"table in the Microsoft order",
         cmd::TableMicrosoft,
         {.texts = {{IdAlign, "left"},
                    {IdVAlign, "bottom"},
                    {IdWidth, "600"},
                    {IdBorderWidth, "2"},
                    {IdCellSpacing, "4"},
                    {IdCellPadding, "5"},
                    {IdBackgroundName, "silver"},
                    {IdBorderColourNumber, "ff0000"},
                    {IdLightName, "white"},
                    {IdDarkNumber, "00007F"}},
          .checks = {{IdBorder, 1}}},
         "<TABLE WIDTH=600 ALIGN=left VALIGN=bottom BORDER=2 CELLSPACING=4 CELLPADDING=5 BGCOLOR=silver "
         "BORDERCOLOR=\"#ff0000\" BORDERCOLORLIGHT=white BORDERCOLORDARK=\"#00007F\">\r\n" +
             TableEnd},
        {"table caption alignment and bare border",
         cmd::TableMicrosoft,
         {.texts = {{IdCaption, "Totals"}, {IdCaptionAlign, "top"}}, .checks = {{IdBorder, 1}}},
         "<TABLE BORDER>\r\n<CAPTION ALIGN=top>Totals</CAPTION>\r\n" + TableEnd},
        {"a name chosen after a number empties it",
         cmd::TableMicrosoft,
         {.actions = {Type(IdBackgroundNumber, "123456"), Choose(IdBackgroundName, "teal")}},
         "<TABLE BGCOLOR=teal>\r\n" + TableEnd},
        {"(None) leaves the number",
         cmd::TableMicrosoft,
         {.actions = {Choose(IdBackgroundName, "(None)"), Type(IdBackgroundNumber, "ff0000")}},
         "<TABLE BGCOLOR=\"#ff0000\">\r\n" + TableEnd},
        {"row",
         cmd::TableRowMicrosoft,
         {.texts = {{IdAlign, "right"}, {IdVAlign, "top"}, {IdBorderWidth, "1"}, {IdDarkName, "navy"}}},
         "<TR ALIGN=right VALIGN=top BORDER=1 BORDERCOLORDARK=navy>Intro"},
        {"header",
         cmd::TableHeaderMicrosoft,
         {.texts = {{IdAlign, "left"},
                    {IdVAlign, "bottom"},
                    {IdRowSpan, "1000"},
                    {IdColSpan, "1"},
                    {IdBorderWidth, "0"},
                    {IdLightNumber, "ABCDEF"}},
          .checks = {{IdNoWrap, 1}}},
         "<TH ALIGN=left VALIGN=bottom NOWRAP ROWSPAN=1000 COLSPAN=1 BORDER=0 "
         "BORDERCOLORLIGHT=\"#ABCDEF\">Intro"},
        {"data, empty spans pass", cmd::TableDataMicrosoft, {}, "<TD>Intro"},
    });
}

TEST_F(TableCommands, RefusedFields) {
    const std::string spanRange = "Please enter an integer between 1 and 1000.";
    ExpectRefusals({
        {"negative table width",
         cmd::Table,
         {.texts = {{IdWidth, "-1"}}},
         "You can only enter numerals.",
         IdWidth},
        {"border width in words",
         cmd::Table,
         {.texts = {{IdBorderWidth, "thin"}}},
         "Please enter a whole number.",
         IdBorderWidth},
        {"span 0", cmd::TableDataMicrosoft, {.texts = {{IdRowSpan, "0"}}}, spanRange, IdRowSpan},
        {"span 1001", cmd::TableHeaderMicrosoft, {.texts = {{IdColSpan, "1001"}}}, spanRange, IdColSpan},
        {"rows are checked before columns",
         cmd::TableDataMicrosoft,
         {.texts = {{IdColSpan, "0"}, {IdRowSpan, "0"}}},
         spanRange,
         IdRowSpan},
        {"colour number with #",
         cmd::TableRowMicrosoft,
         {.texts = {{IdBackgroundNumber, "#12345"}}},
         "This is not a valid colour number.",
         IdBackgroundNumber},
        {"dark colour checked first",
         cmd::TableMicrosoft,
         {.texts = {{IdBackgroundNumber, "12345"}, {IdDarkNumber, "ggg000"}}},
         "This is not a valid colour number.",
         IdDarkNumber},
        {"netscape cell width",
         cmd::TableDataNetscape,
         {.texts = {{IdWidth, "-50"}}},
         "You can only enter numerals.",
         IdWidth},
    });
}

// Each row of the shared colour block drives its own swatch, in all three dialogs.
TEST_F(TableCommands, ColourRowsPaintTheirOwnSwatch) {
    struct Row {
        int name, number, sample;
    };
    const Row rows[] = {{IdBackgroundName, IdBackgroundNumber, IdBackgroundSample},
                        {IdBorderColourName, IdBorderColourNumber, IdBorderColourSample},
                        {IdLightName, IdLightNumber, IdLightSample},
                        {IdDarkName, IdDarkNumber, IdDarkSample}};
    for (int command : {cmd::TableMicrosoft, cmd::TableRowMicrosoft, cmd::TableDataMicrosoft}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(std::to_string(command) + " row " + std::to_string(row.name));
            Reset();
            Wrap(command,
                 {{.actions = {Type(row.number, "00ff00"), Choose(row.name, "navy")}, .cancel = true}});
            const auto& run = runner.runs.back();
            ASSERT_TRUE(run.swatches.count(row.sample));
            EXPECT_EQ(run.swatches.at(row.sample).m_crBack, LookupNamedColour("navy"));
            for (const Row& other : rows) {
                if (other.sample != row.sample && run.swatches.count(other.sample)) {
                    EXPECT_EQ(run.swatches.at(other.sample).m_crBack, White);
                }
            }
        }
    }
}

TEST(TableTemplates, ListsAndTheColourBlock) {
    const auto& cell = CTableCellDialog::TemplateData();
    EXPECT_TRUE(cell.Find(IdVAlign)->sorted);
    EXPECT_EQ(cell.Find(IdVAlign)->entries,
              (std::vector<std::string>{"top", "middle", "bottom", "baseline"}));
    for (const DialogTemplate* t :
         {&CTableMicrosoftDialog::TemplateData(), &CTableRowMicrosoftDialog::TemplateData(),
          &CTableCellMicrosoftDialog::TemplateData()}) {
        SCOPED_TRACE(t->title);
        ASSERT_EQ(t->colourFields.size(), 4u);
        const ControlTemplate* names = t->Find(IdBackgroundName);
        ASSERT_NE(names, nullptr);
        EXPECT_FALSE(names->sorted);
        EXPECT_EQ(names->entries, Html32ColourNames());
        EXPECT_EQ(names->text, "Background colour:");
    }
}
