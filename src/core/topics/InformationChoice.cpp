#include "core/topics/InformationChoice.h"

#include "core/bytes/FileError.h"
#include "core/files/SharedRoutines.h"
#include "core/topics/TopicCommand.h"
#include "core/topics/TopicDisplay.h"
#include "core/topics/TopicFile.h"

namespace tavrin {
namespace {

constexpr std::string_view kSource = "HYPER";

std::string fieldAt(std::string_view text, std::size_t index) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < index; ++i) {
        const std::size_t comma = text.find(',', start);
        if (comma == std::string_view::npos) {
            return {};
        }
        start = comma + 1;
    }
    const std::size_t end = text.find(',', start);
    return std::string(text.substr(start, end == std::string_view::npos ? end : end - start));
}

std::int32_t storedDuration(std::string_view text) {
    const std::optional<std::int32_t> value = ParseWholeNumber(text);
    if (!value) {
        throw FormatError("'" + std::string(text) + "' is not a valid integer value");
    }
    return *value;
}

bool isCommandType(std::int32_t type, bool feedbackMenu) {
    switch (type) {
    case 2:
    case 3:
    case 4:
    case 6:
    case 7:
    case 8:
    case 9:
    case 10:
        return true;
    case 13:
        return feedbackMenu;
    default:
        return false;
    }
}

} // namespace

int OptionForLinkType(std::int32_t linkType) {
    switch (linkType) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
    case 8:
        return linkType;
    case 9:
    case 10:
        return 4;
    case 13:
        return 9;
    default:
        return 0;
    }
}

std::int32_t LinkTypeForOption(int option) {
    return option == 9 ? 13 : option;
}

InformationChoice LoadInformationChoice(const std::vector<std::string>& lines) {
    InformationChoice choice;
    choice.editing = true;
    choice.oldTopicName = lines.empty() ? std::string() : lines.front();
    choice.chosenType = TopicLinkType(lines);
    choice.command = TopicCommandValue(lines);
    const std::string& command = choice.command;
    switch (choice.chosenType) {
    case 1:
    case 5: {
        // The stored topic ends with its closing "]", which is not text.
        std::vector<std::string> topic = lines;
        if (!topic.empty() && topic.back() == "]") {
            topic.pop_back();
        }
        ParseDisplayTopic(topic, choice.design, choice.textLines);
        break;
    }
    case 2: {
        choice.graphicFile = fieldAt(command, 0);
        const std::size_t comma = command.find(',');
        choice.duration =
            comma == std::string::npos ? 0 : storedDuration(command.substr(comma + 1, 5));
        break;
    }
    case 3:
        choice.voiceFile = command;
        break;
    case 6:
        choice.graphicFile = fieldAt(command, 0);
        choice.soundFile = fieldAt(command, 1);
        choice.duration = storedDuration(fieldAt(command, 2));
        break;
    case 7:
        choice.videoFile = command;
        break;
    case 8:
        choice.midiFile = command;
        break;
    case 4:
    case 9:
    case 10:
        choice.program = command;
        break;
    case 13:
        choice.notesFile = command;
        break;
    default:
        break;
    }
    const int option = OptionForLinkType(choice.chosenType);
    choice.expectedType = option == 4 ? choice.chosenType : LinkTypeForOption(option);
    if (option == 0) {
        choice.expectedType = 1;
    }
    return choice;
}

SaveVerdict CheckInformationSave(const InformationChoice& choice, bool feedbackMenu) {
    if (choice.chosenType != choice.expectedType) {
        return SaveVerdict::NoData;
    }
    if (choice.chosenType == 1 || choice.chosenType == 5) {
        return choice.textLines.empty() ? SaveVerdict::NoText : SaveVerdict::Save;
    }
    if (isCommandType(choice.chosenType, feedbackMenu) && !choice.command.empty()) {
        return SaveVerdict::Save;
    }
    return SaveVerdict::StayOpen;
}

void SaveInformationTopic(const std::filesystem::path& topicFile, std::string_view topicName,
                          const InformationChoice& choice) {
    const bool display = choice.chosenType == 1 || choice.chosenType == 5;
    if (display && choice.editing) {
        ReplaceDisplayTopic(topicFile, topicName, choice.oldTopicName, choice.chosenType,
                            choice.design, choice.textLines, kSource);
    } else if (display) {
        AppendDisplayTopic(topicFile, topicName, choice.chosenType, choice.design, choice.textLines,
                           kSource);
    } else if (choice.editing) {
        ReplaceCommandTopic(topicFile, topicName, choice.oldTopicName, choice.chosenType,
                            choice.command, kSource);
    } else {
        AppendCommandTopic(topicFile, topicName, choice.chosenType, choice.command, kSource);
    }
}

std::string GraphicCommand(std::string_view graphic, std::int32_t duration) {
    return std::string(graphic) + "," + std::to_string(duration);
}

std::string GraphicAndSoundCommand(std::string_view graphic, std::string_view sound,
                                   std::int32_t duration) {
    return std::string(graphic) + "," + std::string(sound) + "," + std::to_string(duration);
}

} // namespace tavrin
