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
struct ChosenMotor;
struct DriveInputs;
struct WriteFailure;

// What a run of the report needs besides the list: the surface, the working language's texts,
// the date of the page heading (already in its short form), the digits and units of the
// results, the project's title for the page heading (none when empty) and the width in
// characters of the caption column of the totals and the Drive block.
struct ReportContext {
    PageSurface& page;
    const QStringList& texts;
    QString date;
    DisplayChoice display = {};
    QString projectTitle = {};
    int captionWidth = 0;

    QString text(int entry) const { return texts.value(entry); }
};

// The page heading at the text position: ten spaces, the bold title, then the date and the page
// word with the page number, each at a print zone at least two characters after the text before
// it (on the next line when the line is too short for them); the project's title, when there is
// one, on the lines below it; then an empty line.
void printPageHeading(const ReportContext& ctx);
// Ten plain spaces, then s in bold; ends the line. Starts a new page (with its heading) first
// when the line does not fit. A line wider than the page wraps at its blanks onto further
// lines that start indent characters in (by default where the text of s starts).
void printBoldLine(const ReportContext& ctx, const QString& s, int indent = -1);
// Ten plain spaces, then s underlined and bold; ends the line. Same page rule.
void printTitleLine(const ReportContext& ctx, const QString& s);
// An empty line for an empty s, otherwise ten spaces then s, all plain. Same page and wrapping
// rules as printBoldLine.
void printPlainLine(const ReportContext& ctx, const QString& s, int indent = -1);

// s cut into the pieces printed on successive lines when at most width mm fit after the ten
// spaces: breaks at the last blank that fits (inside a word only when it has none), each
// further piece after indent spaces. A line that fits is one piece.
QStringList wrappedLines(const PageSurface& page, const QString& s, int indent, double width);

// The width of the caption column of the totals and the Drive block: the longest caption of
// the working language either of them prints.
int reportCaptionWidth(const QStringList& texts);
// One line of the totals or the Drive block: caption padded to width (never cut), " =  ",
// value, then a blank and unit when both are there.
QString captionLine(const QString& caption, int width, const QString& value, const QString& unit);

// The distinct kind-code texts of the kind cells, in order of first appearance; two codes are
// one kind when their numeric values are equal ("3" and "3.0").
QStringList kindsInOrder(const QStringList& kindCells);
QStringList kindsInOrder(const PartsList& list);

// The kind code of a kindsInOrder entry: 1 ... 23, or 0 for any other value.
int figureCode(const QString& kindText);

// The four lines of the totals block: label padded to captionWidth (reportCaptionWidth when
// negative), " =  ", the value with "####.00", the unit. With significant digits: the exact
// totals in the chosen digits and units, the values' first characters in one column whatever
// their length.
QStringList totalLines(const PartsList& list, const QStringList& texts,
                       const DisplayChoice& display = {}, int captionWidth = -1);

// The short date of the page heading, in the system's short form.
QString shortDate(const QDate& date);

enum class ReportStatus { Printed, EmptyList };

// Prints the whole report on page and ends the document. A list without part rows leaves the
// page untouched and returns EmptyList (the caller shows entry 43).
// The results are printed with display's digits and units; Classic prints the list's cells. A
// drive with a motor inertia or a speed adds its block after the totals, and the chosen motor,
// when there is one, its Motor block after that. A project title goes into every page heading.
ReportStatus printReport(PageSurface& page, const PartsList& list, const QStringList& texts,
                         const QDate& date = QDate::currentDate(),
                         const DisplayChoice& display = {}, const DriveInputs* drive = nullptr,
                         const QString& projectTitle = {}, const ChosenMotor* motor = nullptr);

// The page of the PDF report: A4 portrait with the margins of a usual office printer (5 mm at
// the sides, 4 mm at the top and bottom), which leave 200 x 289 mm to print on.
QPageLayout pdfPageLayout();

// The same report as an A4 PDF file (titled with the project's title when there is one),
// written whole or not at all (AtomicFile): an old file at path stays as it was on any failure.
// False when the file cannot be written (failure, when given, says why), or when the list has
// no part rows (no file is made then).
bool writeReportPdf(const QString& path, const PartsList& list, const QStringList& texts,
                    const QDate& date = QDate::currentDate(), const DisplayChoice& display = {},
                    const DriveInputs* drive = nullptr, const QString& projectTitle = {},
                    WriteFailure* failure = nullptr, const ChosenMotor* motor = nullptr);

} // namespace ostrel
