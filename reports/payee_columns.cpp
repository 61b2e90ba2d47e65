#include "reports/payee_columns.hpp"

#include "archive/descriptors.hpp"
#include "archive/repository.hpp"
#include "reports/report_text.hpp"

namespace kv::reports {

namespace {

std::string Field(ReportForm& form, std::string_view descriptor) {
    return archive::RepoR(form.archive, descriptor);
}

std::string Trimmed(ReportForm& form, std::string_view descriptor) { return Trim(Field(form, descriptor)); }

}  // namespace

std::string PayeeName(ReportForm& form) {
    return Trimmed(form, archive::M002) + " " + Trimmed(form, archive::M003);
}

std::string PayeeBirthplace(ReportForm& form) {
    return Trimmed(form, archive::M006) + " (" + Trimmed(form, archive::M007) + ")";
}

std::string PayeeBirthDate(ReportForm& form) { return DayMonthYear(Field(form, archive::M005)); }

std::string PayeeAddress(ReportForm& form) {
    return Trimmed(form, archive::M010) + Trimmed(form, archive::M027);
}

std::string PayeeTown(ReportForm& form) {
    return Trimmed(form, archive::M009) + Trimmed(form, archive::M026) + " (" + Trimmed(form, archive::M011) + ")";
}

std::string PayeeDomicile(ReportForm& form) { return PayeeAddress(form) + " " + PayeeTown(form); }

std::string DocumentNumber(ReportForm& form) {
    const std::string key = Trimmed(form, archive::N001);
    return key.size() <= 6 ? key : key.substr(key.size() - 6);
}

const PayeeRowText& PayeeRowCache::Get(ReportForm& form) {
    if (!row_) {
        row_ = PayeeRowText{Field(form, archive::M001), PayeeName(form),
                            PayeeBirthplace(form) + " IL GIORNO " + PayeeBirthDate(form), PayeeDomicile(form),
                            Field(form, archive::M004)};
    }
    return *row_;
}

}  // namespace kv::reports
