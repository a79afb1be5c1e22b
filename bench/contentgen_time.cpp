// Times one full run of the content generator into a scratch folder and prints its wall-clock
// and processor seconds (the generator also prints how long its sounds and music took).
// Usage: contentgen_time [path of ironvale_contentgen]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    const std::string generator = argc > 1 ? argv[1] : "build/tools/ironvale_contentgen";
    char folder[] = "/tmp/ironvale_contentgen_bench_XXXXXX";
    if (mkdtemp(folder) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(generator.c_str(), generator.c_str(), folder, static_cast<char*>(nullptr));
        std::perror(generator.c_str());
        _exit(127);
    }
    int status = 0;
    struct rusage usage {};
    wait4(child, &status, 0, &usage);
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    const double cpu = usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec + usage.ru_stime.tv_usec / 1e6;
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::printf("contentgen_time: the generator failed\n");
        return 1;
    }
    std::printf("contentgen_time: %.1f s wall-clock, %.1f s of processor time (one core; target under 30 s)\n", wall.count(), cpu);
    return 0;
}
