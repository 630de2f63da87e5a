// The printed report of the parts list: the driver (page heading, figure block, totals, one
// table per kind), the three line printers every text line of the totals and the tables goes
// through, with their page breaks, and the PDF output. Everything is drawn on a PageSurface.
#pragma once

#include "platform/pagesurface.h"
#include "solids/units.h"

#include <QDate>
#include <QPageLayout>
#include <QString>
#include <QStringList>

namespace ostrel {

class PartsList;
struct DriveInputs;
struct WriteFailure;

// What a run of the report needs besides the list: the surface, the working language's texts,
// the date of the page heading (already in its short form) and the digits and units of the
// results.
struct ReportContext {
    PageSurface& page;
    const QStringList& texts;
    QString date;
    DisplayChoice display = {};

    QString text(int entry) const { return texts.value(entry); }
};

// The page heading at the text position: ten spaces, the bold title, the date at the next
// print zone, the page word at the zone after it and the page number; then an empty line.
void printPageHeading(const ReportContext& ctx);
// Ten plain spaces, then s in bold; ends the line. Starts a new page (with its heading) first
// when the line does not fit.
void printBoldLine(const ReportContext& ctx, const QString& s);
// Ten plain spaces, then s underlined and bold; ends the line. Same page rule.
void printTitleLine(const ReportContext& ctx, const QString& s);
// An empty line for an empty s, otherwise ten spaces then s, all plain. Same page rule.
void printPlainLine(const ReportContext& ctx, const QString& s);

// The distinct kind-code texts of the kind cells, in order of first appearance; two codes are
// one kind when their numeric values are equal ("3" and "3.0").
QStringList kindsInOrder(const QStringList& kindCells);
QStringList kindsInOrder(const PartsList& list);

// The kind code of a kindsInOrder entry: 1 ... 20, or 0 for any other value.
int figureCode(const QString& kindText);

// The four lines of the totals block: label cut or padded to 30, " =  ", the value with
// "####.00", the unit. With significant digits: the exact totals in the chosen digits and
// units, the values' first characters in one column whatever their length.
QStringList totalLines(const PartsList& list, const QStringList& texts,
                       const DisplayChoice& display = {});

// The short date of the page heading, in the system's short form.
QString shortDate(const QDate& date);

enum class ReportStatus { Printed, EmptyList };

// Prints the whole report on page and ends the document. A list without part rows leaves the
// page untouched and returns EmptyList (the caller shows entry 43).
// The results are printed with display's digits and units; Classic prints the list's cells. A
// drive with a motor inertia or a speed adds its block after the totals.
ReportStatus printReport(PageSurface& page, const PartsList& list, const QStringList& texts,
                         const QDate& date = QDate::currentDate(),
                         const DisplayChoice& display = {}, const DriveInputs* drive = nullptr);

// The page of the PDF report: A4 portrait with the margins of a usual office printer (5 mm at
// the sides, 4 mm at the top and bottom), which leave 200 x 289 mm to print on.
QPageLayout pdfPageLayout();

// The same report as an A4 PDF file, written whole or not at all (AtomicFile): an old file
// at path stays as it was on any failure. False when the file cannot be written (failure,
// when given, says why), or when the list has no part rows (no file is made then).
bool writeReportPdf(const QString& path, const PartsList& list, const QStringList& texts,
                    const QDate& date = QDate::currentDate(), const DisplayChoice& display = {},
                    const DriveInputs* drive = nullptr, WriteFailure* failure = nullptr);

} // namespace ostrel
