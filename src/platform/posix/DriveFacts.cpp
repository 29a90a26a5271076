#include "platform/posix/DriveFacts.h"

#include "platform/posix/MountTable.h"
#include "platform/posix/SmallFile.h"
#include "text/AsciiUpper.h"

#include <algorithm>
#include <unistd.h>

namespace fs = std::filesystem;

namespace zel::posix {
namespace {

bool IsOneOf(std::string_view value, std::initializer_list<std::string_view> names) {
    return std::find(names.begin(), names.end(), value) != names.end();
}

std::optional<DriveType> DriveTypeOfRegistryValue(std::string_view value) {
    const std::string upper = AsciiUpper(value);
    if (upper == "HD") {
        return DriveType::Fixed;
    }
    if (upper == "NETWORK") {
        return DriveType::Remote;
    }
    if (upper == "CDROM") {
        return DriveType::CdRom;
    }
    if (upper == "FLOPPY") {
        return DriveType::Removable;
    }
    if (upper == "RAMDISK") {
        return DriveType::RamDisk;
    }
    return std::nullopt;
}

// A drive whose root cannot be listed (a CD-ROM drive without a disc, a lost share) gives no
// volume information, as the Win32 query fails there.
std::optional<fs::path> ReadableRoot(const WinePrefix& prefix, char letter) {
    auto root = prefix.DriveRoot(letter);
    if (!root || ::access(root->c_str(), R_OK | X_OK) != 0) {
        return std::nullopt;
    }
    return root;
}

std::optional<Mount> MountOf(const fs::path& root) {
    return MountHolding(*ReadMountTable(), root);
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// udev writes unsafe characters of a label as "\x20".
std::string DecodeUdevName(std::string_view name) {
    std::string out;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '\\' && i + 3 < name.size() && name[i + 1] == 'x' &&
            HexValue(name[i + 2]) >= 0 && HexValue(name[i + 3]) >= 0) {
            out += static_cast<char>(HexValue(name[i + 2]) * 16 + HexValue(name[i + 3]));
            i += 3;
        } else {
            out += name[i];
        }
    }
    return out;
}

// The label udev found on the device a volume is mounted from.
std::optional<std::string> DeviceLabel(const std::string& source) {
    std::error_code ec;
    if (source.empty() || source.front() != '/') {
        return std::nullopt;
    }
    const fs::path device = fs::canonical(source, ec);
    if (ec) {
        return std::nullopt;
    }
    for (fs::directory_iterator it("/dev/disk/by-label", ec), end; !ec && it != end;
         it.increment(ec)) {
        std::error_code linkError;
        if (fs::canonical(it->path(), linkError) == device && !linkError) {
            return DecodeUdevName(it->path().filename().string());
        }
    }
    return std::nullopt;
}

} // namespace

DriveType DriveTypeOfFileSystem(std::string_view type) {
    if (IsOneOf(type, {"iso9660", "udf"})) {
        return DriveType::CdRom;
    }
    if (IsOneOf(type, {"nfs", "nfs4", "cifs", "smb3", "smbfs", "ncpfs", "afs", "ceph", "davfs",
                       "sshfs", "fuse.sshfs", "fuse.glusterfs"})) {
        return DriveType::Remote;
    }
    if (IsOneOf(type, {"tmpfs", "ramfs"})) {
        return DriveType::RamDisk;
    }
    return DriveType::Fixed;
}

std::string FileSystemNameOfType(std::string_view type) {
    // ntfs-3g mounts as plain "fuseblk", or with its name as the subtype.
    if (IsOneOf(type, {"ntfs", "ntfs3", "ntfs-3g", "fuseblk", "fuseblk.ntfs", "fuseblk.ntfs-3g",
                       "fuse.ntfs-3g"})) {
        return "NTFS";
    }
    if (IsOneOf(type, {"vfat", "msdos", "fat"})) {
        return "FAT";
    }
    if (type == "iso9660") {
        return "CDFS";
    }
    for (const std::string_view fuse : {"fuse.", "fuseblk."}) {
        if (type.starts_with(fuse) && type.size() > fuse.size()) {
            return AsciiUpper(type.substr(fuse.size()));
        }
    }
    return AsciiUpper(type);
}

DriveType DriveTypeOf(const WinePrefix& prefix, char letter) {
    const auto root = prefix.DriveRoot(letter);
    if (!root) {
        return DriveType::NoRootDir;
    }
    if (const auto value = prefix.RegistryDriveType(letter)) {
        if (const auto type = DriveTypeOfRegistryValue(*value)) {
            return *type;
        }
    }
    const auto mount = MountOf(*root);
    return mount ? DriveTypeOfFileSystem(mount->type) : DriveType::Fixed;
}

std::optional<std::string> VolumeLabelOf(const WinePrefix& prefix, char letter) {
    const auto root = ReadableRoot(prefix, letter);
    if (!root) {
        return std::nullopt;
    }
    // A label is a few characters; the cap only keeps a planted file from costing memory.
    constexpr std::size_t kLabelCap = 4096;
    if (const auto text = ReadRegularFile(*root / ".windows-label", kLabelCap);
        text && !text->empty()) {
        std::string label = text->substr(0, text->find('\n'));
        if (!label.empty() && label.back() == '\r') {
            label.pop_back();
        }
        return NativeNameToDos(label);
    }
    // A folder on a disk is not that disk's volume: only a mounted root carries its label.
    const auto mount = MountOf(*root);
    if (mount && mount->mountPoint == *root) {
        if (const auto label = DeviceLabel(mount->source)) {
            return NativeNameToDos(*label);
        }
    }
    return std::string{};
}

std::optional<std::string> FileSystemNameOf(const WinePrefix& prefix, char letter) {
    const auto root = ReadableRoot(prefix, letter);
    if (!root) {
        return std::nullopt;
    }
    const auto mount = MountOf(*root);
    if (!mount) {
        return std::nullopt;
    }
    return FileSystemNameOfType(mount->type);
}

std::optional<std::string> RemoteNameOf(const WinePrefix& prefix, char letter) {
    const auto root = prefix.DriveRoot(letter);
    if (!root) {
        return std::nullopt;
    }
    const auto mount = MountOf(*root);
    if (!mount || DriveTypeOfFileSystem(mount->type) != DriveType::Remote) {
        return std::nullopt;
    }
    return NativeNameToDos(mount->source);
}

} // namespace zel::posix
