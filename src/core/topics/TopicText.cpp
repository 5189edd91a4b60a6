#include "core/topics/TopicText.h"

#include "core/files/FolderNames.h"
#include "core/topics/TopicLineCursor.h"
#include "core/topics/TopicValues.h"

namespace tavrin {

bool TopicText::contains(std::string_view name, std::string_view source) const {
    TopicLineCursor cursor(text_);
    while (!cursor.atEnd()) {
        const std::string_view line = cursor.next();
        if (!IsHeadLine(line) || !EqualNoCase(HeadName(line), name) || cursor.atEnd())
            continue;
        if (EqualNoCase(topicvalue::AfterSeventh(cursor.next()), source))
            return true;
    }
    return false;
}

void TopicText::listTopicsForSource(std::vector<std::string>& names,
                                    std::string_view source) const {
    TopicLineCursor cursor(text_);
    while (!cursor.atEnd()) {
        const std::string_view line = cursor.next();
        if (!IsHeadLine(line) || cursor.atEnd())
            continue;
        if (EqualNoCase(topicvalue::AfterEquals(cursor.next()), source))
            names.emplace_back(HeadName(line));
    }
}

bool TopicText::readIntroduction(std::vector<std::string>& lines) const {
    bool found = false;
    TopicLineCursor cursor(text_);
    while (!cursor.atEnd()) {
        if (!cursor.next().starts_with(kIntroductionHeadStart))
            continue;
        found = true;
        for (int skipped = 0; skipped < 2 && !cursor.atEnd(); ++skipped)
            cursor.next(); // the source line and "text="
        while (!cursor.atEnd()) {
            const std::string_view line = cursor.next();
            if (!line.empty() && line.front() == ']')
                break;
            lines.emplace_back(line);
        }
    }
    return found;
}

} // namespace tavrin
