#include "dialogs/editeur.h"
#include "game/problemes.h"

#include "dialogs/langue.h"
#include "dialogs/textes_problemes.h"
#include "game/grille.h"
#include "storage/fichier.h"
#include "widgets/annonce.h"
#include "widgets/garde.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

namespace trelmo {

namespace {


} // namespace

// ---------------------------------------------------------------- the board

TPlateauEditeur::TPlateauEditeur(int32_t langue, QWidget* parent) : QWidget(parent), langue_(langue)
{
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(sizeHint());
    setAccessibleName(texte(langue, "plus.plateau"));
}

QPoint TPlateauEditeur::centre(int n) const
{
    const Case k = case_du_trou(n);
    return {(k.col - 1) * kCase + kCase / 2, (k.lig - 1) * kCase + kCase / 2};
}

int TPlateauEditeur::trou_en(QPoint p) const
{
    const int n = numero_trou(p.x() / kCase + 1, p.y() / kCase + 1);
    return n != 0 && (trous_du_niveau(position.niveau) & bit(n)) ? n : 0;
}

QString TPlateauEditeur::nom_trou(int n) const
{
    const Case k = case_du_trou(n);
    QString etat = texte(langue_, (position.billes & bit(n)) ? "plus.bille" : "plus.vide");
    if (position.cible == n)
        etat = texte(langue_, "plus.editeur_cible").arg(etat);
    return texte(langue_, "plus.trou").arg(k.col).arg(k.lig).arg(etat);
}

void TPlateauEditeur::basculer(int n)
{
    if (n == 0)
        return;
    position.billes ^= bit(n);
    update();
    dire_curseur();
    emit change();
}

void TPlateauEditeur::cibler(int n)
{
    if (n == 0)
        return;
    position.cible = position.cible == n ? 0 : n;
    update();
    dire_curseur();
    emit change();
}

void TPlateauEditeur::dire_curseur()
{
    setAccessibleDescription(nom_trou(curseur));
    if (QAccessible::isActive()) {
        QAccessibleEvent e(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&e);
    }
}

void TPlateauEditeur::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(0x6B, 0x44, 0x23));
    const std::uint64_t trous = trous_du_niveau(position.niveau);
    for (int n = 1; n <= kNbTrous; ++n) {
        if (!(trous & bit(n)))
            continue;
        const QPointF c = centre(n);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x3A, 0x24, 0x10));
        p.drawEllipse(c, 8.0, 8.0);
        if (position.billes & bit(n)) {
            QRadialGradient g(c - QPointF(4, 4), 14);
            g.setColorAt(0, QColor(0xFF, 0xF0, 0xC0));
            g.setColorAt(1, QColor(0xC0, 0x60, 0x10));
            p.setBrush(g);
            p.drawEllipse(c, 13.0, 13.0);
        }
        if (position.cible == n) {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(0xFF, 0x30, 0x30), 3));
            p.drawEllipse(c, 15.5, 15.5);
        }
    }
    if (hasFocus()) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::white, 2, Qt::DashLine));
        const QPoint c = centre(curseur);
        p.drawRect(QRect(c - QPoint(kCase / 2 - 1, kCase / 2 - 1), QSize(kCase - 2, kCase - 2)));
    }
}

void TPlateauEditeur::mousePressEvent(QMouseEvent* e)
{
    garde([&] {
        const int n = trou_en(e->position().toPoint());
        if (n == 0)
            return;
        curseur = n;
        if (e->button() == Qt::RightButton)
            cibler(n);
        else if (e->button() == Qt::LeftButton)
            basculer(n);
    });
}

void TPlateauEditeur::keyPressEvent(QKeyEvent* e)
{
    garde([&] {
        int dc = 0, dl = 0;
        switch (e->key()) {
        case Qt::Key_Left: dc = -1; break;
        case Qt::Key_Right: dc = 1; break;
        case Qt::Key_Up: dl = -1; break;
        case Qt::Key_Down: dl = 1; break;
        case Qt::Key_Space: basculer(curseur); return;
        case Qt::Key_T: cibler(curseur); return;
        default: QWidget::keyPressEvent(e); return;
        }
        const std::uint64_t trous = trous_du_niveau(position.niveau);
        Case k = case_du_trou(curseur);
        // Over the gaps of the board to the next hole in that direction.
        for (int pas = 0; pas < 9; ++pas) {
            k.col += dc;
            k.lig += dl;
            const int n = numero_trou(k.col, k.lig);
            if (!Grille::dans_grille(k.col, k.lig))
                break;
            if (n != 0 && (trous & bit(n))) {
                curseur = n;
                break;
            }
        }
        update();
        dire_curseur();
    });
}

void TPlateauEditeur::focusInEvent(QFocusEvent* e)
{
    QWidget::focusInEvent(e);
    dire_curseur();
}

// ---------------------------------------------------------------- the dialog

