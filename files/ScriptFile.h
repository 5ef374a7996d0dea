// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <optional>
#include <string_view>

// Where a script is saved: the game directory, "\cstrike\", the script name and ".cfg", each text
// exactly as given. Where the platform's separator is not the backslash, every backslash of the
// result becomes that separator and nothing else changes.
QString ScriptFilePath(const QString& directory, const QString& scriptName);

// Why a script name cannot name a file in the cstrike folder, if it cannot: a folder separator of
// either kind, or a colon, which Windows reads as a drive or a stream of another file; or a name so
// long that the save's temporary file beside it could not be named. Names that reach the save are
// checked here, so that no text of the name box puts a file elsewhere.
std::optional<QString> FindFileNameFault(const QString& scriptName);

// Writes the script text followed by two CR LF, byte for byte as given (UTF-8, no byte-order mark),
// replacing any file at `path`, through QSaveFile: the bytes go to a temporary file in the same
// folder, which takes the file's place in one step only once all of them are on the disk, keeping
// its permissions. A failure leaves an existing file as it was and nothing behind. A read-only file
// or a folder is not replaced; a link stays a link and the file it names is replaced. Returns the
// reason on failure, nothing on success.
std::optional<QString> WriteScriptFile(const QString& path, std::string_view scriptText);

// Called once as the program starts: a file-size limit then makes a save fail with its reason
// ("File too large") rather than end the program and lose the session's scripts.
void PrepareScriptFileWrites();
