#pragma once
#include <cassert>
#include <functional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "core/dialogs/Colours.h"
#include "core/dialogs/DialogTemplate.h"
#include "core/elements/ElementCommand.h"
#include "core/elements/Markup.h"
#include "core/elements/TagReading.h"
#include "core/markup/TagSyntax.h"

namespace razo {

// A dialog's start tag as data: which attribute each field writes, in the order the element
// requires, and how. The same rows write the tag when the dialog is confirmed and read a tag from
// the page back into the fields (Edit Tag), so the two cannot disagree.
//
//     const TagRows<CTableRowDialog>& CTableRowDialog::Rows() {
//         static const TagRows<CTableRowDialog> rows{"TR", {
//             Bare("ALIGN", &CTableRowDialog::m_strAlign, IdAlign),
//             Bare("VALIGN", &CTableRowDialog::m_strVAlign, IdVAlign)}};
//         return rows;
//     }
//
// A row whose control sits in the expanded part of an expandable dialog is written only in the
// expanded layout, and reading its attribute opens the dialog expanded.
template <class D> struct AttributeRow {
    std::string name; // upper case, as written
    int control = 0;  // the field, when one control holds the value
    // Written and read only while this holds (an input type that has the field, say).
    std::function<bool(const D&)> applies;
    // `context` is null for a builder that needs none (no URLs); see WriteStartTag.
    std::function<void(const D&, const BuildContext*, Tag&)> write;
    // Puts a value from the page into the fields; false when the fields cannot hold it, so the
    // attribute is kept as written instead.
    std::function<bool(D&, const markup::WrittenAttribute&)> read;
    // A row that takes, instead of one attribute, every attribute no other row took, as written
    // and blank-separated (see rows::Rest). Such a row has no name.
    std::function<void(D&, const std::string&)> readRest;
    // The dialog refuses OK without this field (a link's URL), so a tag without the attribute is
    // better opened in a dialog that does not need it (the anchor's).
    bool required = false;

    AttributeRow When(std::function<bool(const D&)> condition) const {
        AttributeRow row = *this;
        row.applies = std::move(condition);
        return row;
    }
    AttributeRow Required() const {
        AttributeRow row = *this;
        row.required = true;
        return row;
    }
    bool Applies(const D& dialog) const { return !applies || applies(dialog); }
};

template <class D> struct TagRows {
    // The element name, or how the dialog's arguments choose it (TH or TD, H1 to H6).
    std::function<std::string(const D&)> element;
    std::vector<AttributeRow<D>> rows;

    TagRows(std::string fixed, std::vector<AttributeRow<D>> list)
        : element([fixed](const D&) { return fixed; }), rows(std::move(list)) {}
    TagRows(std::function<std::string(const D&)> chosen, std::vector<AttributeRow<D>> list)
        : element(std::move(chosen)), rows(std::move(list)) {}
};

namespace rows {

// Whether the row's control is in the expanded part of its dialog's template.
bool InExpandedPart(const DialogTemplate& dialogTemplate, int control);
// A value read into a drop-down list (pick only) must be one of its entries; it takes the
// entry's own spelling. Other fields take any value.
bool FitsControl(const DialogTemplate& dialogTemplate, int control, std::string_view value, std::string& out);
// Decimal digits only, at least one.
bool IsNumber(std::string_view text);
// A colour from the page: a number ("#RRGGBB" or "RRGGBB") into the number field, a name of the
// field's list into the list; false for anything else.
bool ReadColour(const DialogTemplate& dialogTemplate, int nameList, std::string_view value, std::string& name,
                std::string& number);

template <class D> using Text = std::string D::*;
template <class D> using Check = int D::*;

template <class D> AttributeRow<D> MakeRow(std::string name, int control) {
    AttributeRow<D> row;
    row.name = std::move(name);
    row.control = control;
    return row;
}

// A value written without quotes while that is safe (numbers, keywords, REL...).
template <class D> AttributeRow<D> Bare(std::string name, Text<D> member, int control = 0) {
    AttributeRow<D> row = MakeRow<D>(name, control);
    row.write = [name, member](const D& d, const BuildContext*, Tag& tag) { tag.Attr(name, d.*member); };
    row.read = [member, control](D& d, const markup::WrittenAttribute& a) {
        return a.hasValue && FitsControl(D::TemplateData(), control, a.value, d.*member);
    };
    return row;
}

// A value in double quotes: names, free texts, targets. `always` writes it even when empty.
template <class D>
AttributeRow<D> Quoted(std::string name, Text<D> member, int control = 0, bool always = false) {
    AttributeRow<D> row = MakeRow<D>(name, control);
    row.write = [name, member, always](const D& d, const BuildContext*, Tag& tag) {
        always ? tag.AlwaysQuoted(name, d.*member) : tag.Quoted(name, d.*member);
    };
    row.read = [member, control](D& d, const markup::WrittenAttribute& a) {
        return FitsControl(D::TemplateData(), control, a.value, d.*member);
    };
    return row;
}
template <class D> AttributeRow<D> AlwaysQuoted(std::string name, Text<D> member, int control = 0) {
    return Quoted(std::move(name), member, control, true);
}

// A bare keyword while the box is ticked.
template <class D> AttributeRow<D> Flag(std::string name, Check<D> member, int control = 0) {
    AttributeRow<D> row = MakeRow<D>(name, control);
    row.write = [name, member](const D& d, const BuildContext*, Tag& tag) { tag.Flag(name, d.*member != 0); };
    row.read = [name, member](D& d, const markup::WrittenAttribute& a) {
        if (a.hasValue && !markup::SameName(a.value, name)) // NOWRAP=nowrap, as XHTML writes it
            return false;
        d.*member = 1;
        return true;
    };
    return row;
}

// NAME=keyword while the box is ticked (BGPROPERTIES=FIXED).
template <class D>
AttributeRow<D> Keyword(std::string name, std::string keyword, Check<D> member, int control = 0) {
    AttributeRow<D> row = MakeRow<D>(name, control);
    row.write = [name, keyword, member](const D& d, const BuildContext*, Tag& tag) {
        tag.Attr(name, d.*member ? keyword : std::string());
    };
    row.read = [keyword, member](D& d, const markup::WrittenAttribute& a) {
        if (!markup::SameName(a.value, keyword))
            return false;
        d.*member = 1;
        return true;
    };
    return row;
}

// How a URL row writes its value.
struct UrlWriting {
    bool always = false;  // NAME="" even when empty
    bool relative = true; // made relative to the document; else written as entered
    std::string history;  // the remembered list it goes into; "" for the URLs
};

// A URL in double quotes, made relative to the document and remembered. A URL read from the page
// and left as it was is written back as it was.
template <class D>
AttributeRow<D> Url(std::string name, Text<D> member, int control = 0, UrlWriting how = {}) {
    AttributeRow<D> row = MakeRow<D>(name, control);
    row.write = [name, member, how](const D& d, const BuildContext* context, Tag& tag) {
        const std::string& value = d.*member;
        // Only builders without URL rows write without a context.
        assert(context);
        const std::string written =
            value.empty() || !context ? value : context->UrlAsWritten(name, value, how.relative, how.history);
        how.always ? tag.AlwaysQuoted(name, written) : tag.Quoted(name, written);
    };
    row.read = [member](D& d, const markup::WrittenAttribute& a) {
        d.*member = a.value;
        return true;
    };
    return row;
}

// A number and an "in percentage" box: WIDTH=80%.
template <class D>
AttributeRow<D> WithPercent(std::string name, Text<D> number, Check<D> percent, int control = 0) {
    AttributeRow<D> row = MakeRow<D>(name, control);
    row.write = [name, number, percent](const D& d, const BuildContext*, Tag& tag) {
        if (!(d.*number).empty())
            tag.Raw(Attribute(name, d.*number) + (d.*percent ? "%" : ""));
    };
    row.read = [number, percent](D& d, const markup::WrittenAttribute& a) {
        std::string_view value = a.value;
        const bool inPercent = !value.empty() && value.back() == '%';
        if (inPercent)
            value.remove_suffix(1);
        if (value.empty() || value.find_first_not_of("0123456789") != std::string_view::npos)
            return false;
        d.*number = std::string(value);
        d.*percent = inPercent ? 1 : 0;
        return true;
    };
    return row;
}

// A colour by name (bare) or by number (quoted, with '#').
template <class D, class Name, class Number>
AttributeRow<D> Colour(std::string name, Name colourName, Number colourNumber, int control = 0) {
    AttributeRow<D> row = MakeRow<D>(name, control);
    row.write = [name, colourName, colourNumber](const D& d, const BuildContext*, Tag& tag) {
        tag.Raw(FormatColourAttribute(name, colourName(d), colourNumber(d)));
    };
    row.read = [colourName, colourNumber, control](D& d, const markup::WrittenAttribute& a) {
        return ReadColour(D::TemplateData(), control, a.value, colourName(d), colourNumber(d));
    };
    return row;
}

// Anything else: the row writes and reads through functions of its own.
template <class D>
AttributeRow<D> Custom(std::string name, std::function<void(const D&, const BuildContext*, Tag&)> write,
                       std::function<bool(D&, const markup::WrittenAttribute&)> read, int control = 0) {
    AttributeRow<D> row = MakeRow<D>(std::move(name), control);
    row.write = std::move(write);
    row.read = std::move(read);
    return row;
}

// A number field's value (pixels, a count), written bare. Only digits are read into it: the field
// refuses anything else, so such a value is kept as written, or taken by a dialog whose field
// holds any text.
template <class D> AttributeRow<D> Number(std::string name, Text<D> member, int control = 0) {
    AttributeRow<D> row = Bare(std::move(name), member, control);
    row.read = [member](D& d, const markup::WrittenAttribute& a) {
        if (!IsNumber(a.value))
            return false;
        d.*member = a.value;
        return true;
    };
    return row;
}

// The attributes no other row takes, in one free field: written after the others exactly as
// typed (without blanks around it), and on reading a tag it takes every attribute the other rows
// left, as the page has them. `field` is a member pointer or a function giving the field.
template <class D, class Field> AttributeRow<D> Rest(Field field, int control = 0) {
    AttributeRow<D> row = MakeRow<D>("", control);
    row.write = [field](const D& d, const BuildContext*, Tag& tag) {
        const std::string& typed = std::invoke(field, d);
        const auto first = typed.find_first_not_of(" \t");
        if (first != std::string::npos)
            tag.Raw(" " + typed.substr(first, typed.find_last_not_of(" \t") - first + 1));
    };
    row.read = [](D&, const markup::WrittenAttribute&) { return false; };
    row.readRest = [field](D& d, const std::string& rest) { std::invoke(field, d) = rest; };
    return row;
}

} // namespace rows

// The rows' attributes for `dialog`, added to `tag`. Rows of the expanded part are written only
// when `expanded`.
template <class D> Tag& WriteRows(const D& dialog, const BuildContext* context, bool expanded, Tag& tag) {
    for (const AttributeRow<D>& row : D::Rows().rows) {
        if (!row.Applies(dialog))
            continue;
        if (!expanded && rows::InExpandedPart(D::TemplateData(), row.control))
            continue;
        row.write(dialog, context, tag);
    }
    return tag;
}

// The start tag the rows write for `dialog`, without its closing '>'.
template <class D> Tag WriteStartTag(const D& dialog, const BuildContext* context, bool expanded) {
    Tag tag(D::Rows().element(dialog));
    WriteRows(dialog, context, expanded, tag);
    return tag;
}
template <class D> Tag WriteStartTag(const D& dialog, const BuildContext& context) {
    return WriteStartTag(dialog, &context, context.expanded);
}
// For dialogs without URLs, whose builders have no context.
template <class D> Tag WriteStartTag(const D& dialog, bool expanded = false) {
    return WriteStartTag(dialog, nullptr, expanded);
}

// Fills the dialog's fields from a tag read from the page. Attributes no row takes stay in
// `reading` to be written back after the known ones.
template <class D> void ReadStartTag(D& dialog, TagReading& reading) {
    for (const AttributeRow<D>& row : D::Rows().rows) {
        if (!row.Applies(dialog) || row.readRest)
            continue;
        const markup::WrittenAttribute* found = reading.Find(row.name);
        if (!found || !row.read(dialog, *found))
            continue;
        reading.Take(*found);
        if (rows::InExpandedPart(D::TemplateData(), row.control))
            reading.expanded = true;
    }
    for (const AttributeRow<D>& row : D::Rows().rows) {
        if (!row.readRest || !row.Applies(dialog))
            continue;
        const std::string rest = reading.Rest();
        if (rest.empty())
            continue;
        row.readRest(dialog, rest.substr(1));
        reading.TakeRest();
        if (rows::InExpandedPart(D::TemplateData(), row.control))
            reading.expanded = true;
    }
}

// How well the dialog's fields take `tag`, which is read into `dialog` to find out: the more
// attributes they take, the better, and a dialog whose every required field gets its value ranks
// above any that would refuse the tag as it stands.
template <class D> int RowsCovering(D& dialog, const markup::StartTag& tag) {
    TagReading trial(tag);
    ReadStartTag(dialog, trial);
    for (const AttributeRow<D>& row : D::Rows().rows)
        if (row.required && row.Applies(dialog) && !trial.TakenValue(row.name))
            return trial.TakenCount();
    return trial.TakenCount() + static_cast<int>(tag.attributes.size()) + 1;
}

} // namespace razo
