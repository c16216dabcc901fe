#include "core/check/CheckedTypes.h"

#include <algorithm>
#include <iterator>

namespace razo {

namespace {

constexpr const char* Html2 = "IETF/html.dtd";
constexpr const char* Html32 = "REC-html32-19970114/HTML32.dtd";
constexpr const char* Html40Strict = "REC-html40-19980424/strict.dtd";
constexpr const char* Html40Loose = "REC-html40-19980424/loose.dtd";
constexpr const char* Html40Frameset = "REC-html40-19980424/frameset.dtd";
constexpr const char* Html401Strict = "REC-html401-19991224/strict.dtd";
constexpr const char* Html401Loose = "REC-html401-19991224/loose.dtd";
constexpr const char* Html401Frameset = "REC-html401-19991224/frameset.dtd";

// The three types the document type command writes without a public DTD are checked against the
// nearest W3C one: the 3.2 draft against 3.2 Final, the two browser makers' types against 4.01
// Transitional, which holds most of what they added.
constexpr CheckedType Rows[] = {
    {"-//IETF//DTD HTML 2.0//EN", "HTML 2.0", Html2, false, false},
    {"-//IETF//DTD HTML//EN", "HTML 2.0", Html2, false, false},
    {"-//W3C//DTD HTML 3.2 Final//EN", "HTML 3.2 Final", Html32, false, false},
    {"-//W3C//DTD HTML 3.2//EN", "HTML 3.2 Final", Html32, false, false},
    {"-//W3C//DTD HTML 3.2 Draft//EN", "HTML 3.2 Final", Html32, false, true},
    {"-//W3C//DTD HTML 4.0//EN", "HTML 4.0 Strict", Html40Strict, false, false},
    {"-//W3C//DTD HTML 4.0 Transitional//EN", "HTML 4.0 Transitional", Html40Loose, false, false},
    {"-//W3C//DTD HTML 4.0 Frameset//EN", "HTML 4.0 Frameset", Html40Frameset, false, false},
    {"-//W3C//DTD HTML 4.01//EN", "HTML 4.01 Strict", Html401Strict, false, false},
    {"-//W3C//DTD HTML 4.01 Transitional//EN", "HTML 4.01 Transitional", Html401Loose, false, false},
    {"-//W3C//DTD HTML 4.01 Frameset//EN", "HTML 4.01 Frameset", Html401Frameset, false, false},
    {"-//Netscape Comm. Corp.//DTD HTML//EN", "HTML 4.01 Transitional", Html401Loose, false, true},
    {"-//Microsoft Corp.//DTD HTML//EN", "HTML 4.01 Transitional", Html401Loose, false, true},
    {"-//W3C//DTD XHTML 1.0 Strict//EN", "XHTML 1.0 Strict", "REC-xhtml1-20020801/xhtml1-strict.dtd", true,
     false},
    {"-//W3C//DTD XHTML 1.0 Transitional//EN", "XHTML 1.0 Transitional",
     "REC-xhtml1-20020801/xhtml1-transitional.dtd", true, false},
    {"-//W3C//DTD XHTML 1.0 Frameset//EN", "XHTML 1.0 Frameset", "REC-xhtml1-20020801/xhtml1-frameset.dtd",
     true, false},
    {"-//W3C//DTD XHTML 1.1//EN", "XHTML 1.1", "REC-xhtml11-20101123/xhtml11.dtd", true, false},
};

} // namespace

std::span<const CheckedType> CheckedTypes() {
    return Rows;
}

const CheckedType* FindCheckedType(std::string_view publicId) {
    const auto* row = std::find_if(std::begin(Rows), std::end(Rows),
                                   [publicId](const CheckedType& type) { return publicId == type.publicId; });
    return row == std::end(Rows) ? nullptr : row;
}

} // namespace razo
