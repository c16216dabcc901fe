#include <gtest/gtest.h>

#include <filesystem>

#include "core/dialogs/Dialog.h"
#include "core/dialogs/FileFilter.h"
#include "core/dialogs/RelativePath.h"
#include "core/dialogs/UrlHistory.h"
#include "core/settings/IniProfile.h"
#include "tests/support/FakeDocument.h"
#include "tests/support/FakeUserPrompts.h"
#include "tests/support/ScriptedDialogRunner.h"
#include "tests/support/TempDir.h"

using namespace razo;
using namespace razo::test;
namespace fs = std::filesystem;

namespace {

class UrlHistoryTest : public ::testing::Test {
protected:
    TempDir dir;
    IniProfile profile{dir.File("RAZO.INI")};
    FakeUserPrompts prompts;
    FakeDocument document;

    void Store(std::vector<std::string> entries, const char* section = "URLs") {
        for (size_t i = 0; i < entries.size(); ++i)
            profile.WriteProfileString(section, std::to_string(i), entries[i]);
    }
    std::vector<std::string> Urls() { return LoadUrlHistory(profile, "URLs"); }
    std::string Relative(const std::string& value, const std::string& section = "") {
        return MakeRelativePath(value, section, profile, document, prompts);
    }
    // The rule's arithmetic alone, as if every path named something that is there.
    std::string RelativeAnywhere(const std::string& value) {
        return RelativeToDocument(value, document.path, document.title,
                                  [](const std::string&) { return true; })
            .path;
    }
};

} // namespace

TEST_F(UrlHistoryTest, SaveKeepsOldestFirstAndDropsTheOldestWhenFull) {
    profile.WriteProfileInt("Editing", "URLNumber", 3);
    Store({"a", "b", "c"});
    SaveUrlHistory(profile, "URLs", "d");
    EXPECT_EQ(Urls(), (std::vector<std::string>{"b", "c", "d"}));
    SaveUrlHistory(profile, "URLs", "b");
    EXPECT_EQ(Urls(), (std::vector<std::string>{"b", "c", "d"}));
    SaveUrlHistory(profile, "URLs", "B");
    EXPECT_EQ(Urls(), (std::vector<std::string>{"c", "d", "B"}));
    SaveUrlHistory(profile, "URLs", "");
    EXPECT_EQ(Urls(), (std::vector<std::string>{"c", "d", "B"}));
}

TEST_F(UrlHistoryTest, CapacityOneReplacesTheOnlyEntry) {
    profile.WriteProfileInt("Editing", "URLNumber", 1);
    SaveUrlHistory(profile, "URLs", "first");
    SaveUrlHistory(profile, "URLs", "second");
    EXPECT_EQ(Urls(), std::vector<std::string>{"second"});
}

TEST_F(UrlHistoryTest, CapacityBelowOneRemembersNothing) {
    profile.WriteProfileInt("Editing", "URLNumber", 0);
    SaveUrlHistory(profile, "URLs", "x");
    EXPECT_EQ(profile.KeyNames("URLs"), std::vector<std::string>{});
}

TEST_F(UrlHistoryTest, AGapEndsTheListAndTakesTheNextValue) {
    Store({"zero"});
    profile.WriteProfileString("URLs", "2", "two");
    EXPECT_EQ(Urls(), std::vector<std::string>{"zero"});
    SaveUrlHistory(profile, "URLs", "new");
    EXPECT_EQ(profile.GetProfileString("URLs", "1", ""), "new");
    EXPECT_EQ(Urls(), (std::vector<std::string>{"zero", "new", "two"}));
}

TEST_F(UrlHistoryTest, DefaultCapacityIsTen) {
    for (int i = 0; i < 12; ++i)
        SaveUrlHistory(profile, "URLs", "u" + std::to_string(i));
    auto urls = Urls();
    ASSERT_EQ(urls.size(), 10u);
    EXPECT_EQ(urls.front(), "u2");
}

TEST_F(UrlHistoryTest, FillHistoryListsLoadsEveryUrlCombo) {
    Store({"b.html", "a.html"});
    Store({"Applet.class"}, "JavaClasses");
    DialogTemplate t;
    t.controls = {UrlCombo(10, "URL:"), UrlCombo(11, "Other:"),
                  UrlCombo(12, "Class:", HistoryList::JavaClasses), Edit(13, "Plain:")};
    ScriptedFields fields(t);
    FillHistoryLists(t, fields, profile);
    // Loaded oldest first, shown in alphabetical order.
    EXPECT_EQ(fields.Added(10), (std::vector<std::string>{"b.html", "a.html"}));
    EXPECT_EQ(fields.Entries(10), (std::vector<std::string>{"a.html", "b.html"}));
    EXPECT_EQ(fields.Entries(11), fields.Entries(10));
    EXPECT_EQ(fields.Entries(12), std::vector<std::string>{"Applet.class"});
    EXPECT_TRUE(fields.Entries(13).empty());
    EXPECT_TRUE(t.Find(10)->sorted);
}

