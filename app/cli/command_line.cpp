#include "command_line.h"

#include <cstring>
#include <string_view>

namespace {

// One row per option: its names, where it goes in CommandLine (a flag it
// sets, or the value it takes), and its line in --help.
struct Option {
    const char* name;
    const char* alias;
    bool CommandLine::*flag;
    const char* CommandLine::*value;
    const char* valueName;
    const char* help;
};

constexpr Option kOptions[] = {
    {"--help", "-h", &CommandLine::help, nullptr, nullptr, "show this help and end"},
    {"--version", nullptr, &CommandLine::version, nullptr, nullptr, "show the version and end"},
    {"--documents", nullptr, &CommandLine::documentsFolder, nullptr, nullptr,
     "without FOLDER: Tarnwick/ in the documents folder"},
    {"--export-pdf", nullptr, nullptr, &CommandLine::exportPath, "OUT.pdf",
     "write the pages to OUT.pdf; needs no display"},
    {"--pages", nullptr, nullptr, &CommandLine::pages, "LIST",
     "with --export-pdf: only these pages, as 1,3-5"},
    {"--paper", nullptr, nullptr, &CommandLine::paper, "SIZE",
     "with --export-pdf: Letter (default), A4 or Legal"},
};

// The value options that make sense only with --export-pdf.
constexpr const char* CommandLine::*kExportOnly[] = {&CommandLine::pages, &CommandLine::paper};

constexpr const char* kSeeHelp = " (see tarnwick --help)";

const Option* FindOption(std::string_view name) {
    for (const Option& option : kOptions) {
        if (name == option.name || (option.alias != nullptr && name == option.alias)) return &option;
    }
    return nullptr;
}

const char* NameOf(const char* CommandLine::*value) {
    for (const Option& option : kOptions) {
        if (option.value == value) return option.name;
    }
    return "";
}

std::string Refusal(std::string_view what, std::string_view argument) {
    return "tarnwick: " + std::string(what) + " '" + std::string(argument) + "'" + kSeeHelp;
}

// Reads one option at argv[index]; the next argument is taken as its value
// when it needs one and none came with '='. Returns the index of the last
// argument used.
int ReadOption(int argc, const char* const* argv, int index, CommandLine& line) {
    std::string_view argument = argv[index];
    std::size_t equals = argument.find('=');
    std::string_view name = argument.substr(0, equals);
    const Option* option = FindOption(name);
    if (option == nullptr) {
        line.error = Refusal("unknown option", name);
        return index;
    }
    if (option->flag != nullptr) {
        if (equals != std::string_view::npos) {
            line.error = Refusal("this option takes no value:", argument);
        } else {
            line.*(option->flag) = true;
        }
        return index;
    }
    const char* value = nullptr;
    if (equals != std::string_view::npos) {
        value = argv[index] + equals + 1;
    } else if (index + 1 < argc && argv[index + 1][0] != '-') {
        value = argv[++index];
    }
    if (value == nullptr || value[0] == '\0') {
        line.error = "tarnwick: " + std::string(option->name) + " needs a value: " + option->name + " " +
                     option->valueName + kSeeHelp;
    } else if (line.*(option->value) != nullptr) {
        line.error = Refusal("this option is given twice:", name);
    } else {
        line.*(option->value) = value;
    }
    return index;
}

void CheckExportOptions(CommandLine& line) {
    if (line.exportPath != nullptr) return;
    for (const char* CommandLine::*value : kExportOnly) {
        if (line.*value != nullptr) {
            line.error = "tarnwick: " + std::string(NameOf(value)) + " goes with --export-pdf" + kSeeHelp;
            return;
        }
    }
}

}  // namespace

CommandLine ReadCommandLine(int argc, const char* const* argv) {
    CommandLine line;
    bool optionsEnded = false;
    for (int index = 1; index < argc && line.error.empty(); ++index) {
        const char* argument = argv[index];
        bool isOption = !optionsEnded && argument[0] == '-' && argument[1] != '\0';
        if (isOption && std::strcmp(argument, "--") == 0) {
            optionsEnded = true;
        } else if (isOption) {
            index = ReadOption(argc, argv, index, line);
        } else if (line.folder != nullptr) {
            line.error = Refusal("one folder only; this is a second one:", argument);
        } else {
            line.folder = argument;
        }
    }
    if (line.error.empty()) CheckExportOptions(line);
    return line;
}

ProgramAction ActionOf(const CommandLine& line) {
    if (line.help) return ProgramAction::ShowHelp;
    if (line.version) return ProgramAction::ShowVersion;
    if (line.exportPath != nullptr) return ProgramAction::ExportPdf;
    return ProgramAction::OpenWindow;
}

std::string HelpText() {
    std::string text =
        "Usage: tarnwick [OPTION]... [FOLDER | FOLDER/Veldrin.dat]\n"
        "Draft on numbered pages of ruled paper. Every figure is stored the moment\n"
        "it is finished, in Veldrin.dat of the working folder: FOLDER when given,\n"
        "else the folder tarnwick starts in. From the desktop menu that is Tarnwick/\n"
        "in the documents folder (XDG_DOCUMENTS_DIR, else ~/Documents).\n"
        "\n";
    for (const Option& option : kOptions) {
        std::string names = option.alias != nullptr ? std::string(option.alias) + ", " : "    ";
        names += option.name;
        if (option.valueName != nullptr) names += std::string(" ") + option.valueName;
        names.resize(names.size() < 25 ? 25 : names.size(), ' ');
        text += "  " + names + " " + option.help + "\n";
    }
    text +=
        "\n"
        "An option's value may also follow '=': --pages=1,3-5.\n"
        "Exit status: 0 done; 1 it failed (no display to show the window on, or\n"
        "the export failed); 2 a command line or FOLDER it cannot use.\n";
    return text;
}
