#pragma once
// The demo installation's companies: realistic Italian client companies, with the awkward cases
// the program must handle (a record that is not live, names with "/" and an apostrophe, a name
// longer than 30 characters, a live company with a blank name).

#include <string>
#include <vector>

namespace kv::demo {

struct DemoCompany {
    int code;            // also the record number in the company archive
    std::string status;  // "00" live
    std::string name;    // whole name: first 30 characters, then 10 of continuation
    std::string fiscalCode;
    std::string address;
    std::string postcode;
    std::string town;
    std::string province;
    std::string vatNumber;
    std::string pdfPassword;  // empty: PDF documents are not protected
};

const std::vector<DemoCompany>& DemoCompanies();

// The company's record (layout DITX$) of the given length.
std::string CompanyRecord(const DemoCompany& company, std::size_t recordLength);

}  // namespace kv::demo
