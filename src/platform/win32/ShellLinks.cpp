#include "platform/win32/ShellLinks.h"

#include "platform/win32/Windows.h"

#include <objbase.h>
#include <objidl.h>
#include <shlguid.h>
#include <shobjidl.h>

namespace zel::win32 {
namespace {

// COM for this thread while a shortcut is made or read: whatever the thread had already
// stays as it was.
class ComScope final {
public:
    ComScope() : m_result(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope() {
        if (SUCCEEDED(m_result)) {
            CoUninitialize();
        }
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    HRESULT m_result;
};

template <typename Interface> class ComPtr final {
public:
    ComPtr() = default;
    ~ComPtr() {
        if (m_pointer != nullptr) {
            m_pointer->Release();
        }
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    Interface* operator->() const { return m_pointer; }
    void** Out() { return reinterpret_cast<void**>(&m_pointer); }

private:
    Interface* m_pointer = nullptr;
};

std::wstring Wide(const std::string& text) {
    std::wstring wide(text.size() + 1, L'\0');
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(),
                                           static_cast<int>(wide.size()));
    wide.resize(length > 0 ? static_cast<std::size_t>(length - 1) : 0);
    return wide;
}

std::string Joined(std::string folder, std::string_view name) {
    if (!folder.empty() && folder.back() != '\\') {
        folder += '\\';
    }
    return folder + std::string(name);
}

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string LinkFolder(const ShortcutPlace& place) {
    return place.group.empty() ? place.folder : Joined(place.folder, place.group);
}

} // namespace

ShortcutResult CreateShellLink(const ShortcutPlace& place, std::string_view target,
                               std::string_view workingDirectory) {
    if (place.folder.empty() || !IsFolder(place.folder)) {
        return ShortcutResult::NoFolder;
    }
    const std::string folder = LinkFolder(place);
    if (!IsFolder(folder) && !CreateDirectoryA(folder.c_str(), nullptr)) {
        return ShortcutResult::GroupFailed;
    }
    const ComScope com;
    ComPtr<IShellLinkA> link;
    ComPtr<IPersistFile> file;
    const std::string targetText(target);
    const std::string folderText(workingDirectory);
    const bool saved = SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                                  IID_IShellLinkA, link.Out())) &&
                       SUCCEEDED(link->SetPath(targetText.c_str())) &&
                       SUCCEEDED(link->SetWorkingDirectory(folderText.c_str())) &&
                       SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.Out())) &&
                       SUCCEEDED(file->Save(Wide(Joined(folder, place.linkName)).c_str(), TRUE));
    return saved ? ShortcutResult::Made : ShortcutResult::LinkFailed;
}

bool DeleteShellLink(const ShortcutPlace& place) {
    return DeleteFileA(Joined(LinkFolder(place), place.linkName).c_str()) != 0;
}

std::optional<ShellLinkTarget> ReadShellLink(const std::string& linkFile) {
    const ComScope com;
    ComPtr<IShellLinkA> link;
    ComPtr<IPersistFile> file;
    char path[MAX_PATH] = {};
    char folder[MAX_PATH] = {};
    const bool read = SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                                 IID_IShellLinkA, link.Out())) &&
                      SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.Out())) &&
                      SUCCEEDED(file->Load(Wide(linkFile).c_str(), STGM_READ)) &&
                      SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH)) &&
                      SUCCEEDED(link->GetWorkingDirectory(folder, MAX_PATH));
    if (!read) {
        return std::nullopt;
    }
    return ShellLinkTarget{path, folder};
}

} // namespace zel::win32
