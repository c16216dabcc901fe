// How the check reads a page's DOCTYPE, and the document types it maps to a DTD.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/check/CheckedTypes.h"
#include "core/check/Doctype.h"
#include "tests/support/RowName.h"

namespace razo {
namespace {

using Kind = DoctypeDeclaration::Kind;

struct DoctypeRow {
    std::string text;
    Kind kind;
    std::string identifier;
    bool internalSubset = false;
    std::size_t offset = 0;
};

class ReadDoctypeTest : public ::testing::TestWithParam<DoctypeRow> {};

TEST_P(ReadDoctypeTest, ReadsTheDeclarationThatOpensThePage) {
    const DoctypeRow& row = GetParam();
    const DoctypeDeclaration read = ReadDoctype(row.text);
    EXPECT_EQ(read.kind, row.kind);
    EXPECT_EQ(read.identifier, row.identifier);
    EXPECT_EQ(read.internalSubset, row.internalSubset);
    if (row.kind != Kind::Absent) {
        EXPECT_EQ(read.offset, row.offset);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Declarations, ReadDoctypeTest,
    ::testing::Values(
        DoctypeRow{"<!DOCTYPE html>\n<p>", Kind::Html, ""},
        DoctypeRow{"\n  <!doctype HTML >", Kind::Html, "", false, 3},
        DoctypeRow{"<!DOCTYPE html SYSTEM 'about:legacy-compat'>", Kind::Html, ""},
        DoctypeRow{"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">", Kind::Public,
                   "-//W3C//DTD HTML 4.01//EN"},
        DoctypeRow{"<?xml version=\"1.0\"?>\n<!-- made -- by hand -->\n<!DOCTYPE html PUBLIC\n  '-//W3C//DTD "
                   "XHTML 1.0 "
                   "Strict//EN'\n  \"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">",
                   Kind::Public, "-//W3C//DTD XHTML 1.0 Strict//EN", false, 47},
        DoctypeRow{"<!DOCTYPE HTML PUBLIC \"  -//W3C//DTD\n\tHTML 4.01//EN \">", Kind::Public,
                   "-//W3C//DTD HTML 4.01//EN"},
        DoctypeRow{"<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01//EN\" [ <!ENTITY x \"y\"> ]>", Kind::Public,
                   "-//W3C//DTD HTML 4.01//EN", true},
        DoctypeRow{"<!DOCTYPE html [ <!ENTITY x SYSTEM \"/etc/passwd\"> ]>", Kind::Html, "", true},
        DoctypeRow{"<!DOCTYPE html SYSTEM \"page.dtd\">", Kind::Other, "page.dtd"},
        DoctypeRow{"<!DOCTYPE book>", Kind::Other, "book"},
        // Forms the reader does not know could hide declarations of their own.
        DoctypeRow{"<!DOCTYPE>", Kind::Malformed, ""},
        DoctypeRow{"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN>", Kind::Malformed, ""},
        DoctypeRow{"<!DOCTYPE HTML PUBLIC -- note -- \"-//W3C//DTD HTML 4.01//EN\">", Kind::Malformed, ""},
        DoctypeRow{"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\" -- note -- [ ]>", Kind::Malformed,
                   ""},
        DoctypeRow{"<!DOCTYPE html LOCAL \"x\">", Kind::Malformed, ""},
        DoctypeRow{"<p>text</p>\n<!DOCTYPE html>", Kind::Absent, ""},
        DoctypeRow{"<!-- never closed <!DOCTYPE html>", Kind::Absent, ""}, DoctypeRow{"", Kind::Absent, ""}),
    [](const auto& info) {
        return test::RowName(std::to_string(info.index) + " " + info.param.text.substr(0, 30));
    });

struct TypeRow {
    const char* publicId;
    const char* dtdName;
    bool xml;
    bool nearest;
};

// The types the document type command writes, and the W3C types a page may name.
constexpr TypeRow TypeRows[] = {
    {"-//IETF//DTD HTML 2.0//EN", "HTML 2.0", false, false},
    {"-//W3C//DTD HTML 3.2 Final//EN", "HTML 3.2 Final", false, false},
    {"-//W3C//DTD HTML 3.2 Draft//EN", "HTML 3.2 Final", false, true},
    {"-//Netscape Comm. Corp.//DTD HTML//EN", "HTML 4.01 Transitional", false, true},
    {"-//Microsoft Corp.//DTD HTML//EN", "HTML 4.01 Transitional", false, true},
    {"-//W3C//DTD HTML 4.01//EN", "HTML 4.01 Strict", false, false},
    {"-//W3C//DTD HTML 4.01 Transitional//EN", "HTML 4.01 Transitional", false, false},
    {"-//W3C//DTD HTML 4.01 Frameset//EN", "HTML 4.01 Frameset", false, false},
    {"-//W3C//DTD XHTML 1.0 Strict//EN", "XHTML 1.0 Strict", true, false},
    {"-//W3C//DTD XHTML 1.0 Transitional//EN", "XHTML 1.0 Transitional", true, false},
    {"-//W3C//DTD XHTML 1.0 Frameset//EN", "XHTML 1.0 Frameset", true, false},
};

TEST(CheckedTypesTest, EachTypeMapsToItsDtd) {
    for (const TypeRow& row : TypeRows) {
        const CheckedType* type = FindCheckedType(row.publicId);
        ASSERT_NE(type, nullptr) << row.publicId;
        EXPECT_STREQ(type->dtdName, row.dtdName) << row.publicId;
        EXPECT_EQ(type->xml, row.xml) << row.publicId;
        EXPECT_EQ(type->nearest, row.nearest) << row.publicId;
    }
    // Public identifiers are compared as written, as the catalogs compare them.
    EXPECT_EQ(FindCheckedType("-//w3c//dtd html 4.01//en"), nullptr);
}

TEST(CheckedTypesTest, EveryDtdIsInstalled) {
    for (const CheckedType& type : CheckedTypes())
        EXPECT_TRUE(std::filesystem::is_regular_file(std::string(W3cDtdFolder) + "/" + type.dtdFile))
            << type.dtdFile;
}

} // namespace
} // namespace razo
