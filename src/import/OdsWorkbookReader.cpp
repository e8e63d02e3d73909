// Placeholder until the OpenDocument reader lands.
#include "import/WorkbookReader.h"

namespace etp {

std::unique_ptr<WorkbookReader> MakeOdsWorkbookReader() { return MakeXlsxWorkbookReader(); }

} // namespace etp
