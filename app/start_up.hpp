#pragma once
// Start-up: from launch to a ready selection screen, in the order the suite's programs follow.

#include "app/program.hpp"

namespace kv::app {

// Screen size in twips, width by height.
inline constexpr int kScreenWidth = 11820;
inline constexpr int kScreenHeight = 8445;

// Runs the whole start-up. Ends (throws ProgramEnd) on a configuration error, through the error
// reporter, on a fatal archive message, or silently when another instance runs.
void StartUp(Program& program);

// The screen's initial state: "Precedente", "Tutti i Mesi" with every month selected, no report,
// "Stampa Laser", no company selected or current, wait panel hidden.
void Form_Impostazioni_Iniziali(Program& program);

}  // namespace kv::app
