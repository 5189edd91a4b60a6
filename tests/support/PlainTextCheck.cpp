#include "support/PlainTextCheck.h"

#include <QLabel>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace tavrin::test {
namespace {

bool DrawnAsWritten(const QLabel& label) {
    switch (label.textFormat()) {
    case Qt::PlainText:
        return true;
    case Qt::AutoText:
        return !Qt::mightBeRichText(label.text());
    default:
        return false;
    }
}

// The label shows the text, or as much of it as a short stored field keeps.
bool Holds(const QLabel& label, const QString& text) {
    const QString shown = label.text();
    return shown.contains(text) || (shown.size() >= 5 && text.startsWith(shown));
}

} // namespace

QStringList MarkupLookingTexts() {
    return {QStringLiteral("What does <b> do?"), QStringLiteral("x &lt; y")};
}

void ExpectLabelsShowLiterally(const QWidget& root, const QString& text) {
    QList<const QLabel*> labels;
    if (const auto* self = qobject_cast<const QLabel*>(&root))
        labels.append(self);
    for (const QLabel* label : root.findChildren<const QLabel*>())
        labels.append(label);
    int holding = 0;
    for (const QLabel* label : labels) {
        if (!Holds(*label, text))
            continue;
        ++holding;
        EXPECT_TRUE(DrawnAsWritten(*label))
            << label->objectName().toStdString() << " of " << root.objectName().toStdString()
            << " draws \"" << text.toStdString() << "\" as markup";
    }
    EXPECT_GT(holding, 0) << "no label of " << root.objectName().toStdString() << " shows \""
                          << text.toStdString() << "\"";
}

} // namespace tavrin::test
