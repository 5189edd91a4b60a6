#pragma once

namespace tavrin {

// Pages of the author's manual for the notes editor and the tutorial viewer.
inline constexpr int kNotesHelpContext = 800;
inline constexpr int kNotesFindHelpContext = 805;
inline constexpr int kNotesReplaceHelpContext = 806;
inline constexpr int kTutorialHelpContext = 810;
inline constexpr int kTutorialFindHelpContext = 815;

} // namespace tavrin
