#pragma once

#include <functional>
#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

namespace quorrin {

// What replacing a file waits for. Either way the replacement is atomic: a reader, and the file after a crash
// of the program, has either the old or the new content, never a torn one.
enum class Durability
{
    // The file and its new name are on the disk before the call returns, so they outlast a power cut too:
    // settings, the backup of a friends list.
    OnDisk,
    // The system writes them out in its own time, and a power cut soon after may bring the old content back:
    // a diagnostic log that is written again many times a minute.
    AtomicOnly,
};

// Whole-file operations on the disk. Every operation raises a RuntimeError (File not found, Path not found,
// Permission denied, Disk full, ...) when it fails. Paths are native, 8-bit, byte for byte.
class FileSystem
{
public:
    virtual ~FileSystem() = default;

    // Opens a file for reading in binary mode.
    virtual std::unique_ptr<std::istream> openForReading(const std::string& path) = 0;

    // Opens a file for rewriting in place: created if it is missing, else written over from its start.
    // Whatever is left of the old content past the last byte written is cut off when the stream is flushed or
    // goes, so the file then holds exactly what was written. A failed write leaves the stream bad.
    virtual std::unique_ptr<std::ostream> openForWriting(const std::string& path) = 0;

    // Copies a file over another, replacing an existing copy.
    virtual void copyFile(const std::string& from, const std::string& to) = 0;

    // Replaces a file as a whole, atomically and on the disk (Durability::OnDisk).
    void replaceFile(const std::string& path, std::string_view contents)
    {
        replaceFileWith(
            path,
            [contents](std::ostream& out) {
                out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
            },
            Durability::OnDisk);
    }

    // Replaces a file as a whole with what `write` puts into the stream. The new file is opened before
    // `write` runs, so nothing of `write` happens when it cannot be opened.
    virtual void replaceFileWith(const std::string& path, const std::function<void(std::ostream&)>& write,
                                 Durability durability) = 0;
};

// The file system of the machine.
std::unique_ptr<FileSystem> createLocalFileSystem();

} // namespace quorrin
