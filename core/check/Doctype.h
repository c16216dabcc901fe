#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace razo {

// The DOCTYPE declaration that opens a page, as far as the check needs it to choose its rules.
struct DoctypeDeclaration {
    enum Kind {
        Absent,    // the page does not start with one (blanks, comments and processing
                   // instructions may come first)
        Html,      // <!DOCTYPE html>, or its SYSTEM "about:legacy-compat" form
        Public,    // names a public identifier: `identifier`
        Other,     // names only a system identifier, or another type name: `identifier`
        Malformed, // starts as one but does not read as any of the above
    };
    Kind kind = Absent;
    std::string identifier;      // for Public its blanks collapsed, as catalogs compare it
    bool internalSubset = false; // declarations of its own between [ and ]
    std::size_t offset = 0;      // where "<!DOCTYPE" starts
};

DoctypeDeclaration ReadDoctype(std::string_view text);

} // namespace razo
