#pragma once
// Reading one worksheet of a workbook (.xls, .xlsx, .ods) into the sheet.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "sheet/MeteoSheet.h"

namespace etp {

class WorkbookReader {
public:
    virtual ~WorkbookReader() = default;
    // Opens the file: true when it is a workbook this reader can read. The reader keeps
    // what it read, and sheetNames and the next importSheet of the same path use it
    // rather than read the file again; a call with another path opens that file.
    virtual bool isWorkbook(const std::string& path) = 0;
    // Worksheet names in workbook order; empty when the list cannot be read.
    virtual std::optional<std::vector<std::string>> sheetNames(const std::string& path) = 0;
    // Copies the cells of worksheet index (zero-based) into the sheet from row 1,
    // column 1; false when the sheet cannot be read (or there is no such sheet). The
    // workbook it opened is let go: a later call reads the file afresh.
    virtual bool importSheet(const std::string& path, int index, MeteoSheet& sheet) = 0;
    // Columns beyond the sheet's reach that the last import dropped.
    virtual int droppedColumns() const { return 0; }
    // Why the last call answered false ("it is protected by a password", "the sheet is
    // cut short").
    virtual std::string failure() const { return {}; }
};

// The reader of legacy .xls workbooks, BIFF2 (Excel 2.1) to BIFF8 (Excel 97-2003).
// A workbook saved with a password fails the workbook test.
std::unique_ptr<WorkbookReader> MakeXlsWorkbookReader();
// Office Open XML workbooks (.xlsx, .xlsm).
std::unique_ptr<WorkbookReader> MakeXlsxWorkbookReader();
// OpenDocument spreadsheets (.ods).
std::unique_ptr<WorkbookReader> MakeOdsWorkbookReader();

} // namespace etp
