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

int RunOutcome::ReplacedCount() const {
    return static_cast<int>(
        std::count_if(written.begin(), written.end(), [](const WrittenFile& file) { return file.replaced; }));
}

std::string LabelText(const CompanyLabel& company) {
    if (company.code.empty()) return company.name;
    if (company.name.empty()) return company.code;
    return company.code + " " + company.name;
}

}  // namespace kv::output
