#include "import/XmlReader.h"

#include <cstring>
#include <string>
#include <vector>

#include "import/GsfLibrary.h"

namespace etp {

namespace {

std::string_view View(const xmlChar* text)
{
    return text ? std::string_view(reinterpret_cast<const char*>(text)) : std::string_view();
}

// Bytes handed to the parser at a time.
constexpr int kChunk = 64 << 10;
// Elements open at once: a workbook nests a dozen; the parser keeps a note for each.
constexpr int kMaxDepth = 256;

} // namespace

// libxml2's push parser with SAX2 callbacks that note what they are told; next() hands the
// notes out in order and feeds the parser the next chunk when they run out. (libxml2's
// tree-building text reader costs about four times as much on a large worksheet.)
struct XmlReader::State {
    struct Event {
        Node kind;
        const xmlChar* name;        // the parser's own copy, good while it lives
        std::uint32_t begin, end;   // Text: the text in arena
        std::uint32_t first, last;  // Start: its attributes
        bool empty;                 // Start: an End follows at once
    };
    struct Attribute {
        const xmlChar* name;
        std::uint32_t begin, end; // the value in arena
    };

    std::unique_ptr<XmlSource> source;
    std::string name;
    xmlParserCtxtPtr parser = nullptr;
    std::string error;        // libxml2's first complaint
    bool documentType = false;
    int depth = 0;            // elements open
    bool tooDeep = false;
    bool ended = false;       // the source is read to its end
    std::vector<Event> events;
    std::vector<Attribute> attributes;
    std::string arena;        // texts and attribute values of the events
    std::size_t next = 0;     // the event next() hands out next
    std::vector<char> chunk;

    static State& Of(void* context) { return *static_cast<State*>(context); }

    static void StartElement(void* context, const xmlChar* localName, const xmlChar*, const xmlChar*, int, const xmlChar**,
                             int count, int, const xmlChar** values)
    {
        State& state = Of(context);
        if (++state.depth > kMaxDepth) {
            state.tooDeep = true;
            LoadedGsf().xmlStopParser(state.parser);
            return;
        }
        const auto first = static_cast<std::uint32_t>(state.attributes.size());
        // Five pointers an attribute: local name, prefix, URI, value and its end.
        for (int i = 0; i < count; ++i, values += 5) {
            const auto begin = static_cast<std::uint32_t>(state.arena.size());
            state.arena.append(reinterpret_cast<const char*>(values[3]), static_cast<std::size_t>(values[4] - values[3]));
            state.attributes.push_back({values[0], begin, static_cast<std::uint32_t>(state.arena.size())});
        }
        state.events.push_back({Node::Start, localName, 0, 0, first, static_cast<std::uint32_t>(state.attributes.size()), false});
    }
    static void EndElement(void* context, const xmlChar* localName, const xmlChar*, const xmlChar*)
    {
        State& state = Of(context);
        --state.depth;
        // <x/> and <x></x> are one Start, marked empty.
        if (!state.events.empty() && state.events.back().kind == Node::Start && !state.events.back().empty) {
            state.events.back().empty = true;
            return;
        }
        state.events.push_back({Node::End, localName, 0, 0, 0, 0, false});
    }
    static void Characters(void* context, const xmlChar* text, int length)
    {
        State& state = Of(context);
        // One text, however many pieces the parser hands it in.
        if (!state.events.empty() && state.events.back().kind == Node::Text) {
            state.arena.append(reinterpret_cast<const char*>(text), static_cast<std::size_t>(length));
            state.events.back().end = static_cast<std::uint32_t>(state.arena.size());
            return;
        }
        const auto begin = static_cast<std::uint32_t>(state.arena.size());
        state.arena.append(reinterpret_cast<const char*>(text), static_cast<std::size_t>(length));
        state.events.push_back({Node::Text, nullptr, begin, static_cast<std::uint32_t>(state.arena.size()), 0, 0, false});
    }
    static void DocumentType(void* context, const xmlChar*, const xmlChar*, const xmlChar*)
    {
        State& state = Of(context);
        state.documentType = true;
        LoadedGsf().xmlStopParser(state.parser);
    }
    static void Complain(void* context, xmlErrorPtr error)
    {
        State& state = Of(context);
        if (state.error.empty() && error && error->message) {
            state.error = "line " + std::to_string(error->line) + ": " + error->message;
            while (!state.error.empty() && (state.error.back() == '\n' || state.error.back() == '.')) state.error.pop_back();
        }
    }

