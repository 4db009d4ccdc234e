#include "mainwindow/conseil.h"

#include "widgets/garde.h"

#include <QCoreApplication>
#include <QDir>
#include <QMetaObject>

namespace trelmo {

namespace {

bool meme(const solveur::Position& a, const solveur::Position& b)
{
    return a.trous == b.trous && a.billes == b.billes && a.barres == b.barres && a.cible == b.cible;
}

} // namespace

TConseil::TConseil(QObject* parent) : QObject(parent)
{
    // The solver's tables lie beside the game in its build, and in the
    // game's data directory once installed (the game itself is in libexec).
    static const bool tables = [] {
        const QString ici = QCoreApplication::applicationDirPath();
        for (const QString& d : {ici, ici + QStringLiteral("/../../share/trelmo"), ici + QStringLiteral("/../share/trelmo")})
            if (!QDir(d).entryList({QStringLiteral("trelmo-*.tab")}, QDir::Files).isEmpty()) {
                solveur::definir_repertoire_tables(QDir(d).absolutePath().toStdString());
                return true;
            }
        return false;
    }();
    (void)tables;
}

TConseil::~TConseil()
{
    {
        std::lock_guard l(verrou_);
        recherche_.request_stop();
    }
    if (fil_.joinable()) {
        fil_.request_stop();
        fil_.join();
    }
}

void TConseil::demander(const solveur::Position& p)
{
    if (derniere_ && meme(*derniere_, p))
        return;
    derniere_ = p;
    reponse_.reset();
    {
        std::lock_guard l(verrou_);
        ++generation_;
        recherche_.request_stop();
        a_faire_ = p;
    }
    if (!fil_.joinable())
        fil_ = std::jthread([this](std::stop_token arret) { travailler(arret); });
    attente_.notify_one();
}

void TConseil::oublier()
{
    derniere_.reset();
    reponse_.reset();
    std::lock_guard l(verrou_);
    ++generation_;
    recherche_.request_stop();
    a_faire_.reset();
}

bool TConseil::occupe() const
{
    std::lock_guard l(verrou_);
    return en_cours_ || a_faire_.has_value();
}

void TConseil::repondre(const solveur::Position& p, std::uint64_t generation, std::stop_token fin_recherche,
                        std::stop_token arret)
{
    // Stopped by a newer position or by the end of the program.
    std::stop_callback fin(arret, [this] {
        std::lock_guard l(verrou_);
        recherche_.request_stop();
    });
    if (avant_recherche)
        avant_recherche();
    solveur::Reponse r = solveur::resoudre_avec(certificats_, p, budget, fin_recherche);
    {
        std::lock_guard l(verrou_);
        en_cours_ = false;
        if (generation != generation_ || fin_recherche.stop_requested())
            return;
    }
    QMetaObject::invokeMethod(this, [this, r = std::move(r), generation] {
        garde([&] {
            {
                std::lock_guard l(verrou_);
                if (generation != generation_)
                    return;   // the board changed meanwhile
            }
            reponse_ = r;
            emit pret();
        });
    }, Qt::QueuedConnection);
}

void TConseil::travailler(std::stop_token arret)
{
    for (;;) try {
        solveur::Position p;
        std::uint64_t generation;
        std::stop_token fin_recherche;
        {
            std::unique_lock l(verrou_);
            if (!attente_.wait(l, arret, [this] { return a_faire_.has_value(); }))
                return;
            p = *a_faire_;
            a_faire_.reset();
            generation = generation_;
            recherche_ = std::stop_source();
            fin_recherche = recherche_.get_token();
            en_cours_ = true;
        }
        repondre(p, generation, fin_recherche, arret);
    } catch (...) {
        // No answer for this position; the next one is thought about as usual.
        std::lock_guard l(verrou_);
        en_cours_ = false;
    }
}

} // namespace trelmo