std::function<void(const QString&)>& TEditeur::afficheur_message()
{
    static std::function<void(const QString&)> f;
    return f;
}

TEditeur::TEditeur(int32_t langue, QWidget* parent) : QDialog(parent), langue_(langue)
{
    setWindowTitle(texte(langue, "plus.editeur_titre"));
    setObjectName(QStringLiteral("editeur"));
    const TextesProblemes& tp = textes_problemes(langue);

    plateau_ = new TPlateauEditeur(langue, this);
    plateau_->setObjectName(QStringLiteral("plateau"));
    choix_plateau_ = new QComboBox(this);
    choix_plateau_->setObjectName(QStringLiteral("choix_plateau"));
    for (int i = 0; i < 3; ++i)
        choix_plateau_->addItem(QString::fromStdString(tp.plateaux[i]));
    auto* etiquette_plateau = new QLabel(texte(langue, "plus.editeur_plateau"), this);
    etiquette_plateau->setBuddy(choix_plateau_);
    nom_ = new QLineEdit(this);
    nom_->setObjectName(QStringLiteral("nom"));
    auto* etiquette_nom = new QLabel(texte(langue, "plus.editeur_nom"), this);
    etiquette_nom->setBuddy(nom_);
    verdict_ = new QLabel(this);
    verdict_->setObjectName(QStringLiteral("verdict"));
    verdict_->setWordWrap(true);
    verdict_->setMinimumWidth(220);
    {
        QFont f = verdict_->font();
        f.setBold(true);
        verdict_->setFont(f);
    }
    annonce_ = new TAnnonce(this);
    auto* aide = new QLabel(texte(langue, "plus.editeur_aide"), this);
    aide->setWordWrap(true);

    auto bouton = [this](const char* nom, const char* id, auto faire) {
        auto* b = new QPushButton(texte(langue_, id), this);
        b->setObjectName(QString::fromLatin1(nom));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, faire] { garde([&] { faire(); }); });
        return b;
    };
    auto* vider = bouton("vider", "plus.editeur_vider", [this] {
        plateau_->position.billes = 0;
        plateau_->update();
        changement();
    });
    auto* remplir = bouton("remplir", "plus.editeur_remplir", [this] {
        plateau_->position.billes = trous_du_niveau(plateau_->position.niveau);
        plateau_->update();
        changement();
    });
    auto* copier_b = bouton("copier", "plus.copier", [this] { copier(); });
    auto* coller_b = bouton("coller", "plus.coller", [this] { coller(); });
    auto* exporter_b = bouton("exporter", "plus.exporter", [this] { exporter(); });
    auto* importer_b = bouton("importer", "plus.importer", [this] { importer(); });
    auto* garder_b = bouton("garder", "plus.editeur_garder", [this] {
        if (!garder)
            return;
        const QString dit = garder(position());
        if (!dit.isEmpty())
            annonce_->annoncer(dit);
    });
    auto* jouer_b = bouton("jouer", "plus.editeur_jouer", [this] { accept(); });
    jouer_b->setDefault(true);
    auto* fermer_b = bouton("fermer", "plus.editeur_fermer", [this] { reject(); });

    auto* droite = new QVBoxLayout;
    auto* formulaire = new QGridLayout;
    formulaire->addWidget(etiquette_plateau, 0, 0);
    formulaire->addWidget(choix_plateau_, 0, 1);
    formulaire->addWidget(etiquette_nom, 1, 0);
    formulaire->addWidget(nom_, 1, 1);
    droite->addLayout(formulaire);
    droite->addWidget(verdict_);
    droite->addStretch();
    auto* boutons_bord = new QGridLayout;
    boutons_bord->addWidget(vider, 0, 0);
    boutons_bord->addWidget(remplir, 0, 1);
    boutons_bord->addWidget(copier_b, 1, 0);
    boutons_bord->addWidget(coller_b, 1, 1);
    boutons_bord->addWidget(exporter_b, 2, 0);
    boutons_bord->addWidget(importer_b, 2, 1);
    droite->addLayout(boutons_bord);
    auto* haut = new QHBoxLayout;
    haut->addWidget(plateau_);
    haut->addLayout(droite);
    auto* bas = new QHBoxLayout;
    bas->addStretch();
    bas->addWidget(garder_b);
    bas->addWidget(jouer_b);
    bas->addWidget(fermer_b);
    auto* tout = new QVBoxLayout(this);
    tout->addLayout(haut);
    tout->addWidget(aide);
    tout->addLayout(bas);

    setTabOrder(plateau_, choix_plateau_);
    setTabOrder(choix_plateau_, nom_);

    connect(plateau_, &TPlateauEditeur::change, this, [this] { garde([this] { changement(); }); });
    connect(choix_plateau_, &QComboBox::currentIndexChanged, this, [this](int i) {
        garde([this, i] {
            PositionTexte p = position();
            if (p.niveau == i + 1)
                return;
            // A new board starts full but for its centre, as a game does.
            p.niveau = i + 1;
            p.billes = trous_du_niveau(p.niveau) & ~bit(25);
            p.cible = 0;
            setPosition(p);
        });
    });
    PositionTexte depart;
    depart.billes = trous_du_niveau(1) & ~bit(25);
    setPosition(depart);
    plateau_->setFocus();
}

