// The main window's layout and wiring: its controls and sprites, the labels
// and the result overlay the game writes to, the original buttons, the
// settings and dialogs the game calls, and showing and closing the window.
#include "mainwindow/form1.h"
#include "mainwindow/reprise.h"
#include "mainwindow/echelle.h"

#include "dialogs/freewaremsg.h"
#include "dialogs/langue.h"
#include "dialogs/liens.h"
#include "dialogs/meilleur_score.h"
#include "game/textes.h"
#include "mainwindow/calque.h"
#include "mainwindow/sprite.h"
#include "mainwindow/texte_label.h"
#include "mainwindow/textes_plus.h"
#include "resources/ressources.h"
#include "storage/erreur_es.h"
#include "storage/ini.h"
#include "storage/statistiques.h"
#include "widgets/bulle.h"
#include "widgets/garde.h"
#include "widgets/label3d.h"
#include "widgets/polices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QGraphicsDropShadowEffect>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>


namespace trelmo {

namespace {

// Where the sprites stand.
constexpr int kGaucheColonne[10] = {0, 180, 216, 252, 289, 326, 361, 398, 435, 471};
constexpr int kHautLigne[10] = {0, 46, 84, 122, 160, 198, 236, 274, 312, 350};
constexpr int kGaucheRepos[6] = {0, 23, 56, 88, 121, 154};
constexpr int kHautRepos[11] = {0, 29, 68, 105, 143, 180, 218, 256, 294, 333, 369};

// The 2-pixel black frame around the window.
class Cadre : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        const int w = width(), h = height();
        p.drawRect(0, 0, w, 2);
        p.drawRect(0, h - 2, w, 2);
        p.drawRect(0, 0, 2, h);
        p.drawRect(w - 2, 0, 2, h);
    }
};

QString q(const std::string& s) { return QString::fromStdString(s); }

} // namespace

