#pragma once
// A print list put on the desktop printer the way the character printer laid it out: the
// body on an 80 × 70 grid, each stretch of text with equal attributes drawn as one run over
// exactly its cells. Attributes switch at the mark byte 0xAD followed by a code letter.

#include "platform/FileStreams.h"
#include "spool/Canvas.h"

#include <string_view>

namespace zel {

// The whole print file as one document; the header line is not printed. A failure of the
// canvas or of the file leaves the document aborted and is thrown on.
void RenderPrintFile(InputFile& file, Canvas& canvas, std::string_view title);

} // namespace zel
