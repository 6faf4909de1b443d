#pragma once

#include <string>
#include <vector>

// Writes the editor's lines back to the dictionary file without ever leaving
// the directory without it. The first save while no backup exists keeps the
// old file as the backup: it is copied, not moved, so a save that fails
// part-way (disk full, killed) still leaves the old file in its place. The
// new content replaces the file in one rename.
class DictionarySaver final {
public:
    // Throws FileError when the dictionary cannot be written; a backup that
    // cannot be made is silently skipped.
    static void save(const std::string& plik, const std::string& kopia, const std::vector<std::string>& linie);

    // Copies plik to kopia unless kopia exists; the copy appears complete or
    // not at all. False when no backup was made.
    static bool makeBackup(const std::string& plik, const std::string& kopia);
};
