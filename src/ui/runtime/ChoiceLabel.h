#pragma once

#include <QLabel>

namespace tavrin {

// A label that the learner picks: a click moves the highlight to it, a
// double-click chooses it. Labels of one group share the handlers and are
// told apart by their tag.
class ChoiceLabel : public QLabel {
    Q_OBJECT

public:
    ChoiceLabel(int tag, const QString& name, QWidget* parent);

    int tag() const { return tag_; }
    void setTextColour(const QColor& colour);

signals:
    void clicked(int tag);
    void doubleClicked(int tag);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int tag_;
};

} // namespace tavrin
