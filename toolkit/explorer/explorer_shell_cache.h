// The shell's type names and icon indexes of the explorer's entries, asked once per extension.
#pragma once

#include <string>

struct ExplorerEntry;

// The shell's type name of a file or drive entry at path (SHGFI_TYPENAME); empty when the
// shell fails.
std::string ExplorerShellTypeName(const ExplorerEntry& entry, const std::string& path);
// The entry's index in the system image list (SHGFI_SYSICONINDEX for path); 0 when the shell
// fails.
int ExplorerShellIcon(const ExplorerEntry& entry, const char* path);
// Forgets the drives' answers, so that a new listing of the drives asks about each once.
void ExplorerShellDrivesForget();
