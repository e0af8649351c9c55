#pragma once

#include <QString>

// What the print system says about a queue and about the job just handed to it. The job
// itself goes out through the printer's own engine; these answers turn a queue that will not
// print into a failure instead of a silent loss.
namespace PrintQueue {

// Why the queue `printer` cannot take a job now ("it is not accepting jobs", "it is stopped",
// with the queue's own message when it has one); empty when it can.
QString Refusal(const QString& printer);
// Why the print system refused the job handed over last on this thread; empty when it took
// it.
QString LastJobRefusal();

} // namespace PrintQueue
