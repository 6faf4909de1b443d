#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Thin layer over the file operations of the operating system. Paths are
// byte strings as the operating system takes them.
namespace FileOps {

// The whole file; throws FileError "Cannot open file "<path>". <cause>".
[[nodiscard]] std::string readAll(const std::string& path);

// Replaces the file's content as one step: a temporary file beside it is
// written, flushed and renamed over it, so a crash or a full disk leaves the
// old content. Throws FileError "Cannot create file "<path>". <cause>" when
// the file cannot be created (a read-only file counts: no write bit set),
// and "Stream write error" when writing fails.
void writeAtomically(const std::string& path, std::string_view bytes);

// Creates the file with these bytes unless one of that name exists, as one
// step (written beside it, flushed, renamed without replacing); false when
// the file exists or could not be written.
[[nodiscard]] bool writeIfAbsent(const std::string& path, std::string_view bytes);

// True when the path is a file with no write permission bit for anyone.
[[nodiscard]] bool isReadOnly(const std::string& path);

// Deletes a file (not a directory); false on any failure.
[[nodiscard]] bool deleteFile(const std::string& path);

// Renames without replacing an existing target; false on any failure.
[[nodiscard]] bool renameNoReplace(const std::string& from, const std::string& to);

// Size of a file that is not a directory; empty when there is none.
[[nodiscard]] std::optional<std::int64_t> fileSize(const std::string& path);

// The operating system's description of an errno value.
[[nodiscard]] std::string describeError(int error);

} // namespace FileOps
