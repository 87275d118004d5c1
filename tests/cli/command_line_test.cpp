// The command line read into what it asks for: each row an argument list
// and what it must give, or the one line that refuses it.
#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "command_line.h"

namespace {

CommandLine Read(std::initializer_list<const char*> arguments) {
    std::vector<const char*> argv{"tarnwick"};
    argv.insert(argv.end(), arguments);
    return ReadCommandLine(static_cast<int>(argv.size()), argv.data());
}

std::string Text(const char* value) { return value == nullptr ? "(none)" : value; }

// What a command line was read as, in one comparable line.
std::string Summary(const CommandLine& line) {
    static const char* const kActions[] = {"help", "version", "export", "window"};
    return std::string(kActions[static_cast<int>(ActionOf(line))]) + (line.documentsFolder ? " documents" : "") +
           " folder=" + Text(line.folder) + " out=" + Text(line.exportPath) + " pages=" + Text(line.pages) +
           " paper=" + Text(line.paper);
}

TEST(CommandLineTest, ReadsWhatEachArgumentListAsksFor) {
    const struct {
        std::initializer_list<const char*> arguments;
        const char* expected;
    } cases[] = {
        {{}, "window folder=(none) out=(none) pages=(none) paper=(none)"},
        {{"--help"}, "help folder=(none) out=(none) pages=(none) paper=(none)"},
        {{"-h"}, "help folder=(none) out=(none) pages=(none) paper=(none)"},
        {{"--version"}, "version folder=(none) out=(none) pages=(none) paper=(none)"},
        {{"--version", "--help"}, "help folder=(none) out=(none) pages=(none) paper=(none)"},
        {{"plans"}, "window folder=plans out=(none) pages=(none) paper=(none)"},
        {{"plans/Veldrin.dat"}, "window folder=plans/Veldrin.dat out=(none) pages=(none) paper=(none)"},
        {{"--documents"}, "window documents folder=(none) out=(none) pages=(none) paper=(none)"},
        {{"--documents", "/srv/plans"}, "window documents folder=/srv/plans out=(none) pages=(none) paper=(none)"},
        {{"--export-pdf", "out.pdf"}, "export folder=(none) out=out.pdf pages=(none) paper=(none)"},
        {{"--export-pdf=out.pdf"}, "export folder=(none) out=out.pdf pages=(none) paper=(none)"},
        // Values go on as given; their user checks them.
        {{"--export-pdf", "o.pdf", "--pages", "1,3-5", "--paper=A4", "plans"},
         "export folder=plans out=o.pdf pages=1,3-5 paper=A4"},
        {{"--paper", "Tabloid", "--pages=x", "--export-pdf", "o.pdf"},
         "export folder=(none) out=o.pdf pages=x paper=Tabloid"},
        {{"--export-pdf=a=b.pdf"}, "export folder=(none) out=a=b.pdf pages=(none) paper=(none)"},
        {{"--export-pdf=-x.pdf"}, "export folder=(none) out=-x.pdf pages=(none) paper=(none)"},
        // After "--" everything is a folder, even what looks like an option.
        {{"--", "-odd name"}, "window folder=-odd name out=(none) pages=(none) paper=(none)"},
        {{"-"}, "window folder=- out=(none) pages=(none) paper=(none)"},
    };
    for (const auto& c : cases) {
        CommandLine line = Read(c.arguments);
        EXPECT_EQ(line.error, "") << c.expected;
        EXPECT_EQ(Summary(line), c.expected);
    }
}

TEST(CommandLineTest, RefusesWhatItCannotUseInOneLineNamingTheArgumentAndHelp) {
    const struct {
        std::initializer_list<const char*> arguments;
        const char* expected;
    } cases[] = {
        {{"--bogus"}, "tarnwick: unknown option '--bogus' (see tarnwick --help)"},
        {{"--bogus=1"}, "tarnwick: unknown option '--bogus' (see tarnwick --help)"},
        {{"-x"}, "tarnwick: unknown option '-x' (see tarnwick --help)"},
        {{"--help", "--bogus"}, "tarnwick: unknown option '--bogus' (see tarnwick --help)"},
        {{"--Help"}, "tarnwick: unknown option '--Help' (see tarnwick --help)"},
        {{"-hv"}, "tarnwick: unknown option '-hv' (see tarnwick --help)"},
        {{"--help=yes"}, "tarnwick: this option takes no value: '--help=yes' (see tarnwick --help)"},
        {{"--export-pdf"}, "tarnwick: --export-pdf needs a value: --export-pdf OUT.pdf (see tarnwick --help)"},
        {{"--export-pdf="}, "tarnwick: --export-pdf needs a value: --export-pdf OUT.pdf (see tarnwick --help)"},
        {{"--export-pdf", "--pages", "1"},
         "tarnwick: --export-pdf needs a value: --export-pdf OUT.pdf (see tarnwick --help)"},
        {{"--export-pdf", "o.pdf", "--paper"}, "tarnwick: --paper needs a value: --paper SIZE (see tarnwick --help)"},
        {{"--export-pdf", "a.pdf", "--export-pdf", "b.pdf"},
         "tarnwick: this option is given twice: '--export-pdf' (see tarnwick --help)"},
        {{"--pages", "2"}, "tarnwick: --pages goes with --export-pdf (see tarnwick --help)"},
        {{"--paper=A4", "plans"}, "tarnwick: --paper goes with --export-pdf (see tarnwick --help)"},
        {{"plans", "other"}, "tarnwick: one folder only; this is a second one: 'other' (see tarnwick --help)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Read(c.arguments).error, c.expected);
    }
}

// Every option has its line in the help, within 79 columns, so the help
// reads in any terminal.
TEST(CommandLineTest, HelpNamesEveryOptionWithinATerminalsWidth) {
    std::string help = HelpText();
    for (const char* option : {"-h, --help", "--version", "--documents", "--export-pdf OUT.pdf", "--pages LIST",
                               "--paper SIZE", "Veldrin.dat", "Documents"}) {
        EXPECT_NE(help.find(option), std::string::npos) << option;
    }
    std::istringstream lines(help);
    for (std::string line; std::getline(lines, line);) EXPECT_LE(line.size(), 79u) << line;
}

}  // namespace
