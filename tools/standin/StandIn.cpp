// The stand-in accounting program: it keeps the contract the launcher relies on (its
// product and year from its own name, its data lock file held while it runs, print lists
// written into the folder given after "PRN:") and nothing else of the real programs.
//
// Words of its own, for tests and the demo:
//   /NYOMTAT=n  print n lists at once      /LASSU=ms  wait this long after each line
//   /VAR=s      end after s seconds        /KILEP     end once the lists are printed
// Without them it offers a small menu on a terminal, and without a terminal it waits
// until it is ended (at most ten minutes).

#include "catalogue/ProgramCatalogue.h"
#include "platform/posix/WinePrefix.h"
#include "text/AsciiUpper.h"
#include "text/CodePage1250.h"
#include "text/DosPath.h"
#include "text/OemText.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <sys/file.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace zel::standin {
namespace {

constexpr char kMark = '\xAD';
constexpr int kUnattendedSeconds = 600;
constexpr const char* kLogName = "STANDIN.LOG";

struct Identity {
    char letter;
    int year;
    int slot;
};

struct Options {
    std::optional<std::string> spoolFolder; // DOS path
    int printCount = 0;
    int lineDelayMs = 0;
    std::optional<int> waitSeconds;
    bool quit = false;
};

std::optional<Identity> IdentityOf(std::string_view programPath) {
    std::string name = AsciiUpper(fs::path(programPath).filename().string());
    const auto dot = name.find('.');
    if (dot == std::string::npos || name.substr(dot) != ".EXE" || name.size() < 2) {
        return std::nullopt;
    }
    const std::string digits = name.substr(1, dot - 1);
    if ((name[0] != 'A' && name[0] != 'B') || (digits.size() != 2 && digits.size() != 4) ||
        digits.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    const int number = std::stoi(digits);
    const int year = digits.size() == 2 ? (number >= 96 ? 1900 : 2000) + number : number;
    const int slot = SlotOfRowName(std::string(1, name[0]) + digits.substr(digits.size() - 2));
    if (slot == 0 || YearOf(slot) != year) {
        return std::nullopt;
    }
    return Identity{name[0], year, slot};
}

std::string TwoDigits(int year) {
    const int yy = year % 100;
    return {static_cast<char>('0' + yy / 10), static_cast<char>('0' + yy % 10)};
}

// The entry of folder named like name in ASCII case, or the name as given.
fs::path Entry(const fs::path& folder, const std::string& name) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (AsciiUpper(it->path().filename().string()) == AsciiUpper(name)) {
            return it->path();
        }
    }
    return folder / name;
}

Options ReadOptions(const std::vector<std::string>& words) {
    Options options;
    const auto number = [](const std::string& word, std::size_t from) {
        try {
            return std::max(0, std::stoi(word.substr(from)));
        } catch (const std::exception&) {
            return 0;
        }
    };
    for (const auto& word : words) {
        const std::string upper = AsciiUpper(word);
        if (upper.starts_with("PRN:")) {
            options.spoolFolder = posix::NativeNameToDos(word.substr(4));
        } else if (upper.starts_with("/NYOMTAT=")) {
            options.printCount = number(word, 9);
        } else if (upper.starts_with("/LASSU=")) {
            options.lineDelayMs = number(word, 7);
        } else if (upper.starts_with("/VAR=")) {
            options.waitSeconds = number(word, 5);
        } else if (upper == "/KILEP") {
            options.quit = true;
        }
    }
    return options;
}

void WriteLog(const std::vector<std::string>& words, const std::string& program) {
    std::ofstream log(kLogName, std::ios::trunc);
    std::error_code ec;
    log << "PROGRAM=" << program << "\nDIR=" << fs::current_path(ec).string()
        << "\nPID=" << ::getpid() << "\nARGC=" << words.size() << "\n";
    for (std::size_t i = 0; i < words.size(); ++i) {
        log << "ARG" << i + 1 << "=" << words[i] << "\n";
    }
}

void AppendLog(const std::string& line) {
    std::ofstream(kLogName, std::ios::app) << line << "\n";
}

// The lock stays open, and locked, until the process ends.
bool HoldDataLock(const Identity& who) {
    ProgramCatalogue catalogue;
    catalogue.Fill();
    const std::string lockName(FileNamePart(catalogue.DataLockPath(who.slot)));
    const fs::path data = Entry(fs::current_path(), "DATA");
    std::error_code ec;
    fs::create_directories(data, ec);
    const fs::path lock = Entry(data, lockName);
    const int fd = ::open(lock.c_str(), O_RDWR | O_CREAT, 0666);
    if (fd < 0 || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        return false;
    }
    AppendLog("LOCK=" + lock.string());
    return true;
}

std::string Body(std::string_view utf8) {
    return Cp1250ToCp852(Utf8ToCp1250(utf8));
}

std::string Now(const char* format) {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    char text[32];
    std::strftime(text, sizeof text, format, &tm);
    return text;
}

// A header field's mark and code letter.
std::string Field(char code) {
    std::string field(1, kMark);
    field += code;
    return field;
}

