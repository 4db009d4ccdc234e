#include "dialogs/problemes.h"

#include "dialogs/commun.h"
#include "dialogs/langue.h"
#include "dialogs/saisie_nom.h"
#include "dialogs/textes_problemes.h"
#include "game/grille.h"
#include "resources/ressources.h"
#include "storage/statistiques.h"
#include "widgets/labelcliquable.h"
#include "widgets/polices.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>
#include <map>

namespace trelmo {

namespace {

QString arg(const std::string& modele, const QString& a)
{
    return QString::fromStdString(modele).arg(a);
}

QString nom_trou(int trou)
{
    return QString::fromStdString(nom_du_trou(trou));
}

bool un_seul_depart(const std::vector<const Probleme*>& serie)
{
    return serie.front()->depart == serie.back()->depart;
}

// ------------------------------------------------------------- the list

enum RoleSup { RoleNiveau = TProblemes::RoleResolu + 1, RoleBilles, RoleCible, RoleDetail, RoleEtat };

class DelegueLigne : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    Apparence apparence;

    QSize sizeHint(const QStyleOptionViewItem& o, const QModelIndex& i) const override
    {
        return {o.rect.width(), i.data(TProblemes::RoleGenre).toInt() == TProblemes::Titre ? 30 : 64};
    }

    void paint(QPainter* p, const QStyleOptionViewItem& o, const QModelIndex& i) const override
    {
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        const QRect r = o.rect;
        if (i.data(TProblemes::RoleGenre).toInt() == TProblemes::Titre) {
            p->setFont(police_verdana(13, true));
            p->setPen(QColor(122, 59, 12));
            p->drawText(r.adjusted(8, 6, -6, -4), Qt::AlignLeft | Qt::AlignVCenter, i.data(Qt::DisplayRole).toString());
            p->setPen(QPen(QColor(217, 160, 102), 2));
            p->drawLine(r.left() + 8, r.bottom() - 1, r.right() - 8, r.bottom() - 1);
            p->restore();
            return;
        }
        const bool choisie = o.state & QStyle::State_Selected;
        if (choisie) {
            QLinearGradient g(r.topLeft(), r.bottomLeft());
            g.setColorAt(0.0, QColor(255, 244, 214));
            g.setColorAt(1.0, QColor(243, 214, 150));
            p->setPen(QPen(QColor(200, 150, 80), 1));
            p->setBrush(g);
            p->drawRoundedRect(QRectF(r).adjusted(3.5, 1.5, -3.5, -1.5), 7, 7);
            if (o.state & QStyle::State_HasFocus) {
                p->setPen(QPen(kBleuCurseur, 1, Qt::DotLine));
                p->setBrush(Qt::NoBrush);
                p->drawRoundedRect(QRectF(r).adjusted(5.5, 3.5, -5.5, -3.5), 5, 5);
            }
        }
        const QRectF vignette(r.left() + 8, r.top() + 4, 56, 56);
        const int32_t niveau = i.data(RoleNiveau).toInt();
        dessiner_plateau(*p, GeometriePlateau(niveau, vignette), i.data(RoleBilles).toULongLong(),
                         i.data(RoleCible).toInt(), apparence);
        const bool resolu = i.data(TProblemes::RoleResolu).toBool();
        if (resolu)
            coche_resolu(*p, vignette.topRight() + QPointF(-4, 5), 7);

        const int x = r.left() + 74;
        const int w = r.right() - x - 6;
        const QString nom = i.data(Qt::DisplayRole).toString();
        p->setPen(QColor(32, 32, 32));
        p->setFont(police_ajustee(police_arial(15, true), nom, w));
        p->drawText(QRect(x, r.top() + 6, w, 20), Qt::AlignLeft | Qt::AlignVCenter, nom);
        auto ligne = [&](int haut, const QString& texte, const QColor& couleur) {
            p->setFont(police_ajustee(police_arial(12), texte, w));
            p->setPen(couleur);
            p->drawText(QRect(x, r.top() + haut, w, 16), Qt::AlignLeft | Qt::AlignVCenter, texte);
        };
        ligne(26, i.data(RoleDetail).toString(), QColor(80, 80, 80));
        ligne(42, i.data(RoleEtat).toString(), resolu ? kVertResolu.darker(120) : QColor(128, 128, 128));
        p->restore();
    }
};

} // namespace

