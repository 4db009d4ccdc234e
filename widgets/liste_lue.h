#pragma once
// Rows of text drawn by other controls, offered to the keyboard and to screen
// readers as one list: Tab reaches it, the arrows walk its rows, and a reader
// reads each row. It draws nothing but, while reached with the keyboard, a
// dotted frame around the current row.
#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>

namespace trelmo {

class TListeLue : public QWidget {
    Q_OBJECT
public:
    struct Ligne {
        QString texte;
        QRect rect;    // where the row is drawn, in this control's coordinates
    };

    explicit TListeLue(QWidget* parent);

    void setLignes(const QList<Ligne>& lignes);
    const QList<Ligne>& lignes() const { return lignes_; }
    int courante() const { return courante_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void focusInEvent(QFocusEvent*) override;
    void focusOutEvent(QFocusEvent*) override;

private:
    void aller(int ligne);
    void signaler();

    QList<Ligne> lignes_;
    int courante_ = 0;
    bool focus_clavier_ = false;
};

} // namespace trelmo
