// ZISqllite: the SQL store. Statements run synchronously; a query calls the
// row callback once per row with writable column texts that stay valid until
// the callback returns.
#ifndef TARNWICK_INTERFACES_ZISQLLITE_H
#define TARNWICK_INTERFACES_ZISQLLITE_H

#include "component_interface.h"

// Returns 0 to go on with the next row, non-zero to stop the query. A NULL
// column arrives as an empty text. `columnNames` may be ignored.
typedef int (*SqlRowCallback)(void* context, int columnCount, char** columnTexts,
                              char** columnNames);

class ZISqllite : public ComponentInterface {
public:
    // Closes the database; later statements fail until the next Open.
    virtual int Close() = 0;                                                     // slot 2
    // The store's last error message, or "" when the last call succeeded.
    virtual const char* GetLastErrorText() = 0;                                  // slot 3
    virtual int Execute(const char* sql, void* context, SqlRowCallback callback) = 0; // slot 4
    virtual int Open(const char* fileName) = 0;                                  // slot 5
};

#endif
