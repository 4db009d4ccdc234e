#pragma once
// Playing statistics, per board (standard start) and per problem, kept in
// "statistiques.json" in the program directory. The settings file and the
// saved game are not touched.
#include <map>
#include <string>

namespace trelmo {

// Keys of the three boards' standard starts; a problem's key is "probleme:" + its id.
inline constexpr const char* kCleAnglais = "anglais";
inline constexpr const char* kCleFrancais = "francais";
inline constexpr const char* kCleMission = "mission";
std::string cle_plateau(int niveau);          // 1, 2, 3 -> the keys above; "" otherwise
std::string cle_probleme(const std::string& id);

struct StatsJeu {
    int commencees = 0;          // games that had at least one jump
    int terminees = 0;           // games that reached their end (no jump left)
    int gagnees = 0;             // finished with one marble (on the target, for a problem)
    int moins_de_billes = 0;     // fewest marbles left at an end; 0 while none finished
    int meilleur_temps = -1;     // seconds of the fastest win; -1 while none won
    long long total_billes = 0;  // marbles left, summed over finished games
    int serie = 0;               // current run of wins
    int meilleure_serie = 0;
    int indices = 0;             // hints shown
    std::map<int, int> resultats;  // marbles left at the end -> number of finished games

    double moyenne() const { return terminees > 0 ? double(total_billes) / terminees : 0.0; }
    bool operator==(const StatsJeu&) const = default;
};

class Statistiques {
public:
    explicit Statistiques(std::string chemin);   // the file's full path
    const std::string& chemin() const { return chemin_; }

    // Reads the file. A missing file gives empty statistics. A damaged or
    // unreadable file is renamed aside (its new name is in the answer) and
    // the statistics start afresh: the answer is then a message for the
    // player (UTF-8, in the interface language `langue` 0 fr, 1 en, 2 de),
    // to be shown once; otherwise it is empty.
    std::string charger(int langue);
    // Writes the whole file atomically. False, with the reason, when it fails;
    // the file on disk is then the previous one, whole.
    bool enregistrer(std::string* raison = nullptr) const;

    const std::map<std::string, StatsJeu>& tout() const { return stats_; }
    StatsJeu stats(const std::string& cle) const;

    // Counting rules of the game on the board. A game counts as started at its
    // first jump; a game that is stopped (or replaced by another) after it
    // started and before its end breaks the current run of wins.
    void nouvelle_partie(const std::string& cle);   // a new game or problem is set up
    void partie_restauree(const std::string& cle);  // a restored game counts as a new game
    void saut();                                    // a jump was made
    void indice();                                  // a hint was shown
    void fin(int billes, int secondes, bool gagnee); // the end of the game, at most once per game
    void arret();                                   // the game on the board is stopped
    const std::string& cle_courante() const { return cle_; }
    bool commencee() const { return commencee_; }

private:
    std::string chemin_;
    std::map<std::string, StatsJeu> stats_;
    std::string cle_;            // the game on the board; "" when none
    bool commencee_ = false;     // its first jump was made
    bool finie_ = false;         // its end was counted
};

} // namespace trelmo
