#include "dos/DosBoxStartPlan.h"

#include "dos/DosStart.h"
#include "dos/PrinterCapture.h"
#include "text/AsciiUpper.h"

#include <algorithm>

namespace zel {

std::optional<DosBoxStartPlan> PlanDosBoxStart(const DosBoxStartFacts& facts) {
    const auto spare = ChooseSpareLetters(facts.usedLetters);
    if (!spare) {
        return std::nullopt;
    }
    std::string target = facts.program;
    std::string tail = DosCommandTail(facts.parameters);
    if (AsciiUpper(target).ends_with(".BAT")) {
        // A batch file runs in DOSBox's own shell, which reads redirections in its tail
        // whatever is done: those characters are left out.
        std::erase_if(tail, [](char c) { return c == '<' || c == '>' || c == '|'; });
        tail = (" /C " + target + tail).substr(0, kDosTailCapacity);
        target = std::string{spare->virtualDrive, ':'} + "\\COMMAND.COM";
    }
    auto data = ComposeDosStartData(static_cast<char>(AsciiUpper(facts.workingDrive) - 'A'),
                                    facts.workingFolder, target, tail);
    if (!data) {
        return std::nullopt;
    }
    DosBoxStartPlan plan;
    plan.setup.drives = facts.drives;
    plan.setup.virtualDrive = spare->virtualDrive;
    plan.setup.loaderDrive = spare->loaderDrive;
    plan.setup.capturePrinter = facts.capturePrinter;
    plan.startData = std::move(*data);
    return plan;
}

std::vector<DosBoxStartFile> DosBoxStartFiles(DosBoxStartPlan plan,
                                              std::string_view privateFolder) {
    plan.setup.loaderFolder = std::string(privateFolder);
    std::vector<DosBoxStartFile> files{
        {kDosBoxConfigName, ComposeDosBoxConfig(plan.setup)},
        {kDosStartLoaderName, std::string(DosStartLoader())},
        {kDosStartDataName, std::move(plan.startData)},
    };
    if (plan.setup.capturePrinter) {
        files.push_back({kPrinterCaptureName, std::string(PrinterCaptureProgram())});
    }
    return files;
}

std::optional<std::vector<DosBoxStartFile>>
DosBoxStartPlanner::StartFiles(const DosBoxStartFacts& facts,
                               std::string_view privateFolder) const {
    auto plan = PlanDosBoxStart(facts);
    if (!plan) {
        return std::nullopt;
    }
    return DosBoxStartFiles(std::move(*plan), privateFolder);
}

} // namespace zel
