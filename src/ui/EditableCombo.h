#pragma once
// An editable combo box that makes its drop-down list when it is first opened and its
// completer when it is first used. Qt's own way to make a box editable builds both at once;
// sixty drive boxes made that way are half of the launcher's start.

class QComboBox;

namespace zel {

// Gives box its edit field; it then looks and answers keys and the mouse as one made
// editable with setEditable.
void MakeEditable(QComboBox& box);

} // namespace zel
