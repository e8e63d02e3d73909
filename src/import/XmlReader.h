#pragma once
// One XML document read forward, streaming, with libxml2: start tags, end tags and text,
// by local name (the readers know their vocabularies, not the prefixes a writer
// chose). Nothing is ever fetched: no network, no external entity, no DTD. A document
// that declares a document type is refused at once, so no entity of its own is ever
// expanded (workbooks never declare one).
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace etp {

// Where the reader's bytes come from.
struct XmlSource {
    virtual ~XmlSource() = default;
    // Bytes written to buffer; 0 at the end; -1 on failure, with `failure` saying why.
    virtual int read(char* buffer, int size) = 0;
    std::string failure;
};

class XmlReader {
public:
    enum class Node : std::uint8_t { Start, End, Text, Done, Failed };

    // `name` names the document in failures ("xl/workbook.xml").
    XmlReader(std::unique_ptr<XmlSource> source, std::string name);
    XmlReader(XmlReader&& other) noexcept;
    XmlReader& operator=(XmlReader&&) = delete;
    ~XmlReader();

    // The next start tag, end tag or text; comments and processing instructions are
    // passed over. Done at the end; Failed, for good, on damaged XML.
    Node next();
    // The local name of the element just started or ended.
    std::string_view name() const;
    // Whether the element just started is empty (<x/> or <x></x>): no End follows it.
    bool isEmpty() const;
    // The value of the started element's attribute of this local name, empty when it has
    // none; good until the next call of next().
    std::string_view attribute(std::string_view localName);
    // Several attributes in one pass over them: values[i] gets the value of names[i],
    // empty when the element has none.
    void attributes(std::span<const std::string_view> names, std::span<std::string> values);
    // The text just read (character data, CDATA, white space); a long text may come in
    // several pieces.
    std::string_view text() const;
    // Why the document failed: "its part xl/styles.xml is damaged (line 3: ...)".
    const std::string& failure() const { return failure_; }

private:
    struct State;
    std::unique_ptr<State> state_;
    std::string failure_;
};

} // namespace etp
