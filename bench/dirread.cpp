// Directory read benchmark.
//   dirread generate DIR COUNT [--sizes]  creates COUNT files in the host
//       directory DIR (names of mixed length and extension; with --sizes also
//       sizes and last-write times that vary)
//   dirread read DIR     reads DIR as drive C: through the file list model
//       (enumerate, stat, attributes, filter, sort "END"); prints the count
//   dirread memory DIR   the same, then prints the heap bytes the model holds
//       per entry
#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/filelist/file_list.h"
#include "core/platform/platform.h"
#include "core/settings/quilby_options.h"

namespace {

// Names as a real directory mixes them: short ones that fit in a string
// without a heap block, and every fourth one longer.
std::string GeneratedName(long i) {
    static const char* const exts[] = {"txt", "TXT", "cpp", "h", "pdf", "", "jpeg", "tar.gz"};
    char buf[96];
    const char* ext = exts[(i * 7) % 8];
    if (i % 4 == 3)
        snprintf(buf, sizeof buf, "document with a longer name %07ld%s%s", i, *ext ? "." : "", ext);
    else
        snprintf(buf, sizeof buf, "f%07ld%s%s", (i * 7919) % 10000000, *ext ? "." : "", ext);
    return buf;
}

int Generate(const std::string& dir, long count, bool sizes) {
    for (long i = 0; i < count; ++i) {
        const std::string path = dir + "/" + GeneratedName(i);
        const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0) {
            perror(path.c_str());
            return 1;
        }
        if (sizes) {
            // Sparse sizes up to 1 MB and stamps spread over ten years.
            if (ftruncate(fd, (i * 2654435761L) % 1048576) != 0) perror(path.c_str());
            const time_t when = 1300000000 + (i * 40503L) % 315360000;
            const timespec times[2] = {{when, 0}, {when, 0}};
            futimens(fd, times);
        }
        close(fd);
    }
    return 0;
}

TQuilbyOptions ReadOptions() {
    TQuilbyOptions o;  // the stored defaults: every file, read-only and archive
    o.SortKeys = "END";
    o.Wildcards = "*.*";
    o.A_readonly = true;
    o.A_Archive = true;
    return o;
}

size_t HeapInUse() {
    const struct mallinfo2 mi = mallinfo2();
    return mi.uordblks + mi.hblkhd;
}

long ResidentBytes() {
    long pages = 0, resident = 0;
    if (FILE* f = fopen("/proc/self/statm", "r")) {
        if (fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        fclose(f);
    }
    return resident * sysconf(_SC_PAGESIZE);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 4 && strcmp(argv[1], "generate") == 0)
        return Generate(argv[2], atol(argv[3]), argc >= 5 && strcmp(argv[4], "--sizes") == 0);
    if (argc != 3 || (strcmp(argv[1], "read") != 0 && strcmp(argv[1], "memory") != 0)) {
        fprintf(stderr, "usage: dirread generate DIR COUNT [--sizes] | read DIR | memory DIR\n");
        return 2;
    }
    plat::SetDriveTable({plat::Drive{'C', argv[2], plat::DriveType::Fixed, "", ""}});
    const TQuilbyOptions options = ReadOptions();

    const size_t heapBefore = HeapInUse();
    const long rssBefore = ResidentBytes();
    TFileListModel list;
    if (!list.ReadDirectory("C:\\", options)) {
        fprintf(stderr, "cannot read %s\n", argv[2]);
        return 1;
    }
    const int count = list.GetListCount();
    if (strcmp(argv[1], "read") == 0) {
        printf("%d files, %lld bytes\n", count, static_cast<long long>(list.GetEntryBytes()));
        return 0;
    }
    if (count == 0) return 1;
    const double heap = static_cast<double>(HeapInUse() - heapBefore) / count;
    const double rss = static_cast<double>(ResidentBytes() - rssBefore) / count;
    fprintf(stderr, "%d entries: heap %.1f bytes/entry, resident %.1f bytes/entry, sizeof(TFileEntry) %zu\n",
            count, heap, rss, sizeof(TFileEntry));
    printf("%.0f\n", heap);
    return 0;
}
