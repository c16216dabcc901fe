#pragma once
// Large pages for the check's benchmarks: clean pages that the SGML parser (against HTML 4.01
// Transitional) or HTML Tidy (<!DOCTYPE html>) read to their end.
#include <cstddef>
#include <string>

namespace razo::bench {

enum Checker { Dtd, Tidy };

inline std::string LargeCheckedPage(Checker checker, std::size_t bytes) {
    std::string page = checker == Dtd
                           ? "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n"
                           : "<!DOCTYPE html>\r\n";
    page += "<HTML><HEAD><TITLE>A large page</TITLE></HEAD>\r\n<BODY>\r\n";
    page.reserve(bytes + 256);
    while (page.size() < bytes)
        page += "<H2>Coffee</H2>\r\n<P>A line with <B>bold</B> text, a <A HREF=\"x.html\">link</A> and "
                "&amp;.</P>\r\n<TABLE BORDER=\"1\"><TR><TD>one</TD><TD>two</TD></TR></TABLE>\r\n";
    page += "</BODY></HTML>\r\n";
    return page;
}

} // namespace razo::bench
