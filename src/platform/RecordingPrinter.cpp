#include "platform/RecordingPrinter.h"

namespace tarlix {

bool RecordingPrinter::showSetup() {
    ++setupShown;
    return setupAnswer;
}

void RecordingPrinter::setPage(Size page, int dotsPerInch) {
    page_ = page;
    dotsPerInch_ = dotsPerInch;
}

RecordingPrinter::Job* RecordingPrinter::runningJob() {
    return jobs.empty() || jobs.back().ended ? nullptr : &jobs.back();
}

bool RecordingPrinter::beginDocument(const std::string& title) {
    // Without a printer only a job sent to a file can start.
    if ((!hasPrinter && outputFile.empty()) || runningJob()) return false;
    Job job;
    job.title = title;
    job.pageSize = page_;
    job.resolution = dotsPerInch_;
    jobs.push_back(std::move(job));
    return true;
}

Canvas* RecordingPrinter::newPage() {
    Job* job = runningJob();
    if (!job) return nullptr;
    if (!job->pages.empty()) job->pages.back()->endRecording();
    job->pages.push_back(std::make_unique<RecordingPicture>());
    return &job->pages.back()->beginRecording(job->pageSize.width, job->pageSize.height);
}

bool RecordingPrinter::endDocument() {
    Job* job = runningJob();
    if (!job) return false;
    if (!job->pages.empty()) job->pages.back()->endRecording();
    job->ended = true;
    return true;
}

} // namespace tarlix
