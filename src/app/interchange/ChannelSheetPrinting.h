#pragma once
// The channel sheet on paper and in PDF: one page, drawn from the core's
// sheet, through Qt Print Support. The print dialog sits behind a seam so
// tests can answer it like a user.

#include "interchange/ChannelSheet.h"

#include <QByteArray>
#include <QPageLayout>
#include <functional>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace q716 {

// A4 portrait with 15 mm margins, on paper as in the PDF.
QPageLayout channelSheetPageLayout();

// Draws the sheet on the device's first page.
void paintChannelSheet(QPagedPaintDevice& device, const ChannelSheet& sheet);

// The sheet as the bytes of a one-page A4 PDF.
QByteArray channelSheetPdf(const ChannelSheet& sheet);

// True when the user chose to print; the printer then holds the choice.
using PrintDialogAnswerer = std::function<bool(QPrinter& printer)>;
void setPrintDialogAnswerer(PrintDialogAnswerer answerer);
bool askToPrint(QPrinter& printer, QWidget* parent);

} // namespace q716
