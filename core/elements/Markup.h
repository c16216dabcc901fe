#pragma once
#include <string>
#include <string_view>

namespace razo {

// How element texts are written: names in upper case, each attribute a blank, the name, "=" and
// the value. Values are copied as typed; no character is ever changed or escaped.

// True when an unquoted attribute value would end early at one of the value's characters (a
// blank, tab, line break, quote, "=", "<", ">" or backtick), so it must be quoted to stay one
// value.
bool NeedsQuotes(std::string_view value);

// A value the markup writes unquoted (numbers, list keywords, free text such as REL): as it is
// while that is safe; otherwise in double quotes, or in single quotes when it holds a double
// quote and no single one.
std::string UnquotedValue(std::string_view value);

// " NAME=value" when the value is not empty (value as UnquotedValue writes it).
std::string Attribute(std::string_view name, std::string_view value);
// " NAME=\"value\"" when the value is not empty, for URLs, names, free texts and targets. A
// double quote typed inside is kept: a hand coder may want it.
std::string QuotedAttribute(std::string_view name, std::string_view value);
// " NAME" when on.
std::string Flag(std::string_view name, bool on);

// A start tag written attribute by attribute, in the order the element requires:
//     Tag("HR").Attr("ALIGN", align).Attr("SIZE", size).Flag("NOSHADE", noShade).Close()
class Tag {
public:
    explicit Tag(std::string_view element) : m_text("<" + std::string(element)) {}

    Tag& Attr(std::string_view name, std::string_view value) { return Raw(Attribute(name, value)); }
    Tag& Quoted(std::string_view name, std::string_view value) { return Raw(QuotedAttribute(name, value)); }
    // Written even when the value is empty (NAME="").
    Tag& AlwaysQuoted(std::string_view name, std::string_view value);
    Tag& Flag(std::string_view name, bool on) { return Raw(razo::Flag(name, on)); }
    // Text that is already an attribute (a colour attribute, say), or nothing.
    Tag& Raw(std::string_view text) {
        m_text += text;
        return *this;
    }
    // The tag with ">" and what follows it ("\r\n" for a tag on a line of its own).
    std::string Close(std::string_view after = "") const { return m_text + ">" + std::string(after); }
    // The tag so far, without its '>'.
    const std::string& Open() const { return m_text; }

private:
    std::string m_text;
};

} // namespace razo
