#pragma once
#include <string>
#include <string_view>

namespace razo {

// A later start hands its document to the run already open on the same display through a local
// socket; these are the bytes on it.

// The socket's file name in the user's runtime folder, one per display: `platform` is the
// window system's name, `display` the display it names (empty when none).
std::string InstanceSocketName(std::string_view platform, std::string_view display);

// "open <length>\n<path bytes>": the path stays the bytes the system gave, so a name that is not
// UTF-8, or that holds a line break, arrives as it left. An empty path only raises the window.
std::string EncodeOpenRequest(std::string_view path);

struct OpenRequest {
    enum class State { Incomplete, Complete, Malformed };
    State state = State::Incomplete;
    std::string path;
};
// What the bytes received so far say. A request longer than any path the system allows is
// malformed, so a stray writer cannot make the running window hold an unbounded buffer.
OpenRequest DecodeOpenRequest(std::string_view received);

// The running window's answer once the request is handled.
inline constexpr std::string_view OpenRequestDone = "done\n";

} // namespace razo
