#include "dos/DosBoxConfig.h"

#include "dos/DosStart.h"

#include <algorithm>

namespace zel {
namespace {

constexpr const char* kSettings = "[sdl]\n"
                                  "fullscreen=false\n"
                                  "output=surface\n"
                                  "autolock=false\n"
                                  "waitonerror=false\n"
                                  "[dosbox]\n"
                                  "machine=svga_s3\n"
                                  "memsize=16\n"
                                  "[render]\n"
                                  "frameskip=0\n"
                                  "aspect=false\n"
                                  "scaler=normal2x\n"
                                  "[cpu]\n"
                                  "core=auto\n"
                                  "cputype=auto\n"
                                  "cycles=max\n"
                                  "[mixer]\n"
                                  "nosound=true\n"
                                  "[midi]\n"
                                  "mpu401=none\n"
                                  "mididevice=none\n"
                                  "[sblaster]\n"
                                  "sbtype=none\n"
                                  "[gus]\n"
                                  "gus=false\n"
                                  "[speaker]\n"
                                  "pcspeaker=false\n"
                                  "tandy=off\n"
                                  "disney=false\n"
                                  "[joystick]\n"
                                  "joysticktype=none\n"
                                  "[serial]\n"
                                  "serial1=disabled\n"
                                  "serial2=disabled\n"
                                  "serial3=disabled\n"
                                  "serial4=disabled\n"
                                  "[dos]\n"
                                  "xms=true\n"
                                  "ems=true\n"
                                  "umb=true\n"
                                  "[ipx]\n"
                                  "ipx=false\n";

bool Nameable(const std::string& path) {
    return !path.empty() && std::none_of(path.begin(), path.end(), [](char c) {
        return c == '"' || static_cast<unsigned char>(c) < 0x20;
    });
}

// The autoexec is a batch file: "%" would name a variable.
std::string Quoted(const std::string& path) {
    std::string out = "\"";
    for (const char c : path) {
        out += c;
        if (c == '%') {
            out += '%';
        }
    }
    return out + "\"";
}

// DOS labels are at most 11 characters; anything DOSBox's own parser could take for
// something else is left out.
std::string LabelWord(const std::string& label) {
    std::string word;
    for (const char c : label) {
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        const bool digit = c >= '0' && c <= '9';
        if ((letter || digit || c == '_' || c == '-') && word.size() < 11) {
            word += letter && c >= 'a' ? static_cast<char>(c - 'a' + 'A') : c;
        }
    }
    return word;
}

} // namespace

std::string ComposeDosBoxConfig(const DosBoxSetup& setup) {
    std::string text = kSettings;
    text += "[autoexec]\n@echo off\n";
    if (setup.virtualDrive != 'Z') {
        text += std::string("mount -z ") + setup.virtualDrive + "\n";
    }
    for (const auto& drive : setup.drives) {
        if (!Nameable(drive.nativeRoot)) {
            continue;
        }
        text += std::string("mount ") + drive.letter + " " + Quoted(drive.nativeRoot);
        if (drive.cdrom) {
            text += " -t cdrom";
        }
        if (const std::string label = LabelWord(drive.label); !label.empty()) {
            text += " -label " + label;
        }
        text += "\n";
    }
    text += std::string("mount ") + setup.loaderDrive + " " + Quoted(setup.loaderFolder) + "\n";
    if (setup.capturePrinter) {
        text += std::string(1, setup.loaderDrive) + ":\\" + kPrinterCaptureName + "\n";
    }
    text += std::string(1, setup.loaderDrive) + ":\\" + kDosStartLoaderName + " " +
            setup.loaderDrive + ":\\" + kDosStartDataName + "\n";
    text += "exit\n";
    return text;
}

std::optional<SpareLetters> ChooseSpareLetters(const std::vector<char>& used) {
    std::vector<char> spare;
    for (char letter = 'Z'; letter >= 'C' && spare.size() < 2; --letter) {
        if (std::find(used.begin(), used.end(), letter) == used.end()) {
            spare.push_back(letter);
        }
    }
    if (spare.size() < 2) {
        return std::nullopt;
    }
    return SpareLetters{spare[0], spare[1]};
}

} // namespace zel
