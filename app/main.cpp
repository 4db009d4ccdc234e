// Start-up: the splash screen with its gauge while the five windows of the
// program are built, then the event loop until the main window closes.
#include "dialogs/freewaremsg.h"
#include "dialogs/meilleur_score.h"
#include "dialogs/mode.h"
#include "dialogs/saisie_nom.h"
#include "dialogs/splash.h"
#include "mainwindow/echelle.h"
#include "mainwindow/form1.h"
#include "mainwindow/preparation.h"
#include "resources/ressources.h"
#include "storage/ini.h"

#include <QApplication>
#include <QDir>
#include <QProgressBar>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <malloc.h>
#include <memory>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// SIGTERM and SIGHUP reach the event loop through a socket pair: the handler
// only writes a byte.
int fin_demandee[2] = {-1, -1};

void signal_de_fin(int)
{
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(fin_demandee[0], &c, 1);
}

} // namespace

int main(int argc, char* argv[])
{
    using namespace trelmo;
    // A write past the file size limit fails with EFBIG, which the game
    // reports as a full disk, instead of killing the program.
    std::signal(SIGXFSZ, SIG_IGN);
    // The threads share one heap: a heap of a thread's own keeps the pages
    // that thread freed (the fonts' configuration leaves many).
    mallopt(M_ARENA_MAX, 1);
    // The fonts and the skin are prepared beside the toolkit's start; the
    // fonts are waited for before the first text, the skin by the window.
    lancer_preparation(QDir::currentPath().toStdString() + "/");
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.trelmo.Trelmo"));
    initialiser_ressources();
    enregistrer_tophand();
    // The window's remembered size, before the splash shows.
    Echelle::appliquer_au_demarrage(chemin_ini());

    // The product title.
    QCoreApplication::setApplicationName(QStringLiteral("Trelmo"));

    attendre_polices();
    auto splash = std::make_unique<TSplashForm>();
    splash->show();
    splash->repaint();
    QApplication::processEvents();
    splash->barre()->setMaximum(6);

    splash->barre()->setValue(1);
    auto Form1 = std::make_unique<TForm1>();
    splash->barre()->setValue(2);
    auto FreewareMsg = std::make_unique<TFreewareMsg>();
    splash->barre()->setValue(3);
    auto mode = std::make_unique<Tmode>(Form1->reglages(), Form1->langue());
    splash->barre()->setValue(4);
    auto saisie_nom = std::make_unique<Tsaisie_nom>(Form1->reglages(), Form1->langue());
    splash->barre()->setValue(5);
    auto meilleur_score = std::make_unique<Tmeilleur_score>(Form1->reglages(), Form1->langue());
    splash->barre()->setValue(6);
    Form1->setDialogues(FreewareMsg.get(), mode.get(), saisie_nom.get(), meilleur_score.get());

    splash->hide();
    splash.reset();

    // However the program ends, a game in progress is kept for the next start.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, Form1.get(),
                     [f = Form1.get()](QSessionManager&) { f->garder_partie(); }, Qt::DirectConnection);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, Form1.get(), [f = Form1.get()] { f->garder_partie(); });
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, fin_demandee) == 0) {
        auto* avis = new QSocketNotifier(fin_demandee[1], QSocketNotifier::Read, &app);
        QObject::connect(avis, &QSocketNotifier::activated, &app, [f = Form1.get()] {
            char c;
            while (::read(fin_demandee[1], &c, 1) > 0) {
            }
            f->garder_partie();
            // exit() rather than quit(): no window is asked to close, so no
            // dialog of the closing shows to a program being stopped.
            QCoreApplication::exit(0);
        });
        struct sigaction sa{};
        sa.sa_handler = signal_de_fin;
        sigemptyset(&sa.sa_mask);
        sa.sa_flags = SA_RESTART;
        sigaction(SIGTERM, &sa, nullptr);
        sigaction(SIGHUP, &sa, nullptr);
    }

    Form1->show();
    // The start-up's scratch memory goes back to the system once the board
    // is on the screen.
    QTimer::singleShot(1000, [] { malloc_trim(0); });
    return app.exec();
}
