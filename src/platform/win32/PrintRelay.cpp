#include "platform/win32/PrintRelay.h"

#include "platform/PrinterCaptureSerial.h"
#include "platform/win32/CommandLine.h"
#include "platform/win32/LoopbackPeer.h"
#include "platform/win32/StartFolder.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <utility>
#include <vector>
#include <winsock2.h>

namespace zel::win32 {
namespace {

using Clock = std::chrono::steady_clock;

// Once DOSBox has ended, what it sent is read to the end; a peer that keeps the connection
// open without sending is not waited for longer than this.
constexpr DWORD kLastBytesPatience = 5000;

class WinsockSession final {
public:
    WinsockSession() {
        WSADATA data{};
        m_started = WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }
    ~WinsockSession() {
        if (m_started) {
            WSACleanup();
        }
    }
    WinsockSession(const WinsockSession&) = delete;
    WinsockSession& operator=(const WinsockSession&) = delete;

    [[nodiscard]] bool Started() const { return m_started; }

private:
    bool m_started = false;
};

class Socket final {
public:
    explicit Socket(SOCKET socket = INVALID_SOCKET) : m_socket(socket) {}
    ~Socket() { Reset(); }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;

    [[nodiscard]] SOCKET Get() const { return m_socket; }
    [[nodiscard]] bool Open() const { return m_socket != INVALID_SOCKET; }
    [[nodiscard]] SOCKET Release() { return std::exchange(m_socket, INVALID_SOCKET); }
    void Reset(SOCKET socket = INVALID_SOCKET) {
        if (m_socket != INVALID_SOCKET) {
            closesocket(m_socket);
        }
        m_socket = socket;
    }

private:
    SOCKET m_socket;
};

class Handle final {
public:
    explicit Handle(HANDLE handle = nullptr) : m_handle(handle) {}
    ~Handle() {
        if (m_handle != nullptr) {
            CloseHandle(m_handle);
        }
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    [[nodiscard]] HANDLE Get() const { return m_handle; }

private:
    HANDLE m_handle;
};

// However the relay ends, the start files go with it: the panel may be gone already.
class StartFilesRemoval final {
public:
    explicit StartFilesRemoval(std::string folder) : m_folder(std::move(folder)) {}
    ~StartFilesRemoval() {
        if (m_folder.empty()) {
            return;
        }
        RemoveStartFolder(m_folder);
    }
    StartFilesRemoval(const StartFilesRemoval&) = delete;
    StartFilesRemoval& operator=(const StartFilesRemoval&) = delete;

private:
    std::string m_folder;
};

bool IsLoopback(const sockaddr_in& address) {
    return address.sin_family == AF_INET && (ntohl(address.sin_addr.s_addr) >> 24) == 127;
}

// The first connection DOSBox makes from this machine is the relay's; any other is closed.
// Wine may not yet know the owner of a connection just made (it was seen to take from 0.3 to
// 0.7 s): refusing DOSBox would lose all it prints, so a connection whose owner is not known
// waits, for three seconds at the most, while the others are served.
class Callers final {
public:
    Callers() = default;
    Callers(const Callers&) = delete;
    Callers& operator=(const Callers&) = delete;

    void Add(SOCKET accepted) {
        m_waiting.push_back({std::make_unique<Socket>(accepted), Clock::now() + kOwnerPatience});
    }
    [[nodiscard]] bool Waiting() const { return !m_waiting.empty(); }

    // Hands DOSBox's connection over once its owner is known.
    void Sift(DWORD dosbox, WSAEVENT event, Socket& connection) {
        std::erase_if(m_waiting, [&](const Caller& caller) {
            const auto owner = LoopbackPeerProcess(caller.socket->Get());
            if (!owner) {
                return Clock::now() >= caller.until;
            }
            if (*owner == dosbox && !connection.Open() &&
                WSAEventSelect(caller.socket->Get(), event, FD_READ | FD_CLOSE) == 0) {
                connection.Reset(caller.socket->Release());
            }
            return true;
        });
    }

private:
    static constexpr std::chrono::seconds kOwnerPatience{3};

