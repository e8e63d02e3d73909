#include "import/GsfLibrary.h"

#include <dlfcn.h>

#include <filesystem>
#include <optional>
#include <type_traits>

namespace etp {

namespace {

void Ignore(const gchar*, GLogLevelFlags, const gchar*, gpointer) {}

std::optional<GsfLibrary> Load()
{
    void* library = dlopen(ETP_GSF_SONAME, RTLD_NOW | RTLD_LOCAL);
    if (!library) return std::nullopt;
    // dlsym searches the library's own dependencies too, where the glib functions are.
    bool found = true;
    const auto find = [&](auto& function, const char* name) {
        function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(dlsym(library, name));
        found = found && function != nullptr;
    };
    GsfLibrary gsf{};
    find(gsf.objectUnref, "g_object_unref");
    find(gsf.errorFree, "g_error_free");
    find(gsf.iconv, "g_iconv");
    find(gsf.iconvClose, "g_iconv_close");
    find(gsf.inputSeek, "gsf_input_seek");
    find(gsf.inputRead, "gsf_input_read");
    find(gsf.inputSize, "gsf_input_size");
    find(gsf.inputStdioNew, "gsf_input_stdio_new");
    find(gsf.inputMemoryNew, "gsf_input_memory_new");
    find(gsf.infileMsoleNew, "gsf_infile_msole_new");
    find(gsf.infileNumChildren, "gsf_infile_num_children");
    find(gsf.infileNameByIndex, "gsf_infile_name_by_index");
    find(gsf.infileChildByIndex, "gsf_infile_child_by_index");
    find(gsf.msoleIconvOpenForImport, "gsf_msole_iconv_open_for_import");
    find(gsf.infileZipNew, "gsf_infile_zip_new");
    find(gsf.infileChildByAname, "gsf_infile_child_by_aname");
    find(gsf.xmlCreatePushParserCtxt, "xmlCreatePushParserCtxt");
    find(gsf.xmlCtxtUseOptions, "xmlCtxtUseOptions");
    find(gsf.xmlParseChunk, "xmlParseChunk");
    find(gsf.xmlStopParser, "xmlStopParser");
    find(gsf.xmlFreeParserCtxt, "xmlFreeParserCtxt");
    decltype(&::gsf_init) init = nullptr;
    decltype(&::g_log_set_handler) setLogHandler = nullptr;
    find(init, "gsf_init");
    find(setLogHandler, "g_log_set_handler");
    if (!found) return std::nullopt;
    init();
    // A damaged file is answered with the import's own message; what the library
    // notices on the way is no news for the person (nor for etp's stderr).
    for (const char* domain : {"libgsf", "libgsf:msole", "libgsf:utils", "libgsf:zip"})
        setLogHandler(domain, static_cast<GLogLevelFlags>(G_LOG_LEVEL_MASK), Ignore, nullptr);
    return gsf;
}

} // namespace

GsfPointer<GsfInput> OpenGsfFile(const std::string& path, std::string& failure)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        failure = "it is not a file";
        return nullptr;
    }
    const GsfLibrary* gsf = LoadGsfLibrary();
    if (!gsf) {
        failure = kGsfMissing;
        return nullptr;
    }
    GError* error = nullptr;
    GsfPointer<GsfInput> file(gsf->inputStdioNew(path.c_str(), &error));
    if (!file) failure = GsfReason(error, "it cannot be opened");
    return file;
}

std::string GsfReason(GError* error, const char* what)
{
    std::string reason = what;
    if (error) {
        reason += std::string(" (") + error->message + ")";
        LoadedGsf().errorFree(error);
    }
    return reason;
}

const GsfLibrary* LoadGsfLibrary()
{
    static const std::optional<GsfLibrary> library = Load();
    return library ? &*library : nullptr;
}

} // namespace etp
