// Start-up benchmark: the time from exec() of a program to its main window
// (640 x 462 at 100 %, named "Trelmo") being mapped on the X server, and the
// resident memory 2 s after that. Several programs are measured interleaved,
// run after run, so that they share the machine's moods; the first is the
// reference. A program written <program>@<scale> runs with QT_SCALE_FACTOR
// set to that scale (its window then <scale> times as large) and is compared
// with the same program at 100 % when that is measured too.
// Usage: bench_demarrage <program directory> <runs> <program>[@<scale>] [...]
// Each program is started in the program directory; DISPLAY must name an X server.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

long rss_ko(pid_t pid)
{
    std::ifstream f("/proc/" + std::to_string(pid) + "/status");
    std::string ligne;
    while (std::getline(f, ligne))
        if (ligne.rfind("VmRSS:", 0) == 0)
            return std::strtol(ligne.c_str() + 6, nullptr, 10);
    return -1;
}

struct Programme {
    std::string chemin;
    double echelle = 1;
    std::string nom;   // as printed
};

Programme lire_programme(const std::string& argument)
{
    Programme p;
    p.chemin = argument;
    p.nom = argument;
    const size_t at = argument.rfind('@');
    if (at != std::string::npos && at + 1 < argument.size()) {
        char* fin = nullptr;
        const double e = std::strtod(argument.c_str() + at + 1, &fin);
        if (fin && *fin == '\0' && e > 0) {
            p.chemin = argument.substr(0, at);
            p.echelle = e;
            p.nom = p.chemin + " at " + std::to_string(static_cast<int>(std::lround(e * 100))) + " %";
        }
    }
    return p;
}

bool fenetre_principale(Display* d, Window w, double echelle)
{
    XWindowAttributes a;
    if (!XGetWindowAttributes(d, w, &a) || a.width != std::lround(640 * echelle)
        || a.height != std::lround(462 * echelle))
        return false;
    char* nom = nullptr;
    const bool ok = XFetchName(d, w, &nom) && nom && std::string(nom) == "Trelmo";
    if (nom)
        XFree(nom);
    return ok;
}

struct Mesure {
    std::vector<double> temps;   // ms
    std::vector<double> memoire; // MB
};

double mediane(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// One start: the time to the main window, then the memory 2 s later.
bool une_fois(Display* d, const std::string& repertoire, const Programme& programme, Mesure& m)
{
    const Window racine = DefaultRootWindow(d);
    XSelectInput(d, racine, SubstructureNotifyMask);
    XSync(d, True);
    const auto t0 = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(repertoire.c_str()) != 0)
            _exit(127);
        if (programme.echelle != 1)
            setenv("QT_SCALE_FACTOR", std::to_string(programme.echelle).c_str(), 1);
        else
            unsetenv("QT_SCALE_FACTOR");
        execl(programme.chemin.c_str(), programme.chemin.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    bool vu = false;
    const auto limite = t0 + std::chrono::seconds(30);
    while (!vu && std::chrono::steady_clock::now() < limite) {
        while (XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type == MapNotify && fenetre_principale(d, e.xmap.window, programme.echelle))
                vu = true;
        }
        if (!vu)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    const auto t1 = std::chrono::steady_clock::now();
    XSelectInput(d, racine, NoEventMask);
    if (vu) {
        m.temps.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
        std::this_thread::sleep_for(std::chrono::seconds(2));
        m.memoire.push_back(static_cast<double>(rss_ko(pid)) / 1024.0);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return vu;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <program directory> <runs> <program>[@<scale>] [...]\n", argv[0]);
        return 2;
    }
    const std::string repertoire = argv[1];
    const int essais = std::max(1, std::atoi(argv[2]));
    std::vector<Programme> programmes;
    for (int i = 3; i < argc; ++i)
        programmes.push_back(lire_programme(argv[i]));
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "no X server\n");
        return 2;
    }
    std::vector<Mesure> mesures(programmes.size());
    for (int i = 0; i < essais; ++i)
        for (size_t p = 0; p < programmes.size(); ++p)
            if (!une_fois(d, repertoire, programmes[p], mesures[p])) {
                std::fprintf(stderr, "%s: no main window within 30 s\n", programmes[p].nom.c_str());
                return 1;
            }
    const double t_ref = mediane(mesures[0].temps), m_ref = mediane(mesures[0].memoire);
    for (size_t p = 0; p < programmes.size(); ++p) {
        const double t = mediane(mesures[p].temps), m = mediane(mesures[p].memoire);
        std::printf("%-40s window after %6.1f ms (median of %d), resident %5.1f MB 2 s later",
                    programmes[p].nom.c_str(), t, essais, m);
        if (programmes[p].echelle == 1) {
            if (p > 0)
                std::printf("  | %.2f x the time, %+.1f MB", t / t_ref, m - m_ref);
        } else {
            // Beside the same program at 100 %.
            for (size_t q = 0; q < programmes.size(); ++q)
                if (programmes[q].chemin == programmes[p].chemin && programmes[q].echelle == 1) {
                    const double t1 = mediane(mesures[q].temps), m1 = mediane(mesures[q].memoire);
                    std::printf("  | %.2f x its 100 %% time, %+.1f MB", t / t1, m - m1);
                    break;
                }
        }
        std::printf("\n");
    }
    XCloseDisplay(d);
    return 0;
}
