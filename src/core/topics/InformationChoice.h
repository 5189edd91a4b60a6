#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings/ViewPortDesign.h"

namespace tavrin {

// What the information and feedback menus hold while they are open: the kind
// of information the author filled in (chosen type) against the kind the
// selected option stands for (expected type), and the last value given to
// each picker, so that pressing an option's "Add" again starts from it.
struct InformationChoice {
    bool editing = false;
    std::string oldTopicName;
    std::int32_t chosenType = 0;
    std::int32_t expectedType = 1;
    ViewPortDesign design = DefaultViewPortDesign();
    std::vector<std::string> textLines;
    std::string command;
    std::string graphicFile;
    std::int32_t duration = 0;
    std::string soundFile;
    std::string voiceFile;
    std::string program;
    std::string videoFile;
    std::string midiFile;
    std::string notesFile;
};

// The option (radio button 1..9) that stands for a LinkType; 0 for none.
// The program kinds 4, 9 and 10 share option 4.
int OptionForLinkType(std::int32_t linkType);
// The LinkType an option stands for (option 4: 4, option 9: 13).
std::int32_t LinkTypeForOption(int option);

// The state of a menu opened on a stored topic, given its lines as FindTopic
// returns them. Throws FormatError when a stored value does not convert.
InformationChoice LoadInformationChoice(const std::vector<std::string>& lines);

enum class SaveVerdict {
    Save,     // write the topic and close
    NoData,   // "No data has been entered."
    NoText,   // "No Text information was entered."
    StayOpen, // nothing to write and nothing to say
};
SaveVerdict CheckInformationSave(const InformationChoice& choice, bool feedbackMenu);

// Appends the topic, or puts it in the place of the one it was opened on.
// Only call after CheckInformationSave said Save.
void SaveInformationTopic(const std::filesystem::path& topicFile, std::string_view topicName,
                          const InformationChoice& choice);

// Command values of the media links.
std::string GraphicCommand(std::string_view graphic, std::int32_t duration);
std::string GraphicAndSoundCommand(std::string_view graphic, std::string_view sound,
                                   std::int32_t duration);

} // namespace tavrin
