// TMkPdmDoc: the never-shown form whose own Word components write the documents of the
// stand-alone dilution pages, and the finishing of a saved dilution document.
#pragma once

#include <string>

#include "documents/word_access.h"

class TScrResForm;

// One object (MkPdmDoc) serves every save of the program's life. It works on the results form
// it is handed: the document it opens is that form's in_file_name, and the parts it writes go
// into that form's part list.
class TMkPdmDoc : public WordCarrier {
  public:
    TMkPdmDoc() = default;
    TMkPdmDoc(const TMkPdmDoc&) = delete;
    TMkPdmDoc& operator=(const TMkPdmDoc&) = delete;

    static std::string Caption() { return "MkPdmDoc"; }

    // The dilution site and industry-category parts of the current release, from the row file
    // the page's save has just written. Unlike the results run, a part the list holds already is
    // written again, so that a second save of a page keeps its new rows; the written part is
    // listed first, as the save hands the first listed part to the user. True when written.
    bool WritePdmSiteDoc(TScrResForm& form);
    bool WritePdmSicDoc(TScrResForm& form);

    // Runs the macro "x_xyz" on the first listed part of the form (opened with a message on
    // failure) and saves it.
    void FinishFirstPart(TScrResForm& form);

    std::string DocumentToOpen() const override;
    std::string DocumentToOpenCheck() const override {
        return "ScrResForm->in_file_name.IsEmpty() == false";
    }

  private:
    // The results form served during one operation.
    TScrResForm* form_ = nullptr;
    friend class ServingForm;
};

// The one TMkPdmDoc of the program, made on the first call (at start-up, when the Word writers
// are installed) and kept until the program ends.
TMkPdmDoc& MkPdmDocForm();
extern TMkPdmDoc* MkPdmDoc;

// Finishes the first listed part of the results form with the macro "x_xyz" through MkPdmDoc's
// components and returns the name of the finished report, DataFolder + CaseNum + ".doc", whether
// or not the part could be opened (the message then told the user). With no part listed nothing
// is opened. A failing macro closes the part unsaved and reaches the caller.
std::string SavePdmDocument(TMkPdmDoc& doc, TScrResForm& form);
