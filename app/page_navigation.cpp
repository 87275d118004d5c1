// Moving between pages. A page is only a number; showing one reloads its
// objects from the store. The main window writes currentPage into its
// page-number box whenever one of these returns 1.
#include <climits>

#include "application.h"

int Application::NextPage() {
    // The largest page number is the last page: there is no next one.
    if (currentPage == INT_MAX) return 0;
    return GoToPage(currentPage + 1);
}

int Application::PreviousPage() {
    if (currentPage < 2) return 0;
    return GoToPage(currentPage - 1);
}

int Application::GoToPage(int pageNumber) {
    LoadPage(pageNumber);
    currentPage = pageNumber;
    return 1;
}
