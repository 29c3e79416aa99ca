#pragma once
// A FileSystem held in memory for tests. Files are byte strings keyed by their
// full path. It behaves like the Windows one where that matters to the callers:
// a file being written cannot be removed or moved, a failed write may leave part
// of its bytes behind, and a failing Close still releases the file. Files are
// read block by block. Each step can be told to fail, and every call is logged
// in order. Made read-only (for a launch, which only reads), any change to the
// files fails the test.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "startup/fatal_error.h"
#include "startup/file_system.h"

namespace zent::testing {

class MemoryFileSystem : public FileSystem {
public:
    // Where the file system fails; -1 and false mean nowhere.
    struct Faults {
        int read = -1;  // index of the failing block Read, counted over all files from 0
        bool create = false;
        int write = -1;  // index of the failing Write, counted over all files from 0
        bool flush = false;
        bool close = false;
        bool replace = false;
    };

    std::map<std::string, std::string> files;
    Faults faults;
    bool readOnly = false;
    // "Open <path>", "Create <path>", "Write <path>", "Flush <path>", "Close <path>",
    // "Replace <source> -> <target>", "Remove <path>", "ChangeCurrentFolder <folder>".
    std::vector<std::string> log;
    int readCount = 0;
    int writeCount = 0;
    int closedCount = 0;  // output files closed without a fault

    // Paths with an output file that is neither closed nor destroyed.
    const std::multiset<std::string>& OpenPaths() const { return openPaths_; }

    std::unique_ptr<InputFile> Open(const std::string& path) override {
        log.push_back("Open " + path);
        const auto found = files.find(path);
        if (found == files.end() || openPaths_.count(path) > 0) {
            Fail(kFileNotFound, path + " could not be opened (simulated: no such file).");
        }
        return std::make_unique<Input>(*this, path, found->second);
    }

    std::unique_ptr<OutputFile> Create(const std::string& path) override {
        log.push_back("Create " + path);
        RefuseWhenReadOnly(path);
        if (faults.create || openPaths_.count(path) > 0) {
            Fail(kPermissionDenied, path + " could not be created (simulated fault).");
        }
        files[path].clear();
        openPaths_.insert(path);
        return std::make_unique<File>(*this, path);
    }

    void Replace(const std::string& source, const std::string& target) override {
        log.push_back("Replace " + source + " -> " + target);
        RefuseWhenReadOnly(target);
        if (faults.replace || openPaths_.count(source) > 0 || openPaths_.count(target) > 0) {
            Fail(kPermissionDenied, target + " could not be replaced (simulated fault).");
        }
        const auto found = files.find(source);
        if (found == files.end()) {
            Fail(kFileNotFound, source + " could not be moved (simulated: no such file).");
        }
        files[target] = found->second;
        files.erase(source);
    }

    // Like DeleteFile, a file still open for writing stays where it is.
    void Remove(const std::string& path) noexcept override {
        log.push_back("Remove " + path);
        if (readOnly) {
            ADD_FAILURE() << path << " was removed from read-only files";
        } else if (openPaths_.count(path) == 0) {
            files.erase(path);
        }
    }

    void ChangeCurrentFolder(const std::string& folder) override {
        log.push_back("ChangeCurrentFolder " + folder);
    }

private:
    void RefuseWhenReadOnly(const std::string& path) const {
        if (readOnly) {
            ADD_FAILURE() << path << " was written to read-only files";
            Fail(kPermissionDenied, path + " may not be written (read-only files).");
        }
    }

    // Reads the bytes the file held when it was opened.
    class Input : public InputFile {
    public:
        Input(MemoryFileSystem& owner, std::string path, std::string bytes)
            : owner_(owner), path_(std::move(path)), bytes_(std::move(bytes)) {}

        std::size_t Read(char* buffer, std::size_t size) override {
            if (owner_.readCount++ == owner_.faults.read) {
                Fail(kPathFileAccessError, path_ + " could not be read (simulated fault).");
            }
            const std::size_t got = bytes_.copy(buffer, size, at_);
            at_ += got;
            return got;
        }

    private:
        MemoryFileSystem& owner_;
        std::string path_;
        std::string bytes_;
        std::size_t at_ = 0;
    };

    class File : public OutputFile {
    public:
        File(MemoryFileSystem& owner, std::string path) : owner_(owner), path_(std::move(path)) {}
        ~File() override { Release(); }

        void Write(std::string_view bytes) override {
            owner_.log.push_back("Write " + path_);
            if (!open_) {
                Fail(kPathFileAccessError, path_ + " was written after it was closed.");
            }
            if (owner_.writeCount++ == owner_.faults.write) {
                // A full disk takes part of the bytes before it refuses the rest.
                owner_.files[path_] += bytes.substr(0, bytes.size() / 2);
                Fail(kDiskFull, path_ + " could not be written (simulated: disk full).");
            }
            owner_.files[path_] += bytes;
        }

        void Flush() override {
            owner_.log.push_back("Flush " + path_);
            if (!open_ || owner_.faults.flush) {
                Fail(kPathFileAccessError, path_ + " could not be flushed (simulated fault).");
            }
        }

        void Close() override {
            owner_.log.push_back("Close " + path_);
            const bool wasOpen = open_;
            Release();
            if (!wasOpen || owner_.faults.close) {
                Fail(kPathFileAccessError, path_ + " could not be closed (simulated fault).");
            }
            ++owner_.closedCount;
        }

    private:
        void Release() {
            if (open_) {
                open_ = false;
                owner_.openPaths_.erase(owner_.openPaths_.find(path_));
            }
        }

        MemoryFileSystem& owner_;
        std::string path_;
        bool open_ = true;
    };

    std::multiset<std::string> openPaths_;
};

}  // namespace zent::testing
