// Kept jobs on Windows: a relay holds each of its job files open denying others to read or
// write it; a relay that dies gives its handles up. Deleting is the one thing the handle
// shares, so that the holder itself can rename the file into place and remove it without
// ever letting go of it.

#include "platform/KeptJobFile.h"
#include "platform/KeptJobs.h"
#include "platform/win32/Windows.h"

#include <algorithm>
#include <chrono>
#include <map>
#include <shlobj.h>

namespace zel {
namespace {

constexpr DWORD kHolderAccess = GENERIC_READ | GENERIC_WRITE | DELETE;

HANDLE OpenHeld(const std::string& path, DWORD disposition) {
    const HANDLE file =
        CreateFileA(path.c_str(), kHolderAccess, FILE_SHARE_DELETE, nullptr, disposition,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    return file == INVALID_HANDLE_VALUE ? nullptr : file;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD part = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), part, &written, nullptr) || written == 0) {
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

std::optional<std::string> ReadAll(HANDLE file) {
    std::string bytes;
    char buffer[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file, buffer, sizeof buffer, &got, nullptr)) {
            return std::nullopt;
        }
        if (got == 0) {
            return bytes;
        }
        bytes.append(buffer, got);
    }
}

// Plain files only: a link is not followed out of the folder.
std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        if ((found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) ==
            0) {
            names.emplace_back(found.cFileName);
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

class KeptJobFolder final : public KeptJobs {
public:
    explicit KeptJobFolder(std::string folder) : m_folder(std::move(folder)) {}
    ~KeptJobFolder() override {
        // The files stay: closing gives them up to the next relay.
        for (const auto& [name, file] : m_held) {
            CloseHandle(file);
        }
    }
    KeptJobFolder(const KeptJobFolder&) = delete;
    KeptJobFolder& operator=(const KeptJobFolder&) = delete;

    std::optional<Key> Keep(const RawJob& job) override {
        const auto bytes = EncodeKeptJob(job);
        if (m_folder.empty() || !bytes) {
            return std::nullopt;
        }
        const std::string name = KeptJobName(m_started, GetCurrentProcessId(), ++m_sequence);
        const std::string temporary = Path(TemporaryKeptJobName(name));
        const HANDLE file = OpenHeld(temporary, CREATE_NEW);
        if (file == nullptr) {
            return std::nullopt;
        }
        if (!WriteAll(file, *bytes) || !FlushFileBuffers(file) ||
            !MoveFileExA(temporary.c_str(), Path(name).c_str(), MOVEFILE_WRITE_THROUGH)) {
            DeleteFileA(temporary.c_str());
            CloseHandle(file);
            return std::nullopt;
        }
        m_held.emplace(name, file);
        return name;
    }

    std::vector<Kept> TakeLeftovers() override {
        std::vector<Kept> taken;
        if (m_folder.empty()) {
            return taken;
        }
        for (const std::string& name : Names(m_folder)) {
            const bool temporary = IsTemporaryKeptJobName(name);
            if ((!temporary && !IsKeptJobName(name)) || m_held.contains(name)) {
                continue;
            }
            // Fails while another relay holds it, or has it removed already.
            const HANDLE file = OpenHeld(Path(name), OPEN_EXISTING);
            if (file == nullptr) {
                continue;
            }
            BY_HANDLE_FILE_INFORMATION facts{};
            if (!GetFileInformationByHandle(file, &facts) ||
                (facts.dwFileAttributes &
                 (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0) {
                CloseHandle(file);
                continue;
            }
            if (temporary) {
                // Its writer died before the job was whole; the relay that received it never
                // counted on it.
                DeleteFileA(Path(name).c_str());
                CloseHandle(file);
                continue;
            }
            const auto bytes = ReadAll(file);
            auto job = bytes ? DecodeKeptJob(*bytes) : std::nullopt;
            if (!job) {
                CloseHandle(file);
                continue;
            }
            m_held.emplace(name, file);
            taken.push_back({name, std::move(*job)});
        }
        return taken;
    }

    void Forget(const Key& key) override {
        const auto held = m_held.find(key);
        if (held == m_held.end()) {
            return;
        }
        // Marked for removal while still held, so that no relay takes it in between.
        DeleteFileA(Path(key).c_str());
        CloseHandle(held->second);
        m_held.erase(held);
    }

private:
    [[nodiscard]] std::string Path(const std::string& name) const { return m_folder + "\\" + name; }

    std::string m_folder;
    std::map<std::string, HANDLE> m_held;
    const std::chrono::system_clock::time_point m_started = std::chrono::system_clock::now();
    std::uint64_t m_sequence = 0;
};

bool IsPlainFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
           (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0;
}

// The folder, its missing parts made; empty unless every part is a folder and none a link.
std::string MakeFolder(const std::string& path) {
    if (path.size() < 3 || path[1] != ':' || path[2] != '\\') {
        return {};
    }
    for (auto separator = path.find('\\', 3); separator != std::string::npos;
         separator = path.find('\\', separator + 1)) {
        const std::string part = path.substr(0, separator);
        CreateDirectoryA(part.c_str(), nullptr);
        if (!IsPlainFolder(part)) {
            return {};
        }
    }
    CreateDirectoryA(path.c_str(), nullptr);
    return IsPlainFolder(path) ? path : std::string();
}

} // namespace

std::string KeptJobsFolder() {
    char local[MAX_PATH] = {};
    // The user's local application data is the user's alone, and stays on this PC.
    if (SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, local) !=
        S_OK) {
        return {};
    }
    return std::string(local) + "\\ZELKOR\\relay-jobs";
}

std::unique_ptr<KeptJobs> OpenKeptJobs(const std::string& folder) {
    std::string path = folder;
    std::replace(path.begin(), path.end(), '/', '\\');
    while (path.size() > 3 && path.back() == '\\') {
        path.pop_back();
    }
    return std::make_unique<KeptJobFolder>(MakeFolder(path));
}

} // namespace zel
