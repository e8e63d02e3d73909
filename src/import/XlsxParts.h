#pragma once
// The parts of an Office Open XML workbook (.xlsx) that the worksheets need: where the
// workbook and its sheets are, the cell formats and the shared strings.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "import/CellText.h"
#include "import/ZipPackage.h"

namespace etp::xlsx {

struct Book {
    struct Sheet {
        std::string name;
        std::string part; // "xl/worksheets/sheet1.xml"; empty when the workbook names none
    };
    std::vector<Sheet> sheets; // in workbook order, hidden ones too
    bool date1904 = false;
    std::string sharedStringsPart; // empty when there are none
    std::string stylesPart;
};

// The workbook found through the package's relationships; nullopt, with the reason,
// when the package holds no workbook or its parts are damaged.
std::optional<Book> ReadBook(ZipPackage& package, std::string& failure);

// What each cell format (a cell's s="n") makes of a number: date, time or number.
std::optional<std::vector<ValueFormat>> ReadCellFormats(ZipPackage& package, const std::string& part,
                                                        std::string& failure);

// The shared strings, their runs joined as plain text (phonetic guides left out).
class SharedStrings {
public:
    std::size_t size() const { return ends_.size(); }
    std::string_view operator[](std::size_t i) const
    {
        const std::size_t begin = i == 0 ? 0 : ends_[i - 1];
        return std::string_view(text_).substr(begin, ends_[i] - begin);
    }
    void add(std::string_view text)
    {
        text_ += text;
        ends_.push_back(text_.size());
    }

private:
    std::string text_;
    std::vector<std::size_t> ends_;
};
std::optional<SharedStrings> ReadSharedStrings(ZipPackage& package, const std::string& part, std::string& failure);

// The plain text of a string item (<si>, <is>) whose start tag was just read: the text of
// its <t> elements, runs included, phonetic runs not; "_x000D_" escapes decoded. False
// when the document fails before the item ends.
bool ReadStringItem(XmlReader& xml, std::string& text);

} // namespace etp::xlsx
