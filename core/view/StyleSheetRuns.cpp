#include "core/view/StyleSheetRuns.h"

#include <algorithm>

#include "core/markup/TagSyntax.h"

namespace razo {

namespace {

using markup::SameName;
using markup::TagKind;

// The '<' of the first "</name" at or after `from`, or npos.
std::size_t EndTagOf(std::string_view text, std::size_t from, std::string_view name) {
    for (std::size_t at = text.find("</", from); at != std::string_view::npos; at = text.find("</", at + 2))
        if (at + 2 + name.size() <= text.size() && SameName(text.substr(at + 2, name.size()), name))
            return at;
    return std::string_view::npos;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f';
}

bool IsPunctuation(char c) {
    return c == '{' || c == '}' || c == ':' || c == ';' || c == ',';
}

// Reading a style sheet: which part of a rule the text is in, and how deep in braces.
class SheetReader {
public:
    explicit SheetReader(std::string_view css) : m_css(css) {}

    std::vector<TextRun> Read() {
        while (m_at < m_css.size()) {
            if (Starts("/*")) {
                Comment("*/");
            } else if (Starts("<!--")) {
                Run(m_at + 4, SyntaxKind::Comment);
            } else if (Starts("-->")) {
                Run(m_at + 3, SyntaxKind::Comment);
            } else if (IsBlank(m_css[m_at])) {
                ++m_at;
            } else if (IsPunctuation(m_css[m_at])) {
                Punctuation(m_css[m_at++]);
            } else {
                Word();
            }
        }
        return std::move(m_runs);
    }

private:
    enum class Part { Selector, Property, Value };

    bool Starts(std::string_view s) const { return m_css.substr(m_at, s.size()) == s; }

    void Run(std::size_t end, SyntaxKind kind) {
        end = std::min(end, m_css.size());
        if (!m_runs.empty() && m_runs.back().end == m_at && m_runs.back().kind == kind)
            m_runs.back().end = end;
        else
            m_runs.push_back({m_at, end, kind});
        m_at = end;
    }

    void Comment(std::string_view close) {
        const std::size_t end = m_css.find(close, m_at + 2);
        Run(end == std::string_view::npos ? m_css.size() : end + close.size(), SyntaxKind::Comment);
    }

    void Punctuation(char c) {
        switch (c) {
        case '{':
            // An at-rule's braces hold rules (@media), any other braces declarations.
            m_depthOfRules.push_back(m_part == Part::Selector && m_atRule && !m_atRuleOfDeclarations);
            m_part = m_depthOfRules.back() ? Part::Selector : Part::Property;
            m_atRule = m_atRuleOfDeclarations = false;
            break;
        case '}':
            if (!m_depthOfRules.empty())
                m_depthOfRules.pop_back();
            m_part = m_depthOfRules.empty() || m_depthOfRules.back() ? Part::Selector : Part::Property;
            break;
        case ':':
            if (m_part == Part::Property)
                m_part = Part::Value;
            break;
        case ';':
            if (m_part == Part::Value)
                m_part = Part::Property;
            else if (m_part == Part::Selector)
                m_atRule = false; // @import ...;
            break;
        default:
            break;
        }
    }

    // A run of non-blank text up to the next punctuation that ends it; quoted strings whole.
    void Word() {
        const bool startsAtRule = m_part == Part::Selector && m_css[m_at] == '@';
        if (startsAtRule) {
            m_atRule = true;
            const std::size_t nameEnd = std::min(m_css.find_first_of(" \t\r\n{;", m_at), m_css.size());
            const std::string_view name = m_css.substr(m_at, nameEnd - m_at);
            m_atRuleOfDeclarations = SameName(name, "@font-face") || SameName(name, "@page");
        }
        std::size_t end = m_at;
        while (end < m_css.size()) {
            const char c = m_css[end];
            if (c == '"' || c == '\'') {
                const std::size_t close = m_css.find(c, end + 1);
                end = close == std::string_view::npos ? m_css.size() : close + 1;
                continue;
            }
            // A selector's ':' (a:hover) stays inside; a property ends at ':'.
            if (IsBlank(c) || c == '{' || c == '}' || c == ';' || c == ',' ||
                (c == ':' && m_part == Part::Property) || m_css.substr(end, 2) == "/*")
                break;
            ++end;
        }
        if (end == m_at)
            end = m_at + 1;
        Run(end, m_part == Part::Selector   ? SyntaxKind::Selector
                 : m_part == Part::Property ? SyntaxKind::Property
                                            : SyntaxKind::StyleValue);
    }

    std::string_view m_css;
    std::size_t m_at = 0;
    Part m_part = Part::Selector;
    std::vector<bool> m_depthOfRules; // for each open brace: does it hold rules?
    bool m_atRule = false;
    bool m_atRuleOfDeclarations = false;
    std::vector<TextRun> m_runs;
};

} // namespace

std::vector<TextRun> StyleSheetSpans(std::string_view text, std::size_t from, std::size_t to) {
    std::vector<TextRun> spans;
    const auto keep = [&](std::size_t begin, std::size_t end) {
        if (begin < to && end > from && begin < end)
            spans.push_back({begin, end, SyntaxKind::Text});
    };
    // Past `to` only while no STYLE tag was seen: the first may end a sheet that reaches into it.
    bool sawStyleTag = false;
    for (std::size_t at = text.find('<'); at != std::string_view::npos && (at < to || !sawStyleTag);
         at = text.find('<', at)) {
        const auto tag = markup::ReadTag(text, at, text.size() - at);
        if (!tag) {
            ++at;
            continue;
        }
        at = tag->end;
        const std::string_view name = tag->Name(text);
        const bool isStyle = SameName(name, "STYLE");
        if (tag->kind == TagKind::End && isStyle && !sawStyleTag) {
            keep(0, tag->begin); // the end of a sheet that began before the text
            sawStyleTag = true;
        }
        if (tag->kind != TagKind::Start || tag->selfClosing || !(isStyle || SameName(name, "SCRIPT")))
            continue;
        sawStyleTag = sawStyleTag || isStyle;
        const std::size_t end = EndTagOf(text, tag->end, name);
        if (isStyle)
            keep(tag->end, end == std::string_view::npos ? text.size() : end);
        if (end == std::string_view::npos)
            break;
        at = end;
    }
    return spans;
}

std::vector<TextRun> StyleSheetRuns(std::string_view css) {
    return SheetReader(css).Read();
}

} // namespace razo
