// Figures still kept when a run ends, in a file beside the database, so
// that a run ending while the database refuses them loses nothing: the next
// run stores them first. The file opens with a line naming its token, a
// number the database records in the same transaction that stores the
// file's rows, so that a file stored once is never stored again, even when
// it cannot be removed or the program is killed before removing it. Each
// row is then its page, kind and objData length on one line, the objData
// bytes and a newline. (Files from before tokens have no first line; their
// token is a hash of their bytes.)
#ifndef TARNWICK_APP_CORE_UNSAVED_FILE_H
#define TARNWICK_APP_CORE_UNSAVED_FILE_H

#include <cstdint>

#include "kept_rows.h"

// Replaces the file with the rows under a new token, never zero and never
// `avoid`; false when it could not be written whole (the file it replaces
// is then left as it was).
bool WriteUnsavedFile(const char* path, const KeptRows& rows, std::int32_t avoid);
// Appends the file's rows to `rows`, as far as they read cleanly, and gives
// its token; false when there is no such file.
bool ReadUnsavedFile(const char* path, KeptRows& rows, std::int32_t& token);

#endif
