#include "import/XmlReader.h"

#include "import/GsfLibrary.h"

namespace etp {

namespace {

// libxml2's node types (xmlReaderTypes).
constexpr int kElement = 1;
constexpr int kText = 3;
constexpr int kCdata = 4;
constexpr int kDocumentType = 10;
constexpr int kWhitespace = 13;
constexpr int kSignificantWhitespace = 14;
constexpr int kEndElement = 15;

std::string_view View(const xmlChar* text)
{
    return text ? std::string_view(reinterpret_cast<const char*>(text)) : std::string_view();
}

} // namespace

struct XmlReader::State {
    std::unique_ptr<XmlSource> source;
    std::string name;
    xmlTextReaderPtr reader = nullptr;
    std::string error; // libxml2's first complaint
    int type = 0;

    static int Read(void* context, char* buffer, int size)
    {
        return static_cast<State*>(context)->source->read(buffer, size);
    }
    static void Complain(void* context, xmlErrorPtr error)
    {
        auto* state = static_cast<State*>(context);
        if (state->error.empty() && error && error->message) {
            state->error = "line " + std::to_string(error->line) + ": " + error->message;
            while (!state->error.empty() && (state->error.back() == '\n' || state->error.back() == '.'))
                state->error.pop_back();
        }
    }
};

XmlReader::XmlReader(std::unique_ptr<XmlSource> source, std::string name) : state_(std::make_unique<State>())
{
    state_->source = std::move(source);
    state_->name = std::move(name);
    const GsfLibrary& lib = LoadedGsf();
    // No entity substitution, no DTD loading, no network; libxml2's own limits on text
    // and nesting stay on (no XML_PARSE_HUGE).
    const int options = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_NOCDATA;
    state_->reader = lib.xmlReaderForIO(&State::Read, nullptr, state_.get(), nullptr, nullptr, options);
    if (state_->reader) lib.xmlSetErrorHandler(state_->reader, &State::Complain, state_.get());
}

XmlReader::XmlReader(XmlReader&& other) noexcept = default;

XmlReader::~XmlReader()
{
    if (state_ && state_->reader) LoadedGsf().xmlFreeTextReader(state_->reader);
}

XmlReader::Node XmlReader::next()
{
    if (!failure_.empty()) return Node::Failed;
    const GsfLibrary& lib = LoadedGsf();
    const auto fail = [&](const std::string& why) {
        failure_ = "its part " + state_->name + " " + why;
        return Node::Failed;
    };
    if (!state_->reader) return fail("cannot be read");
    for (;;) {
        const int status = lib.xmlRead(state_->reader);
        if (status == 0) return Node::Done;
        if (status < 0) {
            if (!state_->source->failure.empty()) return fail(state_->source->failure);
            return fail(state_->error.empty() ? "is damaged" : "is damaged (" + state_->error + ")");
        }
        state_->type = lib.xmlNodeType(state_->reader);
        switch (state_->type) {
        case kElement: return Node::Start;
        case kEndElement: return Node::End;
        case kText:
        case kCdata:
        case kWhitespace:
        case kSignificantWhitespace: return Node::Text;
        case kDocumentType: return fail("declares a document type, which no workbook does");
        default: break; // comments, processing instructions, the XML declaration
        }
    }
}

std::string_view XmlReader::name() const { return View(LoadedGsf().xmlLocalName(state_->reader)); }

bool XmlReader::isEmpty() const { return LoadedGsf().xmlIsEmptyElement(state_->reader) == 1; }

std::string_view XmlReader::attribute(std::string_view localName)
{
    const GsfLibrary& lib = LoadedGsf();
    std::string_view value;
    while (lib.xmlMoveToNextAttribute(state_->reader) == 1) {
        if (View(lib.xmlLocalName(state_->reader)) == localName) {
            value = View(lib.xmlValue(state_->reader));
            break;
        }
    }
    lib.xmlMoveToElement(state_->reader);
    return value;
}

void XmlReader::attributes(std::span<const std::string_view> names, std::span<std::string> values)
{
    const GsfLibrary& lib = LoadedGsf();
    for (std::string& value : values) value.clear();
    while (lib.xmlMoveToNextAttribute(state_->reader) == 1) {
        const std::string_view name = View(lib.xmlLocalName(state_->reader));
        for (std::size_t i = 0; i < names.size() && i < values.size(); ++i) {
            if (names[i] == name) {
                values[i] = View(lib.xmlValue(state_->reader));
                break;
            }
        }
    }
    lib.xmlMoveToElement(state_->reader);
}

std::string_view XmlReader::text() const { return View(LoadedGsf().xmlValue(state_->reader)); }

} // namespace etp