std::vector<std::string> ListLines(const Identity& who, int number) {
    static constexpr std::array<const char*, 3> kBookkeeping = {"Főkönyvi kivonat", "Naplófőkönyv",
                                                                "Áfa-analitika"};
    static constexpr std::array<const char*, 3> kPayroll = {"Bérjegyzék", "Összesítő kimutatás",
                                                            "Munkabér-elszámolás"};
    const auto& names = who.letter == 'A' ? kBookkeeping : kPayroll;
    const char* name = names.at(static_cast<std::size_t>(number) % names.size());
    const std::string year = std::to_string(who.year);
    std::string header = Field('0') + Cp1250ToListName(Utf8ToCp1250(name));
    header.resize(header.size() + 30 - std::min<std::size_t>(30, header.size() - 2), ' ');
    header += Field('1') + Now("%Y.%m.%d %H:%M");
    header += Field('2') + "1";
    header += Field('3') + year;
    header += Field('4') + "1";

    std::vector<std::string> lines{header};
    const std::string product = who.letter == 'A' ? "Egyszeres könyvvitel" : "Bérszámfejtés";
    lines.push_back(std::string{kMark, 'K', kMark, 'B'} + Body("ZELKOR " + product + " " + year) +
                    std::string{kMark, 'b', kMark, 'k'});
    lines.push_back("");
    lines.push_back(std::string{kMark, 'K'} + Body(name) + std::string{kMark, 'k'} +
                    Body("   Készült: ") + Now("%Y.%m.%d"));
    lines.push_back(std::string(80, '-'));
    lines.push_back(
        Body("Szám  Megnevezés                                Tartozik         Követel"));
    lines.push_back(std::string(80, '-'));
    static const char* const kRows[] = {
        "1411  Műszaki berendezések                       250 000               0",
        "3110  Vevők                                      118 500               0",
        "4540  Szállítók                                        0          96 300",
        "4710  Fizetendő bérek, előleg                          0         182 000",
        "5410  Bérköltség                                 182 000               0",
        "8710  Kötelezettségek, tűrt hibák                  1 250               0",
    };
    for (int repeat = 0; repeat < 5; ++repeat) {
        for (const char* row : kRows) {
            lines.push_back(Body(row));
        }
    }
    lines.push_back(std::string(80, '-'));
    lines.push_back(
        std::string{kMark, 'K'} +
        Body("Összesen:                                        551 750         278 300") +
        std::string{kMark, 'k'});
    lines.push_back("");
    lines.push_back(std::string{kMark, 'C'} +
                    Body("Megjegyzés: a kimutatás a könyvelt tételek alapján készült, "
                         "tűréshatáron belüli eltérés nélkül; ellenőrizte: Őri Űrsula, "
                         "főkönyvelő.") +
                    std::string{kMark, 'c'});
    return lines;
}

std::optional<fs::path> NextPrintFile(const fs::path& folder, const Identity& who) {
    const std::string extension = std::string(1, who.letter) + TwoDigits(who.year);
    for (int n = 1; n <= 9999; ++n) {
        char stem[8];
        std::snprintf(stem, sizeof stem, "ws%04d", n);
        bool taken = false;
        std::error_code ec;
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
            if (AsciiUpper(it->path().stem().string()) == AsciiUpper(stem)) {
                taken = true;
                break;
            }
        }
        if (!taken) {
            return folder / (std::string(stem) + "." + extension);
        }
    }
    return std::nullopt;
}

// Held open for writing from the first line to the last, as the launcher must see.
void PrintList(const Options& options, const Identity& who, int number) {
    if (!options.spoolFolder) {
        std::cerr << "Nincs megadva nyomtatási mappa (PRN:).\n";
        return;
    }
    const auto folder = posix::WinePrefix().ToNative(*options.spoolFolder);
    const auto file = folder ? NextPrintFile(*folder, who) : std::nullopt;
    const int fd = file ? ::open(file->c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666) : -1;
    if (fd < 0) {
        std::cerr << "A nyomtatási fájl nem hozható létre.\n";
        AppendLog("HIBA=" + options.spoolFolder.value());
        return;
    }
    for (const auto& line : ListLines(who, number)) {
        const std::string bytes = line + "\r\n";
        if (::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
            break;
        }
        if (options.lineDelayMs > 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(options.lineDelayMs));
        }
    }
    ::close(fd);
    AppendLog("NYOMTAT=" + file->string());
}

void Menu(const Options& options, const Identity& who, int& printed) {
    std::cout << "ZELKOR " << who.letter << " " << who.year << " (helyettesítő program)\n";
    for (std::string choice;;) {
        std::cout << "1 = lista nyomtatása, 0 = kilépés: " << std::flush;
        if (!std::getline(std::cin, choice) || choice == "0") {
            return;
        }
        if (choice == "1") {
            PrintList(options, who, printed++);
        }
    }
}

int Run(int argc, char** argv) {
    const std::vector<std::string> words(argv + 1, argv + argc);
    WriteLog(words, argc > 0 ? argv[0] : "");
    const auto who = IdentityOf(argc > 0 ? argv[0] : "");
    if (!who) {
        std::cerr << "A program neve nem A97.EXE vagy B2017.EXE alakú.\n";
        return 2;
    }
    if (!HoldDataLock(*who)) {
        std::cerr << "A program ezen a helyen már fut.\n";
        AppendLog("FUT");
        return 3;
    }
    const Options options = ReadOptions(words);
    int printed = 0;
    for (; printed < options.printCount; ++printed) {
        PrintList(options, *who, printed);
    }
    if (options.waitSeconds) {
        std::this_thread::sleep_for(std::chrono::seconds(*options.waitSeconds));
    } else if (options.quit) {
        return 0;
    } else if (::isatty(0) != 0) {
        Menu(options, *who, printed);
    } else {
        std::this_thread::sleep_for(std::chrono::seconds(kUnattendedSeconds));
    }
    return 0;
}

} // namespace
} // namespace zel::standin

int main(int argc, char** argv) {
    return zel::standin::Run(argc, argv);
}
