#include "output/pdf_naming.hpp"

#include <cstdio>

#include "archive/descriptors.hpp"
#include "archive/number_text.hpp"
#include "archive/repository.hpp"
#include "platform/paths.hpp"
#include "platform/text_trim.hpp"

namespace kv::output {

namespace {

constexpr size_t kCompanyNameLength = 30;
constexpr int kLastNumber = 9999;

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

std::string ThreeDigits(int n) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%03d", n % 1000);
    return digits;
}

void ShowNumberingLimit(OutputState& state) {
    platform::ShowMessage(state.services,
                          platform::OkBox("Cedolini/riepiloghi PDF",
                                          "Numerazione file PDF massima raggiunta \rContattare Orvanta Duruver",
                                          platform::Icon::Stop));
}

}  // namespace

void PULISCINOMEFILE(std::string& Name) {
    if (!Name.empty() && Name.back() == '.') Name.pop_back();
    for (char& c : Name)
        if (std::string_view("*|\\:<>?/\"").find(c) != std::string_view::npos) c = '_';
}

std::string PdfFileName(const std::string& prefix, bool nameOnly, const std::string& companyCode,
                        const std::string& companyName) {
    std::string name;
    if (nameOnly) {
        name = prefix + ".pdf";
    } else {
        const std::string cut = platform::Trim(platform::Trim(companyName, " ").substr(0, kCompanyNameLength), " ");
        name = prefix + companyCode + "_" + cut + ".pdf";
    }
    if (EndsWith(name, "_.pdf")) name = name.substr(0, name.size() - 5) + ".pdf";
    PULISCINOMEFILE(name);
    return name;
}

std::string NumberedPdfPath(OutputState& state, const std::string& path) {
    const std::string stem = path.size() >= 4 ? path.substr(0, path.size() - 4) : path;
    for (int n = 1; n <= kLastNumber; ++n) {
        const std::string candidate = stem + "_" + ThreeDigits(n) + ".pdf";
        if (state.services.files.Exists(candidate)) continue;
        if (n == kLastNumber) ShowNumberingLimit(state);
        return candidate;
    }
    ShowNumberingLimit(state);
    return path;
}

std::string DocumentPath(OutputState& state, const std::string& prefix, bool nameOnly, bool numbered) {
    const double code = archive::RepoN(state.archive, archive::T001);
    const std::string companyCode = archive::RightDigits(archive::NumberText(code), 3);
    const std::string companyName = archive::RepoR(state.archive, archive::T002);
    const std::string path =
        platform::JoinPath(state.CARTELLAPDF, PdfFileName(prefix, nameOnly, companyCode, companyName));
    return numbered ? NumberedPdfPath(state, path) : path;
}

}  // namespace kv::output
