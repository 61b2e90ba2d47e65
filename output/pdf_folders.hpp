#pragma once
// The folder tree of the PDF documents beside the suite's archives:
// <base>\FILE-PDF\<company>\<year>\<month>\PARC, or <base>\FILE-PDF\PERCIPIENTI for the list of payees.
// Paths keep the style of the archives folder (Windows form with "\" or POSIX).

#include <string>

#include "output/output_state.hpp"

namespace kv::output {

inline constexpr const char* kPdfRootFolder = "FILE-PDF";
inline constexpr const char* kKindPayees = "PERCIPIENTI";
inline constexpr const char* kKindFeeNotes = "PARC";

// The archives folder without its last component ("D:\DATI\ARCHIVI" -> "D:\DATI"). A Windows-form
// folder of three characters or fewer gives its first two ("C:\" -> "C:"); a POSIX folder gives its
// parent ("/srv/dati" -> "/srv", "dati" -> ".").
std::string BaseFolderOf(const std::string& archivesFolder);

// The base folder followed by a tail written with "\" ("\FILE-PDF\DITTA\ANNO\MESE\PARC"), in the
// base folder's style: what the reports' closing messages show.
std::string PdfFolderText(const std::string& baseFolder, const std::string& tail);

// Makes sure the folder of a report's documents exists, creating each missing level in order, and
// sets BASEPDF and CARTELLAPDF. Company: three digits; Kind: "PARC" or "PERCIPIENTI"; Period: YYYYMM.
// A folder that cannot be created is a RuntimeError naming it.
void CREACARTELLEPDF(OutputState& state, const std::string& Company, const std::string& Kind,
                     const std::string& Period);

}  // namespace kv::output
