#pragma once

#include <QSet>
#include <QString>
#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace tavrin {

// Our help window. A help file is HTML with one anchor per context number,
// <a name="context-N"></a> (see docs/HELP_FORMAT.md); context 1, or the top
// of the file when it has none, is the contents page.
class HelpViewer : public QWidget {
    Q_OBJECT

public:
    static constexpr int kContentsContext = 1;

    explicit HelpViewer(QWidget* parent = nullptr);

    // The anchor name that marks a context number's topic.
    static QString AnchorFor(int context);

    // Shows `file` at the topic of `context`; an unknown context shows the
    // contents. Returns false and sets `error`, naming the file, when the file
    // cannot be read.
    bool ShowContext(const QString& file, int context, QString& error);

    bool HasTopic(int context) const { return anchors_.contains(AnchorFor(context)); }
    const QString& CurrentFile() const { return file_; }

    QTextBrowser* Browser;
    QPushButton* ContentsBtn;
    QPushButton* BackBtn;
    QPushButton* ForwardBtn;
    QPushButton* CloseBtn;

    void ContentsBtnClick();

private:
    bool load(const QString& file, QString& error);
    void collectAnchors();
    void goTo(const QString& anchor);

    QString file_;
    QSet<QString> anchors_;
};

} // namespace tavrin
