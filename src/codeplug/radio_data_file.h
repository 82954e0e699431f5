#pragma once

#include "codeplug/codeplug.h"
#include "codeplug/file_path.h"
#include "codeplug/file_result.h"

#include <QByteArray>
#include <QString>

namespace zr40 {

// The .rdat file: a 16-byte header "ZR40 Ver1.0.1   " followed by 1,277 signed 32-bit
// little-endian values in a fixed order. Band limits, the model image and the password block are
// not in it.
class RadioDataFile {
public:
    static constexpr int kFileSize = 5124;
    static constexpr int kHeaderSize = 16;
    static constexpr int kCheckedHeaderSize = 8; // only "ZR40 Ver" is compared on load
    static constexpr int kChannelRecordOffset = 772;
    static constexpr int kChannelRecordSize = 128;
    static constexpr int kRxListOffset = 4868;
    static const char kHeader[kHeaderSize + 1];

    // How a load treats the stored key lengths: the program recomputes them from the keys (a
    // length is how far the key's digits reach); an exact copy of the file keeps them.
    enum class KeyLengths { Recompute, AsStored };

    static QByteArray Serialize(const Codeplug& codeplug);
    // Loads every value of the file into the codeplug and recomputes the key lengths from the
    // keys. On failure the codeplug is left exactly as it was.
    static FileResult Parse(const QByteArray& bytes, Codeplug& codeplug,
                            KeyLengths keyLengths = KeyLengths::Recompute);

    // Reads the first kFileSize bytes of a regular file (a longer file's tail is not looked at).
    static FileResult ReadFromFile(const FilePath& path, Codeplug& codeplug,
                                   KeyLengths keyLengths = KeyLengths::Recompute);
    // The file is whole and on the disk, or the old one is left as it was (FileWriter).
    static FileResult WriteToFile(const FilePath& path, const Codeplug& codeplug);
    // Every value the file holds, from one codeplug into another, exactly as stored.
    static void CopyValues(const Codeplug& from, Codeplug& to);
};

} // namespace zr40
