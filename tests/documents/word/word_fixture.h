// What the Word document tests share: a scratch working folder, a scripted UI, reading back.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "platform/forms/ui_service.h"
#include "platform/sys/files.h"
#include "platform/sys/text.h"
#include "platform/wordproc/document.h"
#include "platform/wordproc/processor.h"
#include "tests/platform/wordproc/scratch_folder.h"

class WordFixture : public ::testing::Test {
  protected:
    WordFixture() : guard_(sys::WorkingFolder()) { sys::SetWorkingFolder(scratch.Path()); }
    ~WordFixture() override { wordproc::Processor::Shared().Quit(); }

    // A document shipped in the program folder, copied into the working folder.
    void Ship(const std::string& name) {
        ScratchFolder::Write(scratch.Path(name),
                             ScratchFolder::Read(std::string(OMBRIX_PROGRAM_DIR) + "/" + name));
        ASSERT_FALSE(ScratchFolder::Read(scratch.Path(name)).empty()) << name << " is not shipped";
    }

    static wordproc::Document Reread(const std::string& path) {
        return wordproc::Document::Parse(ScratchFolder::Read(path));
    }

    // The text an independent RTF reader finds in the file; it writes Windows-1252.
    static std::string IndependentText(const std::string& path) {
        std::string command = "unrtf --text '" + path + "' 2>/dev/null";
        std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
        std::string text;
        char buffer[4096];
        while (pipe && std::fgets(buffer, sizeof buffer, pipe.get()))
            text += buffer;
        return sys::Cp1252ToUtf8(text);
    }

    ScratchFolder scratch;
    forms::ScriptedUi ui;

  private:
    sys::WorkingFolderGuard guard_;
};
