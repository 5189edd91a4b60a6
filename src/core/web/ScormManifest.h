#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

// imsmanifest.xml of a SCORM 1.2 package holding one quiz: one organisation
// with one item, played by one SCO resource (index.html) that lists every
// file of the package. Names and the title are escaped for XML.
std::string ScormManifest(std::string_view identifier, std::string_view title,
                          const std::vector<std::string>& files);

// Text made safe for XML character data and attribute values.
std::string EscapeXml(std::string_view utf8);

} // namespace tavrin
