#pragma once
// A printer in memory for tests: each job keeps its title, the page size it was given and every
// page as a recorded picture; the setup dialog answers as told.

#include "platform/Printer.h"
#include "platform/RecordingPicture.h"

#include <memory>
#include <vector>

namespace tarlix {

class RecordingPrinter : public Printer {
public:
    explicit RecordingPrinter(Size page = {4800, 6600}, int dotsPerInch = 600)
        : page_(page), dotsPerInch_(dotsPerInch) {}

    struct Job {
        std::string title;
        Size pageSize;
        int resolution = 0;
        std::vector<std::unique_ptr<RecordingPicture>> pages;
        bool ended = false;
    };

    bool available() const override { return hasPrinter; }
    bool showSetup() override;
    Size pageSize() const override { return page_; }
    int resolution() const override { return dotsPerInch_; }
    bool beginDocument(const std::string& title) override;
    Canvas* newPage() override;
    bool endDocument() override;
    void printToFile(const std::string& path) override { outputFile = path; }

    // The page the setup dialog leaves, as a changed paper or orientation would.
    void setPage(Size page, int dotsPerInch);

    bool hasPrinter = true;
    std::string outputFile; // where jobs go when there is no printer
    bool setupAnswer = true; // the setup dialog is confirmed
    int setupShown = 0;
    std::vector<Job> jobs;

private:
    Job* runningJob();

    Size page_;
    int dotsPerInch_;
};

} // namespace tarlix
