#pragma once
#include <span>
#include <string_view>

namespace razo {

// A document type the check validates against a W3C DTD of the installed catalogs.
struct CheckedType {
    const char* publicId; // as a DOCTYPE names it
    const char* dtdName;  // the DTD checked against, as the report names it
    const char* dtdFile;  // relative to the DTD folder
    bool xml;             // checked as XML, with the XML catalog and declaration
    bool nearest;         // the type has no DTD of its own: `dtdName` is the nearest W3C one
};

// Where w3c-sgml-lib puts its DTDs and catalogs.
inline constexpr const char* W3cDtdFolder = "/usr/share/xml/w3c-sgml-lib/schema/dtd";
inline constexpr const char* SgmlCatalogFile = "sgml.soc";
inline constexpr const char* XmlCatalogFile = "xml.soc";

std::span<const CheckedType> CheckedTypes();

// The row for a public identifier, compared as written (with blanks already collapsed); null
// when the check does not know it.
const CheckedType* FindCheckedType(std::string_view publicId);

} // namespace razo
