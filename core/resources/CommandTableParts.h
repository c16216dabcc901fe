#pragma once
#include <span>

#include "core/resources/CommandTable.h"

// The command table is written in three families; CommandTable.cpp joins them into one table.
namespace razo::detail {

std::span<const CommandInfo> ShellCommands();   // File, Edit, View, Window, Help and the toolbar toggles
std::span<const CommandInfo> ElementCommands(); // everything that puts markup into the text
std::span<const CommandInfo> EntityCommands();  // the three symbol toolbars

} // namespace razo::detail
