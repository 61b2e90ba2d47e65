#pragma once
// The XMP metadata packet: the document information in the PDF, XMP basic and Dublin Core
// schemas, as UTF-8 with one CR after every line.

#include <string>

#include "pdf/core/doc_info.hpp"

namespace folivo {

// `modDate` is the modification date text (the creation date for a document written in one go).
std::string BuildXmpPacket(const DocInfo& info, const std::string& modDate);

// Windows-1252 text as UTF-8 with the XML special characters escaped.
std::string XmlText(const std::string& cp1252);

}  // namespace folivo
