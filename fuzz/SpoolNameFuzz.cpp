// A name found in the spool folder, any bytes at all, through the name check and the
// DOS-to-native path building: a name the spool takes for a spool file is one plain name,
// and joined onto the spool folder it leads to an entry of that very folder; no path made
// from the folder and any text leads above the drive's root. The drive is a folder of the
// fuzzer's own, made once, as a Wine prefix lays it out.

#include "platform/posix/WinePrefix.h"
#include "spool/PrintJob.h"
#include "text/DosPath.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

const std::string kSpool = "C:\\ZELKOR\\Printing";

struct World {
    fs::path prefix;
    fs::path root;
    fs::path spool;
};

const World& TheWorld() {
    static const World world = [] {
        std::string pattern = (fs::temp_directory_path() / "zelfuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        const fs::path base = fs::canonical(pattern);
        World made{base / "prefix", base / "drive_c", {}};
        fs::create_directories(made.prefix / "dosdevices");
        fs::create_directories(made.root / "ZELKOR" / "Printing");
        fs::create_directory_symlink(made.root, made.prefix / "dosdevices" / "c:");
        made.spool = made.root / "ZELKOR" / "Printing";
        return made;
    }();
    return world;
}

bool Within(const fs::path& path, const fs::path& root) {
    const fs::path normal = path.lexically_normal();
    const auto [rootEnd, pathAt] =
        std::mismatch(root.begin(), root.end(), normal.begin(), normal.end());
    return rootEnd == root.end() &&
           std::none_of(pathAt, normal.end(), [](const fs::path& part) { return part == ".."; });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const World& world = TheWorld();
    static const zel::posix::WinePrefix prefix(world.prefix);
    const std::string name(reinterpret_cast<const char*>(data), size);
    const std::string path = (zel::DosPath(kSpool) / name).Text();

    // Whatever the text, the path it makes stays on its drive.
    if (const auto native = prefix.ToNative(path); native && !Within(*native, world.root)) {
        std::abort();
    }
    if (const auto spelt = prefix.Spelt(path); spelt && !Within(*spelt, world.root)) {
        std::abort();
    }

    const zel::SpoolFileKind kind = zel::ClassifySpoolFile(name);
    const bool plain = zel::IsPlainFileName(name);
    if (kind != zel::SpoolFileKind::Other && !plain) {
        std::abort();
    }
    if (plain) {
        if (name.find_first_of("\\/:") != std::string::npos || name == "." || name == "..") {
            std::abort();
        }
        // One plain name is an entry of the spool folder itself, whatever the file system
        // holds there.
        const auto native = prefix.ToNative(path);
        if (!native || native->parent_path() != world.spool ||
            native->filename() != zel::posix::DosNameToNative(name)) {
            std::abort();
        }
    }
    if (kind == zel::SpoolFileKind::Printing) {
        const std::string waiting = zel::WaitingNameOfPrinting(name);
        if (zel::ClassifySpoolFile(waiting) != zel::SpoolFileKind::Waiting ||
            !zel::IsPlainFileName(zel::PrintingName(waiting, "M4RK"))) {
            std::abort();
        }
    }
    return 0;
}
