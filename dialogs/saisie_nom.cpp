#include "dialogs/saisie_nom.h"

#include "dialogs/commun.h"
#include "game/textes.h"
#include "resources/ressources.h"
#include "storage/config.h"
#include "widgets/garde.h"
#include "widgets/polices.h"

namespace trelmo {

TBoutonArrondi* barre_ok(QWidget* parent, const QRect& g, int largeurPanneau, TPanneauDegrade** barreCree)
{
    auto* barre = new TPanneauDegrade(true, parent);
    barre->setGeometry(g);
    auto* releve = new TPanneauDegrade(false, barre);
    releve->setGeometry(0, 0, largeurPanneau, g.height());
    auto* ok = new TBoutonArrondi(barre);
    ok->setObjectName(QStringLiteral("OkBtn"));
    ok->setGeometry(largeurPanneau, 0, g.width() - largeurPanneau, g.height());
    ok->setText(QStringLiteral(" &Ok"));
    ok->setFont(police_arial(11));
    ok->setCouleurTexte(Qt::black);
    ok->setCouleurSurvol(QColor(0x00, 0x00, 0x80));
    ok->setCouleurOmbre(QColor(0xFF, 0xFF, 0xFF));
    ok->setRelief(TBoutonArrondi::Relief::Ombre);
    ok->setImagePourEcran([](qreal r) { return bille_verte(r); });
    ok->setCursor(curseur(curseur_tophand_id));
    if (barreCree)
        *barreCree = barre;
    return ok;
}

Tsaisie_nom::Tsaisie_nom(Reglages& reglages, int32_t langue, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      reglages_(reglages), langue_(langue)
{
    setObjectName(QStringLiteral("saisie_nom"));
    setWindowTitle(QStringLiteral("BIEN JOUER !!!"));
    setFixedSize(312, 180);
    setModal(true);

    Panel1 = panneau_uni(this, QRect(0, 0, 312, 156), QColor(kGrisPanneau));

    auto ombre = [&](const QRect& g, const QFont& f, const QColor& face) { return label_ombre(Panel1, g, f, face); };
    bravo = ombre(QRect(9, 12, 293, 34), police_arial(points_en_pixels(18), true), QColor(0xFF, 0x00, 0x00));
    t1 = ombre(QRect(9, 52, 293, 24), police_arial(16, true), QColor(0xFF, 0xFF, 0x00));
    t2 = ombre(QRect(9, 77, 293, 24), police_arial(16, true), QColor(0xFF, 0xFF, 0x00));
    bravo->setObjectName(QStringLiteral("bravo"));
    t1->setObjectName(QStringLiteral("t1"));
    t2->setObjectName(QStringLiteral("t2"));

    // The entry lays its text out as soon as it exists. It is made under the
    // splash screen's font, which the start-up has loaded already, and takes
    // its own when the dialog first shows: the start-up loads no font for a
    // dialog it does not show.
    Panel1->setFont(police_ms_sans_serif(11));
    Edit1 = new QLineEdit(Panel1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(24, 104, 264, 32);
    Panel1->setFont(QFont());
    Edit1->setMaxLength(kLongueurNom);
    QPalette pal = Edit1->palette();
    pal.setColor(QPalette::Text, Qt::black);
    pal.setColor(QPalette::Base, Qt::white);
    Edit1->setPalette(pal);

    OkBtn = barre_ok(this, QRect(0, 156, 312, 24), 223, &barre);
    connect(OkBtn, &QAbstractButton::clicked, this, &Tsaisie_nom::BitBtn1Click);
    // OK is the default: Enter in the entry confirms the name.
    connect(Edit1, &QLineEdit::returnPressed, this, &Tsaisie_nom::BitBtn1Click);
}

void Tsaisie_nom::showEvent(QShowEvent* e)
{
    const Textes& t = textes(langue_);
    setWindowTitle(qs(t.nom_titre));
    // Each text on one line: a text wider than its label is narrowed to fit.
    auto remplir = [](TLabel3D* l, const std::string& texte, const QFont& f) {
        l->setText(qs(texte));
        l->setFont(police_ajustee(f, l->text(), l->width() - 2));
    };
    remplir(bravo, t.nom_bravo, police_arial(points_en_pixels(t.nom_bravo_points), true));
    remplir(t1, t.nom_t1, police_arial(16, true));
    remplir(t2, t.nom_t2, police_arial(16, true));
    // A screen reader names the entry by the dialog's prompt.
    Edit1->setAccessibleName(t2->text());
    Edit1->setAccessibleDescription(t1->text());
    Edit1->setFont(police_arial(21));
    Edit1->clear();
    centrer_ecran(this);
    QDialog::showEvent(e);
    Edit1->setFocus(Qt::OtherFocusReason);
}

void Tsaisie_nom::BitBtn1Click()
{
    garde([&] {
        reglages_.nom_joueur = Edit1->text().left(kLongueurNom).toStdString();
        accept();
    });
}

} // namespace trelmo
