// Appending one document's body to the end of another, with fonts and colours carried over.
#pragma once

#include "platform/wordproc/document.h"

namespace wordproc {

enum class AppendBreak {
    NewPage,  // the appended body starts a new section on a new page
    None,     // the appended body follows in a new paragraph
};

// Appends the body of source to the end of target. Fonts and colours of source are matched to
// target's by name and by value, and added to target's tables when missing, so the appended
// text keeps its look. Style and list references are dropped (the formatting written beside
// them stays); headers, footers and document settings of source are not carried over.
void AppendDocument(Document& target, const Document& source, AppendBreak pageBreak);

}  // namespace wordproc
