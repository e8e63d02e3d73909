#include "import/OdsStyles.h"

#include <array>

namespace etp {

namespace {

// The parts of a data style that make it a date rather than a time of day.
bool IsDatePart(std::string_view name)
{
    static constexpr std::array<std::string_view, 7> kParts = {"day", "month", "year", "era", "day-of-week", "week-of-year", "quarter"};
    for (const std::string_view part : kParts)
        if (name == part) return true;
    return false;
}

} // namespace

bool OdsStyles::read(XmlReader& xml, std::string& failure)
{
    // The data style being read, if any.
    std::string name;
    bool inDataStyle = false, isTimeStyle = false, date = false, seconds = false, hours = false;
    const auto endDataStyle = [&] {
        ValueFormat format = ValueFormat::Date;
        if (isTimeStyle || !date) {
            if (hours) format = seconds ? ValueFormat::HoursWithSeconds : ValueFormat::Hours;
            else format = seconds ? ValueFormat::TimeWithSeconds : ValueFormat::Time;
        }
        dataStyles_[name] = format;
        inDataStyle = false;
    };
    for (;;) {
        switch (xml.next()) {
        case XmlReader::Node::Failed: failure = xml.failure(); return false;
        case XmlReader::Node::Done: return true;
        case XmlReader::Node::Text: break;
        case XmlReader::Node::End:
            if (inDataStyle && (xml.name() == "date-style" || xml.name() == "time-style")) endDataStyle();
            break;
        case XmlReader::Node::Start: {
            const std::string_view element = xml.name();
            if (element == "body") return true;
            if (element == "date-style" || element == "time-style") {
                isTimeStyle = element == "time-style";
                name = xml.attribute("name");
                // [h]:mm counts hours past a day.
                hours = xml.attribute("truncate-on-overflow") == "false";
                date = seconds = false;
                inDataStyle = true;
                if (xml.isEmpty()) endDataStyle();
            } else if (inDataStyle) {
                if (element == "seconds") seconds = true;
                else if (IsDatePart(element)) date = true;
            } else if (element == "style" && xml.attribute("family") == "table-cell") {
                std::string styleName(xml.attribute("name"));
                CellStyle style{std::string(xml.attribute("parent-style-name")), std::string(xml.attribute("data-style-name"))};
                cellStyles_[std::move(styleName)] = std::move(style);
            }
            break;
        }
        }
    }
}

std::optional<ValueFormat> OdsStyles::format(std::string_view cellStyle) const
{
    // A style without a data style of its own takes its parent's; a few steps are
    // all a real chain has, and a loop must not hang.
    std::string name(cellStyle);
    for (int step = 0; step < 16; ++step) {
        const auto style = cellStyles_.find(name);
        if (style == cellStyles_.end()) return std::nullopt;
        if (!style->second.dataStyle.empty()) {
            const auto data = dataStyles_.find(style->second.dataStyle);
            if (data == dataStyles_.end()) return std::nullopt;
            return data->second;
        }
        name = style->second.parent;
    }
    return std::nullopt;
}

} // namespace etp