PositionTexte TEditeur::position() const
{
    PositionTexte p = plateau_->position;
    p.nom = nom_->text().trimmed().toStdString();
    return p;
}

void TEditeur::setPosition(const PositionTexte& p)
{
    plateau_->position = p;
    plateau_->position.billes &= trous_du_niveau(p.niveau);
    if (!(trous_du_niveau(p.niveau) & bit(plateau_->curseur)))
        plateau_->curseur = 25;
    {
        const QSignalBlocker b(choix_plateau_);
        choix_plateau_->setCurrentIndex(p.niveau - 1);
    }
    nom_->setText(QString::fromStdString(p.nom));
    plateau_->update();
    changement();
}

void TEditeur::changement()
{
    verdict_->setText(texte(langue_, "plus.verdict_attente"));
    if (demander && !demander(position())) {
        verdict_->setText(texte(langue_, "plus.verdict_aucun"));
        annonce_->annoncer(verdict_->text());
    }
}

void TEditeur::montrer_verdict(const VerdictEditeur& v)
{
    QString t;
    const int cible = plateau_->position.cible;
    if (cible != 0 && v.cible_atteinte)
        t = texte(langue_, "plus.verdict_un").arg(QString::fromStdString(nom_case(cible)));
    else if (cible != 0 && v.cible_perdue && v.prouve)
        t = texte_n(langue_, "plus.verdict_cible_perdue", v.meilleur).arg(v.meilleur);
    else if (!v.prouve)
        t = texte_n(langue_, "plus.verdict_non_prouve", v.meilleur).arg(v.meilleur);
    else if (v.meilleur == 1 && v.dernier != 0)
        t = texte(langue_, "plus.verdict_un").arg(QString::fromStdString(nom_case(v.dernier)));
    else
        t = texte_n(langue_, "plus.verdict_meilleur", v.meilleur).arg(v.meilleur);
    verdict_->setText(t);
    annonce_->annoncer(t);
}

QString TEditeur::verdict() const { return verdict_->text(); }

QString TEditeur::en_texte() const { return QString::fromStdString(vers_texte(position())); }

bool TEditeur::ouvrir_texte(const QString& texte_lu)
{
    const std::optional<PositionTexte> p = depuis_texte_position(texte_lu.toStdString());
    if (!p) {
        message(texte(langue_, "plus.texte_refuse"));
        return false;
    }
    setPosition(*p);
    return true;
}

void TEditeur::copier()
{
    QApplication::clipboard()->setText(en_texte());
    annonce_->annoncer(texte(langue_, "plus.copie_faite"));
}

void TEditeur::coller() { ouvrir_texte(QApplication::clipboard()->text()); }

void TEditeur::exporter()
{
    QString nom = QString::fromStdString(position().nom);
    if (nom.isEmpty())
        nom = QStringLiteral("probleme");
    const QString chemin = QFileDialog::getSaveFileName(this, texte(langue_, "plus.exporter"), nom + QStringLiteral(".txt"),
                                                        texte(langue_, "plus.filtre"));
    if (chemin.isEmpty())
        return;
    QSaveFile f(chemin);
    const QByteArray octets = en_texte().toUtf8();
    if (!f.open(QIODevice::WriteOnly) || f.write(octets) != octets.size() || !f.commit())
        message(texte(langue_, "plus.fichier_ecriture").arg(chemin));
}

void TEditeur::importer()
{
    const QString chemin = QFileDialog::getOpenFileName(this, texte(langue_, "plus.importer"), QString(),
                                                        texte(langue_, "plus.filtre"));
    if (chemin.isEmpty())
        return;
    std::string contenu;
    if (lire_fichier(chemin.toStdString(), contenu, 4096) != 0) {
        message(texte(langue_, "plus.texte_refuse"));
        return;
    }
    ouvrir_texte(QString::fromStdString(contenu));
}

void TEditeur::message(const QString& t)
{
    annonce_->annoncer(t);
    if (afficheur_message()) {
        afficheur_message()(t);
        return;
    }
    QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(), t, QMessageBox::Ok, this);
    box.exec();
}

void TEditeur::keyPressEvent(QKeyEvent* e)
{
    garde([&] {
        if (e->matches(QKeySequence::Paste) && !nom_->hasFocus()) {
            coller();
            return;
        }
        if (e->matches(QKeySequence::Copy) && !nom_->hasFocus()) {
            copier();
            return;
        }
        QDialog::keyPressEvent(e);
    });
}

} // namespace trelmo
