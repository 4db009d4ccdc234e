#pragma once
// A label that acts as a button: clicked() when the left button is pressed
// and released over it, or, once reachable from the keyboard, when Space or
// Enter is pressed while it has the focus.
//
// Its caption is plain text, drawn as any label draws it. QLabel gives a
// label that can take the focus a text document of its own, for selecting
// text and following links; these labels do neither, and the documents of
// a window's buttons cost more memory and start-up time than the rest of
// the labels together. So the caption is set through setText() below, and
// the focus never makes QLabel build one.
#include <QLabel>

namespace trelmo {

class LabelCliquable : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // Reachable with Tab and Shift+Tab; Space and Enter act as a click.
    void setClavier(bool actif);
    // The caption, without a text document (QLabel::setText on a label that
    // can take the focus would build one).
    void setText(const QString& texte);
    // It has the focus and got it from the keyboard: only then is the focus
    // shown, so that the label looks the same to a player using the mouse.
    bool focusClavier() const { return hasFocus() && focus_clavier_; }

signals:
    void clicked();

protected:
    bool event(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    bool appui_ = false;
    bool clavier_ = false;
    bool focus_clavier_ = false;
};

// Whether a focus reason is the keyboard's.
bool raison_clavier(Qt::FocusReason r);

} // namespace trelmo