// The runner fills URL lists itself: a dialog needs no code of its own for them.
TEST_F(UrlHistoryTest, TheRunnerFillsUrlListsOfAnyDialog) {
    Store({"b.html", "a.html"});
    static const DialogTemplate t = [] {
        DialogTemplate made;
        made.idd = 990;
        made.controls = {UrlCombo(10, "URL:")};
        return made;
    }();
    CDialog dialog(t);
    razo::test::FakeUserPrompts prompts;
    razo::test::ScriptedDialogRunner runner(prompts, &profile);
    runner.Script({razo::test::Press{}});
    ASSERT_TRUE(runner.RunModal(dialog));
    EXPECT_EQ(runner.runs.back().listEntries.at(10), (std::vector<std::string>{"b.html", "a.html"}));
}

namespace {

struct PathRow {
    const char* value;
    const char* expected;
};

} // namespace

TEST_F(UrlHistoryTest, RelativePathsOnADrive) {
    document.path = "E:\\web\\site\\index.html";
    document.title = "index.html";
    for (const PathRow& row : std::initializer_list<PathRow>{
             {"E:\\web\\img\\logo.gif", "..\\img\\logo.gif"},
             {"E:\\web\\site\\img\\a.gif", "img\\a.gif"},
             {"E:\\web\\a.gif", "..\\a.gif"},
             {"E:\\web\\site\\b.html", "b.html"},
             {"e:\\WEB\\Site\\B.html", "B.html"},
             {"e:\\WEB\\Img\\Logo.gif", "..\\Img\\Logo.gif"},
             {"F:\\pics\\x.gif", "F:\\pics\\x.gif"},
             {"E:\\web\\site\\index.html", "index.html"},
             {"E:\\WEB\\SITE\\INDEX.HTML", "index.html"},
             {"E:/web/a.gif", "E:/web/a.gif"},
             {"http://host/a\\b.gif", "http://host/a\\b.gif"},
             {"img\\a.gif", "img\\a.gif"},
             {"", ""},
         }) {
        SCOPED_TRACE(row.value);
        EXPECT_EQ(Relative(row.value), row.expected);
    }
    EXPECT_TRUE(prompts.messages.empty());
}

// On this system a value from the root is a local path only when it names a file or folder that
// is there; a site-root or protocol-relative URL stays as typed. Names compare case-sensitively.
TEST_F(UrlHistoryTest, RelativePathsOnPosixNameWhatIsThere) {
    const std::string root = dir.File("home");
    for (const char* file : {"/web/site/index.html", "/web/img/logo.gif", "/web/site/img/a.gif", "/web/a.gif",
                             "/web/site/b.html", "/web/Site/b.html", "/WEB/img/x.gif", "/web/site/INDEX.HTML",
                             "/../srv/pics/x.gif"}) {
        fs::create_directories(fs::path(root + file).parent_path());
        WriteBytes(root + file, "");
    }
    document.path = root + "/web/site/index.html";
    document.title = "index.html";
    struct Row {
        std::string value, expected;
    };
    for (const Row& row : std::vector<Row>{
             {root + "/web/img/logo.gif", "../img/logo.gif"},
             {root + "/web/site/img/a.gif", "img/a.gif"},
             {root + "/web/a.gif", "../a.gif"},
             {root + "/web/site/b.html", "b.html"},
             {root + "/web/site/index.html", "index.html"},
             {root + "/web/Site/b.html", "../Site/b.html"},
             {root + "/WEB/img/x.gif", "../../WEB/img/x.gif"},
             {root + "/web/site/INDEX.HTML", "INDEX.HTML"},
             {dir.File("srv/pics/x.gif"), "../../../srv/pics/x.gif"},
             {root + "/web/img", "../img"},
             {root + "/web/img/", "../img/"},
             {root + "/web/site/", "./"},
             {root + "/web/missing.gif", root + "/web/missing.gif"},
             {root + "/web/site/INDEX.html", root + "/web/site/INDEX.html"},
             {"/about.html", "/about.html"},
             {"/", "/"},
             {"//cdn.example.org/a.css", "//cdn.example.org/a.css"},
             {"/" + root, "/" + root},
             {"http://host/x.gif", "http://host/x.gif"},
             {"img/a.gif", "img/a.gif"},
         }) {
        SCOPED_TRACE(row.value);
        EXPECT_EQ(Relative(row.value), row.expected);
    }
}

TEST_F(UrlHistoryTest, PathsDeeperThanTheTablesStayAbsolute) {
    document.path = "/d/index.html";
    document.title = "index.html";
    std::string deep = "/d";
    for (int i = 0; i < 20; ++i)
        deep += "/f" + std::to_string(i);
    deep += "/x.gif";
    EXPECT_EQ(RelativeAnywhere(deep), deep);
    EXPECT_EQ(RelativeAnywhere("/d/f0/f1/x.gif"), "f0/f1/x.gif");
}

