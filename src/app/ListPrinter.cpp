#include "app/ListPrinter.h"

#include <QDate>
#include <QLocale>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinterInfo>

#include "app/TablePages.h"

namespace {

QString Today() { return QLocale().toString(QDate::currentDate(), QLocale::ShortFormat); }

}  // namespace

ListPrinter::ListPrinter(QWidget* parent) : parent_(parent), printer_(QPrinter::HighResolution) {
    printer_.setPageOrientation(QPageLayout::Landscape);
}

void ListPrinter::Print(const ListRowModel& rows, const QString& title, const QString& pdfName) {
    // A file name given to the printer also chooses printing to a file, so it is given only
    // where that is the choice anyway: no printer is installed, or the last print went to a
    // file. The job takes the list's name in any case.
    printer_.setDocName(title);
    if (printer_.outputFormat() == QPrinter::PdfFormat ||
        QPrinterInfo::availablePrinterNames().isEmpty()) {
        printer_.setOutputFileName(pdfName);
    }
    QPrintDialog dialog(&printer_, parent_);
    if (dialog.exec() == QDialog::Accepted) PaintTable(printer_, rows, title, Today());
}

void ListPrinter::Preview(const ListRowModel& rows, const QString& title) {
    QPrintPreviewDialog dialog(&printer_, parent_);
    dialog.setWindowTitle(title);
    QObject::connect(
        &dialog, &QPrintPreviewDialog::paintRequested,
        [&rows, &title](QPrinter* printer) { PaintTable(*printer, rows, title, Today()); });
    dialog.exec();
}

void ListPrinter::Setup() {
    QPageSetupDialog dialog(&printer_, parent_);
    dialog.exec();
}

QString ListPrinter::Title(const QString& fileName, bool tvList) {
    const QString list = tvList ? tr("TV Channel List") : tr("Radio Channel List");
    return fileName.isEmpty() ? list : fileName + QStringLiteral(" - ") + list;
}
