#pragma once

namespace razo {

class CRazoView;

namespace standardTags {
// The fixed head block the skeleton puts behind <HTML>.
inline constexpr const char* HeadBlock = "<HEAD>\r\n<TITLE>Put your title here</TITLE>\r\n</HEAD>\r\n";
} // namespace standardTags

// "Insert standard tags": the document type, HTML, the head block and Body in a row, each as if
// the user had chosen it from the view's route. A new document runs it once when its view is
// first shown.
void RegisterStandardTags(CRazoView& view);

} // namespace razo
