#include "core/files/FolderNames.h"

#include <algorithm>
#include <system_error>

#include "core/bytes/Cp1252.h"

namespace tavrin {
namespace fs = std::filesystem;

std::string UpperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    // Compared in place: lookups compare every name of a folder or a list.
    const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return upper(x) == upper(y); });
}

std::string DiskName(std::string_view stored) {
    return cp1252::toUtf8(stored);
}

std::optional<std::string> StoredName(std::string_view diskName) {
    std::string stored = cp1252::fromUtf8(diskName);
    if (cp1252::toUtf8(stored) != diskName)
        return std::nullopt;
    return stored;
}

std::string UnstorableNameRefusal(std::string_view diskName) {
    if (StoredName(diskName))
        return {};
    return "The name of the file " + std::string(diskName) +
           " holds characters that a quiz cannot store. Rename the file and choose it again.";
}

std::vector<std::string> SplitStoredPath(std::string_view stored) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    if (stored.size() >= 2 && stored[1] == ':' &&
        ((stored[0] >= 'A' && stored[0] <= 'Z') || (stored[0] >= 'a' && stored[0] <= 'z')))
        start = 2;
    while (start <= stored.size()) {
        std::size_t end = stored.find_first_of("\\/", start);
        if (end == std::string_view::npos)
            end = stored.size();
        if (end > start)
            parts.emplace_back(stored.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

namespace {

char upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// The capital of a Windows-1252 letter, accented ones included, as the system
// the stored names come from compares them.
char upperStored(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'a' && byte <= 'z') || (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7))
        return static_cast<char>(byte - 0x20);
    switch (byte) {
    case 0x9A: // s with caron
    case 0x9C: // oe
    case 0x9E: // z with caron
        return static_cast<char>(byte - 0x10);
    case 0xFF: // y with diaeresis
        return static_cast<char>(0x9F);
    default:
        return c;
    }
}

std::string upperStoredName(std::string_view name) {
    std::string out(name);
    std::transform(out.begin(), out.end(), out.begin(), upperStored);
    return out;
}

using CaseFold = char (*)(char);

bool matchFrom(std::string_view name, std::string_view mask, CaseFold fold) {
    // Iterative glob with backtracking to the last '*'.
    std::size_t n = 0, m = 0, starMask = std::string_view::npos, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == '?' || fold(mask[m]) == fold(name[n]))) {
            ++n;
            ++m;
        } else if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (starMask != std::string_view::npos) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*')
        ++m;
    return m == mask.size();
}

bool matchesWith(std::string_view name, std::string_view mask, CaseFold fold) {
    return mask == "*.*" || matchFrom(name, mask, fold);
}

// The entry on disk that the stored part names.
std::optional<std::string> findEntry(const fs::path& folder, std::string_view storedPart) {
    const std::string exact = DiskName(storedPart);
    std::error_code ec;
    if (fs::exists(folder / exact, ec))
        return exact;
    const std::string wanted = upperStoredName(storedPart);
    std::optional<std::string> found;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const auto name = it->path().filename().string();
        const auto stored = StoredName(name);
        if (stored && upperStoredName(*stored) == wanted && (!found || name < *found))
            found = name;
    }
    return found;
}

// The path a stored name gives when every part is spelled on disk as stored.
std::optional<fs::path> spelledAsStored(const fs::path& folder, std::string_view storedName) {
    const auto parts = SplitStoredPath(storedName);
    if (parts.empty())
        return std::nullopt;
    fs::path spelled = folder;
    for (const auto& part : parts) {
        if (part != ".")
            spelled /= part == ".." ? std::string("..") : DiskName(part);
    }
    return spelled;
}

void sortNoCase(std::vector<std::string>& names, std::string (*upperName)(std::string_view)) {
    std::sort(names.begin(), names.end(), [upperName](const std::string& a, const std::string& b) {
        const auto ua = upperName(a), ub = upperName(b);
        return ua != ub ? ua < ub : a < b;
    });
}

} // namespace

bool MatchesMask(std::string_view name, std::string_view mask) {
    return matchesWith(name, mask, upper);
}

std::optional<fs::path> ResolveInFolder(const fs::path& folder, std::string_view storedName) {
    const auto parts = SplitStoredPath(storedName);
    if (parts.empty())
        return std::nullopt;
    fs::path current = folder;
    for (const auto& part : parts) {
        if (part == ".")
            continue;
        if (part == "..") {
            current /= "..";
            continue;
        }
        auto entry = findEntry(current, part);
        if (!entry)
            return std::nullopt;
        current /= *entry;
    }
    return current;
}

std::vector<std::string> ListMatching(const fs::path& folder, std::string_view mask) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        auto name = it->path().filename().string();
        if (MatchesMask(name, mask))
            names.push_back(std::move(name));
    }
    sortNoCase(names, UpperAscii);
    return names;
}

std::vector<std::string> ListStoredMatching(const fs::path& folder, std::string_view mask) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        auto stored = StoredName(it->path().filename().string());
        if (stored && matchesWith(*stored, mask, upperStored))
            names.push_back(std::move(*stored));
    }
    sortNoCase(names, upperStoredName);
    return names;
}

std::optional<fs::path> ResolveStoredFile(const fs::path& quizFolder, std::string_view stored) {
    if (stored.empty())
        return std::nullopt;
    const bool absolute = stored.front() == '/' || stored.front() == '\\';
    const fs::path folder = absolute ? fs::path("/") : quizFolder;
    std::error_code ec;
    // Most names are stored as they are spelled on disk: one look settles
    // them, where a lookup part by part takes two or more.
    if (auto spelled = spelledAsStored(folder, stored);
        spelled && fs::is_regular_file(*spelled, ec))
        return spelled;
    auto found = ResolveInFolder(folder, stored);
    if (!found || !fs::is_regular_file(*found, ec))
        return std::nullopt;
    return found;
}

std::optional<fs::path> ResolveDiskFile(const fs::path& quizFolder, std::string_view diskName) {
    if (const auto stored = StoredName(diskName))
        return ResolveStoredFile(quizFolder, *stored);
    // A name no quiz can store is taken only as it is spelled.
    const fs::path path = quizFolder / fs::path(diskName);
    std::error_code ec;
    return fs::is_regular_file(path, ec) ? std::optional<fs::path>(path) : std::nullopt;
}

} // namespace tavrin
