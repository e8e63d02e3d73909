#include "import/XlsxParts.h"

#include <charconv>
#include <map>

namespace etp::xlsx {

namespace {

using Node = XmlReader::Node;

bool EndsWith(std::string_view text, std::string_view suffix)
{
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

// A relationship's target as a part name: relative to the folder of the part that
// holds the relationship, or from the package's root when it starts with "/".
std::string ResolvePart(std::string_view folder, std::string_view target)
{
    std::string path = target.starts_with('/') ? std::string() : std::string(folder);
    if (target.starts_with('/')) target.remove_prefix(1);
    while (!target.empty()) {
        const std::size_t slash = target.find('/');
        const std::string_view segment = target.substr(0, slash);
        target = slash == std::string_view::npos ? std::string_view() : target.substr(slash + 1);
        if (segment == "..") {
            const std::size_t cut = path.find_last_of('/', path.empty() ? 0 : path.size() - 2);
            path.erase(cut == std::string::npos ? 0 : cut + 1);
        } else if (!segment.empty() && segment != ".") {
            path.append(segment);
            if (!target.empty()) path += '/';
        }
    }
    return path;
}

std::string_view FolderOf(std::string_view part)
{
    const std::size_t slash = part.rfind('/');
    return slash == std::string_view::npos ? std::string_view() : part.substr(0, slash + 1);
}

// The relationships of `part` (from its _rels/NAME.rels): id -> {type, part name}.
struct Relationship {
    std::string type;
    std::string target;
};
std::optional<std::map<std::string, Relationship>> ReadRelationships(ZipPackage& package, std::string_view part,
                                                                     std::string& failure)
{
    const std::string_view folder = FolderOf(part);
    const std::string rels = std::string(folder) + "_rels/" + std::string(part.substr(folder.size())) + ".rels";
    auto xml = package.xml(rels, failure);
    if (!xml) return std::nullopt;
    std::map<std::string, Relationship> found;
    constexpr std::string_view kNames[] = {"Id", "Type", "Target", "TargetMode"};
    std::string values[4];
    for (Node node; (node = xml->next()) != Node::Done;) {
        if (node == Node::Failed) {
            failure = xml->failure();
            return std::nullopt;
        }
        if (node != Node::Start || xml->name() != "Relationship") continue;
        xml->attributes(kNames, values);
        if (values[3] == "External") continue; // nothing is fetched
        found[values[0]] = {values[1], ResolvePart(folder, values[2])};
    }
    return found;
}

} // namespace

std::optional<Book> ReadBook(ZipPackage& package, std::string& failure)
{
    constexpr const char* kNoWorkbook = "it is a zip file but no .xlsx workbook";
    if (!package.has("_rels/.rels")) {
        failure = kNoWorkbook;
        return std::nullopt;
    }
    const auto root = ReadRelationships(package, "", failure);
    if (!root) return std::nullopt;
    std::string workbookPart;
    for (const auto& [id, relationship] : *root)
        if (EndsWith(relationship.type, "/officeDocument")) workbookPart = relationship.target;
    if (workbookPart.empty()) {
        failure = kNoWorkbook;
        return std::nullopt;
    }
    const auto parts = ReadRelationships(package, workbookPart, failure);
    if (!parts) return std::nullopt;
    Book book;
    for (const auto& [id, relationship] : *parts) {
        if (EndsWith(relationship.type, "/sharedStrings")) book.sharedStringsPart = relationship.target;
        if (EndsWith(relationship.type, "/styles")) book.stylesPart = relationship.target;
    }
    auto xml = package.xml(workbookPart, failure);
    if (!xml) return std::nullopt;
    constexpr std::string_view kSheetNames[] = {"name", "id"};
    std::string values[2];
    for (Node node; (node = xml->next()) != Node::Done;) {
        if (node == Node::Failed) {
            failure = xml->failure();
            return std::nullopt;
        }
        if (node != Node::Start) continue;
        if (xml->name() == "workbookPr") {
            const std::string_view system = xml->attribute("date1904");
            book.date1904 = system == "1" || system == "true";
        } else if (xml->name() == "sheet") {
            xml->attributes(kSheetNames, values);
            const auto part = parts->find(values[1]);
            book.sheets.push_back({values[0], part == parts->end() ? std::string() : part->second.target});
        }
    }
    return book;
}

std::optional<std::vector<ValueFormat>> ReadCellFormats(ZipPackage& package, const std::string& part,
                                                        std::string& failure)
{
    std::vector<ValueFormat> formats;
    if (part.empty()) return formats;
    auto xml = package.xml(part, failure);
    if (!xml) return std::nullopt;
    std::map<int, ValueFormat> codes; // the workbook's own number formats
    constexpr std::string_view kNumFmt[] = {"numFmtId", "formatCode"};
    std::string values[2];
    bool inCellXfs = false;
    for (Node node; (node = xml->next()) != Node::Done;) {
        if (node == Node::Failed) {
            failure = xml->failure();
            return std::nullopt;
        }
        if (node == Node::End && xml->name() == "cellXfs") inCellXfs = false;
        if (node != Node::Start) continue;
        const std::string_view name = xml->name();
        if (name == "numFmt") {
            xml->attributes(kNumFmt, values);
            int id = 0;
            std::from_chars(values[0].data(), values[0].data() + values[0].size(), id);
            codes[id] = ClassifyFormatCode(values[1]);
        } else if (name == "cellXfs") {
            inCellXfs = !xml->isEmpty();
        } else if (name == "xf" && inCellXfs) {
            const std::string_view text = xml->attribute("numFmtId");
            int id = 0;
            std::from_chars(text.data(), text.data() + text.size(), id);
            const auto code = codes.find(id);
            formats.push_back(code != codes.end() ? code->second : BuiltInValueFormat(id));
        }
    }
    return formats;
}

bool ReadStringItem(XmlReader& xml, std::string& text)
{
    text.clear();
    int depth = 1, phonetic = 0;
    bool inText = false;
    while (depth > 0) {
        switch (xml.next()) {
        case Node::Start:
            if (xml.isEmpty()) break;
            ++depth;
            if (xml.name() == "rPh") phonetic = depth;
            inText = xml.name() == "t";
            break;
        case Node::End:
            if (depth == phonetic) phonetic = 0;
            --depth;
            inText = false;
            break;
        case Node::Text:
            if (inText && phonetic == 0) text += xml.text();
            break;
        default: return false;
        }
    }
    // Characters XML cannot carry are written _xHHHH_.
    for (std::size_t at = text.find("_x"); at != std::string::npos; at = text.find("_x", at + 1)) {
        unsigned code = 0;
        if (at + 7 > text.size() || text[at + 6] != '_') continue;
        const auto parsed = std::from_chars(text.data() + at + 2, text.data() + at + 6, code, 16);
        if (parsed.ptr != text.data() + at + 6 || code >= 0x80) continue;
        text.replace(at, 7, 1, static_cast<char>(code));
    }
    return true;
}

std::optional<SharedStrings> ReadSharedStrings(ZipPackage& package, const std::string& part, std::string& failure)
{
    SharedStrings strings;
    if (part.empty()) return strings;
    auto xml = package.xml(part, failure);
    if (!xml) return std::nullopt;
    std::string text;
    for (Node node; (node = xml->next()) != Node::Done;) {
        if (node == Node::Failed) {
            failure = xml->failure();
            return std::nullopt;
        }
        if (node != Node::Start || xml->name() != "si") continue;
        text.clear();
        if (!xml->isEmpty() && !ReadStringItem(*xml, text)) {
            failure = xml->failure();
            return std::nullopt;
        }
        strings.add(text);
    }
    return strings;
}

} // namespace etp::xlsx
