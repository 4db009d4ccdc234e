// Start-up benchmark: the time from exec() of the game to the main window
// being mapped on the X server, and the resident memory once it is shown.
// Usage: bench_demarrage <program directory> [runs]; DISPLAY must name an X server.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
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

bool fenetre_principale(Display* d, Window w)
{
    XWindowAttributes a;
    if (!XGetWindowAttributes(d, w, &a) || a.width != 640 || a.height != 462)
        return false;
    char* nom = nullptr;
    const bool ok = XFetchName(d, w, &nom) && nom && std::string(nom) == "Trelmo";
    if (nom)
        XFree(nom);
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <program directory> [runs]\n", argv[0]);
        return 2;
    }
    const std::string repertoire = argv[1];
    const int essais = argc > 2 ? std::atoi(argv[2]) : 7;
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "no X server\n");
        return 2;
    }
    const Window racine = DefaultRootWindow(d);
    std::vector<double> temps;
    std::vector<long> memoire;
    for (int i = 0; i < essais; ++i) {
        XSelectInput(d, racine, SubstructureNotifyMask);
        XSync(d, True);
        const auto t0 = std::chrono::steady_clock::now();
        const pid_t pid = fork();
        if (pid == 0) {
            if (chdir(repertoire.c_str()) != 0)
                _exit(127);
            execl("./trelmo", "trelmo", static_cast<char*>(nullptr));
            _exit(127);
        }
        bool vu = false;
        while (!vu) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type == MapNotify && fenetre_principale(d, e.xmap.window))
                vu = true;
        }
        const auto t1 = std::chrono::steady_clock::now();
        temps.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        memoire.push_back(rss_ko(pid));
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        XSelectInput(d, racine, NoEventMask);
    }
    std::sort(temps.begin(), temps.end());
    std::sort(memoire.begin(), memoire.end());
    std::printf("main window mapped after exec: median %.1f ms (min %.1f, max %.1f, %d runs)\n",
                temps[temps.size() / 2], temps.front(), temps.back(), essais);
    std::printf("resident memory with the main window shown: median %.1f MB\n",
                static_cast<double>(memoire[memoire.size() / 2]) / 1024.0);
    XCloseDisplay(d);
    return 0;
}
