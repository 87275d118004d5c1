// Figures still kept when a run ends, in a file beside the database, so
// that a run ending while the database refuses them loses nothing: the next
// run stores them first. Each row is its page, kind and objData length on
// one line, then the objData bytes and a newline.
#ifndef TARNWICK_APP_CORE_UNSAVED_FILE_H
#define TARNWICK_APP_CORE_UNSAVED_FILE_H

#include "kept_rows.h"

// Replaces the file with the rows; false when it could not be written
// whole (a partly written file is removed).
bool WriteUnsavedFile(const char* path, const KeptRows& rows);
// Appends the file's rows to `rows`, as far as they read cleanly; false
// when there is no such file.
bool ReadUnsavedFile(const char* path, KeptRows& rows);

#endif
