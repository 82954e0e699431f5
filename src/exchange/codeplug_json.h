#pragma once

#include "codeplug/codeplug.h"
#include "codeplug/text_context.h"

#include <QByteArray>
#include <QString>

namespace zr40 {

// Every value of a radio data file as json, under the program's field names, raw integers,
// tables in their used length: the settings at the top, "Channels" as 32 objects in channel
// order, "RxListEntry" as 8 lists of 8. The text keeps the file's order so people can read it.
class CodeplugJson {
public:
    static QByteArray Export(const Codeplug& codeplug);
    // Replaces every value the json names and nothing else; on an unknown name, a value of the
    // wrong type or size, returns false with `error` naming the field (codeplug untouched).
    static bool Import(const QByteArray& json, Codeplug& codeplug, QString& error,
                       const TextContext& ctx = {true, QLatin1Char('.')});
};

} // namespace zr40
