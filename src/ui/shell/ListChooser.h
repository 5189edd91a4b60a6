#pragma once

#include <QString>
#include <QStringList>

#include "platform/Platform.h"

namespace tavrin {

// Results of AskFindText.
constexpr int kFindCancelled = 0;
constexpr int kFindFirst = 1;
constexpr int kFindNext = 2;

// Shows the list chooser with `caption`, the entry at `startIndex` selected.
// Returns the chosen index, or -1 when closed or nothing is selected.
int SelectFromList(Platform& platform, const QStringList& list, int startIndex, int helpContext,
                   const QString& caption);

// Shows the find prompt pre-filled with `text`. Returns kFindFirst or
// kFindNext (and stores the typed text back) or kFindCancelled.
int AskFindText(Platform& platform, QString& text, int helpContext = 1);

} // namespace tavrin
