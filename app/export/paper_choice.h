// The paper an export is written on, chosen by name among the papers the
// PDF printer takes (as DeviceCapabilitiesA names them: "Letter", "A4",
// ...), in any case.
#ifndef TARNWICK_APP_EXPORT_PAPER_CHOICE_H
#define TARNWICK_APP_EXPORT_PAPER_CHOICE_H

#include <string>

// The program's own paper, when none is named.
inline constexpr char kDefaultPaper[] = "Letter";

// The paper's DMPAPER_ code; 0 when the printer has no paper of that name,
// and then `known` lists the names it has ("Letter, Legal or A4").
short PaperCodeNamed(const char* name, std::string& known);

#endif
