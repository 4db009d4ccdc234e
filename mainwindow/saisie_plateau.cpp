// The board's input: the pointer over the holes (their cursors, hover and
// click), the keyboard cursor and its keys, the focus frames of the buttons,
// and drag and drop of a marble.
#include "mainwindow/accessibilite.h"
#include "mainwindow/calque.h"
#include "mainwindow/form1.h"
#include "mainwindow/sprite.h"
#include "resources/ressources.h"
#include "widgets/annonce.h"
#include "widgets/garde.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QScopeGuard>

#include <algorithm>

namespace trelmo {

// ---------------------------------------------------------------- the pointer over the holes

void TForm1::survolTrou(int n)
{
    // The pointer over the board puts the keyboard cursor away.
    montrer_curseur_clavier(false);
    jeu_.pmove(n);
}

void TForm1::clicTrou(int n)
{
    // A click reports its hole as hovered first, then acts.
    jeu_.pmove(n);
    jeu_.deplacement();
}

// ---------------------------------------------------------------- the keyboard

void TForm1::montrer_curseur_clavier(bool visible)
{
    if (visible == clavier_.visible)
        return;
    clavier_.visible = visible;
    calque_->setCurseur(visible ? clavier_.trou : 0);
    if (visible)
        signaler_focus_trou(calque_, clavier_.trou);
}

void TForm1::fleche(int direction)
{
    const bool visible = clavier_.visible;
    if (!calque_->hasFocus())
        calque_->setFocus(Qt::OtherFocusReason);
    if (!trou_expose(clavier_.trou))
        clavier_.trou = 25;
    if (!visible) {
        // The first arrow shows the cursor where it is, and says where.
        montrer_curseur_clavier(true);
        annonce_->annoncer(nom_trou(clavier_.trou));
        return;
    }
    const Case ici = case_du_trou(clavier_.trou);
    const Pas p = pas_direction(direction);
    const int suivant = numero_trou(ici.col + p.dc, ici.lig + p.dr);
    if (suivant != 0 && trou_expose(suivant)) {
        clavier_.trou = suivant;
        calque_->setCurseur(suivant);
        signaler_focus_trou(calque_, suivant);
    }
}

void TForm1::keyPressEvent(QKeyEvent* e)
{
    bool pris = true;
    garde([&] {
        // A key while a marble is dragged ends the drag first.
        switch (e->key()) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_Meta:
            break;
        default:
            abandonner_glisse();
        }
        switch (e->key()) {
        case Qt::Key_Up: fleche(HAUT); break;
        case Qt::Key_Right: fleche(DROITE); break;
        case Qt::Key_Down: fleche(BAS); break;
        case Qt::Key_Left: fleche(GAUCHE); break;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (calque_->hasFocus()) {
                montrer_curseur_clavier(true);
                dit_.par_clavier = true;
                const auto fin = qScopeGuard([this] { dit_.par_clavier = false; });
                jeu_.choisir(clavier_.trou);
            } else {
                pris = false;
            }
            break;
        case Qt::Key_Escape:
            jeu_.reposer_bille();
            break;
        default:
            pris = false;
        }
    });
    if (!pris)
        QWidget::keyPressEvent(e);
}

bool TForm1::eventFilter(QObject* o, QEvent* e)
{
    garde([&] {
        if (e->type() != QEvent::FocusIn && e->type() != QEvent::FocusOut)
            return;
        if (o == calque_) {
            if (e->type() == QEvent::FocusIn) {
                calque_->setFocusBouton({});
                montrer_curseur_clavier(true);
            }
            return;
        }
        auto* b = static_cast<QWidget*>(o);
        const auto* fe = static_cast<QFocusEvent*>(e);
        // Only a button reached with the keyboard shows its focus.
        if (e->type() == QEvent::FocusIn && fe->reason() != Qt::MouseFocusReason)
            calque_->setFocusBouton(b->geometry().adjusted(-4, -3, 4, 3));
        else if (e->type() == QEvent::FocusOut)
            calque_->setFocusBouton({});
    });
    return QWidget::eventFilter(o, e);
}

