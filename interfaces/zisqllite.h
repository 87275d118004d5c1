// ZISqllite: the SQL store. Statements run synchronously; a query calls the
// row callback once per row with writable column texts that stay valid until
// the callback returns.
#ifndef TARNWICK_INTERFACES_ZISQLLITE_H
#define TARNWICK_INTERFACES_ZISQLLITE_H

#include "component_interface.h"

// Returns 0 to go on with the next row, non-zero to stop the query. A NULL
// column arrives as an empty text. `columnNames` may be ignored. A row with
// a value longer than ZISQL_LONGEST_VALUE bytes is skipped: no figure comes
// near that, and such a row could only be damage or mischief.
typedef int (*SqlRowCallback)(void* context, int columnCount, char** columnTexts,
                              char** columnNames);

#define ZISQL_LONGEST_VALUE (1 << 20)

// When the database file itself is why Open or Execute failed, the last
// error text begins with one of these, then SQLite's own words. A damaged
// file is never written again by this connection: every later statement
// that would change it fails at once.
#define ZISQL_DAMAGED "damaged: "
#define ZISQL_NOT_WRITABLE "not writable: "
#define ZISQL_DISK_FULL "disk full: "

class ZISqllite : public ComponentInterface {
public:
    // Closes the database; later statements fail until the next Open.
    virtual int Close() = 0;                                                     // slot 2
    // The store's last error message, or "" when the last call succeeded.
    virtual const char* GetLastErrorText() = 0;                                  // slot 3
    virtual int Execute(const char* sql, void* context, SqlRowCallback callback) = 0; // slot 4
    // Opens (and creates) the file for reading and writing; a name such as
    // "file:Veldrin.dat?mode=ro" opens an existing file only to read it,
    // and then nothing is ever written to it.
    virtual int Open(const char* fileName) = 0;                                  // slot 5
};

#endif
