#include "storage/config.h"

#include "game/erreur.h"
#include "storage/erreur_es.h"
#include "storage/fichier.h"
#include "storage/octets.h"

#include <algorithm>
#include <cerrno>
#include <stdexcept>
#include <sys/stat.h>

namespace trelmo {

namespace {

constexpr size_t kSlotNom = Config::kCapaciteNom + 1;
constexpr size_t kSlotDuree = Config::kCapaciteDuree + 1;
constexpr int32_t kBillesDefaut = 44;

size_t verifie_rang(int rang)
{
    if (rang < 0 || rang > Config::kRangs)
        throw std::out_of_range("rang hors du tableau des scores");
    return static_cast<size_t>(rang);
}

void defauts(Config& c)
{
    c.set_no_texture_bille(1);
    c.set_no_texture_plateau(1);
    c.set_niveau(1);
    std::fill_n(&c.octets[Config::kReserve], Config::kTailleReserve, uint8_t{0});
    for (int r = 1; r <= Config::kRangs; ++r) {
        c.octets[Config::kNoms + kSlotNom * static_cast<size_t>(r)] = 0;
        c.octets[Config::kDurees + kSlotDuree * static_cast<size_t>(r)] = 0;
        c.set_billes(r, kBillesDefaut);
    }
}

} // namespace

int32_t Config::no_texture_bille() const { return lit_i32(&octets[kTextureBille]); }
void Config::set_no_texture_bille(int32_t v) { ecrit_i32(&octets[kTextureBille], v); }
int32_t Config::no_texture_plateau() const { return lit_i32(&octets[kTexturePlateau]); }
void Config::set_no_texture_plateau(int32_t v) { ecrit_i32(&octets[kTexturePlateau], v); }
int32_t Config::niveau() const { return lit_i32(&octets[kNiveau]); }
void Config::set_niveau(int32_t v) { ecrit_i32(&octets[kNiveau], v); }

std::string Config::nom(int rang) const
{
    return lit_chaine_courte(&octets[kNoms + kSlotNom * verifie_rang(rang)], kCapaciteNom);
}

void Config::set_nom(int rang, std::string_view utf8)
{
    ecrit_chaine_courte(&octets[kNoms + kSlotNom * verifie_rang(rang)], kCapaciteNom, utf8);
}

std::string Config::duree(int rang) const
{
    return lit_chaine_courte(&octets[kDurees + kSlotDuree * verifie_rang(rang)], kCapaciteDuree);
}

void Config::set_duree(int rang, std::string_view utf8)
{
    ecrit_chaine_courte(&octets[kDurees + kSlotDuree * verifie_rang(rang)], kCapaciteDuree, utf8);
}

int32_t Config::billes(int rang) const { return lit_i32(&octets[kBilles + 4 * verifie_rang(rang)]); }
void Config::set_billes(int rang, int32_t v) { ecrit_i32(&octets[kBilles + 4 * verifie_rang(rang)], v); }

std::string Config::nom_logiciel() const { return lit_chaine_courte(&octets[kNomLogiciel], 31); }
void Config::set_nom_logiciel(std::string_view utf8) { ecrit_chaine_courte(&octets[kNomLogiciel], 31, utf8); }

Reglages::Reglages(std::string repertoire) : repertoire_(std::move(repertoire)) {}

std::string Reglages::chemin() const { return repertoire_ + "TRL.CFG"; }

void Reglages::definir_langue(int32_t langue) { langue_ = langue; }

void Reglages::config_defaut()
{
    defauts(config);
}

namespace {

// The fields of the record, each compared and taken whole when merging.
struct Champ {
    size_t debut, taille;
};

std::vector<Champ> champs()
{
    std::vector<Champ> c = {{Config::kNomLogiciel, Config::kReserve},
                            {Config::kReserve, Config::kTailleReserve},
                            {Config::kTextureBille, 4},
                            {Config::kTexturePlateau, 4},
                            {Config::kNiveau, 4}};
    for (size_t r = 0; r <= Config::kRangs; ++r) {
        c.push_back({Config::kNoms + kSlotNom * r, kSlotNom});
        c.push_back({Config::kDurees + kSlotDuree * r, kSlotDuree});
        c.push_back({Config::kBilles + 4 * r, 4});
    }
    return c;
}

bool meme_champ(const Config& a, const Config& b, const Champ& c)
{
    return std::equal(&a.octets[c.debut], &a.octets[c.debut] + c.taille, &b.octets[c.debut]);
}

// An index the textures cannot show reads as the first picture.
void corrige_textures(Config& c)
{
    if (c.no_texture_bille() < 1 || c.no_texture_bille() > 7)
        c.set_no_texture_bille(1);
    if (c.no_texture_plateau() < 1 || c.no_texture_plateau() > 4)
        c.set_no_texture_plateau(1);
}

// The rank a result of `billes` marbles left takes in the table (1-10), or 0.
int rang_de(const Config& c, int32_t billes)
{
    for (int rang = 1; rang <= Config::kRangs; ++rang)
        if (c.billes(rang) >= billes)
            return rang;
    return 0;
}

void place_rang(Config& c, int rang, std::string_view nom, int32_t billes, std::string_view duree)
{
    for (int j = Config::kRangs - 1; j >= rang; --j) {
        const auto ju = static_cast<size_t>(j);
        std::copy_n(&c.octets[Config::kNoms + kSlotNom * ju], kSlotNom, &c.octets[Config::kNoms + kSlotNom * (ju + 1)]);
        std::copy_n(&c.octets[Config::kDurees + kSlotDuree * ju], kSlotDuree,
                    &c.octets[Config::kDurees + kSlotDuree * (ju + 1)]);
        c.set_billes(j + 1, c.billes(j));
    }
    c.set_nom(rang, nom);
    c.set_billes(rang, billes);
    c.set_duree(rang, duree);
}

} // namespace

Config Reglages::fusion(const Config& disque) const
{
    // What `config` would be had this instance only inserted its rows: any
    // field where `config` differs from it was changed here.
    Config attendu = base_;
    Config resultat = disque;
    for (const Insertion& i : insertions_) {
        if (const int rang = rang_de(attendu, i.billes))
            place_rang(attendu, rang, i.nom, i.billes, i.duree);
        if (const int rang = rang_de(resultat, i.billes))
            place_rang(resultat, rang, i.nom, i.billes, i.duree);
    }
    static const std::vector<Champ> tous = champs();
    for (const Champ& c : tous)
        if (!meme_champ(config, attendu, c))
            std::copy_n(&config.octets[c.debut], c.taille, &resultat.octets[c.debut]);
    resultat.set_nom_logiciel("Trelmo");
    return resultat;
}

int32_t texture_plateau_enregistree(const std::string& repertoire)
{
    Config c;
    size_t n = 0;
    if (lire_debut(repertoire + "TRL.CFG", c.octets.data(), c.octets.size(), &n) != 0 || n != Config::kTaille)
        return 1;
    corrige_textures(c);
    return c.no_texture_plateau();
}

Reglages::Disque Reglages::lit_disque(Config& disque) const
{
    std::array<uint8_t, Config::kTaille> lu{};
    size_t n = 0;
    const int err = lire_debut(chemin(), lu.data(), lu.size(), &n);
    if (err != 0 && err != ENOENT)
        return {Disque::Illisible, err};
    if (err == 0 && n == Config::kTaille) {
        disque.octets = lu;
        disque.set_nom_logiciel("Trelmo");
        corrige_textures(disque);
        return {Disque::Lu, 0};
    }
    // Missing or too short: the defaults. A short file is kept aside first
    // (an empty one holds nothing worth keeping) under the first free name
    // of "TRL.CFG.bak", "TRL.CFG.bak2", "TRL.CFG.bak3"..., so that no copy
    // kept earlier is lost; a copy with the same bytes is not written again.
    disque = base_;
    defauts(disque);
    disque.set_nom_logiciel("Trelmo");
    if (err == 0 && n > 0) {
        for (int numero = 1;; ++numero) {
            const std::string bak = chemin() + ".bak" + (numero > 1 ? std::to_string(numero) : std::string());
            struct stat st {};
            if (::lstat(bak.c_str(), &st) != 0) {
                if (const int e = remplacer_fichier(bak, lu.data(), n, false); e != 0)
                    return {Disque::Defauts, e};
                break;
            }
            std::array<uint8_t, Config::kTaille> copie{};
            size_t n_copie = 0;
            if (lire_debut(bak, copie.data(), copie.size(), &n_copie) == 0 && n_copie == n
                && std::equal(lu.begin(), lu.begin() + static_cast<std::ptrdiff_t>(n), copie.begin()))
                break;
        }
    }
    return {Disque::Defauts, 0};
}

void Reglages::adopte(const Config& ecrit)
{
    config = ecrit;
    base_ = ecrit;
    insertions_.clear();
    charge_ = true;
}

void Reglages::signale(Echec echec, int err)
{
    if (averti_)
        return;
    averti_ = true;
    const std::string fichier = chemin();
    const std::string pourquoi = raison_erreur(langue_, err);
    const std::string texte = remplir(texte_fichiers(langue_, echec == Echec::Lecture ? "fichiers.lecture" : "fichiers.ecriture"),
                                      {fichier, pourquoi});
    if (!avertir)
        throw Erreur(texte);
    avertir(texte);
}

void Reglages::synchronise(bool ecrire)
{
    Echec echec = Echec::Lecture;
    int err = 0;
    {
        VerrouDossier verrou(repertoire_);
        Config disque;
        const Disque d = lit_disque(disque);
        if (d.etat == Disque::Illisible) {
            // Play on with what is in memory; the defaults when nothing was
            // read yet. What cannot be read is not written over.
            if (!charge_) {
                Config defaut = base_;
                defauts(defaut);
                defaut.set_nom_logiciel("Trelmo");
                config = fusion(defaut);
                base_ = defaut;
                charge_ = true;
            }
            err = d.err;
        } else {
            const Config resultat = fusion(disque);
            if (d.etat == Disque::Lu && !ecrire) {
                // The changes not written yet stay pending, now relative to this record.
                config = resultat;
                base_ = disque;
                charge_ = true;
            } else {
                nettoyer_temporaires(chemin());
                err = d.err != 0 ? d.err : remplacer_fichier(chemin(), resultat.octets.data(), Config::kTaille, true);
                if (err == 0) {
                    adopte(resultat);
                } else {
                    // Kept in memory: the next store that succeeds writes them.
                    config = resultat;
                    base_ = disque;
                    charge_ = true;
                    echec = Echec::Ecriture;
                }
            }
        }
    }
    // Told once the lock is released: the warning may wait for the player.
    if (err != 0)
        signale(echec, err);
}

void Reglages::recharger() { synchronise(false); }

void Reglages::enregistrer() { synchronise(true); }

void Reglages::insere_score(int32_t billes, std::string_view duree, const std::function<void()>& demander_nom)
{
    const int rang = rang_de(config, billes);
    if (rang == 0)
        return;
    if (demander_nom)
        demander_nom();
    place_rang(config, rang, nom_joueur, billes, duree);
    insertions_.push_back({nom_joueur, std::string(duree), billes});
}

} // namespace trelmo