// ---------------------------------------------------------------- drag and drop

void TForm1::glisserDebut(Sprite* source, QPoint global)
{
    abandonner_glisse();
    if (jeu_.pas_de_partie || !source)
        return;
    if (jeu_.trou_pris() != source->numero()) {
        jeu_.reposer_bille();
        if (!jeu_.prendre(source->numero()))
            return;
    }
    source->setGlisseAccepte(true);
    glisse_.de = source;
    montrer_curseur_clavier(false);
    if (!glisse_.image) {
        glisse_.image = new QLabel(this);
        glisse_.image->setObjectName(QStringLiteral("glisse"));
        glisse_.image->setAttribute(Qt::WA_TransparentForMouseEvents);
        glisse_.image->setAttribute(Qt::WA_NoSystemBackground);
        glisse_.image->setFixedSize(21, 22);
    }
    // The marble leaves its hole and follows the pointer, held where it was taken.
    glisse_.image->setPixmap(source->pixmap());
    glisse_.prise = source->mapFromGlobal(global);
    glisse_.prise.setX(std::clamp(glisse_.prise.x(), 0, 20));
    glisse_.prise.setY(std::clamp(glisse_.prise.y(), 0, 21));
    source->setPixmap(QPixmap());
    glisse_.image->raise();
    glisse_.image->show();
    QGuiApplication::setOverrideCursor(curseur(CUR_DEPLACE, peaux_.ratio()));
    glisserVers(global);
}

void TForm1::glisserVers(QPoint global)
{
    if (!glisse_.de)
        return;
    if (!(QGuiApplication::mouseButtons() & Qt::LeftButton)) {
        abandonner_glisse();   // the button went up where the window did not see it
        return;
    }
    const QPoint ici = mapFromGlobal(global);
    glisse_.image->move(ici - glisse_.prise);
    // The cursor says what letting go here would do, as it does for a click.
    auto* dessous = qobject_cast<Sprite*>(childAt(ici));
    int id = CUR_DEFAUT;
    if (dessous && dessous == sprites_.trous[static_cast<size_t>(dessous->numero())] && dessous->actif())
        id = (dessous == glisse_.de || jeu_.saut_permis(jeu_.trou_pris(), dessous->numero())) ? CUR_DEPLACE
                                                                                              : CUR_IMPOSSIBLE;
    QGuiApplication::changeOverrideCursor(curseur(id, peaux_.ratio()));
}

void TForm1::glisserFin(QPoint global)
{
    if (!glisse_.de)
        return;
    Sprite* source = glisse_.de;
    glisse_.de = nullptr;
    glisse_.image->hide();
    QGuiApplication::restoreOverrideCursor();
    auto* dessous = qobject_cast<Sprite*>(childAt(mapFromGlobal(global)));
    const bool sur_trou = dessous && dessous != source && dessous->actif()
                          && dessous == sprites_.trous[static_cast<size_t>(dessous->numero())];
    const bool tenue = jeu_.trou_pris() == source->numero();
    if (tenue && sur_trou && jeu_.sauter(source->numero(), dessous->numero())) {
        apres_changement();
        return;
    }
    // Let go anywhere else, the marble goes back to its hole.
    if (jeu_.marques[static_cast<size_t>(source->numero())] == 1)
        sprites_.trou_image(source->numero(), true);
    jeu_.reposer_bille();
}

void TForm1::abandonner_glisse()
{
    if (!glisse_.de)
        return;
    Sprite* source = glisse_.de;
    glisse_.de = nullptr;
    source->annulerGlisse();
    glisse_.image->hide();
    QGuiApplication::restoreOverrideCursor();
    // The hole shows what the board holds now, whatever changed meanwhile.
    const int n = source->numero();
    sprites_.trou_image(n, jeu_.marques[static_cast<size_t>(n)] == 1);
    jeu_.reposer_bille();
}

void TForm1::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    // Another window took the pointer: the drag ends there.
    if (e->type() == QEvent::ActivationChange && !isActiveWindow())
        garde([this] { abandonner_glisse(); });
}

} // namespace trelmo
