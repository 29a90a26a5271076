#include "DesktopEntry.h"

#include <fstream>

namespace zel::test {
namespace {

// The escapes of a string value: \s \n \t \r \\.
std::string Unescape(std::string_view value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        switch (const char c = value[++i]) {
        case 's':
            out += ' ';
            break;
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case 'r':
            out += '\r';
            break;
        default:
            out += c;
        }
    }
    return out;
}

// Arguments apart at blanks; a quoted one keeps its blanks and takes \" \` \$ \\ as the
// character. "%%" is a percent sign.
std::optional<std::vector<std::string>> SplitExec(std::string_view exec) {
    std::vector<std::string> arguments;
    std::string current;
    bool inArgument = false;
    for (std::size_t i = 0; i < exec.size(); ++i) {
        const char c = exec[i];
        if (c == ' ') {
            if (inArgument) {
                arguments.push_back(current);
                current.clear();
                inArgument = false;
            }
        } else if (c == '"') {
            inArgument = true;
            for (++i; i < exec.size() && exec[i] != '"'; ++i) {
                if (exec[i] == '\\' && i + 1 < exec.size()) {
                    ++i;
                }
                current += exec[i];
            }
            if (i == exec.size()) {
                return std::nullopt;
            }
        } else if (c == '%' && i + 1 < exec.size() && exec[i + 1] == '%') {
            inArgument = true;
            current += '%';
            ++i;
        } else {
            inArgument = true;
            current += c;
        }
    }
    if (inArgument) {
        arguments.push_back(current);
    }
    return arguments;
}

} // namespace

std::optional<DesktopEntry> ReadDesktopEntry(const std::filesystem::path& file) {
    std::ifstream in(file);
    DesktopEntry entry;
    bool inGroup = false;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with('[')) {
            inGroup = line == "[Desktop Entry]";
        } else if (inGroup && line.starts_with("Exec=")) {
            auto command = SplitExec(Unescape(line.substr(5)));
            if (!command || command->empty()) {
                return std::nullopt;
            }
            entry.command = std::move(*command);
        } else if (inGroup && line.starts_with("Path=")) {
            entry.workingFolder = Unescape(line.substr(5));
        }
    }
    if (entry.command.empty()) {
        return std::nullopt;
    }
    return entry;
}

} // namespace zel::test
