#pragma once
// The compound-file and zip library, and the XML parser it is linked with, opened when
// the first workbook is read rather than when the program starts: it and what it pulls in
// (glib, gio, libxml2, ICU) take longer to load than a whole run over a text file takes.
#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile-zip.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-input-stdio.h>
#include <gsf/gsf-msole-utils.h>
#include <gsf/gsf-utils.h>
#include <libxml/parser.h>

#include <memory>
#include <string>

namespace etp {

// The functions the workbook readers use.
struct GsfLibrary {
    decltype(&::g_object_unref) objectUnref;
    decltype(&::g_error_free) errorFree;
    decltype(&::g_iconv) iconv;
    decltype(&::g_iconv_close) iconvClose;
    decltype(&::gsf_input_seek) inputSeek;
    decltype(&::gsf_input_read) inputRead;
    decltype(&::gsf_input_size) inputSize;
    decltype(&::gsf_input_stdio_new) inputStdioNew;
    decltype(&::gsf_input_memory_new) inputMemoryNew;
    decltype(&::gsf_infile_msole_new) infileMsoleNew;
    decltype(&::gsf_infile_num_children) infileNumChildren;
    decltype(&::gsf_infile_name_by_index) infileNameByIndex;
    decltype(&::gsf_infile_child_by_index) infileChildByIndex;
    decltype(&::gsf_msole_iconv_open_for_import) msoleIconvOpenForImport;
    decltype(&::gsf_infile_zip_new) infileZipNew;
    decltype(&::gsf_infile_child_by_aname) infileChildByAname;
    // libxml2's push parser
    decltype(&::xmlCreatePushParserCtxt) xmlCreatePushParserCtxt;
    decltype(&::xmlCtxtUseOptions) xmlCtxtUseOptions;
    decltype(&::xmlParseChunk) xmlParseChunk;
    decltype(&::xmlStopParser) xmlStopParser;
    decltype(&::xmlFreeParserCtxt) xmlFreeParserCtxt;
};

inline constexpr const char* kGsfMissing = "the library that reads compound files (" ETP_GSF_SONAME ") cannot be loaded";


// Loads the library once; null when it or one of its functions is missing.
const GsfLibrary* LoadGsfLibrary();

// The library, once LoadGsfLibrary has answered it is there.
inline const GsfLibrary& LoadedGsf() { return *LoadGsfLibrary(); }

struct GsfUnref {
    void operator()(void* object) const { LoadedGsf().objectUnref(object); }
};
template <typename T>
using GsfPointer = std::unique_ptr<T, GsfUnref>;

// A regular file opened for reading through the library (loaded now if need be); null,
// with the reason, when it is no file, cannot be opened or the library is missing.
GsfPointer<GsfInput> OpenGsfFile(const std::string& path, std::string& failure);

// `what`, with the library's own words in brackets when it gave any; frees error.
std::string GsfReason(GError* error, const char* what);

} // namespace etp
