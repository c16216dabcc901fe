#include "core/text/LineLengths.h"

namespace razo {

bool HasLineLongerThan(std::string_view text, std::size_t limit) {
    for (std::size_t line = 0; line < text.size();) {
        std::size_t lf = text.find('\n', line);
        if (lf == std::string_view::npos)
            lf = text.size();
        for (std::size_t part = line; lf - line > limit && part < lf;) {
            std::size_t cr = text.substr(0, lf).find('\r', part);
            if (cr == std::string_view::npos)
                cr = lf;
            if (cr - part > limit)
                return true;
            part = cr + 1;
        }
        line = lf + 1;
    }
    return false;
}

} // namespace razo
