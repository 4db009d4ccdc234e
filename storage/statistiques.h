#pragma once
// Playing statistics, per board (standard start) and per problem, kept in
// "statistiques.json" in the program directory. The settings file and the
// saved game are not touched.
//
// The file is one JSON object:
//   { "format": "trelmo-statistiques", "version": 1,
//     "jeux": { "<key>": { "commencees": n, "terminees": n, "gagnees": n,
//                          "moins_de_billes": n, "meilleur_temps": s,
//                          "total_billes": n, "serie": n, "meilleure_serie": n,
//                          "indices": n, "resultats": { "<marbles left>": n } } } }
// Every field of a game may be missing (it then reads as its default). Keys
// this version does not know, at the top and inside each game, are kept as
// they are when the file is rewritten. "version" changes only when a known
// field changes its meaning: a file of a later version is read as nothing
// and never overwritten.
#include <map>
#include <string>
#include <vector>

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
    // unreadable file (anything but a regular file, or one larger than
    // kMaxJson) is renamed aside (its new name is in the answer) and
    // the statistics start afresh: the answer is then a message for the
    // player (UTF-8, in the interface language `langue`, see texte_fichiers()),
    // to be shown once; otherwise it is empty. A damaged file is renamed to
    // "<file>.endommage" (or ".endommage2", "3"... when taken). When it cannot
    // be renamed, or when it comes from a later version, it is left in place,
    // the answer says so, and enregistrer() refuses to overwrite it. Counts
    // made before the read are dropped.
    std::string charger(int langue);
    // Adds the counts made since the file was last read or written to the
    // file as it is now, so that another copy of the game writing the same
    // file meanwhile loses nothing, and writes it whole, in one rename,
    // under a lock on the directory. A symbolic link in the file's place is
    // replaced, not followed. False when it fails: *raison then holds the
    // message for the player (interface language, naming the file), or
    // nothing when the player was told already by charger(); the file on
    // disk is then the previous one, whole, and the counts wait for the
    // next write that succeeds.
    bool enregistrer(std::string* raison = nullptr);

    const std::map<std::string, StatsJeu>& tout() const { return stats_; }
    StatsJeu stats(const std::string& cle) const;

    // Counting rules of the game on the board. A game counts as started at its
    // first jump; a game that is stopped (or replaced by another) after it
    // started and before its end breaks the current run of wins.
    // - A game that never had a jump counts nothing, whatever happens to it:
    //   looking at a board and leaving it is no game played. Hints shown
    //   before the first jump are counted at that jump, and dropped with a
    //   game that never had one.
    // - A restored game is a new game: it counts as started at its first jump
    //   after the restore and as finished at its end, like any other; the
    //   game it replaces is handled as by nouvelle_partie.
    // - A loss ends the run of wins; a win adds to it.
    // - Leaving the program with a game on the board is neither a stop nor an
    //   end: the player may have saved it to go on later. The caller does
    //   not call arret() at exit.
    // - fin() with a negative number of marbles (no real game ends so) ends
    //   the game without counting a result.
    void nouvelle_partie(const std::string& cle);   // a new game or problem is set up
    void partie_restauree(const std::string& cle);  // a restored game counts as a new game
    void saut();                                    // a jump was made
    void indice();                                  // a hint was shown
    void fin(int billes, int secondes, bool gagnee); // the end of the game, at most once per game
    void arret();                                   // the game on the board is stopped
    const std::string& cle_courante() const { return cle_; }
    bool commencee() const { return commencee_; }

private:
    // One count made on the board, as applied to the statistics: in memory
    // at once, and again onto the file as it is when it is written.
    struct Evenement {
        enum Sorte { Commencee, Indice, Fin, Rupture } sorte;
        std::string cle;
        int n = 0;               // Commencee: hints shown before it; Fin: marbles left
        int secondes = 0;        // Fin
        bool gagnee = false;     // Fin
    };
    static void applique(std::map<std::string, StatsJeu>& stats, const Evenement& e);
    void note(Evenement e);
    void rompre_si_interrompue();   // a started, unfinished game ends the run

    std::string chemin_;
    int langue_ = 0;
    std::map<std::string, StatsJeu> stats_;
    std::vector<Evenement> journal_;   // counts not written yet
    std::string cle_;            // the game on the board; "" when none
    bool commencee_ = false;     // its first jump was made
    bool finie_ = false;         // its end was counted
    int indices_en_attente_ = 0; // hints shown before the first jump
    std::string autres_;         // the file as read (compact JSON), for the keys kept
    bool protegee_ = false;      // the file on disk must not be overwritten
};

} // namespace trelmo
