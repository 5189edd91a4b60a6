#include "core/web/ScormManifest.h"

namespace tavrin {
namespace {

// Identifiers are XML names: letters, digits, '-', '_' and '.', not starting
// with a digit.
std::string xmlIdentifier(std::string_view text) {
    std::string id = "TAVRIN-";
    for (const char c : text) {
        const bool fits = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                          (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.';
        id += fits ? c : '_';
    }
    return id;
}

// A file name inside the package as a URL reference: '%' and the characters
// that a URL gives meaning to are percent-encoded.
std::string hrefOf(std::string_view name) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string href;
    for (const char c : name) {
        const auto u = static_cast<unsigned char>(c);
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.' || c == '/' ||
                           c == '~';
        if (plain) {
            href += c;
        } else {
            href += '%';
            href += kHex[u >> 4];
            href += kHex[u & 15];
        }
    }
    return href;
}

} // namespace

std::string EscapeXml(std::string_view utf8) {
    std::string out;
    for (const char c : utf8) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        default:
            // Control characters other than tab and line ends are not XML.
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n' || c == '\r')
                out += c;
        }
    }
    return out;
}

std::string ScormManifest(std::string_view identifier, std::string_view title,
                          const std::vector<std::string>& files) {
    const std::string id = xmlIdentifier(identifier);
    const std::string name = EscapeXml(title);
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<manifest identifier=\"" +
        id +
        "\" version=\"1.0\"\n"
        "    xmlns=\"http://www.imsproject.org/xsd/imscp_rootv1p1p2\"\n"
        "    xmlns:adlcp=\"http://www.adlnet.org/xsd/adlcp_rootv1p2\"\n"
        "    xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"\n"
        "    xsi:schemaLocation=\"http://www.imsproject.org/xsd/imscp_rootv1p1p2 "
        "imscp_rootv1p1p2.xsd http://www.adlnet.org/xsd/adlcp_rootv1p2 adlcp_rootv1p2.xsd\">\n"
        "  <metadata>\n"
        "    <schema>ADL SCORM</schema>\n"
        "    <schemaversion>1.2</schemaversion>\n"
        "  </metadata>\n"
        "  <organizations default=\"ORG-1\">\n"
        "    <organization identifier=\"ORG-1\">\n"
        "      <title>" +
        name +
        "</title>\n"
        "      <item identifier=\"ITEM-1\" identifierref=\"RES-1\" isvisible=\"true\">\n"
        "        <title>" +
        name +
        "</title>\n"
        "      </item>\n"
        "    </organization>\n"
        "  </organizations>\n"
        "  <resources>\n"
        "    <resource identifier=\"RES-1\" type=\"webcontent\" adlcp:scormtype=\"sco\" "
        "href=\"index.html\">\n";
    for (const auto& file : files)
        xml += "      <file href=\"" + EscapeXml(hrefOf(file)) + "\"/>\n";
    xml += "    </resource>\n"
           "  </resources>\n"
           "</manifest>\n";
    return xml;
}

} // namespace tavrin
