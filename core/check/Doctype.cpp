#include "core/check/Doctype.h"

#include <cctype>

namespace razo {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsNameCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '.' || c == '-' || c == '_' || c == ':';
}

bool SameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string CollapseBlanks(std::string_view text) {
    std::string collapsed;
    bool blank = false;
    for (const char c : text) {
        if (IsBlank(c)) {
            blank = !collapsed.empty();
            continue;
        }
        if (blank)
            collapsed += ' ';
        blank = false;
        collapsed += c;
    }
    return collapsed;
}

// Reads the declaration from its start on; the forms it does not know end it as Malformed, so
// nothing the check lets through can hide declarations of its own.
class DeclarationReader {
public:
    explicit DeclarationReader(std::string_view text) : m_text(text) {}

    DoctypeDeclaration Read() {
        m_at = std::string_view("<!DOCTYPE").size();
        if (!SkipBlanks())
            return Malformed();
        const std::string_view name = Name();
        if (name.empty())
            return Malformed();
        SkipBlanks();
        if (m_at < m_text.size() && (m_text[m_at] == '>' || m_text[m_at] == '['))
            return AfterIdentifiers(SameLetters(name, "html")
                                        ? Made(DoctypeDeclaration::Html, "")
                                        : Made(DoctypeDeclaration::Other, std::string(name)));
        const std::string_view keyword = Name();
        const bool isPublic = SameLetters(keyword, "PUBLIC");
        if (!isPublic && !SameLetters(keyword, "SYSTEM"))
            return Malformed();
        SkipBlanks();
        std::string_view first;
        if (!Literal(first))
            return Malformed();
        SkipBlanks();
        std::string_view system = isPublic ? std::string_view() : first;
        if (isPublic && Literal(system))
            SkipBlanks();
        DoctypeDeclaration declaration =
            isPublic ? Made(DoctypeDeclaration::Public, CollapseBlanks(first))
            : SameLetters(name, "html") && SameLetters(system, "about:legacy-compat")
                ? Made(DoctypeDeclaration::Html, "")
                : Made(DoctypeDeclaration::Other, std::string(system));
        return AfterIdentifiers(declaration);
    }

private:
    DoctypeDeclaration AfterIdentifiers(DoctypeDeclaration declaration) {
        if (Next('[')) {
            declaration.internalSubset = true;
            return declaration;
        }
        return Next('>') ? declaration : Malformed();
    }

    bool SkipBlanks() {
        const std::size_t start = m_at;
        while (m_at < m_text.size() && IsBlank(m_text[m_at]))
            ++m_at;
        return m_at > start;
    }

    bool Next(char c) {
        if (m_at >= m_text.size() || m_text[m_at] != c)
            return false;
        ++m_at;
        return true;
    }

    std::string_view Name() {
        const std::size_t start = m_at;
        while (m_at < m_text.size() && IsNameCharacter(m_text[m_at]))
            ++m_at;
        return m_text.substr(start, m_at - start);
    }

    bool Literal(std::string_view& value) {
        if (m_at >= m_text.size() || (m_text[m_at] != '"' && m_text[m_at] != '\''))
            return false;
        const std::size_t end = m_text.find(m_text[m_at], m_at + 1);
        if (end == std::string_view::npos)
            return false;
        value = m_text.substr(m_at + 1, end - m_at - 1);
        m_at = end + 1;
        return true;
    }

    static DoctypeDeclaration Made(DoctypeDeclaration::Kind kind, std::string identifier) {
        DoctypeDeclaration declaration;
        declaration.kind = kind;
        declaration.identifier = std::move(identifier);
        return declaration;
    }
    static DoctypeDeclaration Malformed() { return Made(DoctypeDeclaration::Malformed, ""); }

    std::string_view m_text;
    std::size_t m_at = 0;
};

// Where the first declaration after blanks, comments and processing instructions starts.
std::size_t FirstDeclaration(std::string_view text) {
    std::size_t at = 0;
    for (;;) {
        while (at < text.size() && IsBlank(text[at]))
            ++at;
        const std::string_view rest = text.substr(at);
        std::size_t end = std::string_view::npos;
        if (rest.starts_with("<!--"))
            end = text.find("-->", at + 4);
        else if (rest.starts_with("<?"))
            end = text.find('>', at + 2);
        else
            return at;
        if (end == std::string_view::npos)
            return text.size();
        at = end + (rest.starts_with("<!--") ? 3 : 1);
    }
}

} // namespace

DoctypeDeclaration ReadDoctype(std::string_view text) {
    const std::size_t at = FirstDeclaration(text);
    const std::string_view rest = text.substr(at);
    if (rest.size() < 9 || !SameLetters(rest.substr(0, 9), "<!DOCTYPE"))
        return {};
    DoctypeDeclaration declaration = DeclarationReader(rest).Read();
    declaration.offset = at;
    return declaration;
}

} // namespace razo