    // Lets go of every note but the one handed out last (a Start), with its attributes.
    void keepOnlyCurrent()
    {
        if (next == 0) return;
        Event current = events[next];
        std::vector<Attribute> kept(attributes.begin() + current.first, attributes.begin() + current.last);
        std::string values;
        for (Attribute& attribute : kept) {
            const auto begin = static_cast<std::uint32_t>(values.size());
            values.append(arena, attribute.begin, attribute.end - attribute.begin);
            attribute.begin = begin;
            attribute.end = static_cast<std::uint32_t>(values.size());
        }
        current.first = 0;
        current.last = static_cast<std::uint32_t>(kept.size());
        events.assign(1, current);
        attributes = std::move(kept);
        arena = std::move(values);
        next = 0;
    }

    // Parses the next chunk; false when the document failed.
    bool feed()
    {
        const GsfLibrary& lib = LoadedGsf();
        const int n = source->read(chunk.data(), static_cast<int>(chunk.size()));
        if (n < 0) return false;
        ended = n == 0;
        return lib.xmlParseChunk(parser, chunk.data(), n, ended ? 1 : 0) == 0 && !documentType && !tooDeep;
    }
};

XmlReader::XmlReader(std::unique_ptr<XmlSource> source, std::string name) : state_(std::make_unique<State>())
{
    state_->source = std::move(source);
    state_->name = std::move(name);
    state_->chunk.resize(kChunk);
    const GsfLibrary& lib = LoadedGsf();
    // Only the callbacks below: no entity is looked up or declared, nothing is loaded.
    xmlSAXHandler handler{};
    handler.initialized = XML_SAX2_MAGIC;
    handler.internalSubset = &State::DocumentType;
    handler.startElementNs = &State::StartElement;
    handler.endElementNs = &State::EndElement;
    handler.characters = &State::Characters;
    handler.ignorableWhitespace = &State::Characters;
    handler.cdataBlock = &State::Characters;
    handler.serror = &State::Complain;
    state_->parser = lib.xmlCreatePushParserCtxt(&handler, state_.get(), nullptr, 0, nullptr);
    // No entity substitution, no DTD loading, no network; libxml2's own limits on text
    // and nesting stay on (no XML_PARSE_HUGE).
    if (state_->parser) lib.xmlCtxtUseOptions(state_->parser, XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
}

XmlReader::XmlReader(XmlReader&& other) noexcept = default;

XmlReader::~XmlReader()
{
    if (state_ && state_->parser) LoadedGsf().xmlFreeParserCtxt(state_->parser);
}

XmlReader::Node XmlReader::next()
{
    if (!failure_.empty()) return Node::Failed;
    State& state = *state_;
    const auto fail = [&](const std::string& why) {
        failure_ = "its part " + state.name + " " + why;
        return Node::Failed;
    };
    if (!state.parser) return fail("cannot be read");
    const auto feed = [&] {
        if (state.feed()) return true;
        if (!state.source->failure.empty()) fail(state.source->failure);
        else if (state.documentType) fail("declares a document type, which no workbook does");
        else if (state.tooDeep) fail("nests elements deeper than a workbook does (" + std::to_string(kMaxDepth) + ")");
        else fail(state.error.empty() ? "is damaged" : "is damaged (" + state.error + ")");
        return false;
    };
    ++state.next;
    if (state.next >= state.events.size()) {
        // What was handed out is let go; the parser fills the notes afresh.
        state.events.clear();
        state.attributes.clear();
        state.arena.clear();
        state.next = 0;
        while (state.events.empty() && !state.ended)
            if (!feed()) return Node::Failed;
        if (state.events.empty()) return Node::Done;
    }
    // A Start at the end of the notes, not yet known to be empty: parse on, so that an End
    // at once marks it empty. The notes handed out before it are let go first, or a row
    // of a million cells would be held whole.
    while (state.next + 1 == state.events.size() && state.events[state.next].kind == Node::Start &&
           !state.events[state.next].empty && !state.ended) {
        state.keepOnlyCurrent();
        if (!feed()) return Node::Failed;
    }
    return state.events[state.next].kind;
}

std::string_view XmlReader::name() const { return View(state_->events[state_->next].name); }

bool XmlReader::isEmpty() const { return state_->events[state_->next].empty; }

std::string_view XmlReader::attribute(std::string_view localName)
{
    const State& state = *state_;
    const State::Event& event = state.events[state.next];
    for (std::uint32_t i = event.first; i < event.last; ++i) {
        const State::Attribute& attribute = state.attributes[i];
        if (View(attribute.name) == localName)
            return std::string_view(state.arena).substr(attribute.begin, attribute.end - attribute.begin);
    }
    return {};
}

void XmlReader::attributes(std::span<const std::string_view> names, std::span<std::string> values)
{
    for (std::size_t i = 0; i < names.size() && i < values.size(); ++i) values[i] = attribute(names[i]);
}

std::string_view XmlReader::text() const
{
    const State::Event& event = state_->events[state_->next];
    return std::string_view(state_->arena).substr(event.begin, event.end - event.begin);
}

} // namespace etp
