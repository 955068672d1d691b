#include "core/common/ordnerliste.h"

#include <ctime>
#include <dirent.h>
#include <mutex>
#include <sys/stat.h>

namespace zalvor {

namespace {

struct Liste {
    std::string ordner;
    dev_t geraet = 0;
    ino_t knoten = 0;
    timespec geaendert{};
    std::vector<std::string> namen;
};

std::mutex gSchutz;
std::vector<Liste> gListen; // a program looks into a handful of folders

bool gleich(const timespec& a, const timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

std::vector<std::string> lesen(const std::string& ordner) {
    std::vector<std::string> namen;
    DIR* d = ::opendir(ordner.empty() ? "." : ordner.c_str());
    if (d == nullptr) return namen;
    while (const dirent* e = ::readdir(d)) {
        const std::string_view n(e->d_name);
        if (n != "." && n != "..") namen.emplace_back(n);
    }
    ::closedir(d);
    return namen;
}

} // namespace

// A folder's change time moves with every entry made, renamed or removed, by whichever
// program. Two changes within one tick of the file system's clock can leave the same time,
// so a listing is kept only when the last change was more than a second before it was read.
std::vector<std::string> ordnerNamen(const std::string& ordner) {
    struct stat st {};
    if (::stat(ordner.empty() ? "." : ordner.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return {};
    std::lock_guard<std::mutex> sperre(gSchutz);
    for (const Liste& l : gListen)
        if (l.ordner == ordner && l.geraet == st.st_dev && l.knoten == st.st_ino &&
            gleich(l.geaendert, st.st_mtim))
            return l.namen;
    std::vector<std::string> namen = lesen(ordner);
    timespec jetzt{};
    ::clock_gettime(CLOCK_REALTIME, &jetzt);
    std::erase_if(gListen, [&](const Liste& l) { return l.ordner == ordner; });
    if (jetzt.tv_sec - st.st_mtim.tv_sec > 1)
        gListen.push_back({ordner, st.st_dev, st.st_ino, st.st_mtim, namen});
    return namen;
}

} // namespace zalvor
