#include "core/files/FolderNames.h"

#include <algorithm>
#include <system_error>

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
    return a.size() == b.size() && UpperAscii(a) == UpperAscii(b);
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

bool matchFrom(std::string_view name, std::string_view mask) {
    // Iterative glob with backtracking to the last '*'.
    std::size_t n = 0, m = 0, starMask = std::string_view::npos, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == '?' || upper(mask[m]) == upper(name[n]))) {
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

std::optional<std::string> findEntry(const fs::path& folder, std::string_view part) {
    std::error_code ec;
    if (fs::exists(folder / std::string(part), ec))
        return std::string(part);
    std::optional<std::string> found;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const auto name = it->path().filename().string();
        if (EqualNoCase(name, part) && (!found || name < *found))
            found = name;
    }
    return found;
}

} // namespace

bool MatchesMask(std::string_view name, std::string_view mask) {
    if (mask == "*.*")
        return true;
    return matchFrom(name, mask);
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
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const auto ua = UpperAscii(a), ub = UpperAscii(b);
        return ua != ub ? ua < ub : a < b;
    });
    return names;
}

std::optional<fs::path> ResolveStoredFile(const fs::path& quizFolder, std::string_view stored) {
    if (stored.empty())
        return std::nullopt;
    const bool absolute = stored.front() == '/' || stored.front() == '\\';
    auto found = ResolveInFolder(absolute ? fs::path("/") : quizFolder, stored);
    std::error_code ec;
    if (!found || !fs::is_regular_file(*found, ec))
        return std::nullopt;
    return found;
}

} // namespace tavrin
