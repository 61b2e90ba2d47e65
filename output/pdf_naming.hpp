#pragma once
// PDF file names: report prefix, company code and name, cleaned of the characters a file name may not
// hold; and the optional numbering that keeps an existing file instead of replacing it.

#include <string>

#include "output/output_state.hpp"

namespace kv::output {

// Removes one final "." and turns each of * | \ : < > ? / and the double quote into "_".
void PULISCINOMEFILE(std::string& Name);

// The file name of a document. nameOnly: Prefix & ".pdf". Otherwise Prefix & the three-digit company
// code & "_" & the company name (trimmed, cut to 30 characters, trimmed again) & ".pdf", without the
// "_" when the name is blank. Always cleaned with PULISCINOMEFILE.
std::string PdfFileName(const std::string& prefix, bool nameOnly, const std::string& companyCode,
                        const std::string& companyName);

// The first free "<path without .pdf>_nnn.pdf" for n = 1 to 9999 (nnn the last three digits of n).
// When n reaches 9999 or nothing is free, shows "Numerazione file PDF massima raggiunta"; with
// nothing free the path itself is returned.
std::string NumberedPdfPath(OutputState& state, const std::string& path);

// The naming step of CREAPDF: the full path of the current company's document (company code T001
// and name T002 from the DITX buffer) in CARTELLAPDF.
std::string DocumentPath(OutputState& state, const std::string& prefix, bool nameOnly, bool numbered);

}  // namespace kv::output
