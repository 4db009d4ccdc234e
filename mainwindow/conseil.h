#pragma once
// The hint's thinking: the solver runs in a worker thread on the position on
// the board, started again after every change, so that the answer is usually
// ready before the player asks. A newer position stops an older search at
// once; the user interface never waits for it. The lines found are kept as
// certificates: a position on a line already found is answered from it at
// once, and never worse than that line. A search that fails (out of memory)
// gives no answer for its position and nothing more.
#include "solver/certificat.h"
#include "solver/solveur.h"

#include <QObject>

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>

namespace trelmo {

class TConseil : public QObject {
    Q_OBJECT
public:
    explicit TConseil(QObject* parent = nullptr);
    ~TConseil() override;   // stops the search in progress and returns at once

    // Thinks about this position from now on; nothing happens when it is the
    // one already asked for.
    void demander(const solveur::Position& p);
    // No position any more (no game, or its end): the search stops.
    void oublier();

    // The answer for the position last asked for, once it came.
    const std::optional<solveur::Reponse>& reponse() const { return reponse_; }
    bool occupe() const;

    std::chrono::milliseconds budget{1000};

    // Tests only: called in the worker before each search (to make one fail).
    static inline void (*avant_recherche)() = nullptr;

signals:
    void pret();   // the answer for the position last asked for has come

private:
    void travailler(std::stop_token arret);
    void repondre(const solveur::Position& p, std::uint64_t generation, std::stop_token fin_recherche,
                  std::stop_token arret);

    mutable std::mutex verrou_;
    std::condition_variable_any attente_;
    std::optional<solveur::Position> a_faire_;   // waiting for the worker
    std::uint64_t generation_ = 0;              // of the position last asked for
    std::stop_source recherche_;                 // of the search in progress
    bool en_cours_ = false;
    std::optional<solveur::Position> derniere_;  // the position last asked for
    std::optional<solveur::Reponse> reponse_;
    solveur::Certificats certificats_;           // the worker's only
    std::jthread fil_;                           // started at the first request
};

} // namespace trelmo
