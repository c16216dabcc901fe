#pragma once
#include <span>

namespace razo {

// Status-bar panes in order: the stretching message pane (0), Ln/Col, CAP, NUM, SCRL.
std::span<const int> StatusBarPanes();

} // namespace razo
