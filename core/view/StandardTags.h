#pragma once

namespace razo {

class CRazoView;
struct ElementServices;

namespace standardTags {
// The fixed head block the skeleton puts behind <HTML>.
inline constexpr const char* HeadBlock = "<HEAD>\r\n<TITLE>Put your title here</TITLE>\r\n</HEAD>\r\n";
} // namespace standardTags

// "Insert standard tags": the document type, HTML, the head block and Body in a row, each as if
// the user had chosen it from the view's route. With HTML5 chosen, the HTML5 Page dialog asks for
// the language and the title of a modern head instead. A new document runs it once when its view
// is first shown.
void RegisterStandardTags(CRazoView& view, ElementServices& services);

} // namespace razo
