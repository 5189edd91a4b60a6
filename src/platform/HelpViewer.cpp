#include "platform/HelpViewer.h"

#include "platform/HelpBrowser.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

namespace tavrin {

HelpViewer::HelpViewer(QWidget* parent)
    : QWidget(parent, Qt::Window), Browser(new HelpBrowser(this)),
      ContentsBtn(new QPushButton(tr("&Contents"), this)),
      BackBtn(new QPushButton(tr("&Back"), this)),
      ForwardBtn(new QPushButton(tr("&Forward"), this)),
      CloseBtn(new QPushButton(tr("C&lose"), this)) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(tr("Help"));
    Browser->setObjectName(QStringLiteral("Browser"));
    ContentsBtn->setObjectName(QStringLiteral("ContentsBtn"));
    BackBtn->setObjectName(QStringLiteral("BackBtn"));
    ForwardBtn->setObjectName(QStringLiteral("ForwardBtn"));
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    Browser->setOpenExternalLinks(true);
    BackBtn->setEnabled(false);
    ForwardBtn->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ContentsBtn);
    buttons->addWidget(BackBtn);
    buttons->addWidget(ForwardBtn);
    buttons->addStretch();
    buttons->addWidget(CloseBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(Browser);
    resize(640, 480);

    connect(ContentsBtn, &QPushButton::clicked, this, &HelpViewer::ContentsBtnClick);
    connect(BackBtn, &QPushButton::clicked, Browser, &QTextBrowser::backward);
    connect(ForwardBtn, &QPushButton::clicked, Browser, &QTextBrowser::forward);
    connect(CloseBtn, &QPushButton::clicked, this, &QWidget::close);
    connect(Browser, &QTextBrowser::backwardAvailable, BackBtn, &QWidget::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, ForwardBtn, &QWidget::setEnabled);
}

QString HelpViewer::AnchorFor(int context) {
    return QStringLiteral("context-%1").arg(context);
}

bool HelpViewer::ShowContext(const QString& file, int context, QString& error) {
    const QString path = QFileInfo(file).absoluteFilePath();
    if (path != file_ && !load(path, error)) {
        return false;
    }
    if (HasTopic(context)) {
        goTo(AnchorFor(context));
    } else {
        ContentsBtnClick();
    }
    return true;
}

void HelpViewer::ContentsBtnClick() {
    goTo(HasTopic(kContentsContext) ? AnchorFor(kContentsContext) : QString());
}

bool HelpViewer::load(const QString& file, QString& error) {
    QFile help(file);
    if (!help.exists()) {
        error = tr("The help file \"%1\" was not found.").arg(QDir::toNativeSeparators(file));
        return false;
    }
    if (!help.open(QIODevice::ReadOnly)) {
        error = tr("The help file \"%1\" cannot be read.").arg(QDir::toNativeSeparators(file));
        return false;
    }
    help.close();
    file_ = file;
    Browser->clearHistory();
    Browser->setSource(QUrl::fromLocalFile(file), QTextDocument::HtmlResource);
    collectAnchors();
    return true;
}

void HelpViewer::collectAnchors() {
    anchors_.clear();
    const QTextDocument* document = Browser->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            for (const QString& name : it.fragment().charFormat().anchorNames()) {
                anchors_.insert(name);
            }
        }
    }
}

void HelpViewer::goTo(const QString& anchor) {
    QUrl url = QUrl::fromLocalFile(file_);
    if (!anchor.isEmpty()) {
        url.setFragment(anchor);
    }
    if (url == Browser->source()) {
        if (anchor.isEmpty()) {
            Browser->moveCursor(QTextCursor::Start);
        } else {
            Browser->scrollToAnchor(anchor);
        }
        return;
    }
    Browser->setSource(url, QTextDocument::HtmlResource);
    if (anchor.isEmpty()) {
        Browser->moveCursor(QTextCursor::Start);
    }
}

} // namespace tavrin
