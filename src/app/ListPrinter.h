// Print, Print Preview and Print Setup while a channel list is shown: the list as a table
// (TablePages), on a printer of its own that starts in landscape so that the fifteen columns
// fit; the terminal keeps its own printer.
#pragma once

#include <QCoreApplication>
#include <QPrinter>
#include <QString>

class ListRowModel;
class QWidget;

class ListPrinter {
    Q_DECLARE_TR_FUNCTIONS(ListPrinter)

  public:
    explicit ListPrinter(QWidget* parent);

    // Printing to a PDF file suggests `pdfName`.
    void Print(const ListRowModel& rows, const QString& title, const QString& pdfName);
    void Preview(const ListRowModel& rows, const QString& title);
    void Setup();

    // "box.stc - TV Channel List", or "Radio Channel List" when no image file is named.
    static QString Title(const QString& fileName, bool tvList);

  private:
    QWidget* parent_;
    QPrinter printer_;
};
