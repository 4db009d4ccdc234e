#pragma once
// "mes_problemes.txt", beside TRL.CFG: the problems the player made, one a
// line after a header line, fields separated by tabs:
//   id  board (1-3)  marbles (hexadecimal, bit n-1 for hole n)  target (0-49)  name (UTF-8)
// Written whole in one rename. A file that cannot be read as such is renamed
// aside ("mes_problemes.txt.endommage") and the list starts empty.
#include <cstdint>
#include <string>
#include <vector>

namespace trelmo {

struct MonProbleme {
    std::string id;          // "m1", "m2"... never reused within the file
    int32_t niveau = 1;
    std::uint64_t billes = 0;
    int32_t cible = 0;
    std::string nom;
};

class MesProblemes {
public:
    // repertoire: the program directory, ending with '/'.
    explicit MesProblemes(std::string repertoire) : repertoire_(std::move(repertoire)) {}

    std::string chemin() const { return repertoire_ + "mes_problemes.txt"; }

    enum class Etat { bon, absent, mis_de_cote, illisible };
    // Reads the file into the list. mis_de_cote: the damaged file was renamed
    // to `cote()`; illisible: damaged and it could not be renamed (the list is
    // then never written, so that nothing is lost).
    Etat charger();
    const std::string& cote() const { return cote_; }

    const std::vector<MonProbleme>& liste() const { return liste_; }
    const MonProbleme* trouver(const std::string& id) const;

    // Each change is written at once; 0 or the system error number (the
    // list in memory keeps the change either way).
    int ajouter(MonProbleme p);     // gets a fresh id
    int renommer(const std::string& id, const std::string& nom);
    int supprimer(const std::string& id);

    // Prefix of the ids in the statistics and the saved games' notes.
    static constexpr const char* kPrefixe = "moi:";

private:
    int ecrire() const;

    std::string repertoire_;
    std::vector<MonProbleme> liste_;
    std::string cote_;
    int32_t suivant_ = 1;
    bool protege_ = false;
};

} // namespace trelmo
