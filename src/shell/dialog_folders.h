#pragma once

#include <QString>

namespace zr40 {

// Each kind of file dialog opens in the folder where the last one of its kind chose a file;
// the folders are kept in the settings ("Folders/<kind>").
class DialogFolders {
public:
    static constexpr const char* kPlans = "Plans";   // Open, Save, Save As: radio data files
    static constexpr const char* kImport = "Import"; // File > Import
    static constexpr const char* kExport = "Export"; // File > Export
    static constexpr const char* kPdf = "Pdf";       // printing to a PDF file

    // `name` in the folder the kind used last (the folder alone for no name); `name` as it is
    // when it names a folder of its own, or when no folder was kept or it is gone.
    static QString Proposed(const char* kind, const QString& name);
    // A dialog of the kind chose `path`.
    static void Remember(const char* kind, const QString& path);
};

} // namespace zr40