// ------------------------------------------------------------- the dialog

TProblemes::TProblemes(int32_t langue, const Statistiques& stats, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      langue_(langue), stats_(stats)
{
    const TextesProblemes& t = textes_problemes(langue);
    setObjectName(QStringLiteral("problemes"));
    setWindowTitle(QString::fromStdString(t.titre));
    setFixedSize(640, 460);
    setModal(true);

    QWidget* panneau = panneau_uni(this, QRect(0, 0, 640, 436), QColor(kGrisPanneau));
    auto* titre = label_ombre(panneau, QRect(8, 6, 624, 32), police_verdana(24, true), QColor(0xFF, 0x00, 0x00));
    titre->setText(QString::fromStdString(t.titre).toUpper());

    liste = new QListWidget(panneau);
    liste->setObjectName(QStringLiteral("liste"));
    liste->setGeometry(10, 44, 300, 384);
    liste->setAccessibleName(QString::fromStdString(t.nom_liste));
    liste->setFrameShape(QFrame::NoFrame);
    liste->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    liste->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    liste->setItemDelegate(new DelegueLigne(liste));
    QPalette pal = liste->palette();
    pal.setColor(QPalette::Base, QColor(250, 246, 236));
    liste->setPalette(pal);
    liste->installEventFilter(this);

    plateau = new TPlateauChoix(langue, panneau);
    plateau->setGeometry(322, 40, 308, 308);
    plateau->setResolus(&resolus_);

    nom = label_ombre(panneau, QRect(322, 352, 308, 26), police_arial(18, true), QColor(0x00, 0x00, 0xFF));
    nom->setObjectName(QStringLiteral("nom"));
    auto ligne = [&](int haut, const QString& objet) {
        auto* l = new QLabel(panneau);
        l->setObjectName(objet);
        l->setGeometry(322, haut, 308, 20);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        l->setTextFormat(Qt::PlainText);
        l->setFont(police_arial(13));
        return l;
    };
    detail = ligne(382, QStringLiteral("detail"));
    etat = ligne(404, QStringLiteral("etat"));

    auto* barre = new TPanneauDegrade(true, this);
    barre->setGeometry(0, 436, 640, 24);
    auto* releve = new TPanneauDegrade(false, barre);
    releve->setGeometry(0, 0, 420, 24);
    auto bouton = [&](int gauche, const std::string& texte, const QString& objet) {
        auto* b = new TBoutonArrondi(barre);
        b->setObjectName(objet);
        b->setGeometry(gauche, 0, 110, 24);
        b->setText(QString::fromStdString(texte));
        b->setFont(police_arial(12, true));
        b->setCouleurTexte(Qt::black);
        b->setCouleurOmbre(Qt::white);
        b->setRelief(TBoutonArrondi::Relief::Ombre);
        b->setCursor(curseur(curseur_tophand_id));
        return b;
    };
    annuler = bouton(420, t.annuler, QStringLiteral("annuler"));
    jouer = bouton(530, t.jouer, QStringLiteral("jouer"));
    jouer->setImagePourEcran([](qreal r) { return bille_verte(r); });
    connect(annuler, &QAbstractButton::clicked, this, &QDialog::reject);
    connect(jouer, &QAbstractButton::clicked, this, &TProblemes::lancer);
    setTabOrder(liste, plateau);
    setTabOrder(plateau, jouer);
    setTabOrder(jouer, annuler);

    connect(liste, &QListWidget::currentRowChanged, this, &TProblemes::ligne_courante);
    connect(liste, &QListWidget::itemDoubleClicked, this, [this] {
        if (courant_)
            lancer();
    });
    annonce = new TAnnonce(this);
    connect(plateau, &TPlateauChoix::changement, this, &TProblemes::actualiser);
    connect(plateau, &TPlateauChoix::valide, this, &TProblemes::lancer);
    remplir();
}

void TProblemes::setApparence(const Apparence& a)
{
    apparence_ = a;
    static_cast<DelegueLigne*>(liste->itemDelegate())->apparence = a;
    liste->viewport()->update();
    plateau->setApparence(a);
}

void TProblemes::remplir()
{
    const TextesProblemes& t = textes_problemes(langue_);
    const std::vector<Probleme>& tous = catalogue();
    series_.clear();
    liste->clear();
    for (int32_t niveau = 1; niveau <= 3; ++niveau) {
        auto* titre = new QListWidgetItem(QString::fromStdString(t.plateaux[niveau - 1]), liste);
        titre->setData(RoleGenre, Titre);
        titre->setFlags(Qt::NoItemFlags);
        std::map<std::string, std::size_t> groupes;
        for (std::size_t i = 0; i < tous.size(); ++i) {
            const Probleme& p = tous[i];
            if (p.niveau != niveau)
                continue;
            if (!p.groupe.empty()) {
                const auto [place, nouveau] = groupes.try_emplace(p.groupe, series_.size());
                if (nouveau)
                    series_.emplace_back();
                series_[place->second].push_back(&p);
                if (!nouveau)
                    continue;
            }
            auto* item = new QListWidgetItem(liste);
            item->setData(RoleGenre, p.groupe.empty() ? UnProbleme : UneSerie);
            item->setData(RoleIndex, static_cast<int>(p.groupe.empty() ? i : groupes[p.groupe]));
            item->setData(RoleNiveau, p.niveau);
            item->setData(RoleBilles, QVariant::fromValue<qulonglong>(p.billes));
            item->setData(RoleCible, p.groupe.empty() ? p.cible : 0);
        }
    }
    marquer();
    liste->setCurrentRow(1);
}

void TProblemes::marquer()
{
    const TextesProblemes& t = textes_problemes(langue_);
    const std::string prefixe = cle_probleme("");
    resolus_.clear();
    for (const auto& [cle, s] : stats_.tout())
        if (s.gagnees > 0 && cle.rfind(prefixe, 0) == 0)
            resolus_.insert(cle.substr(prefixe.size()));

    const std::vector<Probleme>& tous = catalogue();
    for (int row = 0; row < liste->count(); ++row) {
        QListWidgetItem* item = liste->item(row);
        const int genre = item->data(RoleGenre).toInt();
        if (genre == Titre)
            continue;
        const int index = item->data(RoleIndex).toInt();
        QString nom_ligne, detail_ligne, etat_ligne;
        bool resolu = false;
        if (genre == UnProbleme) {
            const Probleme& p = tous[static_cast<std::size_t>(index)];
            nom_ligne = nom_probleme(p, langue_);
            detail_ligne = texte_n(langue_, "problemes.billes", nb_billes(p)).arg(nb_billes(p)) + texte(langue_, "problemes.separateur")
                + (p.cible ? arg(t.finir_en, nom_trou(p.cible)) : QString::fromStdString(t.finir_partout));
            const StatsJeu s = stats_.stats(cle_probleme(p.id));
            resolu = s.gagnees > 0;
            etat_ligne = resolu && s.meilleur_temps >= 0 ? arg(t.resolu, QString::fromStdString(duree(s.meilleur_temps)))
                                                         : QString::fromStdString(t.pas_resolu);
        } else {
            const auto& serie = series_[static_cast<std::size_t>(index)];
            const auto n = std::count_if(serie.begin(), serie.end(), [&](const Probleme* p) { return resolus_.count(p->id) > 0; });
            nom_ligne = nom_groupe(*serie.front(), langue_);
            detail_ligne = texte_n(langue_, "problemes.serie", static_cast<int>(serie.size())).arg(QString::number(serie.size()), QString::number(n));
            resolu = n == static_cast<long>(serie.size());
            etat_ligne = QString::fromStdString(un_seul_depart(serie) ? t.choisir_cible : t.choisir_depart);
        }
        item->setData(Qt::DisplayRole, nom_ligne);
        item->setData(RoleDetail, detail_ligne);
        item->setData(RoleEtat, etat_ligne);
        item->setData(RoleResolu, resolu);
        item->setData(Qt::AccessibleTextRole, QStringList{nom_ligne, detail_ligne, etat_ligne}.join(QStringLiteral(", ")));
    }
}

void TProblemes::ligne_courante()
{
    QListWidgetItem* item = liste->currentItem();
    if (!item)
        return;
    const int index = item->data(RoleIndex).toInt();
    switch (item->data(RoleGenre).toInt()) {
    case UnProbleme: plateau->montrer(&catalogue()[static_cast<std::size_t>(index)]); break;
    case UneSerie: plateau->choisir(series_[static_cast<std::size_t>(index)]); break;
    default: break;
    }
}

void TProblemes::actualiser()
{
    const TextesProblemes& t = textes_problemes(langue_);
    courant_ = plateau->choisi();
    if (courant_) {
        nom->setText(nom_probleme(*courant_, langue_));
        detail->setText(texte_n(langue_, "problemes.billes", nb_billes(*courant_)).arg(nb_billes(*courant_)) + texte(langue_, "problemes.separateur")
                        + (courant_->cible ? arg(t.finir_en, nom_trou(courant_->cible))
                                           : QString::fromStdString(t.finir_partout)));
        const StatsJeu s = stats_.stats(cle_probleme(courant_->id));
        etat->setText(s.gagnees > 0 && s.meilleur_temps >= 0 ? arg(t.resolu, QString::fromStdString(duree(s.meilleur_temps)))
                                                             : QString::fromStdString(t.pas_resolu));
    } else if (plateau->en_choix()) {
        const QListWidgetItem* item = liste->currentItem();
        nom->setText(item ? item->text() : QString());
        if (plateau->depart() == 0) {
            detail->setText(QString::fromStdString(t.choisir_depart));
            QStringList images;
            for (int s = 1; s < 8; ++s) {
                const QString n = nom_trou(symetrique(s, plateau->curseur()));
                if (symetrique(s, plateau->curseur()) != plateau->curseur() && !images.contains(n))
                    images << n;
            }
            etat->setText(images.isEmpty() ? QString() : arg(t.symetriques, images.join(QStringLiteral(", "))));
        } else {
            detail->setText(QString::fromStdString(t.choisir_cible));
            // A series with a single start has no other start to go back to.
            const QListWidgetItem* ligne = liste->currentItem();
            const bool seul = ligne && un_seul_depart(series_[static_cast<std::size_t>(ligne->data(RoleIndex).toInt())]);
            etat->setText(seul ? QString() : QString::fromStdString(t.autre_depart));
        }
    }
    // A change of the description alone is not spoken: each move and each
    // choice on the board is told as it is made.
    if (plateau->hasFocus() && plateau->en_choix() && !plateau->accessibleDescription().isEmpty()) {
        QStringList dit{plateau->accessibleDescription()};
        if (courant_)
            dit << nom->text() << detail->text();
        else
            dit << detail->text();
        const QString texte = dit.join(QStringLiteral(". "));
        if (texte != annonce->derniere())
            annonce->annoncer(texte);
    }
    nom->setFont(police_ajustee(police_arial(18, true), nom->text(), nom->width() - 4));
    etat->setFont(police_ajustee(police_arial(13), etat->text(), etat->width() - 4));
    jouer->setEnabled(courant_ != nullptr);
    jouer->setCouleurTexte(courant_ ? QColor(Qt::black) : QColor(150, 150, 150));
}

void TProblemes::lancer()
{
    if (!courant_)
        return;
    choisi_ = courant_;
    accept();
}

bool TProblemes::eventFilter(QObject* o, QEvent* e)
{
    if (o == liste && e->type() == QEvent::KeyPress) {
        const int touche = static_cast<QKeyEvent*>(e)->key();
        if (touche == Qt::Key_Return || touche == Qt::Key_Enter) {
            if (plateau->en_choix() && !courant_)
                plateau->setFocus(Qt::TabFocusReason);
            else
                lancer();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void TProblemes::showEvent(QShowEvent* e)
{
    // The statistics may have changed since the last showing.
    choisi_ = nullptr;
    marquer();
    liste->viewport()->update();
    actualiser();
    centrer_ecran(this);
    QDialog::showEvent(e);
    liste->setFocus(Qt::OtherFocusReason);
}

void TProblemes::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(0xC0, 0xC0, 0xC0));
}

} // namespace trelmo