    struct Caller {
        std::unique_ptr<Socket> socket;
        Clock::time_point until;
    };
    std::vector<Caller> m_waiting;
};

SOCKET Listen(unsigned short& port) {
    const SOCKET listener = WSASocketA(AF_INET, SOCK_STREAM, IPPROTO_TCP, nullptr, 0, 0);
    if (listener == INVALID_SOCKET) {
        return INVALID_SOCKET;
    }
    // DOSBox gets no handle of the relay's: the port is its only way in.
    SetHandleInformation(reinterpret_cast<HANDLE>(listener), HANDLE_FLAG_INHERIT, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int size = sizeof address;
    auto* generic = reinterpret_cast<sockaddr*>(&address);
    if (bind(listener, generic, size) != 0 || listen(listener, 4) != 0 ||
        getsockname(listener, generic, &size) != 0) {
        closesocket(listener);
        return INVALID_SOCKET;
    }
    port = ntohs(address.sin_port);
    return listener;
}

// DOSBox runs in the start folder; without one, in the relay's own.
HANDLE StartDosBox(std::vector<std::string> command, const std::string& serialConfig,
                   const std::string& startFolder) {
    command.emplace_back("-conf");
    command.push_back(serialConfig);
    std::string commandLine = ComposeCommandLine(command);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(command.front().c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, startFolder.empty() ? nullptr : startFolder.c_str(), &startup,
                        &started)) {
        return nullptr;
    }
    CloseHandle(started.hThread);
    return started.hProcess;
}

DWORD Timeout(std::optional<Clock::time_point> until) {
    if (!until) {
        return INFINITE;
    }
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*until - Clock::now());
    return static_cast<DWORD>(std::clamp<long long>(wait.count(), 0, INFINITE - 1));
}

void Accept(SOCKET listener, const Socket& connection, Callers& callers) {
    for (;;) {
        sockaddr_in peer{};
        int size = sizeof peer;
        const SOCKET accepted = accept(listener, reinterpret_cast<sockaddr*>(&peer), &size);
        if (accepted == INVALID_SOCKET) {
            return;
        }
        if (!connection.Open() && size == sizeof peer && IsLoopback(peer)) {
            callers.Add(accepted);
        } else {
            closesocket(accepted);
        }
    }
}

// Reads what has arrived; the connection is closed once it has ended.
void Receive(Socket& connection, RelayedPrinting& jobs) {
    char buffer[16384];
    while (connection.Open()) {
        const int got = recv(connection.Get(), buffer, sizeof buffer, 0);
        if (got > 0) {
            jobs.Take({buffer, static_cast<std::size_t>(got)}, Clock::now());
            continue;
        }
        if (got < 0 && WSAGetLastError() == WSAEWOULDBLOCK) {
            return;
        }
        connection.Reset();
    }
}

// DOSBox has ended: the rest of its bytes wait in the connection, up to its end.
void ReceiveRest(Socket& connection, RelayedPrinting& jobs) {
    if (!connection.Open()) {
        return;
    }
    u_long blocking = 0;
    WSAEventSelect(connection.Get(), nullptr, 0);
    const DWORD patience = kLastBytesPatience;
    if (ioctlsocket(connection.Get(), FIONBIO, &blocking) != 0 ||
        setsockopt(connection.Get(), SOL_SOCKET, SO_RCVTIMEO,
                   reinterpret_cast<const char*>(&patience), sizeof patience) != 0) {
        connection.Reset();
        return;
    }
    Receive(connection, jobs);
}

} // namespace

int RunPrintRelay(const PrintRelayRequest& request, const MakeRelayedPrinting& make,
                  RawPrinter& printer, KeptJobs& kept, PrinterGone printerGone) {
    const StartFilesRemoval removal(request.startFolder);
    const WinsockSession winsock;
    unsigned short port = 0;
    const Socket listener(winsock.Started() ? Listen(port) : INVALID_SOCKET);
    if (!listener.Open() ||
        !WriteStartFile(request.serialConfig, PrinterCaptureSerialConfig(port))) {
        return 1;
    }
    const Handle event(WSACreateEvent());
    if (event.Get() == WSA_INVALID_EVENT ||
        WSAEventSelect(listener.Get(), event.Get(), FD_ACCEPT) != 0) {
        return 1;
    }
    const Handle dosbox(StartDosBox(request.dosbox, request.serialConfig, request.startFolder));
    if (dosbox.Get() == nullptr) {
        return 1;
    }

    const DWORD dosboxId = GetProcessId(dosbox.Get());
    const auto made =
        make({printer, request.printer, request.title, std::move(printerGone), &kept});
    RelayedPrinting& jobs = *made;
    Socket connection;
    Callers callers;
    bool running = true;
    while (running) {
        const HANDLE watched[] = {event.Get(), dosbox.Get()};
        const DWORD timeout = Timeout(jobs.NextWake());
        const DWORD woken = WaitForMultipleObjects(
            2, watched, FALSE, callers.Waiting() ? std::min<DWORD>(timeout, 20) : timeout);
        if (woken == WAIT_FAILED) {
            // Without its wake-ups the relay still ends with DOSBox.
            WaitForSingleObject(dosbox.Get(), INFINITE);
        }
        // Reset before reading: whatever arrives after it sets the event again.
        WSAResetEvent(event.Get());
        Accept(listener.Get(), connection, callers);
        callers.Sift(dosboxId, event.Get(), connection);
        Receive(connection, jobs);
        running = WaitForSingleObject(dosbox.Get(), 0) == WAIT_TIMEOUT;
        jobs.Work(Clock::now());
    }
    ReceiveRest(connection, jobs);
    jobs.Finish();
    return 0;
}

} // namespace zel::win32
