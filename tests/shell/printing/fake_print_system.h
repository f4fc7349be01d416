#pragma once

#include "shell/printing/print_system.h"

#include <QPointer>

#include <vector>

// Answers printer lists when the test says so and keeps every submitted job.
class FakePrintSystem : public PrintSystem {
  public:
    void listPrinters(QObject* context, std::function<void(const PrinterList&)> answer) override {
        pendingLists.push_back({context, std::move(answer)});
    }
    void submit(const PrintJob& job, QObject* context,
                std::function<void(bool accepted)> done) override {
        jobs.push_back(job);
        pendingJobs.push_back({context, std::move(done)});
    }

    void answerLists(const PrinterList& list) {
        for (auto& [context, answer] : std::exchange(pendingLists, {}))
            if (context) answer(list);
    }
    void answerJobs(bool accepted) {
        for (auto& [context, done] : std::exchange(pendingJobs, {}))
            if (context) done(accepted);
    }

    std::vector<std::pair<QPointer<QObject>, std::function<void(const PrinterList&)>>> pendingLists;
    std::vector<std::pair<QPointer<QObject>, std::function<void(bool)>>> pendingJobs;
    std::vector<PrintJob> jobs;
};
