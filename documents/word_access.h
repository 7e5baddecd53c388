// Word document access for the report writers, and the test whether Word documents can be made.
#pragma once

#include <string>

#include "documents/word_components.h"

// The fixed folder of the part documents and the assembly document, as the system writes it
// ("c:\\Users\\Public\\Ombrix2014\\"). It is made when missing, so that a template can be copied
// into it before the word processor is first connected.
std::string WordWorkFolder();
// The assembly document the appending macros read: WordWorkFolder() + "zodirezoz.doc".
std::string ZodirezozPath();

// A form that carries the Word components. Only one document is open through a carrier at a
// time: set the path, OpenWordDocument, any number of SetBookmarkText and RunWordMacro, then
// CloseWordDocument.
class WordCarrier {
  public:
    virtual ~WordCarrier() = default;

    TWordApplication WordApplication1;
    TWordDocument WordDocument1;
    std::string OpenFileName;  // the path handed to the open call

    // The path OpenWordDocument opens, and the check it must pass, as it reads in the
    // failure it gives.
    virtual std::string DocumentToOpen() const = 0;
    virtual std::string DocumentToOpenCheck() const = 0;
};

// A carrier that names the document to open itself; the results form is one.
class WordFileCarrier : public WordCarrier {
  public:
    std::string in_file_name;  // full path of the document to open next
    std::string PartFileName;  // path of the part being written

    std::string DocumentToOpen() const override { return in_file_name; }
    std::string DocumentToOpenCheck() const override { return "in_file_name.IsEmpty() == false"; }
};

// Opens the carrier's document and binds WordDocument1 to it. On failure (word processor not
// working, file missing, unreadable or not a document) shows "Unable to access Word file."
// (caption "Error") when show is true and returns false. An empty path is a caller's fault:
// std::logic_error naming the check.
bool OpenWordDocument(WordCarrier& form, bool show);

// Replaces the content of the named bookmark of the open document by the text; nothing
// happens when there is no bookmark of that name (names longer than 39 characters name none).
// A word processor error reaches the caller.
void SetBookmarkText(WordCarrier& form, const std::string& text, const std::string& bookmark);

// Runs a macro by name on the open document; an unknown name or a failing macro reaches the
// caller as wordproc::WordError.
void RunWordMacro(WordCarrier& form, const std::string& name);

// Closes the open document with its changes saved under the name it was opened with, then
// unbinds WordDocument1. Does nothing when no document is bound. A failed save reaches the
// caller as wordproc::WordError; the file is then as it was before.
void CloseWordDocument(WordCarrier& form);

// Opens tstombrix.doc of the working folder, writes "it worked" into its bookmark "Test" and
// closes it saved. 1 when all of that worked, 2 when not; shows no message.
int TestWordAvailable(WordFileCarrier& form);