TForm1::TForm1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint),
      repertoire_(QDir::currentPath().toStdString() + "/"),
      chemin_aide_(repertoire_ + "doc.chm"),
      reglages_(repertoire_),
      sauvegarde_(repertoire_),
      peaux_(repertoire_),
      sprites_(peaux_, reglages_.config),
      partenaires_(reglages_),
      messages_(this),
      jeu_(sprites_, *this, minuterie_, partenaires_)
{
    installer_accessibilite();
    setObjectName(QStringLiteral("Form1"));
    echelle_ = new Echelle(this, QSize(640, 462), chemin_ini());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    // The controls of the window, from the bottom of the stacking order up.
    plateau_ = new QLabel(this);
    plateau_->setObjectName(QStringLiteral("plateau"));
    plateau_->setGeometry(0, 0, 640, 462);
    plateau_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Shape1_ = new Cadre(this);
    Shape1_->setObjectName(QStringLiteral("Shape1"));
    Shape1_->setGeometry(0, 0, 640, 462);
    Shape1_->setAttribute(Qt::WA_TransparentForMouseEvents);

    const QString arial = police_arial(1).family(), verdana = police_verdana(1).family();
    billes_repos_ = creer_label("billes_repos", {478, 40, 137, 44}, arial, 37, Qt::black, nullptr);
    etat_jeux_ = creer_label("etat_jeux", {480, 336, 133, 55}, verdana, 17, Qt::black, &TForm1::etat_jeuxClick);
    sauver_ = creer_label("sauver", {526, 192, 91, 29}, verdana, 17, Qt::white, &TForm1::sauverClick);
    scores_ = creer_label("scores", {526, 266, 91, 29}, verdana, 17, Qt::white, &TForm1::scoresClick);
    chrono_ = creer_label("chrono", {42, 408, 95, 27}, arial, 24, Qt::black, nullptr);
    chrono_->setText(QStringLiteral("00:00:00"));
    infos_ = creer_label("infos", {348, 413, 85, 23}, verdana, 13, Qt::black, &TForm1::infosClick);
    aide_ = creer_label("aide", {448, 413, 85, 23}, verdana, 13, Qt::black, &TForm1::aideClick);
    quitter_ = creer_label("quitter", {544, 413, 61, 23}, verdana, 12, Qt::white, &TForm1::quitterClick);
    texture_bille_ = creer_label("texture_bille", {252, 413, 83, 23}, verdana, 13, Qt::black, &TForm1::texture_billeClick);

    charger_ = new TLabel3D(this);
    charger_->setObjectName(QStringLiteral("charger"));
    charger_->setGeometry(526, 126, 91, 29);
    charger_->setFont(police(verdana, 17, true));
    charger_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    charger_->setTransparent(true);
    charger_->setShadowColor(Qt::black);
    {
        QPalette p = charger_->palette();
        p.setColor(QPalette::WindowText, Qt::white);
        charger_->setPalette(p);
    }
    charger_->setCursor(curseur(curseur_tophand_id));
    charger_->setProperty("bouton", true);
    charger_->setProperty("accessible", true);
    charger_->setClavier(true);
    connect(charger_, &TLabel3D::clicked, this, [this] {
        garde([this] {
            abandonner_glisse();
            chargerClick();
        });
    });

    texture_plateau_ = creer_label("texture_plateau", {145, 413, 91, 24}, verdana, 13, Qt::black, &TForm1::texture_plateauClick);
    lien_site_ = creer_label("lien_site", {183, 440, 273, 18}, verdana, 16, Qt::yellow, &TForm1::lien_siteClick);
    lien_site_->setFocusPolicy(Qt::NoFocus);
    {
        const QString adresse = QStringLiteral(TRELMO_WEBSITE);
        lien_site_->setText(QFontMetrics(lien_site_->font()).elidedText(adresse, Qt::ElideRight, lien_site_->width()));
        auto* ombre = new QGraphicsDropShadowEffect(lien_site_);
        ombre->setOffset(2, 2);
        ombre->setBlurRadius(0);
        ombre->setColor(Qt::black);
        lien_site_->setGraphicsEffect(ombre);
    }

    Timer1_ = new QTimer(this);
    Timer1_->setObjectName(QStringLiteral("Timer1"));
    Timer1_->setInterval(1000);
    connect(Timer1_, &QTimer::timeout, this, [this] { garde([this] { Timer1Timer(); }); });
    minuterie_.definir_timer(Timer1_);

    HintDesign1_ = new THintDesign(this);
    HintDesign1_->setHintStyle(hiBubble);
    HintDesign1_->setPosition(hiTopRight);
    HintDesign1_->setLinkStyle(liArrow);
    HintDesign1_->setColor(0xFFFFFF);
    HintDesign1_->setBorder(true);
    HintDesign1_->setBorderColor(0xC0C0C0);
    HintDesign1_->setFont(police(arial, 13, false), 0x000000);
    HintDesign1_->setShadow(true);
    HintDesign1_->setShadowWidth(5);
    HintDesign1_->setShadowIntensity(35);
    HintDesign1_->setShadowQuality(quHi);
    HintDesign1_->setDelay(200);
    HintDesign1_->setPicture(granite());
    HintDesign1_->Loaded();

    // Building the window.
    // 1. The interface language.
    langue_ = langue_systeme();
    chrono_->setAccessibleName(textes_plus(langue_).temps.arg(chrono_->text()));
    // 2. The product title.
    setWindowTitle(QCoreApplication::applicationName());
    setWindowIcon(icone());
    // 3. The window paints no background of its own: the board covers it.
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // 4. The program directory (the current directory at start-up, whole) and
    //    the help file are known from the member initialisers above.
    // 5. The settings. A file that cannot be read or written is said once;
    //    the game goes on with the settings in memory.
    //    The files' messages come from the catalogues too.
    definir_traducteur_fichiers([](int32_t langue, const char* id) { return texte(langue, id).toStdString(); });
    reglages_.definir_langue(langue_);
    reglages_.avertir = [this](const std::string& m) { avertir(q(m)); };
    garde([this] { reglages_.recharger(); });
    // 6. The skins.
    peaux_.verifier(reglages_.config.no_texture_plateau());
    // 7. The cursors are registered with the pictures of the program, on
    //    first use; the marble pictures too.
    // 8. The hole sprites, then the tray sprites.
    {
        for (int n = 1; n <= kNbTrous; ++n) {
            auto* s = new Sprite(n, this);
            s->setObjectName(QStringLiteral("p%1").arg(n));
            const Case k = case_du_trou(n);
            s->move(kGaucheColonne[k.col], kHautLigne[k.lig]);
            connect(s, &Sprite::survol, this, [this](int t) { garde([this, t] { survolTrou(t); }); });
            connect(s, &Sprite::clic, this, [this](int t) { garde([this, t] { clicTrou(t); }); });
            connect(s, &Sprite::glisse, this, [this, s](int, QPoint g) { garde([&] { glisserDebut(s, g); }); });
            connect(s, &Sprite::glisse_vers, this, [this](int, QPoint g) { garde([&] { glisserVers(g); }); });
            connect(s, &Sprite::lache, this, [this](int, QPoint g) { garde([&] { glisserFin(g); }); });
            sprites_.trous[static_cast<size_t>(n)] = s;
            jeu_.marques[static_cast<size_t>(n)] = 0;
        }
        int col = 1, lig = 1;
        for (int i = 1; i <= kNbRepos; ++i) {
            auto* s = new Sprite(i, this);
            s->setObjectName(QStringLiteral("r%1").arg(i));
            s->move(kGaucheRepos[col], kHautRepos[lig]);
            s->setActif(false);
            sprites_.repos[static_cast<size_t>(i)] = s;
            jeu_.marques[static_cast<size_t>(kNbTrous + i)] = 0;
            ++col;
            const int fin = (lig >= 3 && lig <= 8) ? 4 : 5;
            if (col > fin) {
                ++lig;
                col = 1;
            }
        }
    }
    // 9. The result overlay, disabled and empty.
    resultat_ = new QLabel(this);
    resultat_->setObjectName(QStringLiteral("resultat"));
    resultat_->setGeometry(156, 130, 365, 151);
    resultat_->setFont(police_times(67, true));
    resultat_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    {
        QPalette p = resultat_->palette();
        p.setColor(QPalette::WindowText, Qt::yellow);
        resultat_->setPalette(p);
    }
    resultat(false, "");
    resultat_->setProperty("accessible", true);
    // The marks drawn over the sprites, beneath the result overlay.
    calque_ = new TCalque(this);
    calque_->setGeometry(0, 0, 640, 462);
    for (int n = 1; n <= kNbTrous; ++n)
        calque_->setPlaceTrou(n, sprites_.trous[static_cast<size_t>(n)]->pos());
    calque_->stackUnder(resultat_);
    calque_->setProperty("accessible", true);
    definir_source_accessible(calque_, this);
    annonce_ = new TAnnonce(this);
    jeu_.observateur = this;
    // 10. No game in progress.
    garde([this] { jeu_.demarrage(); });
    // 11. No player yet.
    reglages_.nom_joueur.clear();
    // 12. The chosen skin.
    appliquer_skin();

    creer_commandes();

    if (QScreen* ecran = QGuiApplication::primaryScreen())
        move(ecran->availableGeometry().center() - rect().center());
}

