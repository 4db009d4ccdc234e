#pragma once
// A label that acts as a button: clicked() when the left button is pressed
// and released over it.
#include <QLabel>

namespace trelmo {

class LabelCliquable : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    bool appui_ = false;
};

} // namespace trelmo
