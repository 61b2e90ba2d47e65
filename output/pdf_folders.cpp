#include "output/pdf_folders.hpp"

#include "platform/errors.hpp"
#include "platform/paths.hpp"
#include "platform/text_trim.hpp"

namespace kv::output {

namespace {

void EnsureFolder(const platform::Files& files, const std::string& folder) {
    if (files.FolderExists(folder)) return;
    try {
        files.CreateFolder(folder);
    } catch (const platform::RuntimeError& error) {
        throw platform::RuntimeError(error.number(),
                                     "Impossibile creare la cartella " + folder + ": " + error.description());
    }
}

}  // namespace

std::string BaseFolderOf(const std::string& archivesFolder) {
    const std::string folder = platform::Trim(archivesFolder, " ");
    if (!platform::IsWindowsStyle(folder)) {
        const std::string parent = platform::ParentPath(folder);
        return parent.empty() ? "." : parent;
    }
    if (folder.size() <= 3) return folder.substr(0, 2);
    const size_t last = folder.find_last_of("\\/");
    if (last == std::string::npos) return folder.substr(0, 2);  // "C:DATI": the drive
    if (last == 0) return folder.substr(0, 1);                  // "\DATI": the root
    return folder.substr(0, last);
}

std::string PdfFolderText(const std::string& baseFolder, const std::string& tail) {
    std::string text = baseFolder;
    for (const std::string& part : platform::PathParts(tail)) text = platform::JoinPath(text, part);
    return text;
}

void CREACARTELLEPDF(OutputState& state, const std::string& Company, const std::string& Kind,
                     const std::string& Period) {
    const platform::Files& files = state.services.files;
    const std::string year = Period.substr(0, 4);
    const std::string month = Period.size() >= 2 ? Period.substr(Period.size() - 2) : Period;

    state.BASEPDF = BaseFolderOf(state.archive.archiveFolder);
    std::string folder = platform::JoinPath(state.BASEPDF, kPdfRootFolder);
    EnsureFolder(files, folder);
    if (Kind == kKindPayees) {
        folder = platform::JoinPath(folder, Kind);
        EnsureFolder(files, folder);
    } else {
        for (const std::string& level : {Company, year, month, Kind}) {
            folder = platform::JoinPath(folder, level);
            EnsureFolder(files, folder);
        }
    }
    state.CARTELLAPDF = folder;
}

}  // namespace kv::output
