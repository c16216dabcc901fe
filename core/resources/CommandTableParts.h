#pragma once
#include <span>

#include "core/resources/CommandTable.h"

// The command table is written in four families; CommandTable.cpp joins them into one table.
namespace razo::detail {

std::span<const CommandInfo> ShellCommands();   // File, Edit, View, Window, Help and the toolbar toggles
std::span<const CommandInfo> ElementCommands(); // everything that puts markup into the text
std::span<const CommandInfo> EntityCommands();  // the three symbol toolbars
std::span<const CommandInfo> Html5Commands();   // the elements of the HTML5 menu

} // namespace razo::detail
