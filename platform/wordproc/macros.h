// The macros built into the word processor, run by name on the open document.
#pragma once

#include <string>
#include <string_view>

#include "platform/wordproc/document.h"

namespace wordproc {

// The fixed work folder of the report documents, as the system writes it.
inline constexpr const char* kWorkFolder = "c:\\Users\\Public\\Ombrix2014\\";
// The assembly document the appending macros read from the work folder.
inline constexpr const char* kAssemblyDocument = "zodirezoz.doc";

// The work folder as a native path; created when missing. Throws WordError when it cannot be.
std::string PrepareWorkFolder();

// True when a macro of that name (without regard to case) is built in.
bool IsBuiltInMacro(std::string_view name);

// Runs a built-in macro on the document:
//   "appfile"    appends the body of the assembly document in the work folder to the end of
//                the document, starting on a new page (a new section);
//   "appfileend" appends it in the same way without the page break: the closing document
//                follows on the last page;
//   "ridbar"     finishes an assembled report: deletes the template table rows left
//                unfilled (rows holding a bookmark and no text) and then every bookmark
//                marker, whose text stays; assembly repeats the parts' bookmark names, so a
//                finished report keeps none;
//   "x_xyz"      finishes a document that is saved on its own without assembly (a dilution
//                document of the dilution pages): the same tidy-up as "ridbar".
// Running "ridbar" or "x_xyz" twice changes nothing the second time. Throws WordError for an
// unknown name and when the assembly document is missing or unreadable.
void RunBuiltInMacro(std::string_view name, Document& document);

}  // namespace wordproc
