#pragma once

#include <QString>
#include <QStringList>

namespace tavrin {

// Turns a filter in the quiz formats' form, "Graphic Files|*.JPG;*.BMP|All|*.*",
// into QFileDialog name filters, "Graphic Files (*.[Jj][Pp][Gg] *.[Bb][Mm][Pp])".
// Letters become both-case sets so that a mask finds pic.jpg as well as PIC.JPG
// on file systems that respect case. A trailing description without masks is
// dropped; an empty filter gives no name filters.
QStringList ToQtNameFilters(const QString& filter);

// One mask made case-blind: "*.Jpg" -> "*.[Jj][Pp][Gg]"; "*.*" -> "*".
QString CaseBlindMask(const QString& mask);

} // namespace tavrin
