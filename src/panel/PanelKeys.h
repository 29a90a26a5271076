#pragma once
// The keys the panel's windows answer, and which control a key was pressed in.

namespace zel {

enum class Key {
    Escape,
    Enter,
    Other,
};

enum class KeySender {
    Window,
    Row,
    FloppyChoice,    // NDISKA
    OtherPathChoice, // NDISKC
    PathField,       // NPATH
    InstallButton,
    ExitButton,
    PrinterSetupButton,
};

} // namespace zel
