#pragma once
// Path texts in either style: Windows ("C:\DATI\QTBASE.DAT") or POSIX ("/srv/dati/QTBASE.DAT").
// Every parser accepts both separators; a join keeps the style of the path it extends.

#include <string>
#include <string_view>
#include <vector>

namespace kv::platform {

bool IsSeparator(char c);

// "C:..." with a letter before the colon.
bool HasDriveLetter(std::string_view path);

// A path with a drive letter or a backslash is written in the Windows style.
bool IsWindowsStyle(std::string_view path);

// "\" for a Windows-style path, "/" otherwise.
char SeparatorOf(std::string_view path);

// base + separator + name, with the separator of base's style; separators doubled at the seam are
// dropped. An empty base gives name.
std::string JoinPath(std::string_view base, std::string_view name);

// The non-empty parts between separators ("C:" stays a part of its own).
std::vector<std::string> PathParts(std::string_view path);

// Everything before the last separator ("C:\DATI\X" -> "C:\DATI", "/srv/x" -> "/srv", "/x" -> "/").
std::string ParentPath(std::string_view path);

// The part after the last separator.
std::string FileNamePart(std::string_view path);

// Trailing separators removed, except the one of a root ("/" or "C:\").
std::string TrimTrailingSeparators(std::string_view path);

}  // namespace kv::platform
