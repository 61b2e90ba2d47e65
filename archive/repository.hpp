#pragma once
// The field reader: RepoR cuts one field out of a record through its descriptor and
// normalises numbers (sign, implied decimals); RepoN gives the field's numeric value. Errors in
// a read (a malformed descriptor) go to the error reporter after "RepoR" joins the call trail.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "archive/named_buffers.hpp"

namespace kv::archive {

struct ArchiveState;

// One field read through its descriptor. With a non-empty record text the field is cut from
// it; otherwise from the named buffer of the descriptor's layout. A layout outside the
// repository shows "ERRORE REPOSITORY - STRCOSTANTE" and ends the program.
std::string RepoR(ArchiveState& state, std::string_view descriptor,
                  std::optional<int16_t> occurrence = std::nullopt, std::string_view record = {});

// The numeric value of RepoR's text.
double RepoN(ArchiveState& state, std::string_view descriptor,
             std::optional<int16_t> occurrence = std::nullopt, std::string_view record = {});

// The repeat offset added to a field's position for an occurrence of a repeated group (DICX$
// and CONX$; 0 for the others). A DI2X$ descriptor without its repeat letter shows
// "ERRORE REPOSITORY - LETTERA SCONOSCIUTA" and gives 0.
int16_t RepoSpostamento(ArchiveState& state, std::string_view descriptor,
                        std::optional<int16_t> occurrence);

}  // namespace kv::archive
