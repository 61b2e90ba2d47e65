#include "pdf/core/xmp.hpp"

#include "pdf/text/windows1252.hpp"

namespace folivo {

namespace {

constexpr const char* kRdf = "http://www.w3.org/1999/02/22-rdf-syntax-ns#";
constexpr const char* kIx = "http://ns.adobe.com/iX/1.0/";
constexpr const char* kPdf = "http://ns.adobe.com/pdf/1.3/";
constexpr const char* kXap = "http://ns.adobe.com/xap/1.0/";
constexpr const char* kDc = "http://purl.org/dc/elements/1.1/";

std::string DescriptionStart(const char* ns, const char* prefix) {
    return std::string("<rdf:Description about='' xmlns='") + ns + "' xmlns:" + prefix + "='" + ns + "'>";
}

std::string Element(const std::string& name, const std::string& value) {
    return "  <" + name + ">" + XmlText(value) + "</" + name + ">";
}

// An element holding its value as the default entry of a language alternative.
void AppendAlt(std::string& body, const std::string& name, const std::string& value) {
    body += "  <" + name + ">\r";
    body += "   <rdf:Alt>\r";
    body += "  <rdf:li xml:lang='x-default'>" + XmlText(value) + "</rdf:li>\r";
    body += "   </rdf:Alt>\r";
    body += "  </" + name + ">\r";
}

std::string PacketBody(const DocInfo& info, const std::string& modDate) {
    std::string b;
    b += std::string("<rdf:RDF xmlns:rdf='") + kRdf + "' xmlns:iX='" + kIx + "'>\r";
    b += DescriptionStart(kPdf, "pdf") + "\r";
    b += Element("pdf:Producer", info.producer) + "\r";
    b += Element("pdf:Author", info.author) + "\r";
    b += Element("pdf:Creator", info.creator) + "\r";
    b += Element("pdf:ModDate", modDate) + "\r";
    b += Element("pdf:Title", info.title) + "\r";
    b += Element("pdf:CreationDate", info.xmpCreationDate) + "\r";
    b += Element("pdf:Subject", info.subject) + "\r";
    b += Element("pdf:Keywords", info.keywords) + "\r";
    b += " </rdf:Description>\r";
    b += DescriptionStart(kXap, "xap") + "\r";
    b += Element("xap:Author", info.author) + "\r";
    b += Element("xap:ModifyDate", modDate) + "\r";
    AppendAlt(b, "xap:Title", info.title);
    b += Element("xap:CreateDate", info.xmpCreationDate) + "\r";
    AppendAlt(b, "xap:Description", info.subject);
    b += Element("xap:MetadataDate", modDate) + "\r";
    b += " </rdf:Description>\r";
    b += DescriptionStart(kDc, "dc") + "\r";
    b += Element("dc:creator", info.author) + "\r";
    b += Element("dc:title", info.title) + "\r";
    b += Element("dc:description", info.subject) + "\r";
    b += " </rdf:Description>\r";
    b += "</rdf:RDF>\r";
    b += "<?xpacket end='r'?>\r";
    return b;
}

}  // namespace

std::string XmlText(const std::string& cp1252) {
    std::string out;
    out.reserve(cp1252.size());
    for (unsigned char c : cp1252) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            default: text::AppendUtf8(out, text::Windows1252Char(c));
        }
    }
    return out;
}

std::string BuildXmpPacket(const DocInfo& info, const std::string& modDate) {
    const std::string head = "<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d' bytes='";
    const std::string tail = "'?>\r" + PacketBody(info, modDate);
    // The count includes its own digits: grow the digit count until it is stable.
    size_t total = head.size() + tail.size();
    size_t digits = 1;
    while (std::to_string(total + digits).size() != digits) ++digits;
    total += digits;
    return head + std::to_string(total) + tail;
}

}  // namespace folivo
