#pragma once
#include <string>

class QWidget;

namespace razo {

// Asks about every save into an existing file that a run which has ended left unfinished (see
// FindUnfinishedSaves), one question each: restore the previous text (the default) or keep the
// file as it is. Nothing is decided without an answer. `page` non-empty: only the saves of that
// file (the system's bytes), just before it is opened.
void OfferUnfinishedSaves(QWidget* parent, const std::string& page = {});

} // namespace razo
