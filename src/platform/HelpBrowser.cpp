#include "platform/HelpBrowser.h"

#include <QFile>
#include <QStringDecoder>
#include <QTextDocument>
#include <QUrl>

#include "core/bytes/Cp1252.h"

namespace tavrin {

namespace {

bool isValidUtf8(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8.decode(bytes);
    return !utf8.hasError();
}

} // namespace

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {}

QString HelpBrowser::DecodeHelpText(const QByteArray& bytes) {
    QStringDecoder declared = QStringDecoder::decoderForHtml(bytes);
    const bool saysUtf8 = declared.isValid() && QByteArray(declared.name()) == "UTF-8";
    if (declared.isValid() && (!saysUtf8 || isValidUtf8(bytes))) {
        return declared.decode(bytes);
    }
    const std::string text = cp1252::toUtf8(std::string_view(bytes.constData(), bytes.size()));
    return QString::fromStdString(text);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (type != QTextDocument::HtmlResource || !name.isLocalFile()) {
        return QTextBrowser::loadResource(type, name);
    }
    QFile file(name.toLocalFile());
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return DecodeHelpText(file.readAll());
}

} // namespace tavrin
