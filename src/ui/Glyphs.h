#pragma once
// The small pictures of the picture buttons and the window icon. QIcon greys each of them
// out by itself for the disabled state.

#include <QIcon>

namespace zel {

// A gear: the settings button of a row.
QIcon SettingsGlyph();
// Three dots: browse for a folder.
QIcon BrowseGlyph();
// A green tick: printing enabled.
QIcon TickGlyph();
// A red cross: printing stopped.
QIcon CrossGlyph();
QIcon WindowIcon();

} // namespace zel
