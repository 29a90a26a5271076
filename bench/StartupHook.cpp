// Preloaded into the unchanged launcher by bench/startup, so that what is timed is the very
// program users start and nothing in it reads a switch for the benchmark. It takes the place
// of QApplication::exec(): it notes when the libraries were loaded and when the event loop
// runs its first round, with the CPU time and peak memory the process has used by then,
// names the windows then on screen, and ends the loop there as a quit would. An alarm ends
// a launcher that never gets that far. With ZEL_STARTUP_HOOK_STAY set (bench/thirty-panels)
// the launcher runs on once it is up.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dlfcn.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr unsigned kGiveUpSeconds = 60;

// Wall-clock microseconds, the clock bash's EPOCHREALTIME reads before it starts the program.
long long NowMicroseconds() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long long>(now.tv_sec) * 1000000LL + now.tv_nsec / 1000;
}

[[gnu::constructor]] void NoteLoaded() {
    std::fprintf(stderr, "zel-startup loaded %lld\n", NowMicroseconds());
    ::alarm(kGiveUpSeconds);
}

void NoteEventLoop() {
    const long long now = NowMicroseconds();
    std::fprintf(stderr, "zel-startup loop %lld\n", now);
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const auto micros = [](const timeval& t) {
        return static_cast<long long>(t.tv_sec) * 1000000LL + t.tv_usec;
    };
    std::fprintf(stderr, "zel-startup cpu %lld\n", micros(usage.ru_utime) + micros(usage.ru_stime));
    std::fprintf(stderr, "zel-startup peak %ld\n", usage.ru_maxrss);
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) {
            std::fprintf(stderr, "zel-startup window %s\n", window->metaObject()->className());
        }
    }
    if (std::getenv("ZEL_STARTUP_HOOK_STAY") != nullptr) {
        ::alarm(0);
        return;
    }
    QCoreApplication::quit();
}

} // namespace

int QApplication::exec() {
    using Exec = int (*)();
    static const auto realExec =
        reinterpret_cast<Exec>(::dlsym(RTLD_NEXT, "_ZN12QApplication4execEv"));
    if (realExec == nullptr) {
        std::fprintf(stderr, "zel-startup: QApplication::exec not found\n");
        return 1;
    }
    QTimer::singleShot(0, qApp, &NoteEventLoop);
    return realExec();
}
