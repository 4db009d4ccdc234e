#include "mainwindow/preparation.h"

#include "mainwindow/bmp.h"
#include "resources/ressources.h"
#include "storage/config.h"
#include "widgets/polices.h"

#include <QFontDatabase>

#include <future>
#include <mutex>
#include <thread>

namespace trelmo {

namespace {

struct Preparation {
    std::thread fil;
    std::promise<void> polices_pretes;
    std::shared_future<void> polices = polices_pretes.get_future().share();
    struct Skin {
        std::string chemin;
        QImage image;
    };
    std::promise<Skin> skin_lue;
    std::future<Skin> skin = skin_lue.get_future();
    std::mutex verrou;
    // true once the application object exists; false when it never will
    // (the process ends first).
    std::promise<bool> application;
    bool application_dite = false;

    void dire_application(bool prete)
    {
        std::lock_guard l(verrou);
        if (!application_dite) {
            application_dite = true;
            application.set_value(prete);
        }
    }

    void terminer()
    {
        dire_application(false);
        if (fil.joinable())
            fil.join();
    }

    ~Preparation() { terminer(); }
};

Preparation*& preparation()
{
    static Preparation* p = nullptr;
    return p;
}

} // namespace

std::string chemin_skin(const std::string& repertoire, int i)
{
    return repertoire + "Image/Skin/p" + std::to_string(i) + ".bmp";
}

void lancer_preparation(const std::string& repertoire)
{
    if (preparation())
        return;
    // Lives to the end of the process; joined by its destructor at exit.
    static Preparation p;
    preparation() = &p;
    p.fil = std::thread([repertoire, application = p.application.get_future()]() mutable {
        preparer_polices();
        p.polices_pretes.set_value();
        // Only the direct reader of 24-bit files: Qt's image readers wait
        // for the application object.
        const Textures textures = textures_enregistrees(repertoire);
        const std::string chemin = chemin_skin(repertoire, textures.plateau);
        p.skin_lue.set_value({chemin, lire_bmp(QString::fromStdString(chemin), false)});
        if (!application.get())
            return;
        // The splash screen's first text finds the font database filled.
        QFontDatabase::families();
        preparer_images(textures.plateau, textures.bille);
    });
}

void application_prete()
{
    if (Preparation* p = preparation())
        p->dire_application(true);
}

void terminer_preparation()
{
    if (Preparation* p = preparation())
        p->terminer();
}

void attendre_polices()
{
    if (Preparation* p = preparation())
        p->polices.wait();
}

QImage skin_preparee(const std::string& chemin)
{
    Preparation* p = preparation();
    if (!p)
        return {};
    std::lock_guard l(p->verrou);
    if (!p->skin.valid())
        return {};
    Preparation::Skin lue = p->skin.get();
    return lue.chemin == chemin ? std::move(lue.image) : QImage();
}

} // namespace trelmo
