// Start-up benchmark: launches each program many times, alternating, and reports the median
// time from launch to first painted frame and the median peak memory (resident set).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

struct Misura
{
    double millisecondi = 0;
    double mebibyte = 0;
    bool riuscita = false;
};

Misura lancia(const std::string &programma)
{
    int tubo[2];
    if (pipe(tubo) != 0)
        return {};
    posix_spawn_file_actions_t azioni;
    posix_spawn_file_actions_init(&azioni);
    posix_spawn_file_actions_adddup2(&azioni, tubo[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&azioni, tubo[0]);
    // The programs' own warnings would only clutter the table.
    posix_spawn_file_actions_addopen(&azioni, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    // The program may come with its options, separated by blanks ("bench_tandorino --voce").
    std::vector<std::string> parole;
    std::istringstream righe(programma);
    for (std::string parola; righe >> parola;)
        parole.push_back(parola);
    std::vector<char *> argv;
    for (std::string &parola : parole)
        argv.push_back(parola.data());
    argv.push_back(nullptr);
    const auto inizio = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int errore = posix_spawn(&pid, argv[0], &azioni, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&azioni);
    close(tubo[1]);
    Misura m;
    if (errore != 0) {
        close(tubo[0]);
        return m;
    }
    std::string uscita;
    char buffer[256];
    ssize_t letti = 0;
    while (uscita.find("PRONTO") == std::string::npos
           && (letti = read(tubo[0], buffer, sizeof buffer)) > 0)
        uscita.append(buffer, static_cast<std::size_t>(letti));
    const auto pronto = std::chrono::steady_clock::now();
    close(tubo[0]);
    int stato = 0;
    rusage uso{};
    wait4(pid, &stato, 0, &uso);
    m.riuscita = uscita.find("PRONTO") != std::string::npos;
    m.millisecondi = std::chrono::duration<double, std::milli>(pronto - inizio).count();
    m.mebibyte = uso.ru_maxrss / 1024.0; // ru_maxrss is in KiB on Linux
    return m;
}

double mediana(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "uso: %s PROGRAMMA_MINIMO \"PROGRAMMA [OPZIONI]\" [RIPETIZIONI]\n", argv[0]);
        return 2;
    }
    const int ripetizioni = argc > 3 ? std::max(1, std::atoi(argv[3])) : 15;
    const std::string programmi[2] = {argv[1], argv[2]};
    std::vector<double> tempi[2], memorie[2];
    lancia(programmi[0]); // warm the file cache for both before measuring
    lancia(programmi[1]);
    for (int i = 0; i < ripetizioni; ++i) {
        for (int p = 0; p < 2; ++p) {
            const Misura m = lancia(programmi[p]);
            if (!m.riuscita) {
                std::fprintf(stderr, "%s non ha mostrato la prima finestra\n", programmi[p].c_str());
                return 1;
            }
            tempi[p].push_back(m.millisecondi);
            memorie[p].push_back(m.mebibyte);
        }
    }
    const double t0 = mediana(tempi[0]), t1 = mediana(tempi[1]);
    const double m0 = mediana(memorie[0]), m1 = mediana(memorie[1]);
    const std::size_t opzioni = programmi[1].find(' ');
    std::printf("| start-up (median of %d) | minimal Qt | Tandorino%s | ratio | goal |\n", ripetizioni,
                opzioni == std::string::npos ? "" : programmi[1].substr(opzioni).c_str());
    std::printf("|---|---|---|---|---|\n");
    std::printf("| first frame | %.1f ms | %.1f ms | %.2f | <= 1.5 |\n", t0, t1, t1 / t0);
    std::printf("| peak memory | %.1f MiB | %.1f MiB | %.2f | <= 1.5 |\n", m0, m1, m1 / m0);
    return (t1 / t0 <= 1.5 && m1 / m0 <= 1.5) ? 0 : 3;
}