TForm1::~TForm1()
{
    jeu_.observateur = nullptr;
}

void TForm1::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    garde([this] { echelle_->redimensionnee(); });
}

LabelCliquable* TForm1::creer_label(const char* nom, QRect r, const QString& famille, int px, QColor couleur,
                            void (TForm1::*clic)())
{
    auto* l = new LabelCliquable(this);
    l->setObjectName(QString::fromLatin1(nom));
    l->setGeometry(r);
    l->setFont(police(famille, px, true));
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, couleur);
    l->setPalette(p);
    l->setProperty("accessible", true);
    if (clic) {
        l->setProperty("bouton", true);
        l->setClavier(true);
        l->setCursor(curseur(curseur_tophand_id));
        connect(l, &LabelCliquable::clicked, this, [this, clic] {
            garde([this, clic] {
                abandonner_glisse();   // a button pressed from the keyboard while a marble is dragged
                (this->*clic)();
            });
        });
    }
    return l;
}

QLabel* TForm1::label(const char* nom) const
{
    return findChild<QLabel*>(QString::fromLatin1(nom));
}

void TForm1::setDialogues(TFreewareMsg* freeware, Tmode* mode, Tsaisie_nom* saisie_nom, Tmeilleur_score* meilleur_score)
{
    FreewareMsg_ = freeware;
    partenaires_.definir_dialogues(mode, saisie_nom);
    meilleur_score_ = meilleur_score;
}

