#pragma once
// The one writer of projects, afterimage files and pictures, and the bounded whole-file reads.
// A write goes to a temporary file beside the target, every step checked (each write, fsync,
// close), and is renamed over the target only when complete, so a failure leaves the previous
// file as it was. Reads are bounded, so that a huge or endless file is refused instead of
// exhausting memory.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include <sys/types.h>

namespace tarlix {

// Why a write was refused or failed.
enum class SaveFailure {
    None,
    NotRegularFile, // a folder, device, FIFO or socket: never replaced
    NotWritable,    // the user may not write the file that is there
    LinkLoop,       // symbolic links that never reach a file
    CannotCreate,   // no temporary file in the target's folder
    WriteFailed,    // a write, fsync or close failed (a full disk)
    CannotReplace,  // the finished file could not be renamed over the target
};

struct SaveResult {
    SaveFailure failure = SaveFailure::None;
    int error = 0; // the errno of the call that failed, when one did
    bool ok() const { return failure == SaveFailure::None; }
};

// The system calls a write makes on its temporary file; tests replace them to make one fail.
struct FileCalls {
    std::function<ssize_t(int, const void*, std::size_t)> write;
    std::function<int(int)> fsync;
    std::function<int(int)> close;
    static FileCalls system();
};

// The prefix of temporary files; one left behind by a killed save is removed by a later save to
// the same folder once it is older than kStaleSaveSeconds, so that no save in progress loses it.
inline constexpr const char* kSaveTempPrefix = ".tarlix-save-";
inline constexpr long kStaleSaveSeconds = 24L * 60 * 60;

// Writes bytes as the file at path. A symbolic link is followed: its final target is written,
// beside itself, and the link stays a link. An existing target keeps its permissions.
SaveResult saveFile(const std::string& path, std::string_view bytes,
                    const FileCalls& calls = FileCalls::system());
inline bool writeFileAtomically(const std::string& path, std::string_view bytes) {
    return saveFile(path, bytes).ok();
}

enum class ReadResult { Ok, Missing, TooLarge, Failed };

// Reads the whole regular file at path, refusing one longer than maxBytes before reading it.
ReadResult readFile(const std::string& path, std::size_t maxBytes, std::string& bytes);
// The first line of the file (without its line end), at most maxBytes of it; false when the
// file cannot be read.
bool readFirstLine(const std::string& path, std::size_t maxBytes, std::string& line);
bool isRegularFile(const std::string& path);

} // namespace tarlix
