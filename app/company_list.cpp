#include "app/company_list.hpp"

#include <algorithm>

#include "app/text.hpp"
#include "archive/descriptors.hpp"
#include "archive/file_table.hpp"
#include "archive/records.hpp"
#include "archive/repository.hpp"

namespace kv::app {

namespace {

std::string FitTo(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

char FoldCase(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// The list's sort order: letters compare without regard to case, as a sorted list box does.
bool ListOrder(const CompanyEntry& a, const CompanyEntry& b) {
    auto lessFolded = [](char x, char y) {
        return static_cast<unsigned char>(FoldCase(x)) < static_cast<unsigned char>(FoldCase(y));
    };
    if (std::lexicographical_compare(a.text.begin(), a.text.end(), b.text.begin(), b.text.end(),
                                     lessFolded)) {
        return true;
    }
    if (std::lexicographical_compare(b.text.begin(), b.text.end(), a.text.begin(), a.text.end(),
                                     lessFolded)) {
        return false;
    }
    return a.text < b.text;
}

// Number of whole records in logical file 1.
long CompanyRecordCount(archive::ArchiveState& archive) {
    archive::FileEntry& entry = archive::Entry(archive, kCompanyFile);
    if (!entry.file || entry.recordLength <= 0) return 0;
    return static_cast<long>(entry.file->Length() / static_cast<uint64_t>(entry.recordLength));
}

}  // namespace

CompanyEntry CompanyListEntry(archive::ArchiveState& archive, const std::string& record,
                              bool orderByName) {
    using namespace kv::archive;
    std::string name50 = FitTo(Trim(RepoR(archive, T002, std::nullopt, record)) +
                                   Trim(RepoR(archive, T003, std::nullopt, record)),
                               50);
    std::string code = RepoR(archive, T001, std::nullopt, record);
    std::string hidden = Trim(RepoR(archive, T302, std::nullopt, record)) +
                         Trim(RepoR(archive, T491, std::nullopt, record));
    std::string visible = orderByName ? name50 + " " + Trim(code) : code + " " + name50;
    return CompanyEntry{visible + std::string(30, ' ') + code + hidden, code};
}

void Lista_Aziende(Program& program) {
    program.services.trail.TRACCIA("Lista_Aziende");
    ScreenState& screen = program.screen;
    screen.companies.clear();
    archive::ArchiveState& archive = program.archive;
    long count = CompanyRecordCount(archive);
    for (screen.companyRecord = 1; screen.companyRecord <= count; ++screen.companyRecord) {
        archive.FINE = archive::LEGGIREC(archive, kCompanyFile, screen.companyRecord);
        archive.buffers.DITX = archive::Entry(archive, kCompanyFile).buffer;
        if (archive.buffers.DITX.compare(0, 2, "00") != 0) continue;
        CompanyEntry entry = CompanyListEntry(archive, archive.buffers.DITX, screen.orderByName);
        screen.companies.insert(
            std::upper_bound(screen.companies.begin(), screen.companies.end(), entry, ListOrder),
            entry);
    }
    screen.companySelected.assign(screen.companies.size(), false);
    screen.currentCompany = -1;
}

}  // namespace kv::app
