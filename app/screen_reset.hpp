#pragma once
// Form_Impostazioni_Iniziali: the screen's initial choices, set at start-up and after every
// confirm.

#include "app/program.hpp"

namespace kv::app {

// Hides the wait panel and clears its caption, deselects every company with no entry current, and
// chooses "Precedente", ticks "Tutti i Mesi", chooses no report and "Stampa Laser". A setting
// that changes a control's value acts as its click: from "Corrente" the year label goes down by
// one, and ticking "Tutti i Mesi" selects every month and disables the list. The company list is
// not rebuilt, and "Seleziona tutte le ditte" and the date field are left as they are (unchoosing a
// report is not a click).
void Form_Impostazioni_Iniziali(Program& program);

}  // namespace kv::app
