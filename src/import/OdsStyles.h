#pragma once
// What the number formats of an OpenDocument spreadsheet make of date and time cells:
// the data styles (number:date-style, number:time-style) and the cell styles that
// name them, from styles.xml and from the automatic styles of content.xml.
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "import/CellText.h"
#include "import/XmlReader.h"

namespace etp {

class OdsStyles {
public:
    // Reads the styles of a part up to its office:body, where the reader is left, or to
    // its end. False, with the XML reader's reason, on damaged XML.
    bool read(XmlReader& xml, std::string& failure);
    // The format of a cell of this cell style: Date for a style with a day, month or
    // year; Time, TimeWithSeconds, Hours or HoursWithSeconds for a time-only one;
    // nullopt for any other style, or a style nobody defined.
    std::optional<ValueFormat> format(std::string_view cellStyle) const;

private:
    struct CellStyle {
        std::string parent;
        std::string dataStyle;
    };
    std::unordered_map<std::string, ValueFormat> dataStyles_;
    std::unordered_map<std::string, CellStyle> cellStyles_;
};

} // namespace etp