// ---------------------------------------------------------------- labels

void TForm1::billes_repos(const std::string& texte)
{
    billes_repos_->setText(q(texte));
    billes_repos_->setAccessibleName(textes_plus(langue_).billes_restantes.arg(q(texte)));
}

void TForm1::chrono(const std::string& texte)
{
    chrono_->setText(q(texte));
    chrono_->setAccessibleName(textes_plus(langue_).temps.arg(q(texte)));
}

void TForm1::etat_jeux(const std::string& caption, const std::string& hint)
{
    etat_jeux_->setText(texte_label(caption));
    etat_jeux_->setToolTip(q(hint));
}

void TForm1::resultat(bool actif, const std::string& texte)
{
    afficher_resultat(texte_label(texte));
    // While disabled the overlay lets the pointer through to the holes beneath.
    resultat_->setAttribute(Qt::WA_TransparentForMouseEvents, !actif);
}

void TForm1::afficher_resultat(const QString& texte)
{
    // The text is never cut: one that is too wide for the overlay is drawn
    // smaller, or broken at a blank into two centred lines where that allows
    // a larger size. A text that fits keeps the overlay's own size.
    constexpr int kTaille = 67;
    const QRect zone(0, 0, resultat_->width(), resultat_->height());
    QFont police = resultat_->font();
    auto tient = [&](const QString& t, int px) {
        QFont f = police;
        f.setPixelSize(px);
        const QFontMetrics fm(f);
        const QStringList lignes = t.split(QLatin1Char('\n'));
        int largeur = 0;
        for (const QString& l : lignes)
            largeur = std::max(largeur, fm.horizontalAdvance(l));
        return largeur <= zone.width() && fm.lineSpacing() * int(lignes.size()) <= zone.height() + fm.leading() + 2;
    };
    auto plus_grande = [&](const QString& t) {
        int px = kTaille;
        while (px > 8 && !tient(t, px))
            --px;
        return px;
    };
    QString choisi = texte;
    int taille = kTaille;
    if (!texte.isEmpty() && !tient(texte, kTaille)) {
        taille = plus_grande(texte);
        if (!texte.contains(QLatin1Char('\n'))) {
            // The blank nearest the middle, between two words: the blank
            // before "!!" keeps the marks with their word.
            auto mot_suit = [&](int i) {
                for (int j = i + 1; j < texte.size() && texte[j] != QLatin1Char(' '); ++j)
                    if (texte[j].isLetterOrNumber())
                        return true;
                return false;
            };
            int coupe = -1;
            for (int i = 0; i < texte.size(); ++i)
                if (texte[i] == QLatin1Char(' ') && mot_suit(i)
                    && (coupe < 0 || std::abs(i - texte.size() / 2) < std::abs(coupe - texte.size() / 2)))
                    coupe = i;
            if (coupe > 0) {
                const QString deux = texte.left(coupe) + QLatin1Char('\n') + texte.mid(coupe + 1);
                if (const int t2 = plus_grande(deux); t2 > taille) {
                    choisi = deux;
                    taille = t2;
                }
            }
        }
    }
    police.setPixelSize(taille);
    resultat_->setFont(police);
    resultat_->setText(choisi);
}

void TForm1::Timer1Timer() { jeu_.Timer1Timer(); }

// ---------------------------------------------------------------- commands

void TForm1::etat_jeuxClick()
{
    reprise().avant_abandon();
    jeu_.etat_jeuxClick();
}

void TForm1::chargerClick()
{
    suivi_.restauree = false;
    charger_partie(sauvegarde_, jeu_, reglages_, messages_, textes_partie_);
    if (suivi_.restauree) {
        suivi_.restauree = false;
        retrouver_probleme();
        const TextesPlus& t = textes_plus(langue_);
        annonce_->annoncer(t.partie_chargee.arg(reste(t, kNbRepos - jeu_.nb_repos)));
        apres_changement();
    }
}

void TForm1::sauverClick()
{
    const quint64 avant = sauvegarde_.empreinte();
    sauver_partie(sauvegarde_, jeu_, reglages_, messages_, textes_partie_);
    noter_probleme_sauve(avant);
}

void TForm1::scoresClick()
{
    if (meilleur_score_)
        meilleur_score_->exec();
}

