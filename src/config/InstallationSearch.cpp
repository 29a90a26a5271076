#include "config/InstallationSearch.h"

#include "text/AsciiUpper.h"

#include <algorithm>
#include <map>
#include <optional>

namespace zel {
namespace {

// The folders of one drive, each listed once however many programs are looked for in it:
// a program that is not there costs no look of its own.
class FolderListings final {
public:
    explicit FolderListings(Platform& platform) : m_platform(platform) {}

    // The path a case-insensitive look-up takes for a folder ("D:\ZELKONYV.97"), spelt as
    // the folders spell it; nothing when some name in it is missing or is no folder.
    std::optional<std::string> Locate(std::string_view dosPath) {
        std::string folder(dosPath.substr(0, 2));
        std::string_view rest = dosPath.substr(2);
        while (!rest.empty()) {
            const std::size_t slash = rest.find('\\');
            const std::string_view name = rest.substr(0, slash);
            const bool last = slash == std::string_view::npos;
            rest = last ? std::string_view{} : rest.substr(slash + 1);
            if (name.empty()) {
                continue;
            }
            const DirEntry* entry = EntryNamed(Listing(folder), name);
            if (entry == nullptr || !entry->isDirectory) {
                return std::nullopt;
            }
            folder += '\\';
            folder += entry->name;
        }
        return folder;
    }

private:
    const std::vector<DirEntry>& Listing(const std::string& folder) {
        auto found = m_listings.find(folder);
        if (found == m_listings.end()) {
            found = m_listings.emplace(folder, m_platform.FindFiles(folder + '\\', "*")).first;
        }
        return found->second;
    }

    // The exact name first, else the first entry equal to it in ASCII case.
    static const DirEntry* EntryNamed(const std::vector<DirEntry>& entries, std::string_view name) {
        const auto exact = std::find_if(entries.begin(), entries.end(),
                                        [name](const DirEntry& e) { return e.name == name; });
        if (exact != entries.end()) {
            return &*exact;
        }
        // Most names looked for are not there at all: compared in place, not copied first.
        const auto similar = std::find_if(entries.begin(), entries.end(), [&](const DirEntry& e) {
            return e.name.size() == name.size() &&
                   std::equal(name.begin(), name.end(), e.name.begin(), [](char wanted, char c) {
                       return AsciiUpper(c) == AsciiUpper(wanted);
                   });
        });
        return similar == entries.end() ? nullptr : &*similar;
    }

    Platform& m_platform;
    std::map<std::string, std::vector<DirEntry>> m_listings;
};

// Names the listing cannot take apart are asked of the platform as they are.
bool HasRelativeParts(std::string_view dosPath) {
    return dosPath.size() < 2 || dosPath[1] != ':' ||
           dosPath.find('\\') == std::string_view::npos ||
           dosPath.find("\\.") != std::string_view::npos;
}

} // namespace

void InstallationFinds::Add(int slot, char letter) {
    std::vector<char>& drives = m_drives.at(static_cast<std::size_t>(slot - 1));
    if (std::find(drives.begin(), drives.end(), letter) == drives.end()) {
        drives.push_back(letter);
    }
}

void SearchDrive(Platform& platform, const ProgramCatalogue& catalogue, char letter,
                 InstallationFinds& finds) {
    if (platform.GetDriveType(letter) == DriveType::CdRom) {
        return;
    }
    FolderListings listings(platform);
    std::string path;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        catalogue.ExecutablePathOn(slot, letter, path);
        if (HasRelativeParts(path)) {
            if (platform.FileExists(path)) {
                finds.Add(slot, letter);
            }
            continue;
        }
        // The listings tell the program's folder is there; the program itself is asked for
        // at once, as the folder spells it: a folder is not listed for the one name in it.
        const std::size_t slash = path.rfind('\\');
        if (const auto folder = listings.Locate(std::string_view(path).substr(0, slash));
            folder && platform.FileExists(*folder + path.substr(slash))) {
            finds.Add(slot, letter);
        }
    }
}

} // namespace zel
