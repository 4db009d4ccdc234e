#pragma once
// A 27 x 27 picture control of the main window: a hole of the board or a
// place of the tray. The picture is drawn unscaled at the top-left corner.
#include <QLabel>

namespace trelmo {

class Sprite : public QLabel {
    Q_OBJECT
public:
    Sprite(int numero, QWidget* parent);
    int numero() const { return numero_; }
    // A disabled sprite passes the pointer on to what lies beneath it.
    void setActif(bool actif);
    bool actif() const { return actif_; }
    bool montreImage() const { return !pixmap().isNull(); }
    // Answered by the receiver of glisse(): whether the drag is taken. A drag
    // that is not taken ends as a click, as if the pointer had not moved.
    void setGlisseAccepte(bool accepte) { glisse_accepte_ = accepte; }
    // The drag that began here was ended by the window: the button's release
    // that follows is neither a drop nor a click.
    void annulerGlisse() { appui_ = glisse_ = false; }

signals:
    void survol(int numero);
    void clic(int numero);
    // The left button went down here and the pointer moved away: a drag.
    void glisse(int numero, QPoint global);
    void glisse_vers(int numero, QPoint global);
    void lache(int numero, QPoint global);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void enterEvent(QEnterEvent* e) override;

private:
    int numero_;
    bool actif_ = true;
    bool appui_ = false;          // the left button went down on this sprite
    bool glisse_ = false;         // and a drag began
    bool glisse_accepte_ = false;
    QPoint depart_;
};

} // namespace trelmo
