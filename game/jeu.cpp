// Moves (pick up, jump, the mouse's hover and click) and the life of a game
// (start, stop, restore, end of game, chronometer).
#include "game/jeu.h"

#include <cstdlib>
#include <limits>

namespace trelmo {

namespace {

// Marbles left on the board, computed wide: a restored game may hold any tray count.
int32_t billes_restantes(int32_t nb_repos)
{
    const int64_t reste = int64_t{kNbRepos} - nb_repos;
    if (reste > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(reste);
}

void incrementer(int32_t& compteur)
{
    if (compteur < std::numeric_limits<int32_t>::max())
        ++compteur;
}

} // namespace

Jeu::Jeu(ISprites& s, IAffichage& a, IMinuterie& m, IPartenaires& p)
    : sprites(s), affichage(a), minuterie(m), partenaires(p)
{
}

// ---------------------------------------------------------------- moves

namespace {

// Whether a marble held on (sc, sr) can jump onto (tc, tr): the landing hole is
// empty, two holes away in a row or a column, with a marble in between.
bool saut_possible(const Grille& g, int32_t sc, int32_t sr, int32_t tc, int32_t tr)
{
    if (!Grille::dans_grille(tc, tr) || !Grille::dans_grille(sc, sr))
        return false;
    if (!g.vide(tc, tr) || !g.bille(sc, sr))
        return false;
    const int dc = sc - tc;
    const int dr = sr - tr;
    const bool en_ligne = (dr == 0 && std::abs(dc) == 2) || (dc == 0 && std::abs(dr) == 2);
    return en_ligne && g.bille(tc + dc / 2, tr + dr / 2);
}

} // namespace

void Jeu::pmove(int trou)
{
    if (pas_de_partie)
        return;
    trou_courant = trou;
    tester_survol();
}

void Jeu::tester_survol()
{
    const Case ici = case_du_trou(trou_courant);
    int curseur;
    if (!bille_prise()) {
        coup_permis = grille.mobile(ici.col, ici.lig);
        curseur = coup_permis ? CUR_MAIN : CUR_DEFAUT;
    } else {
        const Case prise = case_du_trou(trou_pris_);
        coup_permis = saut_possible(grille, prise.col, prise.lig, ici.col, ici.lig);
        curseur = coup_permis ? CUR_DEPLACE : CUR_IMPOSSIBLE;
    }
    if (trou_courant >= 1 && trou_courant <= kNbTrous)
        sprites.trou_curseur(trou_courant, curseur);
}

void Jeu::faire_saut(const Coup& c)
{
    const int32_t tc = c.vers_col, tr = c.vers_lig;
    const int32_t mc = tc + (c.de_col - tc) / 2, mr = tr + (c.de_lig - tr) / 2;
    for (int d = 1; d <= kDirections; ++d) {
        if (grille.at(tc, tr, d) >= 0)
            grille.at(tc, tr, d) = 0;
        if (grille.at(c.de_col, c.de_lig, d) >= 0)
            grille.at(c.de_col, c.de_lig, d) = 2;
        if (grille.at(mc, mr, d) >= 0)
            grille.at(mc, mr, d) = 2;
    }
    place_bille_plateau();
    incrementer(nb_repos);
    jeux_repos(nb_repos);
    affiche_score();
}

void Jeu::curseurs_au_repos()
{
    for (int n = 1; n <= kNbTrous; ++n)
        sprites.trou_curseur(n, CUR_DEFAUT);
}

void Jeu::relacher()
{
    trou_pris_ = 0;
    curseurs_au_repos();
}

namespace {

// The three holes of a jump: the start, the hole jumped over, the landing.
struct TrousDuSaut { int de, par, vers; };
TrousDuSaut trous_du_saut(const Coup& c)
{
    return {numero_trou(c.de_col, c.de_lig),
            numero_trou(c.vers_col + (c.de_col - c.vers_col) / 2, c.vers_lig + (c.de_lig - c.vers_lig) / 2),
            numero_trou(c.vers_col, c.vers_lig)};
}

void signaler_saut(IObservateur* o, const Coup& c)
{
    if (o) {
        const TrousDuSaut t = trous_du_saut(c);
        o->saut_fait(t.de, t.par, t.vers);
    }
}
} // namespace

void Jeu::deplacement()
{
    if (pas_de_partie)
        return;
    // The board cannot change between the hover and the click, except by a
    // restore, which drops the held marble; agir() checks the grid anyway.
    agir(trou_courant, coup_permis);
}

void Jeu::choisir(int trou)
{
    if (pas_de_partie)
        return;
    const Case ici = case_du_trou(trou);
    agir(trou, bille_prise() ? saut_permis(trou_pris_, trou) : grille.mobile(ici.col, ici.lig));
}

void Jeu::agir(int trou, bool permis)
{
    const bool trou_valide = trou >= 1 && trou <= kNbTrous;
    const Case ici = case_du_trou(trou);
    bool saute = false;
    Coup coup;
    if (bille_prise()) {
        const Case prise = case_du_trou(trou_pris_);
        if (permis && saut_possible(grille, prise.col, prise.lig, ici.col, ici.lig)) {
            coup = Coup{prise.col, prise.lig, ici.col, ici.lig};
            historique.noter(grille, nb_repos, coup);
            faire_saut(coup);
            saute = true;
        }
        relacher();
    } else if (permis && trou_valide && grille.mobile(ici.col, ici.lig)) {
        sprites.trou_curseur(trou, CUR_DEPLACE);
        trou_pris_ = trou;
    } else {
        if (trou_valide)
            sprites.trou_curseur(trou, CUR_DEFAUT);
    }

    if (observateur) {
        if (saute)
            signaler_saut(observateur, coup);
        else
            observateur->prise_changee(trou);
    }
    if (nb_mobiles == 0 && !pas_de_partie)
        fin_de_partie();
}

bool Jeu::prendre(int trou)
{
    const Case ici = case_du_trou(trou);
    if (pas_de_partie || bille_prise() || ici.col == 0 || !grille.mobile(ici.col, ici.lig))
        return false;
    agir(trou, true);
    return true;
}

bool Jeu::sauter(int de, int vers)
{
    if (pas_de_partie || !saut_permis(de, vers))
        return false;
    if (trou_pris_ != de) {
        annuler_prise();
        trou_pris_ = de;
    }
    agir(vers, true);
    return true;
}

void Jeu::annuler_prise()
{
    curseurs_au_repos();
    trou_pris_ = 0;
    // A click that reaches a hole without a hover first must not act on the
    // permission found before the board changed.
    coup_permis = false;
}

void Jeu::reposer_bille()
{
    if (pas_de_partie || !bille_prise())
        return;
    annuler_prise();
    if (observateur)
        observateur->prise_changee(0);
}

bool Jeu::peut_annuler() const
{
    return !pas_de_partie && !fin_traitee && historique.peut_annuler();
}

bool Jeu::peut_refaire() const
{
    return !pas_de_partie && !fin_traitee && historique.peut_refaire();
}

bool Jeu::annuler()
{
    if (!peut_annuler())
        return false;
    // A held marble goes back with the rest: annuler_prise() below.
    const Historique::Etape etape = historique.annuler();
    grille = etape.avant;
    nb_repos = etape.nb_repos;
    place_bille_plateau();
    jeux_repos(nb_repos);
    affiche_score();
    annuler_prise();
    if (observateur) {
        const TrousDuSaut t = trous_du_saut(etape.coup);
        observateur->saut_annule(t.de, t.par, t.vers);
    }
    return true;
}

bool Jeu::refaire()
{
    if (!peut_refaire())
        return false;
    const Historique::Etape etape = historique.refaire();
    faire_saut(etape.coup);
    annuler_prise();
    signaler_saut(observateur, etape.coup);
    if (nb_mobiles == 0)
        fin_de_partie();
    return true;
}

std::vector<int> Jeu::atterrissages() const
{
    std::vector<int> trous;
    if (pas_de_partie || !bille_prise())
        return trous;
    const Case prise = case_du_trou(trou_pris_);
    for (int d = 1; d <= kDirections; ++d) {
        const Pas p = pas_direction(d);
        const int tc = prise.col + 2 * p.dc, tr = prise.lig + 2 * p.dr;
        if (saut_possible(grille, prise.col, prise.lig, tc, tr))
            trous.push_back(numero_trou(tc, tr));
    }
    return trous;
}

bool Jeu::saut_permis(int de, int vers) const
{
    const Case s = case_du_trou(de), t = case_du_trou(vers);
    return s.col != 0 && t.col != 0 && saut_possible(grille, s.col, s.lig, t.col, t.lig);
}

bool Jeu::gagnee() const
{
    if (nb_repos != kNbRepos - 1)
        return false;
    if (cible == 0)
        return true;
    const Case k = case_du_trou(cible);
    return k.col != 0 && grille.bille(k.col, k.lig);
}

// ---------------------------------------------------------------- lifecycle

void Jeu::demarrage()
{
    pas_de_partie = true;
    trou_pris_ = 0;
    nb_repos = kNbRepos;
    jeux_repos(kNbRepos);
    reset_plateau();
    affiche_score();
}

void Jeu::etat_jeuxClick()
{
    affichage.resultat(false, "");
    if (pas_de_partie) {
        partenaires.choisir_niveau();
        partenaires.recharger_config();
        nouvelle_partie(partenaires.niveau());
    } else {
        arreter();
    }
}

void Jeu::commencer_plateau(int32_t niveau)
{
    affichage.resultat(false, "");
    annuler_prise();
    nouvelle_partie(niveau);
}

void Jeu::en_jeu(int32_t repos)
{
    affichage.etat_jeux(textes.reposer, textes.reposer_hint);
    pas_de_partie = false;
    fin_traitee = false;
    coup_permis = false;
    nb_repos = repos;
    jeux_repos(nb_repos);
    place_bille_plateau();
    affiche_score();
    heures = 0;
    minutes = 0;
    secondes = 0;
}

void Jeu::nouvelle_partie(int32_t niveau)
{
    reset_plateau(niveau);
    en_jeu(niveau == 1 ? 12 : niveau == 2 ? 8 : 0);
    minuterie.timer1(true);
    historique.vider();
    probleme = false;
    cible = 0;
    if (observateur)
        observateur->partie_commencee();
}

void Jeu::arreter()
{
    affichage.resultat(false, "");
    affichage.etat_jeux(textes.nouvelle, textes.nouvelle_hint);
    annuler_prise();
    pas_de_partie = true;
    fin_traitee = false;
    minuterie.timer1(false);
    nb_repos = kNbRepos;
    jeux_repos(kNbRepos);
    retire_bille_plateau();
    affiche_score();
    reset_plateau();
    historique.vider();
    probleme = false;
    cible = 0;
    if (observateur)
        observateur->partie_arretee();
}

void Jeu::restaurer(const Grille& g, int32_t repos, int32_t h, int32_t m, int32_t s)
{
    affichage.resultat(false, "");
    nb_repos = repos;
    grille = g;
    adopter_plateau_de_grille();

    pas_de_partie = false;
    fin_traitee = false;
    annuler_prise();

    jeux_repos(nb_repos);
    place_bille_plateau();
    affichage.etat_jeux(textes.reposer, textes.reposer_hint);
    affiche_score();

    heures = h;
    minutes = m;
    secondes = s;
    minuterie.timer1(true);
}

void Jeu::commencer_probleme(int32_t niveau, std::uint64_t billes, int32_t cible_probleme)
{
    affichage.resultat(false, "");
    annuler_prise();
    reset_plateau(niveau);
    // Each hole of the board takes a marble or is emptied; the barred
    // directions stay as the board has them.
    int32_t nb_billes = 0;
    for (int n = 1; n <= kNbTrous; ++n) {
        const Case k = case_du_trou(n);
        bool dans_le_jeu = false;
        for (int d = 1; d <= kDirections; ++d)
            dans_le_jeu = dans_le_jeu || grille.at(k.col, k.lig, d) != 2;
        // The centre starts as an empty hole with no barred direction.
        if (!dans_le_jeu && !(k.col == 5 && k.lig == 5))
            continue;
        const bool bille = (billes >> (n - 1)) & 1u;
        nb_billes += bille;
        for (int d = 1; d <= kDirections; ++d)
            if (grille.at(k.col, k.lig, d) >= 0)
                grille.at(k.col, k.lig, d) = bille ? 0 : 2;
    }
    en_jeu(kNbRepos - nb_billes);
    texte_chrono = "00:00:00";
    affichage.chrono(texte_chrono);
    minuterie.timer1(true);
    historique.vider();
    probleme = true;
    cible = cible_probleme;
    if (observateur)
        observateur->partie_commencee();
    // A position with no jump at all is over at once.
    if (nb_mobiles == 0)
        fin_de_partie();
}

void Jeu::fin_de_partie()
{
    if (fin_traitee)
        return;
    // Marked first: a failing settings file must not make the next click
    // insert the result a second time.
    fin_traitee = true;
    const bool gagne = gagnee();
    affichage.resultat(true, gagne ? textes.gagne : textes.termine);
    minuterie.timer1(false);
    // Problems are games of their own: the top ten stays the table of the
    // standard starts.
    if (!probleme) {
        partenaires.recharger_config();
        partenaires.insere_score(billes_restantes(nb_repos), texte_chrono);
        partenaires.enregistrer_config();
    }
    if (observateur)
        observateur->partie_finie(billes_restantes(nb_repos), gagne);
}

void Jeu::affiche_score()
{
    affichage.billes_repos(std::to_string(int64_t{kNbRepos} - nb_repos));
}

void Jeu::Timer1Timer()
{
    // ">= 60" rather than "== 60": a restored duration may hold any two digits.
    incrementer(secondes);
    if (secondes >= 60) {
        incrementer(minutes);
        secondes = 0;
    }
    if (minutes >= 60) {
        incrementer(heures);
        minutes = 0;
        secondes = 0;
    }
    texte_chrono = remplir_zeros(heures, 2) + ":" + remplir_zeros(minutes, 2) + ":" + remplir_zeros(secondes, 2);
    affichage.chrono(texte_chrono);
}

std::string Jeu::remplir_zeros(int32_t valeur, int32_t largeur)
{
    std::string texte = std::to_string(valeur);
    int64_t puissance = 1;
    for (int k = 1; k <= 7; ++k) {
        puissance *= 10;
        if (valeur < puissance && largeur >= k + 1)
            texte.insert(0, "0");
    }
    return texte;
}

} // namespace trelmo
