#include "pdf/archival/archival_xmp.hpp"

#include "pdf/core/xmp.hpp"

namespace folivo::archival {
namespace {

std::string Description(const char* prefix, const char* ns, const std::string& properties) {
    return std::string("<rdf:Description rdf:about=\"\" xmlns:") + prefix + "=\"" + ns + "\">\n" + properties +
           "</rdf:Description>\n";
}

// A property of a Windows-1252 text; nothing for an empty text, which /Info leaves out too.
std::string Simple(const std::string& name, const std::string& value) {
    return value.empty() ? "" : " <" + name + ">" + XmlText(value) + "</" + name + ">\n";
}

// A property holding its text as the one item of an rdf:Alt (with the default language) or rdf:Seq.
std::string Single(const std::string& name, const char* container, const std::string& value) {
    if (value.empty()) return "";
    const std::string language = std::string(container) == "Alt" ? " xml:lang=\"x-default\"" : "";
    return " <" + name + "><rdf:" + container + "><rdf:li" + language + ">" + XmlText(value) + "</rdf:li></rdf:" +
           container + "></" + name + ">\n";
}

}  // namespace

std::string BuildArchivalXmp(const DocInfo& info, int32_t part) {
    std::string packet = "<?xpacket begin=\"\xEF\xBB\xBF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n";
    packet += "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n";
    packet += "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n";
    packet += Description("dc", "http://purl.org/dc/elements/1.1/",
                          Simple("dc:format", "application/pdf") +
                              Single("dc:title", "Alt", info.title) + Single("dc:creator", "Seq", info.author) +
                              Single("dc:description", "Alt", info.subject));
    packet += Description("xmp", "http://ns.adobe.com/xap/1.0/",
                          Simple("xmp:CreatorTool", info.creator) + Simple("xmp:CreateDate", info.xmpCreationDate));
    packet += Description("pdf", "http://ns.adobe.com/pdf/1.3/",
                          Simple("pdf:Producer", info.producer) + Simple("pdf:Keywords", info.keywords));
    packet += Description("pdfaid", "http://www.aiim.org/pdfa/ns/id/",
                          Simple("pdfaid:part", std::to_string(part)) + Simple("pdfaid:conformance", "B"));
    packet += "</rdf:RDF>\n</x:xmpmeta>\n";
    return packet + "<?xpacket end=\"r\"?>";
}

}  // namespace folivo::archival
