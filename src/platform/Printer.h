#pragma once
// The printer the program prints on: the system's setup dialog, the page, and print jobs whose
// pages are drawn on canvases. The setup holds for every job after it, until the program ends.

#include "platform/Canvas.h"

#include <string>

namespace tarlix {

class Printer {
public:
    virtual ~Printer() = default;
    // Whether the system knows a printer: without one there is nothing to set up.
    virtual bool available() const = 0;
    // The system's page setup dialog; true when it was confirmed.
    virtual bool showSetup() = 0;
    // The printable part of the page in printer pixels, and how many of them make an inch.
    virtual Size pageSize() const = 0;
    virtual int resolution() const = 0;

    // Starts a print job with the title the system's queue shows; false when it cannot start.
    virtual bool beginDocument(const std::string& title) = 0;
    // The canvas of the job's next page (the first call gives the first page), pageSize large;
    // it lasts until the next call or endDocument. Null outside a job.
    virtual Canvas* newPage() = 0;
    // Ends the job and sends it to the printer; false when it failed.
    virtual bool endDocument() = 0;
    // Jobs from now on go to a PDF file at path (the system's bytes) instead of a printer: what
    // a machine without a printer prints on.
    virtual void printToFile(const std::string& path) = 0;
};

} // namespace tarlix
