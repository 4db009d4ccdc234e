#include "dialogs/meilleur_score.h"

#include "dialogs/commun.h"
#include "dialogs/saisie_nom.h"
#include "game/textes.h"
#include "dialogs/textes_problemes.h"
#include "storage/config.h"
#include "widgets/garde.h"
#include "widgets/polices.h"

#include <QPainter>

namespace trelmo {

Tmeilleur_score::Tmeilleur_score(Reglages& reglages, int32_t langue, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      reglages_(reglages), langue_(langue)
{
    setObjectName(QStringLiteral("meilleur_score"));
    setWindowTitle(QString::fromUtf8(kTitreScores));
    setFixedSize(300, 345);
    setModal(true);

    Panel1 = panneau_uni(this, QRect(0, 0, 300, 323), QColor(kGrisPanneau));

    auto ombre = [&](const QRect& g, const QFont& f, const QColor& face) { return label_ombre(Panel1, g, f, face); };
    titre = ombre(QRect(2, 8, 296, 29), police_verdana(24, true), QColor(0xFF, 0x00, 0x00));
    const QColor bleu(0x00, 0x00, 0xFF);
    joueur = ombre(QRect(8, 58, 121, 23), police_arial(16, true), bleu);
    bille = ombre(QRect(129, 58, 82, 23), police_arial(16, true), bleu);
    duree = ombre(QRect(210, 58, 81, 23), police_arial(16, true), bleu);

    auto ligne = [&](const QRect& g, Qt::Alignment a, const QString& nom) {
        auto* l = new QLabel(Panel1);
        l->setObjectName(nom);
        l->setGeometry(g);
        l->setTextFormat(Qt::PlainText);
        l->setAlignment(a | Qt::AlignTop);
        l->setFont(police_arial(16, true));
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, Qt::black);
        l->setPalette(pal);
        return l;
    };
    for (size_t i = 0; i < 10; ++i) {
        const int haut = kHautLignes[i];
        const QString rang = QString::number(i + 1);
        n[i] = ligne(QRect(8, haut, 121, 22), Qt::AlignLeft, QStringLiteral("n") + rang);
        b[i] = ligne(QRect(142, haut, 53, 22), Qt::AlignHCenter, QStringLiteral("b") + rang);
        d[i] = ligne(QRect(210, haut, 81, 22), Qt::AlignHCenter, QStringLiteral("d") + rang);
    }

    OkBtn = barre_ok(this, QRect(0, 321, 300, 24), 211, &barre);
    connect(OkBtn, &QAbstractButton::clicked, this, &Tmeilleur_score::BitBtn1Click);

    table = new TListeLue(Panel1);
    table->setObjectName(QStringLiteral("table"));
    table->setGeometry(Panel1->rect());
    table->setAccessibleName(QString::fromStdString(textes_problemes(langue_).nom_scores));
    setTabOrder(OkBtn, table);
}

void Tmeilleur_score::showEvent(QShowEvent* e)
{
    const Textes& t = textes(langue_);
    titre->setText(qs(t.score_titre));
    joueur->setText(qs(t.score_joueur));
    bille->setText(qs(t.score_bille));
    duree->setText(qs(t.score_duree));
    centrer_ecran(this);
    QDialog::showEvent(e);
    FormActivate();
}

void Tmeilleur_score::FormActivate()
{
    garde([&] {
        reglages_.recharger();
        for (int rang = 1; rang <= 10; ++rang) {
            const auto i = static_cast<size_t>(rang - 1);
            n[i]->setText(qs(reglages_.config.nom(rang)));
            // A long name is narrowed rather than cut.
            n[i]->setFont(police_ajustee(police_arial(16, true), n[i]->text(), n[i]->width()));
            b[i]->setText(QString::number(reglages_.config.billes(rang)));
            d[i]->setText(qs(reglages_.config.duree(rang)));
        }
        const QString modele = QString::fromStdString(textes_problemes(langue_).ligne_score);
        QList<TListeLue::Ligne> lignes;
        for (size_t i = 0; i < 10; ++i)
            lignes.append({modele.arg(i + 1)
                               .arg(joueur->text(), n[i]->text(), bille->text(), b[i]->text(), duree->text(),
                                    d[i]->text()),
                           n[i]->geometry().united(d[i]->geometry())});
        table->setLignes(lignes);
    });
}

void Tmeilleur_score::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(0xC0, 0xC0, 0xC0));
}

void Tmeilleur_score::BitBtn1Click()
{
    accept();
}

} // namespace trelmo
