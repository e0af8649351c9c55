#pragma once

#include <QString>

class QPagedPaintDevice;

// A printer as a surface draws on it. The print system's side of it (the queue, the job, the
// printer's settings) is in the printers library; see Printers.
class PrinterDevice
{
public:
    virtual ~PrinterDevice() = default;

    // What the painter draws on.
    virtual QPagedPaintDevice& device() = 0;
    virtual int resolution() const = 0;
    // The queue's name; empty for a printer that writes a file.
    virtual QString name() const = 0;
    virtual QString outputFileName() const = 0;
    // A printer that writes one PDF file (a print dialog's "print to file").
    virtual bool writesPdfFile() const = 0;
    // Whether the pages go to a queue of the print system.
    virtual bool sendsJob() const = 0;
    virtual void setCopyCount(int copies) = 0;
    // The printer is in its error state.
    virtual bool failed() const = 0;
    virtual QString jobName() const = 0;
    virtual void setJobName(const QString& name) = 0;
    // Why the queue cannot take a job now; empty when it can.
    virtual QString queueRefusal() const = 0;
    // Why the print system refused the job handed over last; empty when it took it.
    virtual QString lastJobRefusal() const = 0;
};
