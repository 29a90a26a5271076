#pragma once
// A DOSBox start's own files (its configuration, the start loader and its data, the printer
// capture and its serial port) in a new folder of TEMP, removed once DOSBox has ended: by
// the print relay when there is one, as it outlives the panel, else by the panel.

#include <optional>
#include <string>
#include <string_view>

namespace zel::win32 {

[[nodiscard]] std::optional<std::string> MakeStartFolder();
// A start file, made new: one already there is left as it is, and the write fails.
[[nodiscard]] bool WriteStartFile(const std::string& path, std::string_view bytes);
// Only the start files go, and the folder if they were all it held.
void RemoveStartFolder(const std::string& folder);

} // namespace zel::win32