void TForm1::infosClick()
{
    if (FreewareMsg_)
        FreewareMsg_->exec();
}

void TForm1::aideClick() { ouvre_aide(chemin_aide_, this); }

void TForm1::lien_siteClick() { ouvre_site_web(); }

void TForm1::quitterClick() { close(); }

// ---------------------------------------------------------------- show and close

void TForm1::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (premier_affichage_) {
        premier_affichage_ = false;
        if (QWindow* w = windowHandle())
            connect(w, &QWindow::screenChanged, this, [this] { garde([this] { suivre_ratio(); }); });
        connect(echelle_, &Echelle::change, this, [this] { garde([this] { suivre_ratio(); }); });
        garde([this] { suivre_ratio(); });
        garde([this] { FormShow(); });
    }
}

std::function<void(const QString&)>& TForm1::afficheur_avertissement()
{
    static std::function<void(const QString&)> afficheur;
    return afficheur;
}

void TForm1::avertir(const QString& texte)
{
    if (premier_affichage_ || !isVisible()) {
        avertissements_.append(texte);
        return;
    }
    if (afficheur_avertissement()) {
        afficheur_avertissement()(texte);
        return;
    }
    QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(), texte, QMessageBox::Ok, this);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}

void TForm1::FormShow()
{
    if (FreewareMsg_) {
        FreewareMsg_->setSoftName(QString::fromLatin1(kNomProduit));
        FreewareMsg_->setAfficher(lit_apropos(chemin_ini()));
    }
    const Textes& t = textes(langue_);
    for (LabelCliquable* l : {static_cast<LabelCliquable*>(charger_), sauver_, scores_}) {
        QFont f = l->font();
        f.setPixelSize(t.taille_boutons);
        l->setFont(f);
    }
    const struct {
        LabelCliquable* label;
        const std::string& caption;
        const std::string& hint;
    } boutons[] = {
        {texture_plateau_, t.texture_plateau, t.hint_texture_plateau},
        {texture_bille_, t.texture_bille, t.hint_texture_bille},
        {infos_, t.infos, t.hint_infos},
        {aide_, t.aide, t.hint_aide},
        {charger_, t.charger, t.hint_charger},
        {sauver_, t.sauver, t.hint_sauver},
        {scores_, t.scores, t.hint_scores},
        {quitter_, t.quitter, t.hint_quitter},
    };
    for (const auto& b : boutons) {
        b.label->setText(texte_label(b.caption));
        b.label->setToolTip(q(b.hint));
    }
    jeu_.textes.gagne = t.gagne;
    jeu_.textes.termine = t.termine;
    jeu_.textes.reposer = t.reposer;
    jeu_.textes.reposer_hint = t.reposer_hint;
    jeu_.textes.nouvelle = t.nouvelle;
    jeu_.textes.nouvelle_hint = t.nouvelle_hint;
    textes_partie_.aucune_partie = t.aucune_partie;
    textes_partie_.annuler_partie = t.annuler_partie;
    textes_partie_.pas_de_partie = t.pas_de_partie;
    textes_partie_.ecraser_partie = t.ecraser_partie;
    textes_partie_.partie_endommagee = textes_plus(langue_).partie_endommagee.toStdString();
    preferences_au_demarrage();
    reprise().au_demarrage();
    etat_jeux(t.nouvelle, t.nouvelle_hint);
    // What the files had to say while the window was being built, once it shows.
    if (!avertissements_.isEmpty())
        QTimer::singleShot(0, this, [this] {
            garde([this] {
                const QStringList attente = std::exchange(avertissements_, {});
                for (const QString& a : attente)
                    avertir(a);
            });
        });
}

void TForm1::FormCloseQuery()
{
    if (FreewareMsg_ && !FreewareMsg_->afficher()) {
        FreewareMsg_->exec();
        ouvre_site_web();
    }
    ecrit_apropos(chemin_ini(), FreewareMsg_ && FreewareMsg_->afficher());
}

void TForm1::closeEvent(QCloseEvent* e)
{
    garde([this] { enregistrer_statistiques(); });
    garder_partie();
    // A preference that cannot be written is reported once; the program ends anyway.
    garde([this] { FormCloseQuery(); });
    e->accept();
}

} // namespace trelmo
