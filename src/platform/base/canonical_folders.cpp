#include "platform/base/canonical_folders.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

#include "platform/base/paths.h"

std::vector<CString> CanonicalFolderPaths(const std::vector<CString>& paths,
                                          std::chrono::milliseconds bound, FolderResolver resolve) {
    struct Shared {
        std::mutex mutex;
        std::condition_variable finished;
        std::vector<std::optional<CString>> resolved;
        bool done = false;
    };
    auto shared = std::make_shared<Shared>();
    shared->resolved.resize(paths.size());
    try {
        std::thread([shared, paths, resolve = std::move(resolve)] {
            for (size_t i = 0; i < paths.size(); ++i) {
                std::optional<CString> folder =
                    resolve ? resolve(paths[i]) : ResolvedDirectory(paths[i]);
                const std::lock_guard<std::mutex> lock(shared->mutex);
                shared->resolved[i] = folder ? std::move(folder) : LexicallyNormalPath(paths[i]);
            }
            const std::lock_guard<std::mutex> lock(shared->mutex);
            shared->done = true;
            shared->finished.notify_all();
        }).detach();
        std::unique_lock<std::mutex> lock(shared->mutex);
        shared->finished.wait_for(lock, bound, [&] { return shared->done; });
    } catch (const std::system_error&) {
        // No thread to be had: every path keeps its lexical form.
    }
    std::vector<CString> folders;
    const std::lock_guard<std::mutex> lock(shared->mutex);
    for (size_t i = 0; i < paths.size(); ++i) {
        folders.push_back(shared->resolved[i] ? *shared->resolved[i]
                                              : LexicallyNormalPath(paths[i]));
    }
    return folders;
}
