#pragma once
// "Save to disk": the natal window's person written as a new record into a
// names file of the user's choice.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Files.h"
#include "shell/input/InputFields.h"

namespace orv {

class Host;

// The natal input checks; true when the input may be used. They tell the
// user what is wrong themselves.
using InputCheck = std::function<bool()>;
// Asks for the names file to save into; "" when the user cancels.
using NamesFileChooser = std::function<std::string()>;
// Saves files that belong together, each whole or none changed, as
// WriteFilesAtomically does: "" on success, else what went wrong, with
// `failed` set to the file it concerns.
using FilesWriter =
    std::function<std::string(const std::vector<FileToSave>& files, std::filesystem::path& failed)>;

enum class SaveOutcome {
  Saved,      // the record is in the file; the names list should be read again
  Refused,    // the input cannot be saved; the user was told why
  Cancelled,  // no file chosen; nothing touched
  Failed,     // the file could not be written; the user was told, the file is as it was
};

// The names-file record line for the natal window's fields, without its line
// break: name, date "dd mmm yyyy", time "##.#0", "A"/"P", zone as typed,
// longitude "#00#.#0" (East negative), latitude "#0#.#0" (South negative),
// e-mail. Nothing when the month, day and year do not form a real date.
std::optional<std::string> NameRecordLine(const NatalInputFields& fields);

// A text field as a record stores it: valid UTF-8 (stray bytes read as
// Windows-1252), without control characters or byte order marks.
std::string StoredFieldText(std::string_view text);

// The backup kept beside a names file: the path with its last three
// characters replaced by "OLD" (CLIENTS.FIL keeps CLIENTS.OLD); a name
// without a three-letter extension, or one that is its own backup, gets
// ".OLD" added.
std::filesystem::path NamesBackupPath(const std::filesystem::path& namesFile);

// Saves the natal window's person:
//  1. refuses an empty name, a comma or double quote in the name or e-mail,
//     input that fails `inputIsValid`, and a date that is not a real date;
//     control characters (a pasted line break) are dropped from every field;
//  2. asks for the file through `choose`;
//  3. asks, for every line of the file whose name equals the new name
//     whatever its letter case, whether to replace it (Yes drops that line);
//  4. holding the file's lock (FileLock), reads it again, so that records
//     another instance saved meanwhile stay; then saves, through `write`
//     and as one save, that content as its backup (NamesBackupPath) and the
//     file's other lines byte for byte with the new record where the list
//     ends (before an empty line that ends it). A Windows-1252 file that
//     cannot hold the new record becomes UTF-8 as a whole. A file in which
//     the new record would not be listed, or an earlier one would vanish,
//     is refused with a message. Any step failing leaves the file and its
//     backup as they were and tells the user.
SaveOutcome SavePersonToNamesFile(Host& host, const NatalInputFields& fields,
                                  const InputCheck& inputIsValid, const NamesFileChooser& choose,
                                  const FilesWriter& write = WriteFilesAtomically);

}  // namespace orv
