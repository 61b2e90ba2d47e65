#pragma once
// The XMP packet of an archival document: the document information in the Dublin Core, XMP basic
// and Adobe PDF schemas, each value the same as its /Info entry, and the PDF/A identification.

#include <cstdint>
#include <string>

#include "pdf/core/doc_info.hpp"

namespace folivo::archival {

// UTF-8, without the header's bytes attribute (which PDF/A forbids).
std::string BuildArchivalXmp(const DocInfo& info, int32_t part);

}  // namespace folivo::archival
