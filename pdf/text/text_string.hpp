#pragma once
// Text strings outside the page (document information, bookmarks, notes, fields, page labels,
// layer names): PDF reads them as PDFDocEncoding, which differs from Windows-1252 in a few places
// ("€" is 0x80 in Windows-1252 and a bullet in PDFDocEncoding).

#include <string>
#include <string_view>

namespace folivo::text {

// The Windows-1252 text as it stands when every byte reads the same in PDFDocEncoding; otherwise
// UTF-16BE with its byte-order mark.
std::string PdfTextString(std::string_view windows1252);

}  // namespace folivo::text
