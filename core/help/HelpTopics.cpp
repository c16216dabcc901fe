#include "core/help/HelpTopics.h"

namespace razo {

// Captions carry "&" before their mnemonic letter; "&&" is a literal ampersand.
std::string WithoutMnemonic(const std::string& text) {
    std::string plain;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size())
            ++i;
        plain += text[i];
    }
    return plain;
}

std::string HtmlEscape(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

namespace {

std::string Plain(const std::string& text) {
    return HtmlEscape(WithoutMnemonic(text));
}

std::string FieldItem(const ControlTemplate& control, bool expandable) {
    std::string name = control.text.empty() ? "List" : Plain(control.text);
    std::string item = "<li><b>" + name + "</b>";
    if (!control.help.empty())
        item += " &ndash; " + HtmlEscape(control.help);
    if (!control.entries.empty()) {
        item += " Choices: ";
        for (size_t i = 0; i < control.entries.size(); ++i)
            item += (i ? ", " : "") + HtmlEscape(control.entries[i]);
        item += ".";
    }
    if (expandable && control.part == LayoutPart::Expanded)
        item += " <i>(HTML 3.2 layout only)</i>";
    return item + "</li>\n";
}

bool IsField(const ControlTemplate& control) {
    return control.kind != ControlKind::Label && control.kind != ControlKind::GroupBox &&
           control.kind != ControlKind::ColourSwatch && !control.browse;
}

// A colour field is described once, by its name list; its number edit and Select button belong
// to that line.
bool IsColourFieldPart(const DialogTemplate& t, int id) {
    for (const auto& field : t.colourFields)
        if (id == field.numberId || id == field.selectId)
            return true;
    return false;
}

} // namespace

std::string HelpTopicHtml(const DialogTemplate& t) {
    std::string title = Plain(t.title);
    std::string html = "<html><head><title>" + title + "</title></head><body>\n<h1>" + title + "</h1>\n";
    if (!t.inserts.empty())
        html += "<p>" + HtmlEscape(t.inserts) + "</p>\n";
    if (t.expandable)
        html += "<p>The <b>HTML 3.2 &gt;&gt;</b> button shows the attributes HTML 3.2 adds; they are written "
                "only "
                "while they are shown.</p>\n";
    std::string fields;
    for (const auto& control : t.controls) {
        if (control.kind == ControlKind::GroupBox)
            fields += "<li><i>" + Plain(control.text) + "</i></li>\n";
        else if (IsField(control) && !IsColourFieldPart(t, control.id))
            fields += FieldItem(control, t.expandable);
    }
    if (!fields.empty())
        html += "<h2>Fields</h2>\n<ul>\n" + fields + "</ul>\n";
    if (t.confirms.empty())
        html += "<p>Empty fields leave their attribute out. <b>OK</b> inserts the markup, <b>Cancel</b> "
                "inserts nothing.</p>\n";
    else
        html += "<p>" + HtmlEscape(t.confirms) + " <b>Cancel</b> changes nothing.</p>\n";
    html += "</body></html>\n";
    return html;
}

} // namespace razo
