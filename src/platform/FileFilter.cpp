#include "platform/FileFilter.h"

namespace tavrin {

QString CaseBlindMask(const QString& mask) {
    // "*.*" means every file where the masks come from; to Qt it would mean
    // only names with a point.
    if (mask == QLatin1String("*.*")) {
        return QStringLiteral("*");
    }
    QString blind;
    for (const QChar c : mask) {
        const QChar lower = c.toLower();
        const QChar upper = c.toUpper();
        if (lower == upper) {
            blind += c;
        } else {
            blind += QLatin1Char('[') + upper + lower + QLatin1Char(']');
        }
    }
    return blind;
}

QStringList ToQtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList nameFilters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList masks;
        for (const QString& mask : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            masks << CaseBlindMask(mask.trimmed());
        }
        if (masks.isEmpty()) {
            continue;
        }
        const QString description = parts[i].trimmed();
        nameFilters << QStringLiteral("%1 (%2)").arg(description, masks.join(QLatin1Char(' ')));
    }
    return nameFilters;
}

} // namespace tavrin
