#include "mainwindow/preparation.h"

#include "mainwindow/bmp.h"
#include "resources/ressources.h"
#include "storage/config.h"
#include "widgets/polices.h"

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

    ~Preparation()
    {
        if (fil.joinable())
            fil.join();
    }
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
    p.fil = std::thread([repertoire] {
        bool polices = false;
        try {
            preparer_polices();
            polices = true;
            p.polices_pretes.set_value();
            // Only the direct reader of 24-bit files: Qt's image readers wait
            // for the application object.
            const std::string chemin = chemin_skin(repertoire, texture_plateau_enregistree(repertoire));
            p.skin_lue.set_value({chemin, lire_bmp(QString::fromStdString(chemin), false)});
        } catch (...) {
            // Out of memory, say: the start-up does without what was not
            // prepared (the toolkit reads the fonts' configuration itself, the
            // window its skin).
            if (!polices)
                p.polices_pretes.set_value();
            p.skin_lue.set_value({});
        }
    });
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

namespace {

struct SkinEcran {
    int slot = 0;
    qreal ratio = 0;
    std::future<QImage> image;
    std::mutex verrou;   // an async future waits for its thread when it goes
};

SkinEcran& skin_ecran()
{
    static SkinEcran s;
    return s;
}

} // namespace

void preparer_skin_ecran(const std::string& repertoire, qreal ratio)
{
    if (ratio <= 1)
        return;
    SkinEcran& s = skin_ecran();
    std::lock_guard l(s.verrou);
    if (s.image.valid())
        return;
    initialiser_ressources();
    s.slot = texture_plateau_enregistree(repertoire);
    s.ratio = ratio;
    try {
        s.image = std::async(std::launch::async, [slot = s.slot, ratio] {
            try {
                return image_peau(slot, ratio);
            } catch (...) {
                return QImage();
            }
        });
    } catch (...) {
        // No thread: the window draws it when it needs it.
    }
}

QImage skin_ecran_preparee(int slot, qreal ratio)
{
    SkinEcran& s = skin_ecran();
    std::lock_guard l(s.verrou);
    if (!s.image.valid() || s.slot != slot || s.ratio != ratio)
        return {};
    return s.image.get();
}

} // namespace trelmo
