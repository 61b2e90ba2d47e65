#pragma once
// Lista_Aziende: the company list, one entry per live record of the company archive (logical
// file 1), in the order chosen on the screen.

#include <string>

#include "app/program.hpp"

namespace kv::app {

inline constexpr int kCompanyFile = 1;

// The list entry of a company record (layout DITX$) for the chosen order.
CompanyEntry CompanyListEntry(archive::ArchiveState& archive, const std::string& record,
                              bool orderByName);

// Rebuilds the list: clears it and the selection, walks every record of logical file 1 and adds
// the live ones, kept in the list's sort order. No entry is current afterwards.
void Lista_Aziende(Program& program);

}  // namespace kv::app
