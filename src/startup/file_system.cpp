#include "startup/file_system.h"

#include <cctype>

#include "startup/fatal_error.h"

namespace zent {

namespace {
FileSystem* g_files = nullptr;
std::string g_programFolder;

std::string_view FileNameOf(std::string_view path) {
    const std::size_t slash = path.find_last_of('\\');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

// What each of the files the launcher needs is, and where it must be; the
// launcher looks for them beside itself, whatever the current folder is.
struct KnownFile {
    const char* name;
    const char* whatAndWhere;
};

constexpr KnownFile kKnownFiles[] = {
    {"zentconfig.ini",
     "It holds the launcher's games and options, and must be beside ZentavioWrapper.exe, in "
     "the emulator's folder. The release comes with a starting one, zentconfig.example.ini: "
     "copy it to zentconfig.ini beside ZentavioWrapper.exe."},
    {"tempavio.cfg",
     "It is the saved emulator configuration that every launch starts from, and must be beside "
     "ZentavioWrapper.exe, in the emulator's folder. To make it, set the emulator up once "
     "(start zentavio.exe, choose its settings and close it), then copy its zentavio.cfg to "
     "tempavio.cfg."},
    {"zentavio.exe",
     "It is the emulator, which the launcher starts from its own folder: put "
     "ZentavioWrapper.exe in the emulator's folder, beside zentavio.exe."},
    {"zentavio_old_gfx.exe",
     "It is the emulator's build for the Old Gfx renderers, which the launcher starts from its "
     "own folder: put ZentavioWrapper.exe in the emulator's folder, beside "
     "zentavio_old_gfx.exe."},
};

std::string MissingFileAdvice(std::string_view path) {
    for (const KnownFile& file : kKnownFiles) {
        if (SameName(FileNameOf(path), file.name)) {
            return file.whatAndWhere;
        }
    }
    return "Put the file there.";
}

// Fills a temporary file beside path through write, forces it onto the disk and
// puts it in path's place in one step. A failure, or write saying to stop,
// leaves path as it was and removes the temporary file; true when replaced.
bool ReplaceThroughTemporary(FileSystem& files, const std::string& path,
                             const std::function<bool(OutputFile&)>& write) {
    const std::string tempPath = path + ".tmp";
    // A save or copy that was cut short (a power cut) may have left one, which
    // Windows refuses to create over when it is read-only or hidden.
    files.Remove(tempPath);
    try {
        const std::unique_ptr<OutputFile> out = files.Create(tempPath);
        if (!write(*out)) {
            out->Close();
            files.Remove(tempPath);
            return false;
        }
        out->Flush();
        out->Close();
        files.Replace(tempPath, path);
        return true;
    } catch (...) {
        files.Remove(tempPath);
        throw;
    }
}

}  // namespace

FileSystem& ActiveFileSystem() {
    if (g_files == nullptr) {
        Fail(kInvalidArgument, "internal error: no file system was installed at start-up");
    }
    return *g_files;
}

void SetActiveFileSystem(FileSystem* files) {
    g_files = files;
}

const std::string& ProgramFolder() {
    return g_programFolder;
}

void SetProgramFolder(std::string folder) {
    g_programFolder = std::move(folder);
}

std::string ProgramFile(std::string_view name) {
    return g_programFolder + "\\" + std::string(name);
}

std::string FileSystem::ReadAll(const std::string& path) {
    const std::unique_ptr<InputFile> in = Open(path);
    std::string bytes;
    std::string block(kCopyBlockSize, '\0');
    while (const std::size_t got = in->Read(block.data(), block.size())) {
        bytes.append(block, 0, got);
    }
    return bytes;
}

void ReplaceFileContents(FileSystem& files, const std::string& path, std::string_view bytes) {
    ReplaceThroughTemporary(files, path, [bytes](OutputFile& out) {
        out.Write(bytes);
        return true;
    });
}

bool ReplaceWithCopy(FileSystem& files, const std::string& source, const std::string& target,
                     const std::function<bool()>& stopRequested) {
    const std::unique_ptr<InputFile> in = files.Open(source);
    std::string block(kCopyBlockSize, '\0');
    try {
        return ReplaceThroughTemporary(files, target, [&](OutputFile& out) {
            while (const std::size_t got = in->Read(block.data(), block.size())) {
                out.Write(std::string_view(block.data(), got));
                if (stopRequested()) {
                    return false;
                }
            }
            return true;
        });
    } catch (const FatalError& error) {
        throw error.WithContext(target + " was not replaced with a copy of " + source +
                                " and is unchanged: ");
    }
}

void FailFile(FileFault fault, const std::string& action, const std::string& path,
              std::string_view systemText) {
    ErrorNumber number = kPathFileAccessError;
    std::string advice;
    switch (fault) {
        case FileFault::kNotFound:
            number = kFileNotFound;
            advice = MissingFileAdvice(path);
            break;
        case FileFault::kReadOnly:
            number = kPermissionDenied;
            advice = "The file is read-only: clear Read-only in its Properties and try again.";
            break;
        case FileFault::kAccessDenied:
            number = kPermissionDenied;
            advice =
                "Windows denied access: check that you may write to the folder (folders under "
                "Program Files are protected) and that no other program holds the file.";
            break;
        case FileFault::kInUse:
            advice =
                "Another program has the file open (an editor, a backup or virus scanner); close "
                "it and try again.";
            break;
        case FileFault::kDiskFull:
            number = kDiskFull;
            advice = "Free some space on the disk and try again.";
            break;
        case FileFault::kFolder:
            advice =
                "It is a folder, where the launcher needs a file of that name: move or rename "
                "the folder and try again.";
            break;
        case FileFault::kOther:
            break;
    }
    std::string description = path + " " + action;
    const std::string reason = SystemTextForMessage(systemText, path);
    description += reason.empty() ? "." : " (" + reason + ").";
    if (!advice.empty()) {
        description += " " + advice;
    }
    Fail(number, description);
}

std::string SystemTextForMessage(std::string_view text, const std::string& path) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            if (text[i + 1] == '1') {
                out += FileNameOf(path);
            }
            ++i;
        } else {
            out += text[i];
        }
    }
    while (!out.empty() &&
           (out.back() == '\r' || out.back() == '\n' || out.back() == ' ' || out.back() == '.')) {
        out.pop_back();
    }
    return out;
}

}  // namespace zent
