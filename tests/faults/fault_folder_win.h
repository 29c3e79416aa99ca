#pragma once
// A fresh folder holding the launcher and a "zentconfig.ini", and the ways the
// file can be taken away from it: read-only, or held open by another program.

#include <windows.h>

#include <string>

namespace zent {

class FaultFolder {
public:
    FaultFolder();
    FaultFolder(const FaultFolder&) = delete;
    FaultFolder& operator=(const FaultFolder&) = delete;
    ~FaultFolder();

    const std::string& path() const { return path_; }
    std::string PathOf(const std::string& name) const { return path_ + "\\" + name; }

    void Write(const std::string& name, const std::string& bytes) const;
    // The file's bytes; the empty text when it cannot be read.
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;
    void MakeReadOnly(const std::string& name) const;

    // Puts the launcher beside the configuration and starts it with the
    // argument text (empty: the Settings window).
    PROCESS_INFORMATION StartLauncher(const std::string& argument) const;

private:
    std::string path_;
};

// Holds a file open without sharing, as another program may; closes it when done.
class FileLock {
public:
    explicit FileLock(const std::string& path);
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();

private:
    HANDLE handle_;
};

}  // namespace zent
