// Moving between pages. A page is only a number; showing one reloads its
// objects from the store. The main window writes the current page into its
// page-number box whenever one of these returns 1.
#include <climits>

#include "page_store.h"

int PageStore::NextPage() {
    // The largest page number is the last page: there is no next one.
    if (currentPage_ == INT_MAX) return 0;
    return GoToPage(currentPage_ + 1);
}

int PageStore::PreviousPage() {
    if (currentPage_ < 2) return 0;
    return GoToPage(currentPage_ - 1);
}

int PageStore::GoToPage(int pageNumber) {
    Load(pageNumber);
    currentPage_ = pageNumber;
    return 1;
}
