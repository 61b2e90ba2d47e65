#include "output/run_outcome.hpp"

#include <algorithm>

namespace kv::output {

std::vector<std::string> RunOutcome::Folders() const {
    std::vector<std::string> folders;
    for (const WrittenFile& file : written) {
        if (std::find(folders.begin(), folders.end(), file.folder) == folders.end()) folders.push_back(file.folder);
    }
    return folders;
}

std::filesystem::path RunOutcome::HostFolder() const {
    if (written.empty()) return {};
    std::filesystem::path common = written.front().host.parent_path();
    for (const WrittenFile& file : written) {
        const std::filesystem::path folder = file.host.parent_path();
        std::filesystem::path shared;
        auto a = common.begin();
        for (auto b = folder.begin(); a != common.end() && b != folder.end() && *a == *b; ++a, ++b) shared /= *a;
        common = shared;
    }
    return common;
}

std::filesystem::path RunOutcome::HostFile() const {
    return written.size() == 1 ? written.front().host : std::filesystem::path();
}

int RunOutcome::ReplacedCount() const {
    return static_cast<int>(
        std::count_if(written.begin(), written.end(), [](const WrittenFile& file) { return file.replaced; }));
}

std::string LabelText(const CompanyLabel& company) {
    std::string text = company.code.empty() || company.name.empty() ? company.code + company.name
                                                                    : company.code + " " + company.name;
    if (!company.document.empty()) text += (text.empty() ? "" : " - ") + company.document;
    return text;
}

}  // namespace kv::output
