#pragma once

#include "print/PrinterDevice.h"

#include <memory>

class QPrinter;

// A QPrinter: a queue of the print system, or the PDF file of a print dialog's printer.
class QPrinterDevice final : public PrinterDevice
{
public:
    // A printer the caller keeps.
    explicit QPrinterDevice(QPrinter& printer);
    // A printer this one owns.
    explicit QPrinterDevice(std::unique_ptr<QPrinter> printer);
    ~QPrinterDevice() override;
    QPrinterDevice(const QPrinterDevice&) = delete;
    QPrinterDevice& operator=(const QPrinterDevice&) = delete;

    QPagedPaintDevice& device() override;
    int resolution() const override;
    QString name() const override;
    QString outputFileName() const override;
    bool writesPdfFile() const override;
    bool sendsJob() const override;
    void setCopyCount(int copies) override;
    bool failed() const override;
    QString jobName() const override;
    void setJobName(const QString& name) override;
    QString queueRefusal() const override;
    QString lastJobRefusal() const override;

private:
    std::unique_ptr<QPrinter> m_owned;
    QPrinter& m_printer;
};
