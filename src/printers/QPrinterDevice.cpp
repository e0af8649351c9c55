#include "printers/QPrinterDevice.h"

#include "printers/PrintQueue.h"

#include <QPaintEngine>
#include <QPrinter>

QPrinterDevice::QPrinterDevice(QPrinter& printer) : m_printer(printer) {}

QPrinterDevice::QPrinterDevice(std::unique_ptr<QPrinter> printer)
    : m_owned(std::move(printer)), m_printer(*m_owned)
{
}

QPrinterDevice::~QPrinterDevice() = default;

QPagedPaintDevice& QPrinterDevice::device()
{
    return m_printer;
}

int QPrinterDevice::resolution() const
{
    return m_printer.resolution();
}

QString QPrinterDevice::name() const
{
    return m_printer.printerName();
}

QString QPrinterDevice::outputFileName() const
{
    return m_printer.outputFileName();
}

bool QPrinterDevice::writesPdfFile() const
{
    return m_printer.outputFormat() == QPrinter::PdfFormat;
}

bool QPrinterDevice::sendsJob() const
{
    // A print dialog's "print to file", and a preview's pages, go to no queue.
    const QPaintEngine* engine = m_printer.paintEngine();
    return m_printer.outputFormat() == QPrinter::NativeFormat && engine &&
           engine->type() == QPaintEngine::Pdf && !m_printer.printerName().isEmpty();
}

void QPrinterDevice::setCopyCount(int copies)
{
    m_printer.setCopyCount(copies);
}

bool QPrinterDevice::failed() const
{
    return m_printer.printerState() == QPrinter::Error;
}

QString QPrinterDevice::jobName() const
{
    return m_printer.docName();
}

void QPrinterDevice::setJobName(const QString& name)
{
    m_printer.setDocName(name);
}

QString QPrinterDevice::queueRefusal() const
{
    return PrintQueue::Refusal(m_printer.printerName());
}

QString QPrinterDevice::lastJobRefusal() const
{
    return PrintQueue::LastJobRefusal();
}
