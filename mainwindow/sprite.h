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

signals:
    void survol(int numero);
    void clic(int numero);

protected:
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void enterEvent(QEnterEvent* e) override;

private:
    int numero_;
    bool actif_ = true;
};

} // namespace trelmo
