// install/failed_file_report.h
#pragma once

#include "support/text.h"

// Where the install operations report a file they could not write; the run goes on after it.
class FailedFileReport {
public:
    virtual void FileNotWritten(const Text& path) = 0;

protected:
    ~FailedFileReport() = default;
};
