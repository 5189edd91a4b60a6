#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace tavrin::test {

// Texts that markup would change: the tag would vanish and the entity would
// be decoded. A quiz text must show exactly as typed.
QStringList MarkupLookingTexts();

// Fails unless some label under `root` (or `root` itself) holds `text` (or
// the start of it that a short field keeps), and every label holding it
// draws it as written rather than as markup.
void ExpectLabelsShowLiterally(const QWidget& root, const QString& text);

} // namespace tavrin::test
