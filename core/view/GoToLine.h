#pragma once
#include <functional>
#include <optional>
#include <string>

#include "core/dialogs/DialogBase.h"

namespace razo {

class DialogRunner;

// What Go to Line knows of the page.
struct PageLines {
    long count = 1;                        // an empty page has one line
    std::function<long(long line)> length; // characters on a line (1-based), without its line break
};

// A place on the page, both 1-based; the column counts characters, a tab counting as one, as the
// status bar shows it.
struct LinePlace {
    long line = 1;
    long column = 1;

    bool operator==(const LinePlace&) const = default;
};

// Why a line or a column is not on the page, for the user; empty when it is. A line has a column
// for each of its characters and one after the last.
std::string LineRefusal(long line, long lineCount);
std::string ColumnRefusal(long column, long line, long lineLength);

// The Go to Line dialog: a line and an optional column.
class CGoToLineDialog : public DialogBase<CGoToLineDialog> {
public:
    static constexpr int IDD = 239;
    static constexpr int IdLine = 1230;
    static constexpr int IdColumn = 1231;
    static DialogTemplate MakeTemplate();

    explicit CGoToLineDialog(const PageLines& page) : m_page(page) {}
    void DoDataExchange(CDataExchange& dx) override;

    int m_nLine = 1;
    std::string m_strColumn; // empty: the start of the line
    long m_nColumn = 1;      // read from m_strColumn when OK is pressed

private:
    const PageLines& m_page;
};

// "Go to Line...": the dialog opens on `caretLine`; the place asked for on OK, nullopt on Cancel.
std::optional<LinePlace> OnGoToLine(const PageLines& page, long caretLine, DialogRunner& runner);

} // namespace razo
