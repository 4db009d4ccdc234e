// Prints the fixed cost of one trelmo-solve call: the wall time from the
// start of the process to its end, on a position the solver answers at once
// (two marbles on the English board, read from a file), over many calls;
// the tables are beside the command, as in the build. With --position FILE,
// another position; with --runs N, N calls (default 200).
//   bench_appel [--runs N] [--position FILE] [--command PATH]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

int main(int argc, char** argv)
{
    int essais = 200;
    std::string commande = TRELMO_RUN_DIR "/trelmo-solve", position;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--runs")) essais = std::max(1, std::atoi(argv[i + 1]));
        else if (!std::strcmp(argv[i], "--position")) position = argv[i + 1];
        else if (!std::strcmp(argv[i], "--command")) commande = argv[i + 1];
    }
    if (position.empty()) {
        char modele[] = "/tmp/bench-appel-XXXXXX";
        const int fd = ::mkstemp(modele);
        const char image[] = "  ...\n  ...\n.......\n...oo..\n.......\n  ...\n  ...\n";
        if (fd < 0 || ::write(fd, image, sizeof image - 1) != static_cast<ssize_t>(sizeof image - 1)) {
            std::perror("bench_appel");
            return 1;
        }
        ::close(fd);
        position = modele;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    std::vector<double> ms;
    for (int i = 0; i < essais; ++i) {
        char* args[] = {commande.data(), position.data(), nullptr};
        const auto debut = std::chrono::steady_clock::now();
        pid_t pid = 0;
        int statut = 0;
        if (posix_spawn(&pid, commande.c_str(), &actions, nullptr, args, environ) != 0 || ::waitpid(pid, &statut, 0) != pid
            || !WIFEXITED(statut) || WEXITSTATUS(statut) != 0) {
            std::fprintf(stderr, "bench_appel: %s %s failed\n", commande.c_str(), position.c_str());
            return 1;
        }
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count());
    }
    posix_spawn_file_actions_destroy(&actions);
    if (argc < 2 || std::find_if(argv + 1, argv + argc, [](const char* a) { return !std::strcmp(a, "--position"); }) == argv + argc)
        ::unlink(position.c_str());
    std::sort(ms.begin(), ms.end());
    double charge[3] = {};
    if (std::FILE* f = std::fopen("/proc/loadavg", "r")) {
        if (std::fscanf(f, "%lf %lf %lf", &charge[0], &charge[1], &charge[2]) != 3) charge[0] = 0;
        std::fclose(f);
    }
    std::printf("trelmo-solve, one call (process start included), %d calls: min %.2f ms, median %.2f ms, p90 %.2f ms"
                " (load average %.2f)\n",
                essais, ms.front(), ms[ms.size() / 2], ms[ms.size() * 9 / 10], charge[0]);
    return 0;
}