// The boundary of the component tables: twenty components (nineteen folders and the file) are
// still made relative, twenty-one are not; a file in the document's own folder is named alone
// however deep that folder is.
TEST_F(UrlHistoryTest, TwentyComponentsAreTheDeepestPathMadeRelative) {
    auto Folders = [](int count) {
        std::string path;
        for (int i = 0; i < count; ++i)
            path += "/f" + std::to_string(i);
        return path;
    };
    auto Up = [](int count) {
        std::string path;
        for (int i = 0; i < count; ++i)
            path += "../";
        return path;
    };
    struct Row {
        const char* name;
        std::string document, value, expected;
    };
    const std::vector<Row> rows = {
        {"file at twenty components", "/index.html", Folders(19) + "/x.gif",
         Folders(19).substr(1) + "/x.gif"},
        {"file at twenty-one", "/index.html", Folders(20) + "/x.gif", Folders(20) + "/x.gif"},
        {"document at twenty", Folders(19) + "/index.html", "/x.gif", Up(19) + "x.gif"},
        {"document at twenty-one", Folders(20) + "/index.html", "/x.gif", "/x.gif"},
        {"deep file in the document's folder", Folders(30) + "/index.html", Folders(30) + "/a.gif", "a.gif"},
        {"deep file one folder up", Folders(30) + "/index.html", Folders(29) + "/a.gif",
         Folders(29) + "/a.gif"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        document.path = row.document;
        document.title = "index.html";
        EXPECT_EQ(RelativeAnywhere(row.value), row.expected);
    }
}

TEST_F(UrlHistoryTest, UnsavedDocumentWarnsAndKeepsTheAbsolutePath) {
    document.path = "";
    profile.WriteProfileInt("Editing", "Unix Slashes", 1);
    EXPECT_EQ(Relative("E:\\web\\a.gif"), "E:/web/a.gif");
    EXPECT_EQ(Relative(""), "");
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[0].text, messages::UnsavedRelativePath);
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(Urls(), std::vector<std::string>{"E:\\web\\a.gif"});
}

TEST_F(UrlHistoryTest, SettingsRelativePathOffAndUnixSlashes) {
    document.path = "E:\\web\\site\\index.html";
    document.title = "index.html";
    profile.WriteProfileInt("Editing", "RelativePath", 0);
    EXPECT_EQ(Relative("E:\\web\\site\\a.gif"), "E:\\web\\site\\a.gif");
    profile.WriteProfileInt("Editing", "Unix Slashes", 1);
    EXPECT_EQ(Relative("E:\\web\\site\\a.gif"), "E:/web/site/a.gif");
    profile.WriteProfileInt("Editing", "RelativePath", 1);
    EXPECT_EQ(Relative("E:\\web\\img\\logo.gif"), "../img/logo.gif");
    document.path = dir.File("site/index.html");
    fs::create_directories(dir.File("site"));
    WriteBytes(dir.File("site/dir\\typed.gif"), "");
    EXPECT_EQ(Relative(dir.File("site/dir\\typed.gif")), "dir/typed.gif");
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(UrlHistoryTest, ValuesAreRecordedAsEnteredInTheirList) {
    document.path = "/home/ann/site/index.html";
    document.title = "index.html";
    Relative("/home/ann/site/a.gif");
    Relative("/home/ann/site/Applet.class", "JavaClasses");
    EXPECT_EQ(Urls(), std::vector<std::string>{"/home/ann/site/a.gif"});
    EXPECT_EQ(LoadUrlHistory(profile, "JavaClasses"),
              std::vector<std::string>{"/home/ann/site/Applet.class"});
}

TEST_F(UrlHistoryTest, BrowseStartsInTheWorkingFolder) {
    profile.WriteProfileString("Misc", "Working Dir", "/home/ann/site");
    DialogTemplate t;
    t.controls = {UrlCombo(1002, "Image src:"),
                  BrowseButton(1003, 1002, browse::LinkTitle, browse::ImageFilter)};
    ScriptedFields fields(t);
    fields.SetText(1002, "typed");
    BrowseForFile(fields, *t.Find(1003)->browse, profile, prompts);
    EXPECT_EQ(fields.GetText(1002), "typed");
    prompts.fileAnswers.push_back("/home/ann/site/img/a.gif");
    BrowseForFile(fields, *t.Find(1003)->browse, profile, prompts);
    EXPECT_EQ(fields.GetText(1002), "/home/ann/site/img/a.gif");
    ASSERT_EQ(prompts.fileRequests.size(), 2u);
    EXPECT_EQ(prompts.fileRequests[0].startFolder, "/home/ann/site");
    EXPECT_EQ(prompts.fileRequests[0].title, "Please specify the file you wish to link to");
}

TEST(FileFilter, ClassicFiltersBecomeQtFilters) {
    EXPECT_EQ(
        ToQtFileFilter(browse::ImageFilter),
        "Image files (*.png *.jpg *.jpeg *.gif *.svg *.webp);;JPEG files (*.jpg);;GIF files (*.gif);;All "
        "files (*)");
    EXPECT_EQ(ToQtFileFilter(browse::HtmlFilter),
              "All HTML files (*.htm *.h3m *.html);;HTM files (*.htm);;HTML "
              "files (*.html);;All files (*)");
    EXPECT_EQ(ToQtFileFilter("Text|*.txt||"), "Text (*.txt)");
    EXPECT_EQ(ToQtFileFilter(""), "");
}
