#include "dialogs/mes_problemes.h"
#include "game/problemes.h"

#include "dialogs/langue.h"
#include "dialogs/textes_problemes.h"
#include "game/position_texte.h"
#include "widgets/garde.h"

#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <bit>

namespace trelmo {

QString ligne_mon_probleme(const MonProbleme& p, int32_t langue)
{
    const TextesProblemes& t = textes_problemes(langue);
    const int billes = std::popcount(p.billes);
    QString ligne = QString::fromStdString(p.nom) + QStringLiteral(" — ")
        + QString::fromStdString(t.plateaux[std::clamp(p.niveau, 1, 3) - 1]) + texte(langue, "problemes.separateur")
        + texte_n(langue, "problemes.billes", billes).arg(billes);
    if (p.cible != 0)
        ligne += texte(langue, "problemes.separateur")
            + QString::fromStdString(t.finir_en).arg(QString::fromStdString(nom_case(p.cible)));
    return ligne;
}

TMesProblemes::TMesProblemes(int32_t langue, MesProblemes& liste, QWidget* parent)
    : QDialog(parent), langue_(langue), mes_(liste)
{
    setObjectName(QStringLiteral("mes_problemes"));
    setWindowTitle(texte(langue, "plus.mes_problemes"));
    liste_ = new QListWidget(this);
    liste_->setObjectName(QStringLiteral("liste"));
    liste_->setAccessibleName(texte(langue, "plus.mes_problemes"));
    liste_->setMinimumSize(420, 240);
    auto* vide = new QLabel(texte(langue, "plus.mes_problemes_aucun"), this);
    vide->setObjectName(QStringLiteral("vide"));
    vide->setWordWrap(true);
    auto bouton = [this](const char* nom, const QString& t, auto faire) {
        auto* b = new QPushButton(t, this);
        b->setObjectName(QString::fromLatin1(nom));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, faire] { garde([&] { faire(); }); });
        return b;
    };
    jouer_ = bouton("jouer", texte(langue, "plus.editeur_jouer"), [this] { finir(Jouer); });
    jouer_->setDefault(true);
    modifier_ = bouton("modifier", texte(langue, "plus.editeur_titre"), [this] { finir(Modifier); });
    renommer_ = bouton("renommer", texte(langue, "plus.renommer"), [this] { renommer(); });
    supprimer_ = bouton("supprimer", texte(langue, "plus.supprimer"), [this] { supprimer(); });
    auto* fermer = bouton("fermer", texte(langue, "plus.editeur_fermer"), [this] { reject(); });

    auto* boutons = new QHBoxLayout;
    for (QPushButton* b : {jouer_, modifier_, renommer_, supprimer_})
        boutons->addWidget(b);
    boutons->addStretch();
    boutons->addWidget(fermer);
    auto* tout = new QVBoxLayout(this);
    tout->addWidget(liste_);
    tout->addWidget(vide);
    tout->addLayout(boutons);

    connect(liste_, &QListWidget::itemActivated, this, [this] { garde([this] { finir(Jouer); }); });
    connect(liste_, &QListWidget::currentRowChanged, this, [this, vide] {
        const bool un = liste_->currentRow() >= 0;
        for (QPushButton* b : {jouer_, modifier_, renommer_, supprimer_})
            b->setEnabled(un);
        vide->setVisible(liste_->count() == 0);
    });
    demander_nom = [this](const QString& ancien) {
        bool ok = false;
        const QString n = QInputDialog::getText(this, texte(langue_, "plus.renommer"), texte(langue_, "plus.editeur_nom"),
                                                QLineEdit::Normal, ancien, &ok);
        return ok ? n.trimmed() : QString();
    };
    confirmer = [this](const QString& question) {
        return QMessageBox::question(this, texte(langue_, "plus.mes_problemes"), question) == QMessageBox::Yes;
    };
    remplir({});
    liste_->setFocus();
}

void TMesProblemes::remplir(const std::string& garder)
{
    const QSignalBlocker b(liste_);
    liste_->clear();
    int courant = -1;
    for (const MonProbleme& p : mes_.liste()) {
        auto* item = new QListWidgetItem(ligne_mon_probleme(p, langue_), liste_);
        item->setData(Qt::UserRole, QString::fromStdString(p.id));
        if (p.id == garder)
            courant = liste_->count() - 1;
    }
    if (courant < 0 && liste_->count() > 0)
        courant = 0;
    liste_->setCurrentRow(courant);
    emit liste_->currentRowChanged(courant);
}

std::string TMesProblemes::courant() const
{
    const QListWidgetItem* i = liste_->currentItem();
    return i ? i->data(Qt::UserRole).toString().toStdString() : std::string();
}

void TMesProblemes::finir(Choix c)
{
    choisi_ = courant();
    if (choisi_.empty())
        return;
    choix_ = c;
    accept();
}

void TMesProblemes::ecrit(int err)
{
    if (err != 0 && avertir)
        avertir(texte(langue_, "plus.mes_problemes_ecriture").arg(QString::fromStdString(mes_.chemin())));
}

void TMesProblemes::renommer()
{
    const std::string id = courant();
    const MonProbleme* p = mes_.trouver(id);
    if (!p)
        return;
    const QString nom = demander_nom(QString::fromStdString(p->nom));
    if (nom.isEmpty())
        return;
    ecrit(mes_.renommer(id, nom.toStdString()));
    remplir(id);
}

void TMesProblemes::supprimer()
{
    const std::string id = courant();
    const MonProbleme* p = mes_.trouver(id);
    if (!p || !confirmer(texte(langue_, "plus.supprimer_question").arg(QString::fromStdString(p->nom))))
        return;
    ecrit(mes_.supprimer(id));
    remplir({});
}

} // namespace trelmo
