#pragma once
// The compound-file library, opened when the first workbook is read rather than when the
// program starts: it and what it pulls in (glib, gio, libxml2, ICU) take longer to load
// than a whole run over a text file takes.
#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-input-stdio.h>
#include <gsf/gsf-msole-utils.h>
#include <gsf/gsf-utils.h>

namespace etp {

// The functions the workbook reader uses.
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
};

inline constexpr const char* kGsfMissing = "the library that reads compound files (" ETP_GSF_SONAME ") cannot be loaded";

// Loads the library once; null when it or one of its functions is missing.
const GsfLibrary* LoadGsfLibrary();

} // namespace etp
