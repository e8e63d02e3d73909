#pragma once
// The cells of one table of an OpenDocument spreadsheet's content.xml, as a person sees
// them, into the sheet.
#include <string>

#include "import/OdsStyles.h"
#include "import/SheetWriter.h"
#include "import/XmlReader.h"

namespace etp {

// Reads the table whose start tag the reader has just given (`empty` when it is written
// <table:table/>), through its end tag. False, with the reason, on damaged XML or when
// the writer refuses a cell.
bool ReadOdsTable(XmlReader& xml, bool empty, const OdsStyles& styles, SheetWriter& writer, std::string& failure);

} // namespace etp
