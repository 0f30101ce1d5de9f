// Operations announce the directories they changed; whoever shows them
// (the frame and its directory windows) listens and reads them again.
// Qt-free so that the loops in the core can announce as well as dialogs.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

class TChangeNotifier {
public:
    struct TListener {
        // The entries of directory path (Windows form) changed.
        std::function<void(const std::string& path)> PathChanged;
        // Directories were made, removed or renamed on drive letter.
        std::function<void(char drive)> TreeChanged;
    };

    // Adds a listener; the answer forgets it again.
    int Listen(TListener listener);
    void Forget(int id);

    void PathChanged(const std::string& path) const;
    void TreeChanged(char drive) const;

private:
    std::vector<std::pair<int, TListener>> listeners_;
    int nextId_ = 1;
};

// The program's one notifier.
TChangeNotifier& ChangeNotifier();
