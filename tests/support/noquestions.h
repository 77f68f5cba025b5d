#pragma once

#include "storage/datafile.h"

#include <string>

// Reads a data file back the way a test checks it: a file of the old layout is not read, and
// nobody is asked.
class NoQuestions : public OldFileQuestions {
public:
    bool continueReadingOldFile() override { return false; }
    void oldFileFailed(const std::string&) override {}
};
