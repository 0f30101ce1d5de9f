// Drive sizes, asked so that a file system which does not answer (a network
// mount whose server is gone) never holds up the caller: the question runs on
// a worker thread, the caller waits a short while, and a drive whose answer
// is late counts as not ready. The late question keeps its thread until the
// file system answers; no second one is asked of that drive meanwhile.
#include <sys/statvfs.h>

#include <chrono>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

#include "core/platform/platform.h"

namespace plat {

namespace {

struct Answer {
    std::mutex mutex;
    std::condition_variable done;
    bool answered = false;
    bool ok = false;
    int64_t size = 0, freeBytes = 0;
};

bool RealProbe(const std::string& hostRoot, int64_t& size, int64_t& freeBytes) {
    struct statvfs sv {};
    if (statvfs(hostRoot.c_str(), &sv) != 0) return false;
    size = static_cast<int64_t>(sv.f_blocks) * static_cast<int64_t>(sv.f_frsize);
    freeBytes = static_cast<int64_t>(sv.f_bavail) * static_cast<int64_t>(sv.f_frsize);
    return true;
}

std::mutex stateMutex;
DiskSpaceProbe probe;  // empty: RealProbe
// The question still waiting for its answer, per host root.
std::map<std::string, std::shared_ptr<Answer>> outstanding;

// A new question of the drive; nullptr while an earlier one is unanswered.
std::shared_ptr<Answer> Ask(const std::string& hostRoot) {
    std::lock_guard<std::mutex> lock(stateMutex);
    auto it = outstanding.find(hostRoot);
    if (it != outstanding.end()) {
        std::lock_guard<std::mutex> answerLock(it->second->mutex);
        if (!it->second->answered) return nullptr;
    }
    auto answer = std::make_shared<Answer>();
    outstanding[hostRoot] = answer;
    DiskSpaceProbe ask = probe ? probe : DiskSpaceProbe(RealProbe);
    // The thread owns what it needs: it may outlive this call, the caller
    // and a change of the probe.
    std::thread([answer, ask = std::move(ask), hostRoot] {
        int64_t size = 0, freeBytes = 0;
        const bool ok = ask(hostRoot, size, freeBytes);
        std::lock_guard<std::mutex> answerLock(answer->mutex);
        answer->ok = ok;
        answer->size = size;
        answer->freeBytes = freeBytes;
        answer->answered = true;
        answer->done.notify_all();
    }).detach();
    return answer;
}

}  // namespace

void SetDiskSpaceProbe(DiskSpaceProbe p) {
    std::lock_guard<std::mutex> lock(stateMutex);
    probe = std::move(p);
    outstanding.clear();
}

bool DiskSpace(char letter, int64_t& size, int64_t& freeBytes) {
    const Drive* d = FindDrive(letter);
    if (!d) return false;
    // A drive still silent on an earlier question is not asked again, and
    // the caller does not wait for it a second time.
    std::shared_ptr<Answer> answer = Ask(d->hostRoot);
    if (!answer) return false;
    std::unique_lock<std::mutex> lock(answer->mutex);
    if (!answer->done.wait_for(lock, std::chrono::milliseconds(kDiskSpaceWaitMs),
                               [&] { return answer->answered; }))
        return false;
    if (!answer->ok) return false;
    size = answer->size;
    freeBytes = answer->freeBytes;
    return true;
}

}  // namespace plat
