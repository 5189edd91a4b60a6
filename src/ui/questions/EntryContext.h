#pragma once

#include <functional>
#include <string>
#include <string_view>

class QWidget;

namespace tavrin {

class Platform;

// What an entry form needs from the quiz it belongs to. Identifiers are the
// stored (Windows-1252) text.
struct EntryContext {
    Platform& platform;
    // True when another question already uses `newId`; `openingId` is the
    // identifier the question had when its form opened.
    std::function<bool(std::string_view newId, std::string_view openingId)> identifierInUse;
    // Attaches or changes the question's information; true when it has some afterwards.
    std::function<bool(const std::string& identifier)> editInformation;
    // Removes the question's information topic, if there is one.
    std::function<void(const std::string& identifier)> deleteTopic;
    // Tells the rest of the program which question is being entered.
    std::function<void(const std::string& identifier)> setCurrentQuestionId;
    QWidget* parent = nullptr;
};

} // namespace tavrin
