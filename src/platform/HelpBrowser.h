#pragma once

#include <QTextBrowser>

namespace tavrin {

// The text pane of the help viewer. Help files written on older systems are
// often Windows-1252 without saying so; such a file is read as Windows-1252
// instead of showing broken characters. A file that names its character set,
// has a byte-order mark or is valid UTF-8 is read as such.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT

public:
    explicit HelpBrowser(QWidget* parent = nullptr);

    // Decodes the bytes of an HTML help file as described above.
    static QString DecodeHelpText(const QByteArray& bytes);

    QVariant loadResource(int type, const QUrl& name) override;
};

} // namespace tavrin
