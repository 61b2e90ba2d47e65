#pragma once
// What every fuzz target shares: a scratch folder of this process and the input written into it.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace kv::fuzz {

// A folder of this process under the temporary folder, made on first use.
const std::filesystem::path& ScratchFolder();

// Writes the bytes as a file of the scratch folder and returns its path.
std::filesystem::path WriteInput(std::string_view name, const uint8_t* data, size_t size);

// Empties the scratch folder, so that no input sees what an earlier one left.
void ClearScratch();

}  // namespace kv::fuzz
