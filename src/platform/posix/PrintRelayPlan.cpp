#include "platform/posix/PrintRelayPlan.h"

#include "platform/DosBoxStartFacts.h"
#include "platform/PrintRelayCommand.h"

namespace zel::posix {

void RelayPrinting(const CharacterPrinting& printing, std::string_view title,
                   const std::filesystem::path& privateFolder, SpawnPlan& plan) {
    const auto serial = privateFolder / kSerialConfigName;
    // DOSBox is the relay's child: the relay takes the lock there, so that it ends with
    // DOSBox and not with the last printed page. The start files are the attendant's.
    plan.argv = ComposePrintRelayCommand(
        printing.relay,
        {printing.printer, std::string(title), serial.string(), plan.lockFile, plan.argv, {}});
    plan.lockFile.clear();
    plan.leftovers.push_back(serial.string());
}

} // namespace zel::posix
